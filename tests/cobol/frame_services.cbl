      * The service frame seen from a COBOL caller: feedback code
      * present, OMITTED and left off; missing arguments; the shared
      * area as EXTERNAL; CGPIINFO and OVLEINIT.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. FRAMESVC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  OV-LE-EXTERNAL EXTERNAL PIC X(18771).
       COPY OVLEFC REPLACING ==:FC:== BY ==WS-FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==CMD-TEXT==
                               ==:N:== BY ==100==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==USER-PART==
                               ==:N:== BY ==100==.
       01  WS-CEN                  PIC S9(9) BINARY.
       01  WS-MODE                 PIC S9(4) COMP-5.
       01  WS-FUNC                 PIC S9(9) COMP-5.
       01  WS-FAILS                PIC 9(4) VALUE 0.
       01  WS-EXPECT               PIC S9(9).
       PROCEDURE DIVISION.
      * A full call that fails: severity 3, message 9999, X'58', OVX.
           MOVE 101 TO WS-CEN
           MOVE ALL X'A5' TO WS-FC
           CALL 'CEESCEN' USING WS-CEN WS-FC
           IF WS-FC-SEVERITY NOT = 3 OR WS-FC-MSG-NO NOT = 9999
              OR WS-FC-CASE-SEV-CTL NOT = X'58'
              OR NOT WS-FC-FACILITY-OVX OR WS-FC-ISI NOT = LOW-VALUES
              DISPLAY 'FAIL CEESCEN 101: ' WS-FC-SEVERITY ' '
                      WS-FC-MSG-NO ' ' WS-FC-FACILITY-ID
              ADD 1 TO WS-FAILS
           END-IF
      * The first call initialized the environment: byte 1 is "Y".
           IF OV-LE-EXTERNAL(2:1) NOT = X'E8'
              DISPLAY 'FAIL OV-LE-EXTERNAL BYTE 1 IS NOT X''E8'''
              ADD 1 TO WS-FAILS
           END-IF
           IF OV-LE-EXTERNAL(1:1) NOT = X'C2'
              DISPLAY 'FAIL HOST CODE IS NOT B'
              ADD 1 TO WS-FAILS
           END-IF
      * Window 80 in 2026: first year 1946, kept as EBCDIC digits.
           IF OV-LE-EXTERNAL(631:6) NOT = X'F8F0F4F6F1F9'
              DISPLAY 'FAIL CENTURY WINDOW BYTES'
              ADD 1 TO WS-FAILS
           END-IF
      * A successful call clears whatever the feedback code held.
           MOVE 55 TO WS-CEN
           MOVE ALL X'A5' TO WS-FC
           CALL 'CEESCEN' USING WS-CEN WS-FC
           IF NOT WS-FC-SUCCESS
              DISPLAY 'FAIL CEESCEN 55 LEFT A CONDITION'
              ADD 1 TO WS-FAILS
           END-IF
      * Feedback code left off the end of the list.
           MOVE 0 TO WS-CEN
           CALL 'CEEQCEN' USING WS-CEN
           MOVE 55 TO WS-EXPECT
           PERFORM CHECK-CEN
      * Feedback code OMITTED: the condition is discarded.
           MOVE -1 TO WS-CEN
           CALL 'CEESCEN' USING WS-CEN OMITTED
           MOVE 0 TO WS-CEN
           CALL 'CEEQCEN' USING WS-CEN OMITTED
           PERFORM CHECK-CEN
           MOVE 100 TO WS-CEN
           CALL 'CEESCEN' USING WS-CEN
           CALL 'CEEQCEN' USING WS-CEN WS-FC
           MOVE 0 TO WS-EXPECT
           PERFORM CHECK-CEN
           IF OV-LE-EXTERNAL(631:6) NOT = X'F0F0F2F6F2F0'
              DISPLAY 'FAIL WINDOW 0 IS NOT 2026'
              ADD 1 TO WS-FAILS
           END-IF
      * A required argument OMITTED: the library's own condition.
           MOVE ALL X'A5' TO WS-FC
           CALL 'CEESCEN' USING OMITTED WS-FC
           IF WS-FC-SEVERITY NOT = 4 OR WS-FC-MSG-NO NOT = 9999
              OR WS-FC-CASE-SEV-CTL NOT = X'60'
              OR NOT WS-FC-FACILITY-OVX
              DISPLAY 'FAIL OMITTED ARGUMENT: ' WS-FC-SEVERITY ' '
                      WS-FC-MSG-NO ' ' WS-FC-FACILITY-ID
              ADD 1 TO WS-FAILS
           END-IF
      * No arguments at all: nothing is written anywhere.
           CALL 'CEEQCEN'
      * CGPIINFO: this program is ASCII.
           MOVE 2 TO WS-MODE
           CALL 'CGPIINFO' USING WS-MODE
           IF WS-MODE NOT = 3
              DISPLAY 'FAIL CGPIINFO 2 GAVE ' WS-MODE
              ADD 1 TO WS-FAILS
           END-IF
           MOVE 5 TO WS-MODE
           CALL 'CGPIINFO' USING WS-MODE
           IF WS-MODE NOT = 0
              DISPLAY 'FAIL CGPIINFO 5 GAVE ' WS-MODE
              ADD 1 TO WS-FAILS
           END-IF
      * OVLEINIT splits the command text and re-initializes.
           MOVE 0 TO WS-FUNC
           MOVE 15 TO CMD-TEXT-LEN
           MOVE 'ABC/RPTOPTS(ON)' TO CMD-TEXT-TXT
           MOVE SPACES TO USER-PART-TXT
           CALL 'OVLEINIT' USING WS-FUNC CMD-TEXT USER-PART
           IF USER-PART-LEN NOT = 3 OR USER-PART-TXT(1:3) NOT = 'ABC'
              DISPLAY 'FAIL OVLEINIT GAVE ' USER-PART-LEN ' '
                      USER-PART-TXT(1:20)
              ADD 1 TO WS-FAILS
           END-IF
           IF OV-LE-EXTERNAL(2:1) NOT = X'E8'
              DISPLAY 'FAIL OVLEINIT DID NOT RE-INITIALIZE'
              ADD 1 TO WS-FAILS
           END-IF
           CALL 'CEEQCEN' USING WS-CEN WS-FC
           MOVE 80 TO WS-EXPECT
           PERFORM CHECK-CEN
      * The lower-case and hyphenated names reach the same programs.
           MOVE 2 TO WS-MODE
           CALL 'cgpiinfo' USING WS-MODE
           CALL 'OV-PIPI'
           IF WS-MODE NOT = 3
              DISPLAY 'FAIL cgpiinfo GAVE ' WS-MODE
              ADD 1 TO WS-FAILS
           END-IF
           IF WS-FAILS = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
       CHECK-CEN.
           IF WS-CEN NOT = WS-EXPECT
              DISPLAY 'FAIL CEEQCEN GAVE ' WS-CEN ' EXPECTED ' WS-EXPECT
              ADD 1 TO WS-FAILS
           END-IF.
