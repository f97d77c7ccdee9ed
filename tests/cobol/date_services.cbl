      * The date, timestamp and clock services from an ASCII COBOL
      * program: a reading, a condition, CEECBLDY with and without its
      * mode, the feedback code OMITTED or left off, the shared picture
      * tables seen as EXTERNAL items, timestamps through their
      * components both ways, and the clock on a fixed reading.
      * ENV OVLE_CURRENT_DATE=2001031519365863-0500
       IDENTIFICATION DIVISION.
       PROGRAM-ID. DATESVCS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 DELIMITER-TABLE EXTERNAL.
          05 DT-COUNT        PIC S9(3) COMP-3.
          05 DT-FLAGS        PIC X(255).
       01 PICTURE-TERMS EXTERNAL.
          05 PT-HEAD         PIC X(4).
          05 PT-YEAR-POS     PIC S9(4) BINARY.
          05 PT-REST         PIC X(60).
       01 DATE-FIELDS EXTERNAL PIC X(53).
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==80==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==100==.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01 LILIAN             PIC S9(9) BINARY.
       01 GOT.
          05 GOT-N           PIC S9(9) BINARY OCCURS 7.
       01 LILIAN-MODE        PIC X VALUE '1'.
       01 SECS               COMP-2.
       01 OUT-TEXT           PIC X(80).
       01 GREG               PIC X(17).
       01 WHAT               PIC X(30).
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * Names read; the texts come back unchanged.
           MOVE 'Monday, May 16, 1988' TO IN-DATE-TXT
           MOVE 20 TO IN-DATE-LEN
           MOVE 'Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY' TO PICSTR-TXT
           MOVE 31 TO PICSTR-LEN
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           MOVE 'CEEDAYS of May 16, 1988' TO WHAT
           IF LILIAN NOT = 148138 OR NOT FC-SUCCESS
              OR IN-DATE-TXT NOT = 'Monday, May 16, 1988'
              OR PICSTR-TXT NOT = 'Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY'
              PERFORM FAILED
           END-IF
      * A condition; CEECBLDY's integer date and, with mode 1, Lilian
      * day; CEEDYWK with the feedback code left off and OMITTED.
           MOVE '1600-12-31' TO IN-DATE-TXT
           MOVE 'YYYY-MM-DD' TO PICSTR-TXT
           MOVE 10 TO IN-DATE-LEN PICSTR-LEN
           CALL 'CEECBLDY' USING IN-DATE PICSTR GOT-N(2) FC
           MOVE 'CEECBLDY 1600-12-31' TO WHAT
           IF GOT-N(2) NOT = 0 OR FC-MSG-NO NOT = 2513
              OR FC-CASE-SEV-CTL NOT = X'59' OR FC-ISI NOT = LOW-VALUES
              PERFORM FAILED
           END-IF
           CALL 'CEECBLDY' USING IN-DATE PICSTR GOT-N(3) FC
                                 LILIAN-MODE
           MOVE 6654 TO LILIAN
           CALL 'CEEDYWK' USING LILIAN GOT-N(5)
           CALL 'CEEDYWK' USING LILIAN GOT-N(6) OMITTED
           MOVE 'CEECBLDY or CEEDYWK' TO WHAT
           IF GOT-N(3) NOT = 6653 OR GOT-N(5) NOT = 2
              OR GOT-N(6) NOT = 2
              PERFORM FAILED
           END-IF
      * The tables hold what the last call read, in EBCDIC.
           MOVE 'Tue 2007-05-15 9' TO IN-DATE-TXT
           MOVE 'Www YYYY-MM-DD HH' TO PICSTR-TXT
           MOVE 16 TO IN-DATE-LEN
           MOVE 17 TO PICSTR-LEN
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           MOVE 'the picture tables' TO WHAT
           IF LILIAN NOT = 155076 OR DT-COUNT NOT = 17
              OR DT-FLAGS(1:9) NOT = X'D54040E8D5404040E8'
              OR PT-HEAD NOT = X'40000CF5' OR PT-YEAR-POS NOT = 5
              OR PT-REST(1:12) NOT = X'00040000F1F0F1C000020000'
              OR DATE-FIELDS(1:10) NOT = X'F2F0F0F7F0F5F1F5F0F9'
              OR DATE-FIELDS(19:7) NOT = ALL X'FF'
              PERFORM FAILED
           END-IF
      * A timestamp read, split into its seven components, put together
      * again and formatted: COMP-2 values checked exactly as text.
           MOVE '92/6/3 15.35.03.5' TO IN-DATE-TXT
           MOVE 'YY/MM/DD HH.MI.SS.9' TO PICSTR-TXT
           MOVE 17 TO IN-DATE-LEN
           MOVE 19 TO PICSTR-LEN
           CALL 'CEESECS' USING IN-DATE PICSTR SECS FC
           CALL 'CEESECI' USING SECS GOT-N(1) GOT-N(2) GOT-N(3)
                GOT-N(4) GOT-N(5) GOT-N(6) GOT-N(7) FC
           CALL 'CEEISEC' USING GOT-N(1) GOT-N(2) GOT-N(3) GOT-N(4)
                GOT-N(5) GOT-N(6) GOT-N(7) SECS FC
           CALL 'CEEDATM' USING SECS PICSTR OUT-TEXT FC
           MOVE 'CEESECS CEESECI CEEISEC CEEDATM' TO WHAT
           IF OUT-TEXT NOT = '92/06/03 15.35.03.5' OR NOT FC-SUCCESS
              OR GOT-N(7) NOT = 500
              PERFORM FAILED
           END-IF
      * The clock: 19:36:58.63 on 15 March 2001.
           CALL 'CEELOCT' USING LILIAN SECS GREG FC
           MOVE 'CEELOCT' TO WHAT
           IF LILIAN NOT = 152824 OR GREG NOT = '20010315193658630'
              PERFORM FAILED
           END-IF
           COMPUTE RETURN-CODE = FUNCTION MIN(FAILURES, 1)
           GOBACK.
       FAILED.
           DISPLAY 'FAIL ' WHAT ': ' LILIAN ' ' FC-MSG-NO ' ' OUT-TEXT
           ADD 1 TO FAILURES.
