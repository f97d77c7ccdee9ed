      * The timestamp and clock services from an ASCII COBOL program:
      * dates and timestamps formatted and read back, the components
      * both ways, a condition, the feedback code OMITTED or left off,
      * and the clock on a fixed reading five hours west. COMP-2 items
      * compare with a tolerance, so values are checked exactly through
      * their components and their text.
      * ENV OVLE_CURRENT_DATE=2001031519365863-0500
       IDENTIFICATION DIVISION.
       PROGRAM-ID. TSSVCS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR==
                               ==:N:== BY ==100==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-STAMP==
                               ==:N:== BY ==80==.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01 LILIAN             PIC S9(9) BINARY.
       01 SECS               COMP-2.
       01 SECS-BACK          COMP-2.
       01 OUT-TEXT           PIC X(80).
       01 PARTS.
          05 PART            PIC S9(9) BINARY OCCURS 7.
       01 SHOWN              PIC 9(4)B99B99B99B99B99B999.
       01 GREG               PIC X(17).
      * CEEDATE of 16 May 1988, CEEDATM of 16 May 1988 20:42:29.046:
      * D or T, the picture and the text expected.
       01 CASE-DATA.
          05 PIC X(74) VALUE 'DWwwwwwwwwz, ZM/ZD/YY'.
          05 PIC X(40) VALUE 'Monday, 5/16/88'.
          05 PIC X(74) VALUE 'DDD-RRRZ-YY|YY.DDD|Mmmmmmmmmm|'.
          05 PIC X(40) VALUE '16-V   -88|88.137|May       |'.
          05 PIC X(74) VALUE 'TYYYY-MM-DD HH:MI:SS.999'.
          05 PIC X(40) VALUE '1988-05-16 20:42:29.046'.
          05 PIC X(74) VALUE 'TWWW, ZM/ZD/YY HH:MI AP'.
          05 PIC X(40) VALUE 'MON, 5/16/88 08:42 PM'.
          05 PIC X(74) VALUE 'TWwwwwwwwwz, DD Mmm YYYY, ZH:MI AP'.
          05 PIC X(40) VALUE 'Monday, 16 May 1988, 8:42 PM'.
       01 CASE-TABLE REDEFINES CASE-DATA.
          05 CASE-ROW OCCURS 5.
             10 C-VIA        PIC X.
             10 C-PIC        PIC X(73).
             10 C-EXPECT     PIC X(40).
       01 I                  PIC 99.
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * The published timestamp from its components.
           MOVE 1988 TO PART(1)
           MOVE 5 TO PART(2)
           MOVE 16 TO PART(3)
           MOVE 20 TO PART(4)
           MOVE 42 TO PART(5)
           MOVE 29 TO PART(6)
           MOVE 46 TO PART(7)
           CALL 'CEEISEC' USING PART(1) PART(2) PART(3) PART(4)
                PART(5) PART(6) PART(7) SECS FC
           MOVE 148138 TO LILIAN
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 5
              MOVE C-PIC(I) TO PICSTR-TXT
              MOVE FUNCTION LENGTH(FUNCTION TRIM(C-PIC(I) TRAILING))
                TO PICSTR-LEN
              MOVE ALL '#' TO OUT-TEXT
              MOVE ALL X'A5' TO FC
              IF C-VIA(I) = 'D'
                 CALL 'CEEDATE' USING LILIAN PICSTR OUT-TEXT FC
              ELSE
                 CALL 'CEEDATM' USING SECS PICSTR OUT-TEXT FC
              END-IF
              IF OUT-TEXT NOT = C-EXPECT(I) OR NOT FC-SUCCESS
                 OR PICSTR-TXT NOT = C-PIC(I)
                 DISPLAY 'FAIL ' C-PIC(I) ': ' OUT-TEXT
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
      * Read back, with a one-digit month and day moving the time.
           MOVE '92/6/3 15.35.03.5' TO IN-STAMP-TXT
           MOVE 17 TO IN-STAMP-LEN
           MOVE 'YY/MM/DD HH.MI.SS.9' TO PICSTR-TXT
           MOVE 19 TO PICSTR-LEN
           PERFORM CEESECS-CEESECI
           IF SHOWN NOT = '1992 06 03 15 35 03 500'
              OR IN-STAMP-TXT NOT = '92/6/3 15.35.03.5'
              DISPLAY 'FAIL CEESECS ' SHOWN
              ADD 1 TO FAILURES
           END-IF
      * Conditions, and the feedback code OMITTED or left off.
           MOVE 0 TO LILIAN
           CALL 'CEEDATE' USING LILIAN PICSTR OUT-TEXT FC
           IF OUT-TEXT NOT = SPACES OR FC-SEVERITY NOT = 3
              OR FC-MSG-NO NOT = 2512 OR NOT FC-FACILITY-CEE
              OR FC-CASE-SEV-CTL NOT = X'59'
              DISPLAY 'FAIL CEEDATE of Lilian 0'
              ADD 1 TO FAILURES
           END-IF
           MOVE 24 TO PART(4)
           CALL 'CEEISEC' USING PART(1) PART(2) PART(3) PART(4)
                PART(5) PART(6) PART(7) SECS-BACK OMITTED
           CALL 'CEEDATM' USING SECS PICSTR OUT-TEXT
           IF SECS-BACK NOT = 0 OR OUT-TEXT NOT = '88/05/16 20.42.29.0'
              DISPLAY 'FAIL without a feedback code ' OUT-TEXT
              ADD 1 TO FAILURES
           END-IF
      * The clock: 19:36:58.63 on 15 March 2001, 00:36 at Greenwich.
           CALL 'CEELOCT' USING LILIAN SECS GREG FC
           CALL 'CEESECI' USING SECS PART(1) PART(2) PART(3)
                PART(4) PART(5) PART(6) PART(7) FC
           PERFORM SHOW-PARTS
           IF LILIAN NOT = 152824 OR GREG NOT = '20010315193658630'
              OR SHOWN NOT = '2001 03 15 19 36 58 630'
              DISPLAY 'FAIL CEELOCT ' LILIAN ' ' GREG ' ' SHOWN
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEEUTC' USING LILIAN SECS
           CALL 'CEESECI' USING SECS PART(1) PART(2) PART(3)
                PART(4) PART(5) PART(6) PART(7) FC
           PERFORM SHOW-PARTS
           IF LILIAN NOT = 152825
              OR SHOWN NOT = '2001 03 16 00 36 58 630'
              DISPLAY 'FAIL CEEUTC ' LILIAN ' ' SHOWN
              ADD 1 TO FAILURES
           END-IF
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
       CEESECS-CEESECI.
           CALL 'CEESECS' USING IN-STAMP PICSTR SECS-BACK FC
           CALL 'CEESECI' USING SECS-BACK PART(1) PART(2) PART(3)
                PART(4) PART(5) PART(6) PART(7) FC
           PERFORM SHOW-PARTS.
       SHOW-PARTS.
           COMPUTE SHOWN = PART(1) * 10 ** 13 + PART(2) * 10 ** 11
              + PART(3) * 10 ** 9 + PART(4) * 10 ** 7
              + PART(5) * 10 ** 5 + PART(6) * 10 ** 3 + PART(7).
