      * The math, bit and random services from a caller whose data are
      * EBCDIC: a condition's facility ID comes back in EBCDIC, results
      * as for any caller, and a success is still sixteen X'00' bytes.
      * ENV OVLE_CALLER_CODESET=EBCDIC
       IDENTIFICATION DIVISION.
       PROGRAM-ID. MATHEBC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  D-X                     COMP-2.
       01  D-R                     COMP-2.
       01  I-X                     PIC S9(9) BINARY.
       01  I-Y                     PIC S9(9) BINARY.
       01  I-R                     PIC S9(9) BINARY.
       01  SEED                    PIC S9(9) BINARY.
       01  RANDOM-NO               COMP-2.
       01  WS-NAME                 PIC X(8).
       01  WS-GOT                  COMP-2.
       01  WS-EXP                  COMP-2.
      * Severity, message number, case/severity/control, facility ID.
       01  WS-TOKEN                PIC X(8).
       01  WS-FAILS                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           MOVE ALL X'A5' TO FC
           MOVE 'CEESDSQT' TO WS-NAME
           MOVE -4 TO D-X
           CALL 'CEESDSQT' USING D-X FC D-R
           MOVE D-R TO WS-GOT
           MOVE 0 TO WS-EXP
           MOVE X'000207DA51C3C5C5' TO WS-TOKEN
           PERFORM CHECK-CALL
           MOVE 'CEESIMOD' TO WS-NAME
           MOVE 7 TO I-X
           MOVE 0 TO I-Y
           CALL 'CEESIMOD' USING I-X I-Y FC I-R
           MOVE I-R TO WS-GOT
           MOVE X'0001270F48C3C5C5' TO WS-TOKEN
           PERFORM CHECK-CALL
           MOVE 'CEERAN0' TO WS-NAME
           MOVE -1 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO FC
           COMPUTE WS-GOT = RANDOM-NO * 10 + SEED
           MOVE -11 TO WS-EXP
           MOVE X'000309DC59C3C5C5' TO WS-TOKEN
           PERFORM CHECK-CALL
      * A success: sixteen X'00' bytes for an EBCDIC caller too.
           MOVE 1 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO FC
           MOVE SEED TO WS-GOT
           MOVE 2247 TO WS-EXP
           MOVE LOW-VALUES TO WS-TOKEN
           PERFORM CHECK-CALL
      * The result left off: the library's own condition, "OVX".
           MOVE 'CEESITST' TO WS-NAME
           MOVE 0 TO I-X
           MOVE 4 TO I-Y
           CALL 'CEESITST' USING I-X I-Y FC
           MOVE X'0004270F60D6E5E7' TO WS-TOKEN
           PERFORM CHECK-CALL
           IF WS-FAILS = 0
               MOVE 0 TO RETURN-CODE
           ELSE
               MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.

       CHECK-CALL.
           IF FC(1:8) NOT = WS-TOKEN OR FC(9:8) NOT = LOW-VALUES
              OR WS-GOT NOT = WS-EXP
               DISPLAY 'FAIL ' WS-NAME ' GOT ' WS-GOT ' EXPECTED '
                       WS-EXP ', MESSAGE ' FC-MSG-NO
               ADD 1 TO WS-FAILS
           END-IF
           MOVE ALL X'A5' TO FC.
