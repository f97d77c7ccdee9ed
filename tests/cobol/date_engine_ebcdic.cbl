      * CEEDAYS and CEECBLDY from a program whose data are EBCDIC: the
      * texts go in as EBCDIC bytes, the facility ID comes back EBCDIC.
      * ENV OVLE_CALLER_CODESET=EBCDIC
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. DATEEBC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
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
      * "1" in EBCDIC.
       01 LILIAN-MODE        PIC X VALUE X'F1'.
       01 W-PROGRAM          PIC X(8).
       01 W-DATE             PIC X(80).
       01 W-DATE-LEN         PIC S9(4) BINARY.
       01 W-PIC              PIC X(100).
       01 W-PIC-LEN          PIC S9(4) BINARY.
       01 W-EXPECT           PIC S9(9).
       01 W-MSG              PIC S9(4).
       01 W-SHOW             PIC -(9)9.
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
       MAIN.
           MOVE 'CEEDAYS' TO W-PROGRAM
           MOVE 0 TO W-MSG
      * 1988-05-16 with YYYY-MM-DD
           MOVE 148138 TO W-EXPECT
           MOVE X'F1F9F8F860F0F560F1F6' TO W-DATE
           MOVE 10 TO W-DATE-LEN
           MOVE X'E8E8E8E860D4D460C4C4' TO W-PIC
           MOVE 10 TO W-PIC-LEN
           PERFORM CHECK-CASE
      * 16.v.88 with ZD.RRRZ.YY (lower-case numeral)
           MOVE X'F1F64BA54BF8F8' TO W-DATE
           MOVE 7 TO W-DATE-LEN
           MOVE X'E9C44BD9D9D9E94BE8E8' TO W-PIC
           MOVE 10 TO W-PIC-LEN
           PERFORM CHECK-CASE
      * May 5, 2007 with Mmmmmmmmmz ZD, YYYY
           MOVE 155066 TO W-EXPECT
           MOVE X'D481A840F56B40F2F0F0F7' TO W-DATE
           MOVE 11 TO W-DATE-LEN
           MOVE X'D4949494949494949494A940E9C46B40E8E8E8E8' TO W-PIC
           MOVE 20 TO W-PIC-LEN
           PERFORM CHECK-CASE
      * 5/15/2007 with MM/DD/YYYY
           MOVE 155076 TO W-EXPECT
           MOVE X'F561F1F561F2F0F0F7' TO W-DATE
           MOVE 9 TO W-DATE-LEN
           MOVE X'D4D461C4C461E8E8E8E8' TO W-PIC
           MOVE 10 TO W-PIC-LEN
           PERFORM CHECK-CASE
      * 2007-13-01: invalid month
           MOVE 0 TO W-EXPECT
           MOVE 2508 TO W-MSG
           MOVE X'F2F0F0F760F1F360F0F1' TO W-DATE
           MOVE 10 TO W-DATE-LEN
           MOVE X'E8E8E8E860D4D460C4C4' TO W-PIC
           PERFORM CHECK-CASE
      * The ASCII spelling of a picture holds no token for this caller.
           MOVE 2518 TO W-MSG
           MOVE 'YYYY-MM-DD' TO W-PIC
           PERFORM CHECK-CASE
      * CEECBLDY: 2000-01-01 is integer date 145732.
           MOVE 'CEECBLDY' TO W-PROGRAM
           MOVE 0 TO W-MSG
           MOVE 145732 TO W-EXPECT
           MOVE X'F2F0F0F060F0F160F0F1' TO W-DATE
           MOVE X'E8E8E8E860D4D460C4C4' TO W-PIC
           PERFORM CHECK-CASE
           MOVE 0 TO W-EXPECT
           MOVE 2513 TO W-MSG
           MOVE X'F1F6F0F060F1F260F3F1' TO W-DATE
           PERFORM CHECK-CASE
      * With the EBCDIC mode "1" the same date is Lilian 6653.
           PERFORM SET-ARGUMENTS
           CALL 'CEECBLDY' USING IN-DATE PICSTR RESULT FC LILIAN-MODE
           IF RESULT NOT = 6653 OR FC NOT = LOW-VALUES
              MOVE RESULT TO W-SHOW
              DISPLAY 'CEECBLDY mode 1: got ' W-SHOW
              ADD 1 TO FAILURES
           END-IF
           IF FAILURES NOT = 0
              MOVE 1 TO RETURN-CODE
           ELSE
              MOVE 0 TO RETURN-CODE
           END-IF
           GOBACK.

       SET-ARGUMENTS.
           MOVE W-DATE TO IN-DATE-TXT
           MOVE W-DATE-LEN TO IN-DATE-LEN
           MOVE W-PIC TO PICSTR-TXT
           MOVE W-PIC-LEN TO PICSTR-LEN
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
              DISPLAY W-PROGRAM ' case ' W-EXPECT ': value ' W-SHOW
              ADD 1 TO FAILURES
           END-IF
           IF W-MSG = 0
              IF FC NOT = LOW-VALUES
                 DISPLAY W-PROGRAM ' case ' W-EXPECT ': condition '
                    FC-MSG ' where none expected'
                 ADD 1 TO FAILURES
              END-IF
           ELSE
      * The facility ID is EBCDIC CEE.
              IF FC-SEV NOT = 3 OR FC-MSG NOT = W-MSG
                 OR FC-CTL NOT = X'59' OR FC-FAC NOT = X'C3C5C5'
                 DISPLAY W-PROGRAM ' case ' W-MSG ': condition '
                    FC-SEV ' ' FC-MSG
                 ADD 1 TO FAILURES
              END-IF
           END-IF
           IF IN-DATE-TXT NOT = W-DATE OR PICSTR-TXT NOT = W-PIC
              DISPLAY W-PROGRAM ' case ' W-EXPECT ': inputs changed'
              ADD 1 TO FAILURES
           END-IF.
