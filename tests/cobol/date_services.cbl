      * The date services from an ASCII COBOL program: a reading, a
      * condition, CEECBLDY with and without its mode, the feedback
      * code OMITTED or left off, and the shared picture tables seen as
      * EXTERNAL items.
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
          05 GOT-N           PIC S9(9) BINARY OCCURS 6.
       01 LILIAN-MODE        PIC X VALUE '1'.
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * Names read; the texts come back unchanged.
           MOVE 'Monday, May 16, 1988' TO IN-DATE-TXT
           MOVE 20 TO IN-DATE-LEN
           MOVE 'Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY' TO PICSTR-TXT
           MOVE 31 TO PICSTR-LEN
           MOVE ALL X'A5' TO GOT FC
           CALL 'CEEDAYS' USING IN-DATE PICSTR GOT-N(1) FC
           IF GOT-N(1) NOT = 148138 OR NOT FC-SUCCESS
              OR IN-DATE-TXT NOT = 'Monday, May 16, 1988'
              OR PICSTR-TXT NOT = 'Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY'
              DISPLAY 'FAIL CEEDAYS of May 16, 1988: ' GOT-N(1)
              ADD 1 TO FAILURES
           END-IF
      * A condition; CEECBLDY's integer date and, with mode 1, Lilian
      * day; CEEDYWK with the feedback code left off and OMITTED.
           MOVE '1600-12-31' TO IN-DATE-TXT
           MOVE 10 TO IN-DATE-LEN
           MOVE 'YYYY-MM-DD' TO PICSTR-TXT
           MOVE 10 TO PICSTR-LEN
           CALL 'CEECBLDY' USING IN-DATE PICSTR GOT-N(2) FC
           IF GOT-N(2) NOT = 0 OR FC-SEVERITY NOT = 3
              OR FC-MSG-NO NOT = 2513 OR NOT FC-FACILITY-CEE
              OR FC-CASE-SEV-CTL NOT = X'59' OR FC-ISI NOT = LOW-VALUES
              DISPLAY 'FAIL CEECBLDY 1600-12-31: ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEECBLDY' USING IN-DATE PICSTR GOT-N(3) FC
                                 LILIAN-MODE
           MOVE '2000-01-01' TO IN-DATE-TXT
           CALL 'CEECBLDY' USING IN-DATE PICSTR GOT-N(4)
           MOVE 6654 TO LILIAN
           CALL 'CEEDYWK' USING LILIAN GOT-N(5)
           CALL 'CEEDYWK' USING LILIAN GOT-N(6) OMITTED
           IF GOT-N(3) NOT = 6653 OR GOT-N(4) NOT = 145732
              OR GOT-N(5) NOT = 2 OR GOT-N(6) NOT = 2
              DISPLAY 'FAIL CEECBLDY or CEEDYWK: ' GOT-N(3) ' '
                 GOT-N(4) ' ' GOT-N(5) ' ' GOT-N(6)
              ADD 1 TO FAILURES
           END-IF
      * An output OMITTED: the library's own condition.
           CALL 'CEEDAYS' USING IN-DATE PICSTR OMITTED FC
           IF FC-SEVERITY NOT = 4 OR FC-MSG-NO NOT = 9999
              OR NOT FC-FACILITY-OVX
              DISPLAY 'FAIL CEEDAYS without its output: ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
      * The tables hold what the last call read, in EBCDIC.
           MOVE 'Tue 2007-05-15 9' TO IN-DATE-TXT
           MOVE 'Www YYYY-MM-DD HH' TO PICSTR-TXT
           MOVE 16 TO IN-DATE-LEN
           MOVE 17 TO PICSTR-LEN
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           IF LILIAN NOT = 155076 OR DT-COUNT NOT = 17
              OR DT-FLAGS(1:9) NOT = X'D54040E8D5404040E8'
              OR PT-HEAD NOT = X'40000CF5' OR PT-YEAR-POS NOT = 5
              OR PT-REST(1:12) NOT = X'00040000F1F0F1C000020000'
              OR DATE-FIELDS(1:10) NOT = X'F2F0F0F7F0F5F1F5F0F9'
              OR DATE-FIELDS(19:7) NOT = ALL X'FF'
              DISPLAY 'FAIL the picture tables'
              ADD 1 TO FAILURES
           END-IF
           IF FAILURES NOT = 0
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
