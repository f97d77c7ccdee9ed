      * CEEDAYS and CEECBLDY from an ASCII COBOL program: published
      * picture examples, edge cases, messages, omitted arguments and
      * the shared picture tables as EXTERNAL items.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. DATEENG.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 DELIMITER-TABLE EXTERNAL.
          05 DT-COUNT        PIC S9(3) COMP-3.
          05 DT-FLAG         PIC X OCCURS 255.
       01 PICTURE-TERMS EXTERNAL.
          05 PT-UNUSED       PIC X.
          05 PT-UNUSED-P     PIC S9(3) COMP-3.
          05 PT-YEAR-KIND    PIC X.
          05 PT-YEAR-POS     PIC S9(4) BINARY.
          05 PT-YEAR-LEN     PIC S9(4) BINARY.
          05 PT-YEAR-SHIFT   PIC S9(4) BINARY.
          05 PT-MONTH-KIND   PIC X.
          05 PT-MONTH-POS    PIC X(3).
          05 PT-MONTH-LEN    PIC S9(4) BINARY.
          05 PT-MONTH-SHIFT  PIC S9(4) BINARY.
          05 FILLER          PIC X(48).
       01 DATE-FIELDS EXTERNAL.
          05 DF-GREGORIAN    PIC X(8).
          05 DF-HOURS        PIC X(2).
          05 FILLER          PIC X(8).
          05 DF-JULIAN       PIC X(7).
          05 FILLER          PIC X(28).
       01 IN-DATE.
          05 IN-DATE-LEN     PIC S9(4) BINARY.
          05 IN-DATE-TXT     PIC X(80).
       01 PICSTR.
          05 PICSTR-LEN      PIC S9(4) BINARY.
          05 PICSTR-TXT      PIC X(100).
       01 RESULT             PIC S9(9) BINARY.
       01 FC.
          05 FC-SEV          PIC S9(4) BINARY.
          05 FC-MSG          PIC S9(4) BINARY.
          05 FC-CTL          PIC X.
          05 FC-FAC          PIC X(3).
          05 FC-ISI          PIC X(8).
       01 LILIAN-MODE        PIC X VALUE '1'.
       01 W-PROGRAM          PIC X(8).
       01 W-DATE             PIC X(80).
       01 W-PIC              PIC X(100).
       01 W-EXPECT           PIC S9(9).
       01 W-MSG              PIC S9(4).
       01 W-SHOW             PIC -(9)9.
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
       MAIN.
      * Published picture examples: 16 May 1988 is Lilian 148138.
           MOVE 'CEEDAYS' TO W-PROGRAM
           MOVE 0 TO W-MSG
           MOVE 148138 TO W-EXPECT
           MOVE '1988-05-16' TO W-DATE
           MOVE 'YYYY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE '880516' TO W-DATE
           MOVE 'YYMMDD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE '05/16/88' TO W-DATE
           MOVE 'MM/DD/YY' TO W-PIC
           PERFORM CHECK-CASE
           MOVE '16.05.1988' TO W-DATE
           MOVE 'DD.MM.YYYY' TO W-PIC
           PERFORM CHECK-CASE
           MOVE '88137' TO W-DATE
           MOVE 'YYDDD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE '1988137' TO W-DATE
           MOVE 'YYYYDDD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 'Monday, May 16, 1988' TO W-DATE
           MOVE 'Wwwwwwwwwz, Mmmmmmmmmz DD, YYYY' TO W-PIC
           PERFORM CHECK-CASE
           MOVE '16 MAY 88' TO W-DATE
           MOVE 'DD MMM YY' TO W-PIC
           PERFORM CHECK-CASE
           MOVE '16.V.88' TO W-DATE
           MOVE 'ZD.RRRZ.YY' TO W-PIC
           PERFORM CHECK-CASE
      * One-digit components, names re-aligned, leading blanks.
           MOVE 155076 TO W-EXPECT
           MOVE '5/15/2007' TO W-DATE
           MOVE 'MM/DD/YYYY' TO W-PIC
           PERFORM CHECK-CASE
           MOVE '   2007-05-15' TO W-DATE
           MOVE 'YYYY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 'Tuesday, May 15, 2007' TO W-DATE
           MOVE 'Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 155066 TO W-EXPECT
           MOVE 'May 5, 2007' TO W-DATE
           MOVE 'Mmmmmmmmmz ZD, YYYY' TO W-PIC
           PERFORM CHECK-CASE
      * Range limits.
           MOVE 1 TO W-EXPECT
           MOVE '1582-10-15' TO W-DATE
           MOVE 'YYYY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 3074324 TO W-EXPECT
           MOVE '9999-12-31' TO W-DATE
           PERFORM CHECK-CASE
           MOVE 6653 TO W-EXPECT
           MOVE '1600366' TO W-DATE
           MOVE 'YYYYDDD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 79 TO W-EXPECT
           MOVE '1583001' TO W-DATE
           PERFORM CHECK-CASE
           MOVE 152444 TO W-EXPECT
           MOVE '2000-02-29' TO W-DATE
           MOVE 'YYYY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
      * Two-digit years in 2026 with the default window (1946-2045).
           MOVE 168822 TO W-EXPECT
           MOVE '45-01-01' TO W-DATE
           MOVE 'YY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 132662 TO W-EXPECT
           MOVE '46-01-01' TO W-DATE
           PERFORM CHECK-CASE
      * Month names on their first three letters, in any case.
           MOVE 154956 TO W-EXPECT
           MOVE 'jan 15 2007' TO W-DATE
           MOVE 'Mmm DD YYYY' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 'JANUARY 15 2007' TO W-DATE
           MOVE 'Mmmmmmmmmz DD YYYY' TO W-PIC
           PERFORM CHECK-CASE
      * Messages: the output is 0 whenever one is set.
           MOVE 0 TO W-EXPECT
           MOVE 2513 TO W-MSG
           MOVE '1582-10-14' TO W-DATE
           MOVE 'YYYY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 2508 TO W-MSG
           MOVE '2007-02-29' TO W-DATE
           PERFORM CHECK-CASE
           MOVE '2007-13-01' TO W-DATE
           PERFORM CHECK-CASE
           MOVE '2007-04-31' TO W-DATE
           PERFORM CHECK-CASE
           MOVE '2007-04-00' TO W-DATE
           PERFORM CHECK-CASE
           MOVE '1900366' TO W-DATE
           MOVE 'YYYYDDD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 2513 TO W-MSG
           MOVE '1582287' TO W-DATE
           PERFORM CHECK-CASE
           MOVE 2520 TO W-MSG
           MOVE '20O7-05-15' TO W-DATE
           MOVE 'YYYY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 2507 TO W-MSG
           MOVE 'Foo 15, 2007' TO W-DATE
           MOVE 'Mmm DD, YYYY' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 'AB-05-15' TO W-DATE
           MOVE 'YY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 2517 TO W-MSG
           MOVE 'Xyz, 2007-05-15' TO W-DATE
           MOVE 'Www, YYYY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 2518 TO W-MSG
           MOVE '2007-05-15' TO W-DATE
           MOVE '-/' TO W-PIC
           PERFORM CHECK-CASE
           MOVE SPACES TO W-PIC
           PERFORM CHECK-CASE
      * CEECBLDY: integer dates from 1 January 1601.
           MOVE 'CEECBLDY' TO W-PROGRAM
           MOVE 0 TO W-MSG
           MOVE 145732 TO W-EXPECT
           MOVE '2000-01-01' TO W-DATE
           MOVE 'YYYY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 1 TO W-EXPECT
           MOVE '1601-01-01' TO W-DATE
           PERFORM CHECK-CASE
           MOVE 0 TO W-EXPECT
           MOVE 2513 TO W-MSG
           MOVE '1600-12-31' TO W-DATE
           PERFORM CHECK-CASE
      * The fifth argument asks for a Lilian day.
           PERFORM SET-ARGUMENTS
           CALL 'CEECBLDY' USING IN-DATE PICSTR RESULT FC LILIAN-MODE
           IF RESULT NOT = 6653 OR FC NOT = LOW-VALUES
              MOVE RESULT TO W-SHOW
              DISPLAY 'CEECBLDY mode 1 1600-12-31: got ' W-SHOW
              ADD 1 TO FAILURES
           END-IF
           PERFORM CHECK-FORMS
           PERFORM CHECK-TABLES
           IF FAILURES NOT = 0
              MOVE 1 TO RETURN-CODE
           ELSE
              MOVE 0 TO RETURN-CODE
           END-IF
           GOBACK.

       SET-ARGUMENTS.
           MOVE W-DATE TO IN-DATE-TXT
           MOVE FUNCTION LENGTH(FUNCTION TRIM(W-DATE TRAILING))
             TO IN-DATE-LEN
           MOVE W-PIC TO PICSTR-TXT
           MOVE FUNCTION LENGTH(FUNCTION TRIM(W-PIC TRAILING))
             TO PICSTR-LEN
           MOVE ALL X'A5' TO FC
           MOVE -1 TO RESULT.

       CHECK-CASE.
           PERFORM SET-ARGUMENTS
           IF W-PROGRAM = 'CEEDAYS'
              CALL 'CEEDAYS' USING IN-DATE PICSTR RESULT FC
           ELSE
              CALL 'CEECBLDY' USING IN-DATE PICSTR RESULT FC
           END-IF
           IF RESULT NOT = W-EXPECT
              MOVE RESULT TO W-SHOW
              DISPLAY W-PROGRAM ' ' FUNCTION TRIM(W-DATE) ' with '
                 FUNCTION TRIM(W-PIC) ': value ' W-SHOW
                 ' expected ' W-EXPECT
              ADD 1 TO FAILURES
           END-IF
           IF W-MSG = 0
              IF FC NOT = LOW-VALUES
                 DISPLAY W-PROGRAM ' ' FUNCTION TRIM(W-DATE)
                    ': condition ' FC-MSG ' where none expected'
                 ADD 1 TO FAILURES
              END-IF
           ELSE
              IF FC-SEV NOT = 3 OR FC-MSG NOT = W-MSG
                 OR FC-CTL NOT = X'59' OR FC-FAC NOT = 'CEE'
                 OR FC-ISI NOT = LOW-VALUES
                 DISPLAY W-PROGRAM ' ' FUNCTION TRIM(W-DATE)
                    ': condition ' FC-SEV ' ' FC-MSG ' ' FC-FAC
                    ' expected 3 ' W-MSG ' CEE'
                 ADD 1 TO FAILURES
              END-IF
           END-IF
      * The caller's texts come back as they were.
           IF IN-DATE-TXT NOT = W-DATE OR PICSTR-TXT NOT = W-PIC
              DISPLAY W-PROGRAM ' ' FUNCTION TRIM(W-DATE)
                 ': inputs changed'
              ADD 1 TO FAILURES
           END-IF.

       CHECK-FORMS.
      * Feedback code omitted, or left off the end of the CALL.
           MOVE '2007-05-15' TO W-DATE
           MOVE 'YYYY-MM-DD' TO W-PIC
           PERFORM SET-ARGUMENTS
           CALL 'CEEDAYS' USING IN-DATE PICSTR RESULT OMITTED
           IF RESULT NOT = 155076
              DISPLAY 'CEEDAYS with OMITTED feedback: wrong result'
              ADD 1 TO FAILURES
           END-IF
           MOVE -1 TO RESULT
           CALL 'CEEDAYS' USING IN-DATE PICSTR RESULT
           IF RESULT NOT = 155076
              DISPLAY 'CEEDAYS with three arguments: wrong result'
              ADD 1 TO FAILURES
           END-IF
           MOVE -1 TO RESULT
           CALL 'CEECBLDY' USING IN-DATE PICSTR RESULT
           IF RESULT NOT = 148423
              DISPLAY 'CEECBLDY with three arguments: wrong result'
              ADD 1 TO FAILURES
           END-IF
      * A required argument left off gives the library's condition.
           MOVE ALL X'A5' TO FC
           CALL 'CEEDAYS' USING IN-DATE PICSTR OMITTED FC
           IF FC-SEV NOT = 4 OR FC-MSG NOT = 9999 OR FC-FAC NOT = 'OVX'
              DISPLAY 'CEEDAYS without output: condition ' FC-MSG
              ADD 1 TO FAILURES
           END-IF.

       CHECK-TABLES.
      * The tables hold what the last call wrote, in EBCDIC.
           MOVE 'Www YYYY-MM-DD HH' TO W-PIC
           MOVE 'Tue 2007-05-15 9' TO W-DATE
           PERFORM SET-ARGUMENTS
           CALL 'CEEDAYS' USING IN-DATE PICSTR RESULT FC
           IF RESULT NOT = 155076
              DISPLAY 'tables: wrong result'
              ADD 1 TO FAILURES
           END-IF
           IF DT-COUNT NOT = 17
              DISPLAY 'DELIMITER-TABLE count ' DT-COUNT
              ADD 1 TO FAILURES
           END-IF
           IF DT-FLAG(1) NOT = X'D5' OR DT-FLAG(2) NOT = X'40'
              OR DT-FLAG(4) NOT = X'E8' OR DT-FLAG(5) NOT = X'D5'
              OR DT-FLAG(9) NOT = X'E8' OR DT-FLAG(16) NOT = X'D5'
              OR DT-FLAG(18) NOT = X'40'
              DISPLAY 'DELIMITER-TABLE flags wrong'
              ADD 1 TO FAILURES
           END-IF
           IF PT-UNUSED NOT = X'40' OR PT-UNUSED-P NOT = 0
              OR PT-YEAR-KIND NOT = X'F5' OR PT-YEAR-POS NOT = 5
              OR PT-YEAR-LEN NOT = 4 OR PT-YEAR-SHIFT NOT = 0
              DISPLAY 'PICTURE-TERMS year entry wrong'
              ADD 1 TO FAILURES
           END-IF
           IF PT-MONTH-KIND NOT = X'F1' OR PT-MONTH-POS NOT = X'F0F1C0'
              OR PT-MONTH-LEN NOT = 2
              DISPLAY 'PICTURE-TERMS month entry wrong'
              ADD 1 TO FAILURES
           END-IF
           IF DF-GREGORIAN NOT = X'F2F0F0F7F0F5F1F5'
              OR DF-HOURS NOT = X'F0F9'
              OR DF-JULIAN NOT = X'FFFFFFFFFFFFFF'
              DISPLAY 'DATE-FIELDS wrong'
              ADD 1 TO FAILURES
           END-IF.
