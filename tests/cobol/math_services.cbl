      * The math, bit and random services from a COBOL caller: each
      * shape of CEES entry with COMP-1, COMP-2 (at odd addresses) and
      * BINARY items, domain failures, 32-bit results beyond nine
      * digits, CEERAN0's seeds, the feedback code OMITTED or left off.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. MATHSVC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
      *                   entry x1      x2  result            msg
       01  CASE-ROWS.
           05 PIC X(39) VALUE 'IXPI 10      9   100000000         2021'.
           05 PIC X(39) VALUE 'IXPI 5       0   1'.
           05 PIC X(39) VALUE 'IMOD -7      3   2'.
           05 PIC X(39) VALUE 'SNIN -2.5        -3'.
           05 PIC X(39) VALUE 'DXPI 1.5     2   2.25'.
           05 PIC X(39) VALUE 'SMOD 1       0   0                 9999'.
           05 PIC X(39) VALUE 'DAT2 1       -1  2.356194490192345'.
           05 PIC X(39) VALUE 'SSQT 2.25        1.5'.
           05 PIC X(39) VALUE 'DLG1 1000        3'.
           05 PIC X(39) VALUE 'DEXP -175        0                 2009'.
       01  CASE-TABLE REDEFINES CASE-ROWS.
           05  CASE-ROW OCCURS 10.
               10  C-TYPE          PIC X.
               10  C-CODE          PIC X(3).
               10  FILLER          PIC X.
               10  C-X1            PIC X(8).
               10  C-X2            PIC X(4).
               10  C-RESULT        PIC X(18).
               10  C-MSG           PIC X(4).
       01  FLOATING-ITEMS.
           05  FILLER              PIC X.
           05  D-X                 COMP-2.
           05  D-Y                 COMP-2.
           05  D-R                 COMP-2.
           05  S-X                 COMP-1.
           05  S-Y                 COMP-1.
           05  S-R                 COMP-1.
       01  I-X                     PIC S9(9) BINARY.
       01  I-X-BYTES REDEFINES I-X PIC X(4).
       01  I-Y                     PIC S9(9) BINARY.
       01  I-R                     PIC S9(9) BINARY.
       01  I-R-BYTES REDEFINES I-R PIC X(4).
       01  RANDOM-NO               COMP-2.
       01  WS-I                    PIC 99.
       01  WS-ENTRY                PIC X(8).
       01  WS-GOT                  COMP-2.
       01  WS-EXP                  COMP-2.
       01  WS-FAILS                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           PERFORM VARYING WS-I FROM 1 BY 1 UNTIL WS-I > 10
               STRING 'CEES' C-TYPE(WS-I) C-CODE(WS-I) DELIMITED BY
                   SIZE INTO WS-ENTRY
               COMPUTE D-X = FUNCTION NUMVAL-F(C-X1(WS-I))
               COMPUTE D-Y = FUNCTION NUMVAL-F(C-X2(WS-I))
               COMPUTE WS-EXP = FUNCTION NUMVAL-F(C-RESULT(WS-I))
               MOVE D-X TO S-X I-X
               MOVE D-Y TO S-Y I-Y
               MOVE 7 TO D-R S-R I-R
               MOVE ALL X'A5' TO FC
               EVALUATE C-TYPE(WS-I) ALSO C-CODE(WS-I)
                 WHEN 'I' ALSO ANY CALL WS-ENTRY USING I-X I-Y FC I-R
                 WHEN 'S' ALSO 'NIN' CALL WS-ENTRY USING S-X FC I-R
                 WHEN 'D' ALSO 'XPI' CALL WS-ENTRY USING D-X I-Y FC D-R
                 WHEN 'S' ALSO 'MOD' CALL WS-ENTRY USING S-X S-Y FC S-R
                 WHEN 'D' ALSO 'AT2' CALL WS-ENTRY USING D-X D-Y FC D-R
                 WHEN 'S' ALSO ANY CALL WS-ENTRY USING S-X FC S-R
                 WHEN OTHER CALL WS-ENTRY USING D-X FC D-R
               END-EVALUATE
               EVALUATE TRUE
                 WHEN C-TYPE(WS-I) = 'I' OR C-CODE(WS-I) = 'NIN'
                    MOVE I-R TO WS-GOT
                 WHEN C-TYPE(WS-I) = 'S' MOVE S-R TO WS-GOT
                 WHEN OTHER MOVE D-R TO WS-GOT
               END-EVALUATE
               IF FUNCTION ABS(WS-GOT - WS-EXP)
                     > 1.0E-6 * FUNCTION ABS(WS-EXP)
                  OR C-MSG(WS-I) = SPACES AND NOT FC-SUCCESS
                  OR C-MSG(WS-I) NOT = SPACES AND (NOT FC-FACILITY-CEE
                     OR FC-MSG-NO NOT = FUNCTION NUMVAL(C-MSG(WS-I)))
                   DISPLAY 'FAIL ' CASE-ROW(WS-I) ' GOT ' WS-GOT
                   ADD 1 TO WS-FAILS
               END-IF
           END-PERFORM
      * A failure with the feedback code OMITTED still stores 0.
           MOVE -1 TO D-X
           CALL 'CEESDSQT' USING D-X OMITTED D-R
      * Logical right shift, the sign bit, a missing result.
           MOVE X'FFFFFFFF' TO I-X-BYTES
           MOVE -1 TO I-Y
           CALL 'CEESISHF' USING I-X I-Y FC I-R
           IF D-R NOT = 0 OR I-R-BYTES NOT = X'7FFFFFFF'
              OR NOT FC-SUCCESS
               DISPLAY 'FAIL CEESDSQT OMITTED or CEESISHF'
               ADD 1 TO WS-FAILS
           END-IF
           MOVE 0 TO I-X
           MOVE 31 TO I-Y
           CALL 'CEESISET' USING I-X I-Y OMITTED I-R
           CALL 'CEESITST' USING I-R I-Y FC
           IF I-R-BYTES NOT = X'80000000' OR FC-MSG-NO NOT = 9999
               DISPLAY 'FAIL CEESISET 31 or CEESITST without a result'
               ADD 1 TO WS-FAILS
           END-IF
      * CEERAN0: seed 1 gives 48271 / (2^31 - 1) and the seed 2247,
      * seed 0 the clock's; seed -1 is refused; the feedback code left
      * off.
           MOVE 1 TO I-X
           CALL 'CEERAN0' USING I-X RANDOM-NO FC
           IF NOT FC-SUCCESS OR I-X NOT = 2247
              OR FUNCTION ABS(RANDOM-NO * 2147483647 - 48271) > 0.0001
               DISPLAY 'FAIL CEERAN0 seed 1: ' I-X
               ADD 1 TO WS-FAILS
           END-IF
           MOVE 0 TO I-X
           CALL 'CEERAN0' USING I-X RANDOM-NO
           COMPUTE I-Y = FUNCTION MOD(48271 * 515300000, 2147483647)
               * 100000000 / 2147483647
           MOVE -1 TO I-R
           CALL 'CEERAN0' USING I-R RANDOM-NO FC
           IF I-X NOT = I-Y OR I-R NOT = -1 OR RANDOM-NO NOT = -1
              OR FC-MSG-NO NOT = 2524 OR FC-CASE-SEV-CTL NOT = X'59'
               DISPLAY 'FAIL CEERAN0 seed 0 or -1: ' I-X ' ' I-Y
               ADD 1 TO WS-FAILS
           END-IF
           COMPUTE RETURN-CODE = FUNCTION MIN(WS-FAILS, 1)
           GOBACK.
