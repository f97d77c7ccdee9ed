      * The service frame seen from a COBOL caller: the feedback code
      * present, OMITTED and left off; a required argument OMITTED;
      * OV-LE-EXTERNAL as an EXTERNAL item; CGPIINFO; OVLEINIT; and the
      * lower-case and hyphenated CALL names.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. FRAMESVC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  OV-LE-EXTERNAL EXTERNAL PIC X(18771).
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==CMD== ==:N:== BY ==100==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==USR== ==:N:== BY ==100==.
       01  CEN                     PIC S9(9) BINARY.
       01  CODESET                 PIC S9(4) COMP-5.
       01  FUNC                    PIC S9(9) COMP-5 VALUE 0.
       01  WHAT                    PIC X(30).
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * The first call initializes the area (host B, "Y", window 80
      * from 1946, in EBCDIC) and fails: 3, 9999, X'58', OVX.
           MOVE 101 TO CEN
           MOVE ALL X'A5' TO FC
           CALL 'CEESCEN' USING CEN FC
           MOVE 'CEESCEN 101' TO WHAT
           IF FC-SEVERITY NOT = 3 OR FC-MSG-NO NOT = 9999
              OR FC-CASE-SEV-CTL NOT = X'58' OR NOT FC-FACILITY-OVX
              OR FC-ISI NOT = LOW-VALUES
              OR OV-LE-EXTERNAL(1:2) NOT = X'C2E8'
              OR OV-LE-EXTERNAL(631:6) NOT = X'F8F0F4F6F1F9'
              PERFORM FAILED
           END-IF
      * Success clears the feedback code; the code left off, OMITTED.
           MOVE 55 TO CEN
           CALL 'CEESCEN' USING CEN FC
           MOVE 0 TO CEN
           CALL 'CEEQCEN' USING CEN
           MOVE 'CEESCEN 55' TO WHAT
           IF NOT FC-SUCCESS OR CEN NOT = 55 PERFORM FAILED END-IF
           MOVE -1 TO CEN
           CALL 'CEESCEN' USING CEN OMITTED
           CALL 'CEESCEN' USING CEN
           CALL 'CEEQCEN' USING CEN OMITTED
           MOVE 'CEESCEN -1 without FC' TO WHAT
           IF CEN NOT = 55 PERFORM FAILED END-IF
      * A required argument OMITTED: the library's own condition.
           MOVE ALL X'A5' TO FC
           CALL 'CEESCEN' USING OMITTED FC
           MOVE 'OMITTED argument' TO WHAT
           IF FC-SEVERITY NOT = 4 OR FC-MSG-NO NOT = 9999
              OR FC-CASE-SEV-CTL NOT = X'60' OR NOT FC-FACILITY-OVX
              PERFORM FAILED
           END-IF
           CALL 'CEEQCEN'
      * CGPIINFO: this program is ASCII; input 5 is no mode.
           MOVE 2 TO CODESET
           CALL 'CGPIINFO' USING CODESET
           MOVE 'CGPIINFO 2' TO WHAT
           IF CODESET NOT = 3 PERFORM FAILED END-IF
           MOVE 5 TO CODESET
           CALL 'cgpiinfo' USING CODESET
           MOVE 'cgpiinfo 5' TO WHAT
           IF CODESET NOT = 0 PERFORM FAILED END-IF
      * OVLEINIT splits the command text and initializes anew.
           MOVE 15 TO CMD-LEN
           MOVE 'ABC/RPTOPTS(ON)' TO CMD-TXT
           CALL 'OVLEINIT' USING FUNC CMD USR
           CALL 'OV-PIPI'
           CALL 'CEEQCEN' USING CEN FC
           MOVE 'OVLEINIT' TO WHAT
           IF USR-LEN NOT = 3 OR USR-TXT(1:3) NOT = 'ABC'
              OR OV-LE-EXTERNAL(2:1) NOT = X'E8'
              OR OV-LE-EXTERNAL(24:4) NOT = X'C1C2C340' OR CEN NOT = 80
              PERFORM FAILED
           END-IF
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
       FAILED.
           DISPLAY 'FAIL ' WHAT ': ' CEN ' ' FC-MSG-NO ' ' CODESET
           ADD 1 TO FAILURES.
