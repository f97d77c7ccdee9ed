      * A program that keeps its data in EBCDIC compares feedback codes
      * with the names of copybook OVLECNDE, and passes and gets
      * facility IDs in EBCDIC.
      * ENV OVLE_CALLER_CODESET=EBCDIC
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CONDEBCC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLECNDE.
       COPY OVLEVSTR REPLACING ==:V:== BY ==MSG== ==:N:== BY ==20==.
       01  C-1                     PIC S9(4) BINARY VALUE 3.
       01  MSGNO                   PIC S9(4) BINARY VALUE 2508.
       01  CASE-1                  PIC S9(4) BINARY VALUE 1.
       01  SEV                     PIC S9(4) BINARY VALUE 3.
       01  CNTRL                   PIC S9(4) BINARY VALUE 1.
       01  FACID                   PIC X(3) VALUE X'C3C5C5'.
       01  ISI                     PIC X(8) VALUE LOW-VALUES.
       01  NEW-TOKEN               PIC X(16).
       01  DEST                    PIC S9(9) BINARY VALUE 3.
       01  X-IN                    COMP-2 VALUE -1.
       01  X-OUT                   COMP-2.
       01  WHAT                    PIC X(30).
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           CALL 'CEE3GRC' USING X-IN FC
           MOVE 'CEE3GRC' TO WHAT
           IF FC(1:8) NOT = OVX9OF-4 PERFORM FAILED END-IF
           CALL 'CEESDSQT' USING X-IN FC X-OUT
           MOVE 'CEESDSQT -1' TO WHAT
           IF FC(1:8) NOT = CEE1UQ PERFORM FAILED END-IF
           MOVE 0 TO MSG-LEN
           CALL 'CEEMOUT' USING MSG DEST FC
           MOVE 'CEEMOUT 3' TO WHAT
           IF FC(1:8) NOT = CEE0E3 PERFORM FAILED END-IF
           CALL 'CEENCOD' USING C-1 MSGNO CASE-1 SEV CNTRL FACID ISI
                                NEW-TOKEN FC
           MOVE 'CEENCOD' TO WHAT
           IF FC(1:8) NOT = CEE000 OR NEW-TOKEN(1:8) NOT = CEE2EC
              PERFORM FAILED
           END-IF
           MOVE SPACES TO FACID
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           MOVE 'CEEDCOD' TO WHAT
           IF NOT FC-SUCCESS OR FACID NOT = X'C3C5C5'
              OR MSGNO NOT = 2508
              PERFORM FAILED
           END-IF
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
       FAILED.
           DISPLAY 'FAIL ' WHAT ': ' FC-MSG-NO
           ADD 1 TO FAILURES.
