      * Every INT4 and INT2 argument declared COMP-5, as programs
      * written for the mainframe (where COMP-5 is big-endian too)
      * declare them: the services read and write them in the machine's
      * order. Each answer is checked against a known value or against
      * the same call made with BINARY items. CGPIINFO's native mode
      * is passed as BINARY, and a literal BY CONTENT as an INT4.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0130
       IDENTIFICATION DIVISION.
       PROGRAM-ID. COMP5ARG.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==80==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==100==.
       01  LILIAN                  PIC S9(9) COMP-5.
       01  LILIAN-BIN              PIC S9(9) BINARY.
       01  RUN-LILIAN              PIC S9(9) COMP-5.
       01  WEEKDAY             PIC S9(9) COMP-5.
       01  CEN-START                  PIC S9(9) COMP-5.
       01  OUT-TEXT                PIC X(80).
       01  SECONDS                 COMP-2.
       01  STAMP.
           05  ST-YEAR             PIC S9(9) COMP-5 VALUE 2024.
           05  ST-MONTH            PIC S9(9) COMP-5 VALUE 5.
           05  ST-DAY              PIC S9(9) COMP-5 VALUE 15.
           05  ST-HOURS            PIC S9(9) COMP-5 VALUE 10.
           05  ST-MINUTES          PIC S9(9) COMP-5 VALUE 30.
           05  ST-SECONDS          PIC S9(9) COMP-5 VALUE 45.
           05  ST-MILLIS           PIC S9(9) COMP-5 VALUE 500.
       01  STAMP-BACK.
           05  SB-YEAR             PIC S9(9) COMP-5.
           05  SB-MONTH            PIC S9(9) COMP-5.
           05  SB-DAY              PIC S9(9) COMP-5.
           05  SB-HOURS            PIC S9(9) COMP-5.
           05  SB-MINUTES          PIC S9(9) COMP-5.
           05  SB-SECONDS          PIC S9(9) COMP-5.
           05  SB-MILLIS           PIC S9(9) COMP-5.
       01  STAMP-BIN.
           05  BN-YEAR             PIC S9(9) BINARY VALUE 2024.
           05  BN-MONTH            PIC S9(9) BINARY VALUE 5.
           05  BN-DAY              PIC S9(9) BINARY VALUE 15.
           05  BN-HOURS            PIC S9(9) BINARY VALUE 10.
           05  BN-MINUTES          PIC S9(9) BINARY VALUE 30.
           05  BN-SECONDS          PIC S9(9) BINARY VALUE 45.
           05  BN-MILLIS           PIC S9(9) BINARY VALUE 500.
       01  SECONDS-BIN             COMP-2.
       01  GREGORIAN               PIC X(17).
       01  HEAP-ID                 PIC S9(9) COMP-5.
       01  INIT-SIZE               PIC S9(9) COMP-5.
       01  INCR-SIZE               PIC S9(9) COMP-5.
       01  OPTS                    PIC S9(9) COMP-5.
       01  STG-SIZE                PIC S9(9) COMP-5.
       01  PTR-1                   USAGE POINTER.
       01  X1                      PIC S9(9) COMP-5.
       01  X1-SAME REDEFINES X1    PIC S9(9) COMP-5.
       01  X2                      PIC S9(9) COMP-5.
       01  RESULT                  PIC S9(9) COMP-5.
       01  B1                      PIC S9(9) BINARY.
       01  B2                      PIC S9(9) BINARY.
       01  B-RESULT                PIC S9(9) BINARY.
       01  SEED                    PIC S9(9) COMP-5.
       01  SEED-BIN                PIC S9(9) BINARY.
       01  RANDOM-NO               COMP-2.
       01  RANDOM-BIN              COMP-2.
       01  TOKEN                   PIC X(16).
       01  TOKEN-PARTS.
           05  TK-C1               PIC S9(4) COMP-5.
           05  TK-C2               PIC S9(4) COMP-5.
           05  TK-CASE             PIC S9(4) COMP-5.
           05  TK-SEVERITY         PIC S9(4) COMP-5.
           05  TK-CONTROL          PIC S9(4) COMP-5.
       01  FACILITY                PIC X(3).
       01  ISI                     PIC X(8) VALUE X'0102030405060708'.
       01  ISI-BACK                PIC X(8).
       01  FUNC                    PIC S9(9) COMP-5.
       01  FIELD-NO                PIC S9(9) COMP-5.
       01  FIELD-VALUE             PIC S9(9) COMP-5.
       01  MODE-BIN                PIC S9(4) BINARY.
       01  WHAT                    PIC X(30).
       01  SHOWN                   PIC -(9)9.
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * CEEDAYS into a COMP-5 Lilian day, as into a BINARY one.
           MOVE 10 TO IN-DATE-LEN
           MOVE '2007-05-15' TO IN-DATE-TXT
           MOVE 10 TO PICSTR-LEN
           MOVE 'YYYY-MM-DD' TO PICSTR-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN-BIN FC
           MOVE 'CEEDAYS' TO WHAT
           MOVE LILIAN TO SHOWN
           IF NOT FC-SUCCESS OR LILIAN NOT = 155076
              OR LILIAN-BIN NOT = 155076
              PERFORM FAILED
           END-IF
      * Read back by CEEDYWK (a Tuesday) and CEEDATE.
           CALL 'CEEDYWK' USING LILIAN WEEKDAY FC
           MOVE 'CEEDYWK' TO WHAT
           MOVE WEEKDAY TO SHOWN
           IF NOT FC-SUCCESS OR WEEKDAY NOT = 3 PERFORM FAILED
           END-IF
           CALL 'CEEDATE' USING LILIAN PICSTR OUT-TEXT FC
           MOVE 'CEEDATE' TO WHAT
           IF NOT FC-SUCCESS OR OUT-TEXT NOT = '2007-05-15'
              PERFORM FAILED
           END-IF
      * The century window: set from COMP-5 and from a literal BY
      * CONTENT, queried into COMP-5.
           MOVE 30 TO CEN-START
           CALL 'CEESCEN' USING CEN-START FC
           MOVE 0 TO CEN-START
           CALL 'CEEQCEN' USING CEN-START FC
           MOVE 'CEESCEN CEEQCEN' TO WHAT
           MOVE CEN-START TO SHOWN
           IF NOT FC-SUCCESS OR CEN-START NOT = 30 PERFORM FAILED END-IF
           CALL 'CEESCEN' USING BY CONTENT 45 BY REFERENCE FC
           CALL 'CEEQCEN' USING CEN-START FC
           MOVE 'CEESCEN BY CONTENT 45' TO WHAT
           MOVE CEN-START TO SHOWN
           IF NOT FC-SUCCESS OR CEN-START NOT = 45 PERFORM FAILED END-IF
      * Seven COMP-5 parts to Lilian seconds and back.
           CALL 'CEEISEC' USING ST-YEAR ST-MONTH ST-DAY ST-HOURS
               ST-MINUTES ST-SECONDS ST-MILLIS SECONDS FC
           CALL 'CEESECI' USING SECONDS SB-YEAR SB-MONTH SB-DAY
               SB-HOURS SB-MINUTES SB-SECONDS SB-MILLIS FC
           MOVE 'CEEISEC CEESECI' TO WHAT
           IF NOT FC-SUCCESS OR STAMP-BACK NOT = STAMP
              PERFORM FAILED
           END-IF
      * The same seconds from BINARY parts.
           CALL 'CEEISEC' USING BN-YEAR BN-MONTH BN-DAY BN-HOURS
               BN-MINUTES BN-SECONDS BN-MILLIS SECONDS-BIN FC
           MOVE 'CEEISEC BINARY' TO WHAT
           IF NOT FC-SUCCESS OR SECONDS-BIN NOT = SECONDS
              OR SECONDS = 0
              PERFORM FAILED
           END-IF
      * The clock: today's Lilian day.
           CALL 'CEELOCT' USING RUN-LILIAN SECONDS GREGORIAN FC
           MOVE '2026-12-05' TO IN-DATE-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           MOVE 'CEELOCT' TO WHAT
           MOVE RUN-LILIAN TO SHOWN
           IF NOT FC-SUCCESS OR RUN-LILIAN NOT = LILIAN
              PERFORM FAILED
           END-IF
      * A heap: created, an element got, grown, freed, the heap gone.
           MOVE 5000 TO INIT-SIZE
           MOVE 0 TO INCR-SIZE
           MOVE 0 TO OPTS
           CALL 'CEECRHP' USING HEAP-ID INIT-SIZE INCR-SIZE OPTS FC
           MOVE 'CEECRHP' TO WHAT
           MOVE HEAP-ID TO SHOWN
           IF NOT FC-SUCCESS OR HEAP-ID NOT = 1 OR INIT-SIZE NOT = 8192
              PERFORM FAILED
           END-IF
           MOVE 24 TO STG-SIZE
           CALL 'CEEGTST' USING HEAP-ID STG-SIZE PTR-1 FC
           MOVE 'CEEGTST' TO WHAT
           IF NOT FC-SUCCESS OR PTR-1 = NULL PERFORM FAILED END-IF
           MOVE 200 TO STG-SIZE
           CALL 'CEECZST' USING PTR-1 STG-SIZE FC
           MOVE 'CEECZST' TO WHAT
           IF NOT FC-SUCCESS PERFORM FAILED END-IF
           CALL 'CEEFRST' USING PTR-1 FC
           MOVE 'CEEFRST' TO WHAT
           IF NOT FC-SUCCESS PERFORM FAILED END-IF
           CALL 'CEEDSHP' USING HEAP-ID FC
           MOVE 'CEEDSHP' TO WHAT
           IF NOT FC-SUCCESS PERFORM FAILED END-IF
           CALL 'CEEDSHP' USING HEAP-ID FC
           MOVE 'CEEDSHP TWICE' TO WHAT
           IF FC-SUCCESS PERFORM FAILED END-IF
      * Integer math, COMP-5 against BINARY.
           MOVE 300 TO X1 B1
           MOVE 7 TO X2 B2
           CALL 'CEESIMOD' USING X1 X2 FC RESULT
           CALL 'CEESIMOD' USING B1 B2 FC B-RESULT
           MOVE 'CEESIMOD' TO WHAT
           MOVE RESULT TO SHOWN
           IF RESULT NOT = 6 OR B-RESULT NOT = 6 PERFORM FAILED END-IF
           MOVE -45 TO X2 B2
           CALL 'CEESIDIM' USING X1 X2 FC RESULT
           CALL 'CEESIDIM' USING B1 B2 FC B-RESULT
           MOVE 'CEESIDIM' TO WHAT
           MOVE RESULT TO SHOWN
           IF RESULT NOT = 255 OR B-RESULT NOT = 255 PERFORM FAILED
           END-IF
      * The same item as argument and result.
           MOVE -7 TO X1
           CALL 'CEESIABS' USING X1 FC X1-SAME
           MOVE 'CEESIABS X FC X' TO WHAT
           MOVE X1 TO SHOWN
           IF X1 NOT = 7 PERFORM FAILED END-IF
      * Bits: bit 4 set, tested, cleared.
           MOVE 0 TO X1
           MOVE 4 TO X2
           CALL 'CEESISET' USING X1 X2 FC RESULT
           MOVE 'CEESISET' TO WHAT
           MOVE RESULT TO SHOWN
           IF RESULT NOT = 16 PERFORM FAILED END-IF
           MOVE RESULT TO X1
           CALL 'CEESITST' USING X1 X2 FC RESULT
           MOVE 'CEESITST' TO WHAT
           IF RESULT NOT = 1 PERFORM FAILED END-IF
           CALL 'CEESICLR' USING X1 X2 FC RESULT
           MOVE 'CEESICLR' TO WHAT
           IF RESULT NOT = 0 PERFORM FAILED END-IF
      * CEERAN0: the same draw and new seed from a COMP-5 seed as from
      * a BINARY one.
           MOVE 12345 TO SEED SEED-BIN
           CALL 'CEERAN0' USING SEED RANDOM-NO FC
           CALL 'CEERAN0' USING SEED-BIN RANDOM-BIN FC
           MOVE 'CEERAN0' TO WHAT
           MOVE SEED TO SHOWN
           IF NOT FC-SUCCESS OR SEED NOT = SEED-BIN OR SEED = 12345
              OR RANDOM-NO NOT = RANDOM-BIN
              PERFORM FAILED
           END-IF
      * A condition token from COMP-5 halfwords, and back.
           MOVE 0 TO TK-C1
           MOVE 2508 TO TK-C2
           MOVE 1 TO TK-CASE
           MOVE 3 TO TK-SEVERITY
           MOVE 1 TO TK-CONTROL
           MOVE 'CEE' TO FACILITY
           CALL 'CEENCOD' USING TK-C1 TK-C2 TK-CASE TK-SEVERITY
               TK-CONTROL FACILITY ISI TOKEN FC
           MOVE 'CEENCOD' TO WHAT
           IF NOT FC-SUCCESS
              OR TOKEN NOT = X'000309CC594345450102030405060708'
              PERFORM FAILED
           END-IF
           INITIALIZE TOKEN-PARTS FACILITY
           CALL 'CEEDCOD' USING TOKEN TK-C1 TK-C2 TK-CASE TK-SEVERITY
               TK-CONTROL FACILITY ISI-BACK FC
           MOVE 'CEEDCOD' TO WHAT
           MOVE TK-C2 TO SHOWN
           IF NOT FC-SUCCESS OR TK-C1 NOT = 3 OR TK-C2 NOT = 2508
              OR TK-CASE NOT = 1 OR TK-SEVERITY NOT = 3
              OR TK-CONTROL NOT = 1
              OR FACILITY NOT = 'CEE' OR ISI-BACK NOT = ISI
              PERFORM FAILED
           END-IF
      * A user field set and read back.
           MOVE 1 TO FUNC
           MOVE 2 TO FIELD-NO
           MOVE 77 TO FIELD-VALUE
           CALL 'CEE3USR' USING FUNC FIELD-NO FIELD-VALUE FC
           MOVE 2 TO FUNC
           MOVE 0 TO FIELD-VALUE
           CALL 'CEE3USR' USING FUNC FIELD-NO FIELD-VALUE FC
           MOVE 'CEE3USR' TO WHAT
           MOVE FIELD-VALUE TO SHOWN
           IF NOT FC-SUCCESS OR FIELD-VALUE NOT = 77 PERFORM FAILED
           END-IF
      * CGPIINFO reads its mode natively: given as BINARY it still
      * answers 3 for this ASCII program.
           MOVE 2 TO MODE-BIN
           CALL 'CGPIINFO' USING MODE-BIN
           MOVE 'CGPIINFO BINARY MODE' TO WHAT
           MOVE MODE-BIN TO SHOWN
           IF MODE-BIN NOT = 3 PERFORM FAILED END-IF
           IF FAILURES NOT = 0
              MOVE 1 TO RETURN-CODE
           ELSE
              MOVE 0 TO RETURN-CODE
           END-IF
           GOBACK.
       FAILED.
           DISPLAY 'FAIL ' WHAT ' ' SHOWN ' FC ' FC-SEVERITY ' '
                   FC-MSG-NO
           ADD 1 TO FAILURES.
