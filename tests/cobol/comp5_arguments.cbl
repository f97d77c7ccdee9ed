      * Every kind of binary parameter declared COMP-5, as programs
      * written for the mainframe (where COMP-5 is big-endian) declare
      * them: INT4 out, in and updated in place, INT2 in and out, a
      * literal BY CONTENT, one item passed twice, and CGPIINFO's native
      * mode given as BINARY: read and written in the machine's order.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. COMP5ARG.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==80==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==100==.
       01  LILIAN                  PIC S9(9) COMP-5.
       01  WEEKDAY                 PIC S9(9) COMP-5.
       01  HEAP-ID                 PIC S9(9) COMP-5.
       01  INIT-SIZE               PIC S9(9) COMP-5 VALUE 5000.
       01  INCR-SIZE               PIC S9(9) COMP-5 VALUE 0.
       01  OPTS                    PIC S9(9) COMP-5 VALUE 0.
       01  STG-SIZE                PIC S9(9) COMP-5 VALUE 24.
       01  PTR-1                   USAGE POINTER.
       01  X1                      PIC S9(9) COMP-5 VALUE -7.
       01  X1-SAME REDEFINES X1    PIC S9(9) COMP-5.
       01  TOKEN                   PIC X(16).
       01  TK-C1                   PIC S9(4) COMP-5 VALUE 0.
       01  TK-C2                   PIC S9(4) COMP-5 VALUE 2508.
       01  TK-CASE                 PIC S9(4) COMP-5 VALUE 1.
       01  TK-SEVERITY             PIC S9(4) COMP-5 VALUE 3.
       01  TK-CONTROL              PIC S9(4) COMP-5 VALUE 1.
       01  FACILITY                PIC X(3) VALUE 'CEE'.
       01  ISI                     PIC X(8) VALUE X'0102030405060708'.
       01  MODE-BIN                PIC S9(4) BINARY VALUE 2.
       01  WHAT                    PIC X(30).
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * INT4 out, then in (a Tuesday), and a literal BY CONTENT.
           MOVE 10 TO IN-DATE-LEN PICSTR-LEN
           MOVE '2007-05-15' TO IN-DATE-TXT
           MOVE 'YYYY-MM-DD' TO PICSTR-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           CALL 'CEEDYWK' USING LILIAN WEEKDAY FC
           MOVE 'CEEDAYS CEEDYWK' TO WHAT
           IF NOT FC-SUCCESS OR LILIAN NOT = 155076 OR WEEKDAY NOT = 3
              PERFORM FAILED
           END-IF
           CALL 'CEESCEN' USING BY CONTENT 45 BY REFERENCE FC
           CALL 'CEEQCEN' USING WEEKDAY FC
           MOVE 'CEESCEN 45 CEEQCEN' TO WHAT
           IF NOT FC-SUCCESS OR WEEKDAY NOT = 45 PERFORM FAILED END-IF
      * Heap 1 of 8192 bytes for 5000; an element got, grown, freed.
           CALL 'CEECRHP' USING HEAP-ID INIT-SIZE INCR-SIZE OPTS FC
           MOVE 'CEECRHP' TO WHAT
           IF NOT FC-SUCCESS OR HEAP-ID NOT = 1 OR INIT-SIZE NOT = 8192
              PERFORM FAILED
           END-IF
           CALL 'CEEGTST' USING HEAP-ID STG-SIZE PTR-1 FC
           MOVE 'CEEGTST' TO WHAT
           IF NOT FC-SUCCESS OR PTR-1 = NULL PERFORM FAILED END-IF
           MOVE 200 TO STG-SIZE
           CALL 'CEECZST' USING PTR-1 STG-SIZE FC
           MOVE 'CEECZST' TO WHAT
           IF NOT FC-SUCCESS PERFORM FAILED END-IF
           CALL 'CEEFRST' USING PTR-1 FC
           CALL 'CEEDSHP' USING HEAP-ID FC
           MOVE 'CEEFRST CEEDSHP' TO WHAT
           IF NOT FC-SUCCESS OR HEAP-ID NOT = 1 PERFORM FAILED END-IF
      * The same item as argument and result is turned once.
           CALL 'CEESIABS' USING X1 FC X1-SAME
           MOVE 'CEESIABS X FC X' TO WHAT
           IF X1 NOT = 7 PERFORM FAILED END-IF
      * A condition token from halfwords, and back.
           CALL 'CEENCOD' USING TK-C1 TK-C2 TK-CASE TK-SEVERITY
               TK-CONTROL FACILITY ISI TOKEN FC
           MOVE 'CEENCOD' TO WHAT
           IF NOT FC-SUCCESS
              OR TOKEN NOT = X'000309CC594345450102030405060708'
              PERFORM FAILED
           END-IF
           INITIALIZE TK-C1 TK-C2 TK-CASE TK-SEVERITY TK-CONTROL ISI
               FACILITY
           CALL 'CEEDCOD' USING TOKEN TK-C1 TK-C2 TK-CASE TK-SEVERITY
               TK-CONTROL FACILITY ISI FC
           MOVE 'CEEDCOD' TO WHAT
           IF NOT FC-SUCCESS OR TK-C1 NOT = 3 OR TK-C2 NOT = 2508
              OR TK-CASE NOT = 1 OR TK-SEVERITY NOT = 3
              OR TK-CONTROL NOT = 1 OR ISI NOT = X'0102030405060708'
              OR FACILITY NOT = 'CEE'
              PERFORM FAILED
           END-IF
      * CGPIINFO's native mode given as BINARY is turned for it.
           CALL 'CGPIINFO' USING MODE-BIN
           MOVE 'CGPIINFO BINARY MODE' TO WHAT
           IF MODE-BIN NOT = 3 PERFORM FAILED END-IF
           COMPUTE RETURN-CODE = FUNCTION MIN(FAILURES, 1)
           GOBACK.
       FAILED.
           DISPLAY 'FAIL ' WHAT ' FC ' FC-SEVERITY ' ' FC-MSG-NO
           ADD 1 TO FAILURES.
