      * The bit services and CEERAN0 from a COBOL caller with BINARY and
      * COMP-2 items: the documented cases and bit numbers beyond 30,
      * the feedback code OMITTED or left off, refused seeds and the
      * clock seed. 32-bit values go through the low half of a PIC
      * S9(18) item: arithmetic on PIC S9(9) would cut them to nine
      * digits.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. BITSRAND.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  BIT-ROWS.
      *                   entry source      n   result
           05 PIC X(32) VALUE 'ICLR -0000000001 +00 -0000000002'.
           05 PIC X(32) VALUE 'ICLR +0000000005 +02 +0000000001'.
           05 PIC X(32) VALUE 'ISET +0000000000 +04 +0000000016'.
           05 PIC X(32) VALUE 'ITST +0000000016 +04 +0000000001'.
           05 PIC X(32) VALUE 'ITST +0000000016 +03 +0000000000'.
           05 PIC X(32) VALUE 'ISHF +0000000001 +04 +0000000016'.
           05 PIC X(32) VALUE 'ISHF +0000000016 -04 +0000000001'.
           05 PIC X(32) VALUE 'ISHF -0000000001 -01 +2147483647'.
           05 PIC X(32) VALUE 'ISHF -0000000003 -01 +2147483646'.
           05 PIC X(32) VALUE 'ISHF -0000000008 -02 +1073741822'.
           05 PIC X(32) VALUE 'ISHF -0000000005 +00 -0000000005'.
      * Bit 31 is the sign bit, other numbers name no bit, shifts keep
      * 32 bits and bring in zeros.
           05 PIC X(32) VALUE 'ISET +0000000000 +31 -2147483648'.
           05 PIC X(32) VALUE 'ISET +0000000007 +32 +0000000007'.
           05 PIC X(32) VALUE 'ITST -2147483648 +31 +0000000001'.
           05 PIC X(32) VALUE 'ISHF +1073741824 +01 -2147483648'.
           05 PIC X(32) VALUE 'ISHF -2147483648 -31 +0000000001'.
       01  BIT-TABLE REDEFINES BIT-ROWS.
           05  BIT-ROW OCCURS 16.
               10  B-ENTRY         PIC X(4).
               10  FILLER          PIC X.
               10  B-SOURCE        PIC S9(10) SIGN LEADING SEPARATE.
               10  FILLER          PIC X.
               10  B-N             PIC S99 SIGN LEADING SEPARATE.
               10  FILLER          PIC X.
               10  B-RESULT        PIC S9(10) SIGN LEADING SEPARATE.
       01  WIDE                    PIC S9(18) BINARY.
       01  REDEFINES WIDE.
           05  WIDE-HIGH           PIC X(4).
           05  WIDE-LOW            PIC X(4).
       01  BAD-SEEDS               PIC X(12)
                                   VALUE X'7FFFFFFFFFFFFFFF80000000'.
       01  REDEFINES BAD-SEEDS.
           05  BAD-SEED            PIC X(4) OCCURS 3.
       01  T-SRC                   PIC S9(9) BINARY.
       01  T-SRC-X REDEFINES T-SRC PIC X(4).
       01  T-N                     PIC S9(9) BINARY.
       01  T-RES                   PIC S9(9) BINARY.
       01  T-RES-X REDEFINES T-RES PIC X(4).
       01  SEED                    PIC S9(9) BINARY.
       01  SEED-X REDEFINES SEED   PIC X(4).
       01  RANDOM-NO               COMP-2.
       01  WS-D                    COMP-2.
       01  WS-K                    PIC S9(18) BINARY.
       01  WS-EXP-SEED             PIC S9(9) BINARY.
       01  WS-ENTRY                PIC X(8).
       01  WS-I                    PIC S9(4) BINARY.
       01  WS-FAILS                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           PERFORM VARYING WS-I FROM 1 BY 1 UNTIL WS-I > 16
               MOVE B-SOURCE(WS-I) TO WIDE
               MOVE WIDE-LOW TO T-SRC-X
               MOVE B-N(WS-I) TO T-N
               STRING 'CEES' B-ENTRY(WS-I) DELIMITED BY SIZE
                   INTO WS-ENTRY
               MOVE ALL X'A5' TO FC
               CALL WS-ENTRY USING T-SRC T-N FC T-RES
               MOVE B-RESULT(WS-I) TO WIDE
               IF T-RES-X NOT = WIDE-LOW OR NOT FC-SUCCESS
                   MOVE LOW-VALUES TO WIDE-HIGH
                   IF T-RES < 0
                       MOVE HIGH-VALUES TO WIDE-HIGH
                   END-IF
                   MOVE T-RES-X TO WIDE-LOW
                   DISPLAY 'FAIL ' BIT-ROW(WS-I) ' GAVE ' WIDE
                   ADD 1 TO WS-FAILS
               END-IF
           END-PERFORM
      * The feedback code OMITTED, then the result left off: the
      * library's own condition.
           MOVE 5 TO T-SRC
           MOVE 1 TO T-N
           CALL 'CEESISET' USING T-SRC T-N OMITTED T-RES
           MOVE ALL X'A5' TO FC
           CALL 'CEESISET' USING T-SRC T-N FC
           IF T-RES NOT = 7 OR FC-SEVERITY NOT = 4
              OR FC-MSG-NO NOT = 9999 OR FC-CASE-SEV-CTL NOT = X'60'
              OR NOT FC-FACILITY-OVX
               DISPLAY 'FAIL CEESISET FRAME: ' T-RES ' ' FC-MSG-NO
               ADD 1 TO WS-FAILS
           END-IF
      * CEERAN0: refused seeds give 2524 with X'59', random_no -1 and
      * the seed as it was.
           PERFORM VARYING WS-I FROM 1 BY 1 UNTIL WS-I > 3
               MOVE BAD-SEED(WS-I) TO SEED-X
               MOVE 0.5 TO RANDOM-NO
               MOVE ALL X'A5' TO FC
               CALL 'CEERAN0' USING SEED RANDOM-NO FC
               IF FC-SEVERITY NOT = 3 OR FC-MSG-NO NOT = 2524
                  OR FC-CASE-SEV-CTL NOT = X'59' OR NOT FC-FACILITY-CEE
                  OR FC-ISI NOT = LOW-VALUES OR RANDOM-NO NOT = -1
                  OR SEED-X NOT = BAD-SEED(WS-I)
                   DISPLAY 'FAIL CEERAN0 REFUSED SEED ' WS-I ': '
                           FC-MSG-NO ' ' FC-FACILITY-ID
                   ADD 1 TO WS-FAILS
               END-IF
           END-PERFORM
      * Seed 1: 48271 / (2^31 - 1) and the seed 2247, also with the
      * feedback code left off; seed 0 takes the clock's 0515300000.
           MOVE 1 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO FC
           MOVE 48271 TO WS-K
           MOVE 2247 TO WS-EXP-SEED
           PERFORM CHECK-DRAW
           MOVE 1 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO
           PERFORM CHECK-DRAW
           MOVE 0 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO FC
           COMPUTE WS-K = FUNCTION MOD(48271 * 515300000, 2147483647)
           COMPUTE WS-EXP-SEED = WS-K * 100000000 / 2147483647
           PERFORM CHECK-DRAW
           MOVE -9 TO SEED
           CALL 'CEERAN0' USING SEED RANDOM-NO OMITTED
           IF SEED NOT = -9 OR RANDOM-NO NOT = -1
               DISPLAY 'FAIL CEERAN0 -9 OMITTED FC GAVE SEED ' SEED
               ADD 1 TO WS-FAILS
           END-IF
           IF WS-FAILS = 0
               MOVE 0 TO RETURN-CODE
           ELSE
               MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.

      * The number is WS-K / (2^31 - 1), the new seed WS-EXP-SEED.
       CHECK-DRAW.
           COMPUTE WS-D = RANDOM-NO * 2147483647 - WS-K
           IF NOT FC-SUCCESS OR SEED NOT = WS-EXP-SEED
              OR WS-D > 0.0001 OR WS-D < -0.0001
               DISPLAY 'FAIL CEERAN0 DRAW: SEED ' SEED ' EXPECTED '
                       WS-EXP-SEED ' NUMBER OFF BY ' WS-D
               ADD 1 TO WS-FAILS
           END-IF.
