      * A program whose data are EBCDIC: CGPIINFO reports 4, texts go in
      * as EBCDIC bytes and come back unchanged, and the facility ID of
      * a condition comes back in EBCDIC.
      * ENV OVLE_CALLER_CODESET=EBCDIC
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. EBCDICCL.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==80==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==100==.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01 RESULT             PIC S9(9) BINARY.
       01 CEN                PIC S9(9) BINARY VALUE -1.
       01 CODESET            PIC S9(4) COMP-5 VALUE 2.
      * "1" in EBCDIC.
       01 LILIAN-MODE        PIC X VALUE X'F1'.
      * Each case: D CEEDAYS, C CEECBLDY, 1 CEECBLDY with mode 1; the
      * value and message expected; the date; then the picture.
       01 CASE-DATA.
      *   1988-05-16 with YYYY-MM-DD
          05 PIC X(36) VALUE 'D01481380000' & X'F1F9F8F860F0F560F1F6'.
          05 PIC X(32) VALUE X'E8E8E8E860D4D460C4C4'.
      *   16.v.88 with ZD.RRRZ.YY
          05 PIC X(36) VALUE 'D01481380000' & X'F1F64BA54BF8F8'.
          05 PIC X(32) VALUE X'E9C44BD9D9D9E94BE8E8'.
      *   May 5, 2007 with Mmmmmmmmmz ZD, YYYY
          05 PIC X(36) VALUE 'D01550660000' & X'D481A840F56B40F2F0F0F7'.
          05 PIC X(32) VALUE X'D4949494949494949494A9'
                           & X'40E9C46B40E8E8E8E8'.
      *   5/15/2007 with MM/DD/YYYY
          05 PIC X(36) VALUE 'D01550760000' & X'F561F1F561F2F0F0F7'.
          05 PIC X(32) VALUE X'D4D461C4C461E8E8E8E8'.
      *   2007-13-01 with YYYY-MM-DD
          05 PIC X(36) VALUE 'D00000002508' & X'F2F0F0F760F1F360F0F1'.
          05 PIC X(32) VALUE X'E8E8E8E860D4D460C4C4'.
      *   The ASCII spelling of a picture holds no token.
          05 PIC X(36) VALUE 'D00000002518' & X'F2F0F0F760F1F360F0F1'.
          05 PIC X(32) VALUE 'YYYY-MM-DD'.
      *   2000-01-01 and 1600-12-31, integer dates and Lilian mode
          05 PIC X(36) VALUE 'C01457320000' & X'F2F0F0F060F0F160F0F1'.
          05 PIC X(32) VALUE X'E8E8E8E860D4D460C4C4'.
          05 PIC X(36) VALUE 'C00000002513' & X'F1F6F0F060F1F260F3F1'.
          05 PIC X(32) VALUE X'E8E8E8E860D4D460C4C4'.
          05 PIC X(36) VALUE '100066530000' & X'F1F6F0F060F1F260F3F1'.
          05 PIC X(32) VALUE X'E8E8E8E860D4D460C4C4'.
       01 CASE-TABLE REDEFINES CASE-DATA.
          05 CASE-ROW OCCURS 9.
             10 C-VIA        PIC X.
             10 C-EXPECT     PIC 9(7).
             10 C-MSG        PIC 9(4).
             10 C-DATE       PIC X(24).
             10 C-PIC        PIC X(32).
       01 I                  PIC 99.
       01 SHOWN              PIC -(9)9.
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           CALL 'CGPIINFO' USING CODESET
           CALL 'CEESCEN' USING CEN FC
           IF CODESET NOT = 4 OR FC-MSG-NO NOT = 9999
              OR FC-FACILITY-ID NOT = X'D6E5E7'
              DISPLAY 'FAIL CGPIINFO ' CODESET ' or CEESCEN -1'
              ADD 1 TO FAILURES
           END-IF
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 9
      *       Texts are padded with ASCII spaces, which EBCDIC never has.
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
              END-EVALUATE
              IF RESULT NOT = C-EXPECT(I)
                 OR C-MSG(I) = 0 AND NOT FC-SUCCESS
                 OR C-MSG(I) NOT = 0 AND (FC-SEVERITY NOT = 3
                    OR FC-MSG-NO NOT = C-MSG(I)
                    OR FC-FACILITY-ID NOT = X'C3C5C5'
                    OR FC-CASE-SEV-CTL NOT = X'59')
                 OR IN-DATE-TXT NOT = C-DATE(I)
                 OR PICSTR-TXT NOT = C-PIC(I)
                 MOVE RESULT TO SHOWN
                 DISPLAY 'FAIL case ' I ': ' SHOWN ' message ' FC-MSG-NO
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
