      * A program whose data are EBCDIC: CGPIINFO reports 4, texts go in
      * as EBCDIC bytes and come back unchanged, the facility ID of a
      * condition comes back in EBCDIC, and CEECBLDY's mode is EBCDIC.
      * ENV OVLE_CALLER_CODESET=EBCDIC
       IDENTIFICATION DIVISION.
       PROGRAM-ID. EBCDICCL.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==20==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==20==.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01 RESULT             PIC S9(9) BINARY.
       01 CEN                PIC S9(9) BINARY VALUE -1.
       01 CODESET            PIC S9(4) COMP-5 VALUE 2.
       01 LILIAN-MODE        PIC X VALUE X'F1'.
       01 FAILURES           PIC 9(4) VALUE 0.
       01 MAY-5-2007         PIC X(11) VALUE X'D481A840F56B40F2F0F0F7'.
       01 MAY-PICTURE        PIC X(20) VALUE X'D4949494949494949494A9'
                                           & X'40E9C46B40E8E8E8E8'.
       PROCEDURE DIVISION.
           CALL 'CGPIINFO' USING CODESET
           CALL 'CEESCEN' USING CEN FC
           IF CODESET NOT = 4 OR FC-MSG-NO NOT = 9999
              OR FC-FACILITY-ID NOT = X'D6E5E7'
              DISPLAY 'FAIL CGPIINFO ' CODESET ' or CEESCEN -1'
              ADD 1 TO FAILURES
           END-IF
      * May 5, 2007 with Mmmmmmmmmmz ZD, YYYY.
           MOVE 11 TO IN-DATE-LEN
           MOVE MAY-5-2007 TO IN-DATE-TXT
           MOVE 20 TO PICSTR-LEN
           MOVE MAY-PICTURE TO PICSTR-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR RESULT FC
           IF RESULT NOT = 155066 OR NOT FC-SUCCESS
              OR IN-DATE-TXT NOT = MAY-5-2007
              OR PICSTR-TXT NOT = MAY-PICTURE
              DISPLAY 'FAIL CEEDAYS May 5, 2007: ' RESULT
              ADD 1 TO FAILURES
           END-IF
      * 1600-12-31, YYYY-MM-DD: a Lilian day in mode "1" (in EBCDIC);
      * the picture spelled in ASCII holds no token.
           MOVE 10 TO IN-DATE-LEN PICSTR-LEN
           MOVE X'F1F6F0F060F1F260F3F1' TO IN-DATE-TXT
           MOVE X'E8E8E8E860D4D460C4C4' TO PICSTR-TXT
           CALL 'CEECBLDY' USING IN-DATE PICSTR RESULT FC LILIAN-MODE
           MOVE 'YYYY-MM-DD' TO PICSTR-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR CEN FC
           IF RESULT NOT = 6653 OR FC-MSG-NO NOT = 2518
              OR FC-CASE-SEV-CTL NOT = X'59'
              OR FC-FACILITY-ID NOT = X'C3C5C5'
              DISPLAY 'FAIL CEECBLDY in Lilian mode or CEEDAYS with an'
                 ' ASCII picture: ' RESULT ' ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
           COMPUTE RETURN-CODE = FUNCTION MIN(FAILURES, 1)
           GOBACK.
