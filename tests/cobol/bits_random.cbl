      * The bit services and CEERAN0 from a COBOL caller, with BINARY
      * and COMP-2 arguments: the documented cases, values beyond 31
      * bits, set/clear/test and shift laws over a sweep, the feedback
      * code OMITTED or left off, seed limits, the clock seed and a
      * reproducible walk. Values past nine digits are compared as
      * bytes: a BINARY item holds them, but COBOL arithmetic on
      * PIC S9(9) would cut them.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. BITSRAND.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==WS-FC==.
       01  T-NAME                  PIC X(8).
       01  T-SRC                   PIC S9(9) BINARY.
       01  T-SRC-X REDEFINES T-SRC PIC X(4).
       01  T-N                     PIC S9(9) BINARY.
       01  T-N-X REDEFINES T-N     PIC X(4).
       01  T-RES                   PIC S9(9) BINARY.
       01  T-RES-X REDEFINES T-RES PIC X(4).
       01  T-EXP-X                 PIC X(4).
       01  T-SAVE-X                PIC X(4).
       01  T-BACK                  PIC S9(9) BINARY.
       01  T-BACK-X REDEFINES T-BACK PIC X(4).
       01  T-ONE                   PIC S9(9) BINARY.
       01  T-ONE-X REDEFINES T-ONE PIC X(4).
       01  T-SET                   PIC S9(9) BINARY.
       01  T-SET-X REDEFINES T-SET PIC X(4).
       01  T-CLR                   PIC S9(9) BINARY.
       01  T-CLR-X REDEFINES T-CLR PIC X(4).
       01  T-NEG                   PIC S9(9) BINARY.
       01  BIT-SOURCES.
           05  FILLER              PIC X(4) VALUE X'00000000'.
           05  FILLER              PIC X(4) VALUE X'FFFFFFFF'.
           05  FILLER              PIC X(4) VALUE X'12345678'.
           05  FILLER              PIC X(4) VALUE X'80000001'.
           05  FILLER              PIC X(4) VALUE X'7FFFFFFE'.
           05  FILLER              PIC X(4) VALUE X'A5C3E10F'.
       01  SOURCE-TABLE REDEFINES BIT-SOURCES.
           05  SOURCE-BYTES        PIC X(4) OCCURS 6.
       01  WS-I                    PIC S9(4) BINARY.
       01  WS-J                    PIC S9(4) BINARY.
       01  SEED                    PIC S9(9) BINARY.
       01  SEED-X REDEFINES SEED   PIC X(4).
       01  FIRST-SEED              PIC S9(9) BINARY.
       01  RANDOM-NO               COMP-2.
       01  WS-D                    COMP-2.
       01  WS-K                    PIC S9(18) BINARY.
       01  WS-EXP-SEED             PIC S9(9) BINARY.
       01  WALK.
           05  WALK-NO             COMP-2 OCCURS 1000.
       01  WS-FAILS                PIC 9(4) VALUE 0.
       01  HEX-IN                  PIC X(4).
       01  HEX-OUT                 PIC X(8).
       01  HEX-SRC                 PIC X(8).
       01  HEX-N                   PIC X(8).
       01  HEX-RES                 PIC X(8).
       01  HEX-DIGITS              PIC X(16) VALUE '0123456789ABCDEF'.
       01  HEX-K                   PIC S9(4) BINARY.
       01  HEX-V                   PIC S9(4) BINARY.
       01  HEX-HI                  PIC S9(4) BINARY.
       01  HEX-LO                  PIC S9(4) BINARY.
       PROCEDURE DIVISION.
      * The documented cases.
           MOVE 'CEESICLR' TO T-NAME
           MOVE X'FFFFFFFF' TO T-SRC-X MOVE 0 TO T-N
           MOVE X'FFFFFFFE' TO T-EXP-X PERFORM RUN-CASE
           MOVE 5 TO T-SRC MOVE 2 TO T-N
           MOVE X'00000001' TO T-EXP-X PERFORM RUN-CASE
           MOVE 'CEESISET' TO T-NAME
           MOVE 0 TO T-SRC MOVE 4 TO T-N
           MOVE X'00000010' TO T-EXP-X PERFORM RUN-CASE
           MOVE 'CEESITST' TO T-NAME
           MOVE 16 TO T-SRC MOVE 4 TO T-N
           MOVE X'00000001' TO T-EXP-X PERFORM RUN-CASE
           MOVE 3 TO T-N
           MOVE X'00000000' TO T-EXP-X PERFORM RUN-CASE
           MOVE 'CEESISHF' TO T-NAME
           MOVE 1 TO T-SRC MOVE 4 TO T-N
           MOVE X'00000010' TO T-EXP-X PERFORM RUN-CASE
           MOVE 16 TO T-SRC MOVE -4 TO T-N
           MOVE X'00000001' TO T-EXP-X PERFORM RUN-CASE
           MOVE -1 TO T-SRC MOVE -1 TO T-N
           MOVE X'7FFFFFFF' TO T-EXP-X PERFORM RUN-CASE
           MOVE -3 TO T-SRC MOVE -1 TO T-N
           MOVE X'7FFFFFFE' TO T-EXP-X PERFORM RUN-CASE
           MOVE -8 TO T-SRC MOVE -2 TO T-N
           MOVE X'3FFFFFFE' TO T-EXP-X PERFORM RUN-CASE
           MOVE -5 TO T-SRC MOVE 0 TO T-N
           MOVE X'FFFFFFFB' TO T-EXP-X PERFORM RUN-CASE
      * Beyond bit 30: bit 31 is the sign bit, bits 32 and up and
      * negative bit numbers have no bit, shifts keep 32 bits.
           MOVE 'CEESISET' TO T-NAME
           MOVE 0 TO T-SRC MOVE 31 TO T-N
           MOVE X'80000000' TO T-EXP-X PERFORM RUN-CASE
           MOVE 7 TO T-SRC MOVE 32 TO T-N
           MOVE X'00000007' TO T-EXP-X PERFORM RUN-CASE
           MOVE -1 TO T-N PERFORM RUN-CASE
           MOVE X'80000000' TO T-N-X PERFORM RUN-CASE
           MOVE 'CEESICLR' TO T-NAME
           MOVE -1 TO T-SRC MOVE 31 TO T-N
           MOVE X'7FFFFFFF' TO T-EXP-X PERFORM RUN-CASE
           MOVE 40 TO T-N
           MOVE X'FFFFFFFF' TO T-EXP-X PERFORM RUN-CASE
           MOVE 'CEESITST' TO T-NAME
           MOVE X'80000000' TO T-SRC-X MOVE 31 TO T-N
           MOVE X'00000001' TO T-EXP-X PERFORM RUN-CASE
           MOVE -1 TO T-SRC MOVE 32 TO T-N
           MOVE X'00000000' TO T-EXP-X PERFORM RUN-CASE
           MOVE -1 TO T-N PERFORM RUN-CASE
           MOVE 'CEESISHF' TO T-NAME
           MOVE X'40000000' TO T-SRC-X MOVE 1 TO T-N
           MOVE X'80000000' TO T-EXP-X PERFORM RUN-CASE
           MOVE 1 TO T-SRC MOVE 31 TO T-N PERFORM RUN-CASE
           MOVE X'12345678' TO T-SRC-X MOVE 4 TO T-N
           MOVE X'23456780' TO T-EXP-X PERFORM RUN-CASE
           MOVE -1 TO T-SRC MOVE 32 TO T-N
           MOVE X'00000000' TO T-EXP-X PERFORM RUN-CASE
           MOVE -32 TO T-N PERFORM RUN-CASE
           MOVE X'80000000' TO T-N-X PERFORM RUN-CASE
           MOVE X'7FFFFFFF' TO T-N-X PERFORM RUN-CASE
           MOVE -31 TO T-N
           MOVE X'00000001' TO T-EXP-X PERFORM RUN-CASE
           MOVE X'80000000' TO T-SRC-X MOVE -1 TO T-N
           MOVE X'40000000' TO T-EXP-X PERFORM RUN-CASE
      * Laws for every bit number of a few sources.
           PERFORM VARYING WS-I FROM 1 BY 1 UNTIL WS-I > 6
              PERFORM VARYING WS-J FROM 0 BY 1 UNTIL WS-J > 31
                 PERFORM CHECK-LAWS
              END-PERFORM
           END-PERFORM
      * Feedback code OMITTED: the result all the same.
           MOVE 5 TO T-SRC MOVE 1 TO T-N MOVE 0 TO T-RES
           CALL 'CEESISET' USING T-SRC T-N OMITTED T-RES
           IF T-RES NOT = 7
              DISPLAY 'FAIL CEESISET OMITTED FC GAVE ' T-RES
              ADD 1 TO WS-FAILS
           END-IF
      * The result left off: the library's own condition, nothing
      * else written.
           MOVE ALL X'A5' TO WS-FC
           CALL 'CEESISET' USING T-SRC T-N WS-FC
           IF WS-FC-SEVERITY NOT = 4 OR WS-FC-MSG-NO NOT = 9999
              OR WS-FC-CASE-SEV-CTL NOT = X'60'
              OR NOT WS-FC-FACILITY-OVX
              DISPLAY 'FAIL CEESISET WITHOUT RESULT: ' WS-FC-SEVERITY
                      ' ' WS-FC-MSG-NO ' ' WS-FC-FACILITY-ID
              ADD 1 TO WS-FAILS
           END-IF
      * CEERAN0: the largest seed is accepted.
           MOVE X'7FFFFFFE' TO SEED-X
           MOVE ALL X'A5' TO WS-FC
           CALL 'CEERAN0' USING SEED RANDOM-NO WS-FC
           IF NOT WS-FC-SUCCESS OR RANDOM-NO NOT > 0
              OR RANDOM-NO NOT < 1 OR SEED < 0 OR SEED > 99999999
              DISPLAY 'FAIL CEERAN0 2147483646: ' WS-FC-MSG-NO ' '
                      SEED
              ADD 1 TO WS-FAILS
           END-IF
      * Refused seeds: message 2524, X'59', random_no -1, the seed as
      * it was.
           MOVE X'7FFFFFFF' TO T-SAVE-X
           PERFORM CHECK-REFUSED
           MOVE X'FFFFFFFF' TO T-SAVE-X
           PERFORM CHECK-REFUSED
           MOVE X'80000000' TO T-SAVE-X
           PERFORM CHECK-REFUSED
      * Seed 1: the first number is 48271 / (2^31 - 1), the next seed
      * 2247.
           MOVE 1 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO WS-FC
           MOVE 48271 TO WS-K MOVE 2247 TO WS-EXP-SEED
           PERFORM CHECK-DRAW
      * Seed 0 takes the clock: CURRENT-DATE(7:10) is 0515300000.
           MOVE 0 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO WS-FC
           COMPUTE WS-K = FUNCTION MOD(48271 * 515300000, 2147483647)
           COMPUTE WS-EXP-SEED = WS-K * 100000000 / 2147483647
           PERFORM CHECK-DRAW
      * The feedback code left off and OMITTED.
           MOVE 1 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO
           IF SEED NOT = 2247
              DISPLAY 'FAIL CEERAN0 WITHOUT FC GAVE SEED ' SEED
              ADD 1 TO WS-FAILS
           END-IF
           MOVE -9 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO OMITTED
           IF SEED NOT = -9 OR RANDOM-NO NOT = -1
              DISPLAY 'FAIL CEERAN0 -9 OMITTED FC GAVE SEED ' SEED
              ADD 1 TO WS-FAILS
           END-IF
      * A walk of 1000 numbers, twice from the same seed.
           MOVE 12345 TO FIRST-SEED
           MOVE FIRST-SEED TO SEED
           PERFORM VARYING WS-I FROM 1 BY 1 UNTIL WS-I > 1000
              CALL 'CEERAN0' USING SEED RANDOM-NO WS-FC
              MOVE RANDOM-NO TO WALK-NO(WS-I)
              COMPUTE WS-D = RANDOM-NO * 100000000 - SEED
              IF NOT WS-FC-SUCCESS OR RANDOM-NO NOT > 0
                 OR RANDOM-NO NOT < 1 OR SEED < 0
                 OR SEED > 99999999 OR WS-D < 0 OR WS-D NOT < 1
                 DISPLAY 'FAIL WALK AT ' WS-I ' SEED ' SEED
                 ADD 1 TO WS-FAILS
              END-IF
           END-PERFORM
           MOVE FIRST-SEED TO SEED
           PERFORM VARYING WS-I FROM 1 BY 1 UNTIL WS-I > 1000
              CALL 'CEERAN0' USING SEED RANDOM-NO WS-FC
              IF RANDOM-NO NOT = WALK-NO(WS-I)
                 DISPLAY 'FAIL SECOND WALK PARTS AT ' WS-I
                 ADD 1 TO WS-FAILS
                 MOVE 1001 TO WS-I
              END-IF
           END-PERFORM
           IF WS-FAILS = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.

       RUN-CASE.
           MOVE ALL X'A5' TO WS-FC
           MOVE X'5A5A5A5A' TO T-RES-X
           EVALUATE T-NAME
              WHEN 'CEESICLR'
                 CALL 'CEESICLR' USING T-SRC T-N WS-FC T-RES
              WHEN 'CEESISET'
                 CALL 'CEESISET' USING T-SRC T-N WS-FC T-RES
              WHEN 'CEESISHF'
                 CALL 'CEESISHF' USING T-SRC T-N WS-FC T-RES
              WHEN 'CEESITST'
                 CALL 'CEESITST' USING T-SRC T-N WS-FC T-RES
           END-EVALUATE
           IF T-RES-X NOT = T-EXP-X OR NOT WS-FC-SUCCESS
              MOVE T-SRC-X TO HEX-IN PERFORM TO-HEX
              MOVE HEX-OUT TO HEX-SRC
              MOVE T-N-X TO HEX-IN PERFORM TO-HEX
              MOVE HEX-OUT TO HEX-N
              MOVE T-RES-X TO HEX-IN PERFORM TO-HEX
              MOVE HEX-OUT TO HEX-RES
              MOVE T-EXP-X TO HEX-IN PERFORM TO-HEX
              DISPLAY 'FAIL ' T-NAME ' SOURCE ' HEX-SRC ' N ' HEX-N
                      ' GAVE ' HEX-RES ' EXPECTED ' HEX-OUT
                      ' FC SEVERITY ' WS-FC-SEVERITY
              ADD 1 TO WS-FAILS
           END-IF.

      * Set then test gives 1, clear then test gives 0, the two differ
      * in bit n only; 1 shifted left n and back is 1 again.
       CHECK-LAWS.
           MOVE SOURCE-BYTES(WS-I) TO T-SRC-X
           MOVE WS-J TO T-N
           CALL 'CEESISET' USING T-SRC T-N WS-FC T-SET
           CALL 'CEESICLR' USING T-SRC T-N WS-FC T-CLR
           CALL 'CEESITST' USING T-SET T-N WS-FC T-RES
           IF T-RES NOT = 1
              DISPLAY 'FAIL SET THEN TEST ' WS-I ' BIT ' WS-J
              ADD 1 TO WS-FAILS
           END-IF
           CALL 'CEESITST' USING T-CLR T-N WS-FC T-RES
           IF T-RES NOT = 0
              DISPLAY 'FAIL CLEAR THEN TEST ' WS-I ' BIT ' WS-J
              ADD 1 TO WS-FAILS
           END-IF
           CALL 'CEESICLR' USING T-SET T-N WS-FC T-RES
           IF T-RES-X NOT = T-CLR-X
              DISPLAY 'FAIL CLEAR AFTER SET ' WS-I ' BIT ' WS-J
              ADD 1 TO WS-FAILS
           END-IF
           CALL 'CEESITST' USING T-SRC T-N WS-FC T-RES
           IF (T-RES = 1 AND T-SRC-X NOT = T-SET-X)
              OR (T-RES = 0 AND T-SRC-X NOT = T-CLR-X)
              DISPLAY 'FAIL SOURCE NEITHER SET NOR CLEAR ' WS-I
                      ' BIT ' WS-J
              ADD 1 TO WS-FAILS
           END-IF
           IF WS-J < 31
              MOVE 1 TO T-ONE
              CALL 'CEESISHF' USING T-ONE T-N WS-FC T-RES
              COMPUTE T-NEG = 0 - WS-J
              CALL 'CEESISHF' USING T-RES T-NEG WS-FC T-BACK
              IF T-BACK-X NOT = T-ONE-X
                 DISPLAY 'FAIL 1 SHIFTED BY ' WS-J ' AND BACK'
                 ADD 1 TO WS-FAILS
              END-IF
           END-IF.

       CHECK-REFUSED.
           MOVE T-SAVE-X TO SEED-X
           MOVE 0.5 TO RANDOM-NO
           MOVE ALL X'A5' TO WS-FC
           CALL 'CEERAN0' USING SEED RANDOM-NO WS-FC
           IF WS-FC-SEVERITY NOT = 3 OR WS-FC-MSG-NO NOT = 2524
              OR WS-FC-CASE-SEV-CTL NOT = X'59'
              OR NOT WS-FC-FACILITY-CEE OR WS-FC-ISI NOT = LOW-VALUES
              OR RANDOM-NO NOT = -1 OR SEED-X NOT = T-SAVE-X
              MOVE T-SAVE-X TO HEX-IN PERFORM TO-HEX
              DISPLAY 'FAIL CEERAN0 REFUSED SEED ' HEX-OUT ': '
                      WS-FC-SEVERITY ' ' WS-FC-MSG-NO ' '
                      WS-FC-FACILITY-ID
              ADD 1 TO WS-FAILS
           END-IF.

      * The number is WS-K / (2^31 - 1), the seed WS-EXP-SEED.
       CHECK-DRAW.
           COMPUTE WS-D = RANDOM-NO * 2147483647 - WS-K
           IF NOT WS-FC-SUCCESS OR SEED NOT = WS-EXP-SEED
              OR WS-D > 0.0001 OR WS-D < -0.0001
              DISPLAY 'FAIL CEERAN0 DRAW: SEED ' SEED ' EXPECTED '
                      WS-EXP-SEED ' NUMBER OFF BY ' WS-D
              ADD 1 TO WS-FAILS
           END-IF.

      * HEX-IN as eight hexadecimal digits in HEX-OUT.
       TO-HEX.
           PERFORM VARYING HEX-K FROM 1 BY 1 UNTIL HEX-K > 4
              COMPUTE HEX-V = FUNCTION ORD(HEX-IN(HEX-K:1)) - 1
              DIVIDE HEX-V BY 16 GIVING HEX-HI REMAINDER HEX-LO
              MOVE HEX-DIGITS(HEX-HI + 1:1)
                TO HEX-OUT(HEX-K * 2 - 1:1)
              MOVE HEX-DIGITS(HEX-LO + 1:1) TO HEX-OUT(HEX-K * 2:1)
           END-PERFORM.
