      * CEEDAYS and CEECBLDY from an ASCII COBOL program: readings and
      * messages, the feedback code OMITTED or left off, and the shared
      * picture tables seen as EXTERNAL items.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. DATEENG.
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
       01 LILIAN-MODE        PIC X VALUE '1'.
      * Each case: D CEEDAYS, C CEECBLDY, 1 CEECBLDY with mode 1; the
      * value and message expected; the date; then the picture.
       01 CASE-DATA.
          05 PIC X(36) VALUE 'D01481380000Monday, May 16, 1988'.
          05 PIC X(32) VALUE 'Wwwwwwwwwz, Mmmmmmmmmz DD, YYYY'.
          05 PIC X(36) VALUE 'D0148138000016.V.88'.
          05 PIC X(32) VALUE 'ZD.RRRZ.YY'.
          05 PIC X(36) VALUE 'D015507600005/15/2007'.
          05 PIC X(32) VALUE 'MM/DD/YYYY'.
          05 PIC X(36) VALUE 'D01550760000   2007-05-15'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE 'D01550660000May 5, 2007'.
          05 PIC X(32) VALUE 'Mmmmmmmmmz ZD, YYYY'.
          05 PIC X(36) VALUE 'D01549560000jan 15 2007'.
          05 PIC X(32) VALUE 'Mmm DD YYYY'.
          05 PIC X(36) VALUE 'D000000100001582-10-15'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE 'D307432400009999-12-31'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE 'D000665300001600366'.
          05 PIC X(32) VALUE 'YYYYDDD'.
          05 PIC X(36) VALUE 'D0168822000045-01-01'.
          05 PIC X(32) VALUE 'YY-MM-DD'.
          05 PIC X(36) VALUE 'D0132662000046-01-01'.
          05 PIC X(32) VALUE 'YY-MM-DD'.
          05 PIC X(36) VALUE 'D000000025131582-10-14'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE 'D000000025081900-02-29'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE 'D00000002517Xyz, 2007-05-15'.
          05 PIC X(32) VALUE 'Www, YYYY-MM-DD'.
          05 PIC X(36) VALUE 'D00000002507AB-05-15'.
          05 PIC X(32) VALUE 'YY-MM-DD'.
          05 PIC X(36) VALUE 'D0000000252020O7-05-15'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE 'D000000025182007-05-15'.
          05 PIC X(32) VALUE SPACES.
          05 PIC X(36) VALUE 'C014573200002000-01-01'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE 'C000000025131600-12-31'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
          05 PIC X(36) VALUE '1000665300001600-12-31'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
       01 CASE-TABLE REDEFINES CASE-DATA.
          05 CASE-ROW OCCURS 20.
             10 C-VIA        PIC X.
             10 C-EXPECT     PIC 9(7).
             10 C-MSG        PIC 9(4).
             10 C-DATE       PIC X(24).
             10 C-PIC        PIC X(32).
       01 I                  PIC 99.
       01 SHOWN              PIC -(9)9.
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 20
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
      * The feedback code OMITTED or left off; an output OMITTED.
           MOVE 5 TO I
           PERFORM CALL-CASE
           CALL 'CEEDAYS' USING IN-DATE PICSTR RESULT OMITTED
           IF RESULT NOT = 155066
              DISPLAY 'FAIL CEEDAYS with its feedback code OMITTED'
              ADD 1 TO FAILURES
           END-IF
           MOVE -1 TO RESULT
           CALL 'CEEDAYS' USING IN-DATE PICSTR RESULT
           IF RESULT NOT = 155066
              DISPLAY 'FAIL CEEDAYS with three arguments'
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEECBLDY' USING IN-DATE PICSTR RESULT
           IF RESULT NOT = 148413
              DISPLAY 'FAIL CEECBLDY with three arguments'
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEEDAYS' USING IN-DATE PICSTR OMITTED FC
           IF FC-SEVERITY NOT = 4 OR FC-MSG-NO NOT = 9999
              OR NOT FC-FACILITY-OVX
              DISPLAY 'FAIL CEEDAYS without its output'
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
           END-EVALUATE.
