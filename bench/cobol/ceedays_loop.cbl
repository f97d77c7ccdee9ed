      * 1,000,000 date conversions: CALL 'CEEDAYS' with YYYY-MM-DD, or
      * the same Lilian day from the intrinsic functions. The variant
      * is the command-line argument: CEEDAYS, INTRINSIC or EMPTY.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. DAYSLOOP.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01 W-VARIANT          PIC X(10).
       01 IN-DATE.
          05 IN-DATE-LEN     PIC S9(4) BINARY VALUE 10.
          05 IN-DATE-TXT     PIC X(80) VALUE '2007-05-15'.
       01 PICSTR.
          05 PICSTR-LEN      PIC S9(4) BINARY VALUE 10.
          05 PICSTR-TXT      PIC X(100) VALUE 'YYYY-MM-DD'.
       01 LILIAN             PIC S9(9) BINARY VALUE 0.
       01 FC                 PIC X(16).
       01 W-YMD.
          05 W-YYYY          PIC X(4).
          05 W-MM            PIC X(2).
          05 W-DD            PIC X(2).
       01 I                  PIC S9(9) BINARY.
       PROCEDURE DIVISION.
           ACCEPT W-VARIANT FROM COMMAND-LINE
           EVALUATE W-VARIANT
           WHEN 'CEEDAYS'
              PERFORM VARYING I FROM 1 BY 1 UNTIL I > 1000000
                 CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
              END-PERFORM
           WHEN 'INTRINSIC'
              PERFORM VARYING I FROM 1 BY 1 UNTIL I > 1000000
                 MOVE IN-DATE-TXT(1:4) TO W-YYYY
                 MOVE IN-DATE-TXT(6:2) TO W-MM
                 MOVE IN-DATE-TXT(9:2) TO W-DD
                 COMPUTE LILIAN =
                    FUNCTION INTEGER-OF-DATE(FUNCTION NUMVAL(W-YMD))
                    + 6653
              END-PERFORM
           WHEN OTHER
              PERFORM VARYING I FROM 1 BY 1 UNTIL I > 1000000
                 CONTINUE
              END-PERFORM
              MOVE 155076 TO LILIAN
           END-EVALUATE
           IF LILIAN NOT = 155076
              DISPLAY 'wrong Lilian day ' LILIAN
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
