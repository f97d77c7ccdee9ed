      * The math, bit and random services from a COBOL caller: the
      * shapes of CEES entry with COMP-1, COMP-2 (at odd addresses) and
      * BINARY items, domain failures, CEERAN0's seeds, the feedback
      * code OMITTED.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. MATHSVC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  FLOATING-ITEMS.
           05  FILLER              PIC X.
           05  D-X                 COMP-2 VALUE 1.5.
           05  D-R                 COMP-2.
           05  S-X                 COMP-1 VALUE -2.5.
           05  S-Y                 COMP-1 VALUE 0.
           05  S-R                 COMP-1.
       01  I-X                     PIC S9(9) BINARY VALUE 10.
       01  I-Y                     PIC S9(9) BINARY VALUE 9.
       01  I-R                     PIC S9(9) BINARY.
       01  I-S                     PIC S9(9) BINARY.
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * Two INT4 to one, 10 ** 9 refused; COMP-1 to INT4; COMP-2 and
      * INT4 to COMP-2.
           CALL 'CEESIXPI' USING I-X I-Y FC I-R
           IF I-R NOT = 100000000 OR FC-MSG-NO NOT = 2021
              OR NOT FC-FACILITY-CEE
              DISPLAY 'FAIL CEESIXPI 10 9: ' I-R ' ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
           MOVE 2 TO I-Y
           CALL 'CEESSNIN' USING S-X FC I-R
           CALL 'CEESDXPI' USING D-X I-Y FC D-R
           IF I-R NOT = -3 OR D-R NOT = 2.25 OR NOT FC-SUCCESS
              DISPLAY 'FAIL CEESSNIN -2.5 or CEESDXPI 1.5 2: ' I-R
              ADD 1 TO FAILURES
           END-IF
      * Two COMP-1 to one, 1 mod 0 a warning; COMP-2 to COMP-2,
      * e ** -175 refused, and a result 0 with the code OMITTED.
           MOVE 1 TO S-X
           MOVE 7 TO S-R D-R
           CALL 'CEESSMOD' USING S-X S-Y FC S-R
           IF S-R NOT = 0 OR FC-MSG-NO NOT = 9999 OR NOT FC-WARNING
              DISPLAY 'FAIL CEESSMOD 1 0: ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
           MOVE -175 TO D-X
           CALL 'CEESDEXP' USING D-X FC D-R
           IF D-R NOT = 0 OR FC-MSG-NO NOT = 2009
              DISPLAY 'FAIL CEESDEXP -175: ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
           MOVE -1 TO D-X
           MOVE 7 TO D-R
           CALL 'CEESDSQT' USING D-X OMITTED D-R
           IF D-R NOT = 0
              DISPLAY 'FAIL CEESDSQT -1 with the code OMITTED: ' D-R
              ADD 1 TO FAILURES
           END-IF
      * CEERAN0: seed 1 gives 48271 / (2^31 - 1), seed 2247; -1 fails.
           MOVE 1 TO I-X
           MOVE -1 TO I-S
           CALL 'CEERAN0' USING I-X D-R FC
           CALL 'CEERAN0' USING I-S D-X FC
           IF I-X NOT = 2247 OR I-S NOT = -1 OR D-X NOT = -1
              OR FUNCTION ABS(D-R * 2147483647 - 48271) > 0.0001
              OR FC-MSG-NO NOT = 2524 OR FC-CASE-SEV-CTL NOT = X'59'
              DISPLAY 'FAIL CEERAN0 seed 1 or -1: ' I-X
              ADD 1 TO FAILURES
           END-IF
           COMPUTE RETURN-CODE = FUNCTION MIN(FAILURES, 1)
           GOBACK.
