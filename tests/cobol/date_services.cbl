      * The date services from an ASCII COBOL program: readings and
      * messages, the feedback code OMITTED or left off, and the shared
      * picture tables seen as EXTERNAL items.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
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
       01 RESULT             PIC S9(9) BINARY.
       01 LILIAN             PIC S9(9) BINARY.
       01 GOT.
          05 GOT-N           PIC S9(9) BINARY OCCURS 5.
       01 LILIAN-MODE        PIC X VALUE '1'.
      * Each case: D CEEDAYS, C CEECBLDY, 1 CEECBLDY with mode 1, W
      * CEEDYWK of the date as a number; the value and message
      * expected; the date; then the picture.
       01 CASE-DATA.
          05 PIC X(36) VALUE 'D01481380000Monday, May 16, 1988'.
          05 PIC X(32) VALUE 'Wwwwwwwwwz, Mmmmmmmmmz DD, YYYY'.
          05 PIC X(36) VALUE 'D015507600005/15/2007'.
          05 PIC X(32) VALUE 'MM/DD/YYYY'.
          05 PIC X(36) VALUE 'D0168822000045-01-01'.
          05 PIC X(32) VALUE 'YY-MM-DD'.
          05 PIC X(36) VALUE 'D000000025131582-10-14'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE 'D00000002517Xyz, 2007-05-15'.
          05 PIC X(32) VALUE 'Www, YYYY-MM-DD'.
          05 PIC X(36) VALUE 'D000000025182007-05-15'.
          05 PIC X(32) VALUE SPACES.
          05 PIC X(36) VALUE 'C014573200002000-01-01'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE 'C000000025131600-12-31'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE '1000665300001600-12-31'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE 'W00000060000000000000001'.
          05 PIC X(32) VALUE SPACES.
          05 PIC X(36) VALUE 'W00000002512000003074325'.
          05 PIC X(32) VALUE SPACES.
       01 CASE-TABLE REDEFINES CASE-DATA.
          05 CASE-ROW OCCURS 11.
             10 C-VIA        PIC X.
             10 C-EXPECT     PIC 9(7).
             10 C-MSG        PIC 9(4).
             10 C-DATE       PIC X(24).
             10 C-LILIAN REDEFINES C-DATE PIC 9(12).
             10 C-PIC        PIC X(32).
       01 I                  PIC 99.
       01 SHOWN              PIC -(9)9.
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 11
              PERFORM CALL-CASE
              IF RESULT NOT = C-EXPECT(I)
                 OR C-MSG(I) = 0 AND NOT FC-SUCCESS
                 OR C-MSG(I) NOT = 0 AND (FC-SEVERITY NOT = 3
                    OR FC-MSG-NO NOT = C-MSG(I) OR NOT FC-FACILITY-CEE
                    OR FC-CASE-SEV-CTL NOT = X'59'
                    OR FC-ISI NOT = LOW-VALUES)
                 OR IN-DATE-TXT NOT = C-DATE(I)
                 OR PICSTR-TXT NOT = C-PIC(I)
                 MOVE RESULT TO SHOWN
                 DISPLAY 'FAIL ' C-VIA(I) ' ' C-DATE(I) ' with '
                    C-PIC(I) ': ' SHOWN ' message ' FC-MSG-NO
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
      * The feedback code OMITTED or left off, with and without a
      * condition; an output OMITTED.
           MOVE 2 TO I
           PERFORM CALL-CASE
           MOVE ALL X'A5' TO GOT
           CALL 'CEEDAYS' USING IN-DATE PICSTR GOT-N(1) OMITTED
           CALL 'CEEDAYS' USING IN-DATE PICSTR GOT-N(2)
           CALL 'CEECBLDY' USING IN-DATE PICSTR GOT-N(3)
           MOVE 0 TO LILIAN
           CALL 'CEEDYWK' USING LILIAN GOT-N(4)
           MOVE 6654 TO LILIAN
           CALL 'CEEDYWK' USING LILIAN GOT-N(5) OMITTED
           CALL 'CEEDAYS' USING IN-DATE PICSTR OMITTED FC
           IF GOT-N(1) NOT = 155076 OR GOT-N(2) NOT = 155076
              OR GOT-N(3) NOT = 148423 OR GOT-N(4) NOT = 0
              OR GOT-N(5) NOT = 2 OR FC-SEVERITY NOT = 4
              OR FC-MSG-NO NOT = 9999 OR NOT FC-FACILITY-OVX
              DISPLAY 'FAIL without a feedback code or an output'
              ADD 1 TO FAILURES
           END-IF
      * The tables hold what the last call read, in EBCDIC.
           MOVE 'Tue 2007-05-15 9' TO IN-DATE-TXT
           MOVE 'Www YYYY-MM-DD HH' TO PICSTR-TXT
           MOVE 16 TO IN-DATE-LEN
           MOVE 17 TO PICSTR-LEN
           CALL 'CEEDAYS' USING IN-DATE PICSTR RESULT FC
           IF RESULT NOT = 155076 OR DT-COUNT NOT = 17
              OR DT-FLAGS(1:9) NOT = X'D54040E8D5404040E8'
              OR DT-FLAGS(10:9) NOT = X'D540E8D540E8D54040'
              OR PT-HEAD NOT = X'40000CF5' OR PT-YEAR-POS NOT = 5
              OR PT-REST(1:12) NOT = X'00040000F1F0F1C000020000'
              OR DATE-FIELDS(1:10) NOT = X'F2F0F0F7F0F5F1F5F0F9'
              OR DATE-FIELDS(19:7) NOT = ALL X'FF'
              DISPLAY 'FAIL the picture tables'
              ADD 1 TO FAILURES
           END-IF
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
       CALL-CASE.
           MOVE C-DATE(I) TO IN-DATE-TXT
           MOVE C-PIC(I) TO PICSTR-TXT
           MOVE FUNCTION LENGTH(FUNCTION TRIM(C-DATE(I) TRAILING))
             TO IN-DATE-LEN
           MOVE FUNCTION LENGTH(FUNCTION TRIM(C-PIC(I) TRAILING))
             TO PICSTR-LEN
           MOVE ALL X'A5' TO FC
           MOVE -1 TO RESULT
           EVALUATE C-VIA(I)
              WHEN 'D' CALL 'CEEDAYS' USING IN-DATE PICSTR RESULT FC
              WHEN 'C' CALL 'CEECBLDY' USING IN-DATE PICSTR RESULT FC
              WHEN '1' CALL 'CEECBLDY' USING IN-DATE PICSTR RESULT FC
                                             LILIAN-MODE
              WHEN 'W' MOVE C-LILIAN(I) TO LILIAN
                       CALL 'CEEDYWK' USING LILIAN RESULT FC
           END-EVALUATE.
