      * CEERAN0 and the bit services from a caller whose data are
      * EBCDIC: the facility ID of a condition comes back in EBCDIC,
      * a success is still sixteen X'00' bytes.
      * ENV OVLE_CALLER_CODESET=EBCDIC
       IDENTIFICATION DIVISION.
       PROGRAM-ID. BITSREBC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==WS-FC==.
       01  SEED                    PIC S9(9) BINARY.
       01  RANDOM-NO               COMP-2.
       01  T-SRC                   PIC S9(9) BINARY.
       01  T-N                     PIC S9(9) BINARY.
       01  T-RES                   PIC S9(9) BINARY.
       01  WS-FAILS                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           MOVE -1 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO WS-FC
           IF WS-FC-FACILITY-ID NOT = X'C3C5C5'
              OR WS-FC-MSG-NO NOT = 2524
              OR WS-FC-CASE-SEV-CTL NOT = X'59'
              OR RANDOM-NO NOT = -1 OR SEED NOT = -1
              DISPLAY 'FAIL CEERAN0 -1: FACILITY IS NOT EBCDIC CEE'
              ADD 1 TO WS-FAILS
           END-IF
           MOVE 1 TO SEED
           MOVE ALL X'A5' TO WS-FC
           CALL 'CEERAN0' USING SEED RANDOM-NO WS-FC
           IF NOT WS-FC-SUCCESS OR SEED NOT = 2247
              DISPLAY 'FAIL CEERAN0 1 GAVE SEED ' SEED
              ADD 1 TO WS-FAILS
           END-IF
           MOVE 0 TO T-SRC
           MOVE 4 TO T-N
           MOVE ALL X'A5' TO WS-FC
           CALL 'CEESISET' USING T-SRC T-N WS-FC T-RES
           IF NOT WS-FC-SUCCESS OR T-RES NOT = 16
              DISPLAY 'FAIL CEESISET 0 4 GAVE ' T-RES
              ADD 1 TO WS-FAILS
           END-IF
           CALL 'CEESITST' USING T-SRC T-N WS-FC
           IF WS-FC-FACILITY-ID NOT = X'D6E5E7'
              OR WS-FC-MSG-NO NOT = 9999
              DISPLAY 'FAIL CEESITST WITHOUT RESULT: NOT EBCDIC OVX'
              ADD 1 TO WS-FAILS
           END-IF
           IF WS-FAILS = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
