      * The timestamp and clock services from an ASCII COBOL program:
      * dates and timestamps formatted and read back, the seven
      * components both ways, conditions, the feedback code OMITTED or
      * left off, and the clock on a fixed reading five hours west.
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
       01 GOT-PARTS          PIC X(28).
       01 GREG               PIC X(17).
       01 OFF-HOURS          PIC S9(9) BINARY.
       01 OFF-MINUTES        PIC S9(9) BINARY.
       01 OFF-SECS           COMP-2.
      * CEEDATE: the Lilian day, the picture and the date expected.
       01 DATE-DATA.
          05 PIC 9(7) VALUE 148138.
          05 PIC X(33) VALUE 'Wwwwwwwwwz, ZM/ZD/YY'.
          05 PIC X(40) VALUE 'Monday, 5/16/88'.
          05 PIC 9(7) VALUE 148138.
          05 PIC X(33) VALUE 'DD-RRRZ-YY'.
          05 PIC X(40) VALUE '16-V-88'.
          05 PIC 9(7) VALUE 148138.
          05 PIC X(33) VALUE 'ZD Mmmmmmmmmz YY / YY.DDD'.
          05 PIC X(40) VALUE '16 May 88 / 88.137'.
          05 PIC 9(7) VALUE 6654.
          05 PIC X(33) VALUE 'Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY'.
          05 PIC X(40) VALUE 'Monday, January 1, 1601'.
          05 PIC 9(7) VALUE 1.
          05 PIC X(33) VALUE 'YYYY-MM-DD WWW'.
          05 PIC X(40) VALUE '1582-10-15 FRI'.
       01 DATE-TABLE REDEFINES DATE-DATA.
          05 DATE-ROW OCCURS 5.
             10 D-LILIAN     PIC 9(7).
             10 D-PIC        PIC X(33).
             10 D-EXPECT     PIC X(40).
      * CEEDATM of 16 May 1988 20:42:29.046: picture and timestamp.
       01 STAMP-DATA.
          05 PIC X(33) VALUE 'YYYY-MM-DD HH:MI:SS.999'.
          05 PIC X(40) VALUE '1988-05-16 20:42:29.046'.
          05 PIC X(33) VALUE 'WWW, ZM/ZD/YY HH:MI AP'.
          05 PIC X(40) VALUE 'MON, 5/16/88 08:42 PM'.
          05 PIC X(33) VALUE 'Wwwwwwwwwz, DD Mmm YYYY, ZH:MI AP'.
          05 PIC X(40) VALUE 'Monday, 16 May 1988, 8:42 PM'.
          05 PIC X(33) VALUE 'YYMMDDHHMISS SS.99 SS.9'.
          05 PIC X(40) VALUE '880516204229 29.04 29.0'.
       01 STAMP-TABLE REDEFINES STAMP-DATA.
          05 STAMP-ROW OCCURS 4.
             10 S-PIC        PIC X(33).
             10 S-EXPECT     PIC X(40).
       01 I                  PIC 99.
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 5
              MOVE D-LILIAN(I) TO LILIAN
              MOVE D-PIC(I) TO PICSTR-TXT
              MOVE FUNCTION LENGTH(FUNCTION TRIM(D-PIC(I) TRAILING))
                TO PICSTR-LEN
              MOVE ALL '#' TO OUT-TEXT
              MOVE ALL X'A5' TO FC
              CALL 'CEEDATE' USING LILIAN PICSTR OUT-TEXT FC
              IF OUT-TEXT NOT = D-EXPECT(I) OR NOT FC-SUCCESS
                 OR PICSTR-TXT NOT = D-PIC(I)
                 DISPLAY 'FAIL CEEDATE ' D-PIC(I) ': ' OUT-TEXT
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
      * The published timestamp, built from its components.
           MOVE 1988 TO PART(1)
           MOVE 5 TO PART(2)
           MOVE 16 TO PART(3)
           MOVE 20 TO PART(4)
           MOVE 42 TO PART(5)
           MOVE 29 TO PART(6)
           MOVE 46 TO PART(7)
           MOVE PARTS TO GOT-PARTS
           CALL 'CEEISEC' USING PART(1) PART(2) PART(3) PART(4)
                PART(5) PART(6) PART(7) SECS FC
      * (COMP-2 items compare with a tolerance: the values are checked
      * exactly through their components and the formatted text.)
           IF NOT FC-SUCCESS
              DISPLAY 'FAIL CEEISEC of the published timestamp'
              ADD 1 TO FAILURES
           END-IF
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 4
              MOVE S-PIC(I) TO PICSTR-TXT
              MOVE FUNCTION LENGTH(FUNCTION TRIM(S-PIC(I) TRAILING))
                TO PICSTR-LEN
              MOVE ALL '#' TO OUT-TEXT
              CALL 'CEEDATM' USING SECS PICSTR OUT-TEXT FC
              IF OUT-TEXT NOT = S-EXPECT(I) OR NOT FC-SUCCESS
                 DISPLAY 'FAIL CEEDATM ' S-PIC(I) ': ' OUT-TEXT
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
      * Read back through CEESECS, and split again by CEESECI.
           MOVE 1 TO I
           MOVE S-PIC(1) TO PICSTR-TXT
           MOVE 23 TO PICSTR-LEN
           MOVE S-EXPECT(1) TO IN-STAMP-TXT
           MOVE 23 TO IN-STAMP-LEN
           CALL 'CEESECS' USING IN-STAMP PICSTR SECS-BACK FC
           MOVE ALL X'A5' TO PARTS
           CALL 'CEESECI' USING SECS-BACK PART(1) PART(2) PART(3)
                PART(4) PART(5) PART(6) PART(7) FC
           IF NOT FC-SUCCESS OR PARTS NOT = GOT-PARTS
              OR IN-STAMP-TXT NOT = S-EXPECT(1)
              DISPLAY 'FAIL CEESECS then CEESECI'
              ADD 1 TO FAILURES
           END-IF
      * A one-digit month and day move the time along with the date.
           MOVE '92/6/3 15.35.03' TO IN-STAMP-TXT
           MOVE 15 TO IN-STAMP-LEN
           MOVE 'YY/MM/DD HH.MI.SS' TO PICSTR-TXT
           MOVE 17 TO PICSTR-LEN
           CALL 'CEESECS' USING IN-STAMP PICSTR SECS-BACK FC
           CALL 'CEESECI' USING SECS-BACK PART(1) PART(2) PART(3)
                PART(4) PART(5) PART(6) PART(7) FC
           IF NOT FC-SUCCESS OR PART(1) NOT = 1992 OR PART(2) NOT = 6
              OR PART(3) NOT = 3 OR PART(4) NOT = 15
              OR PART(5) NOT = 35 OR PART(6) NOT = 3
              DISPLAY 'FAIL CEESECS with a one-digit month and day'
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
           MOVE 86399.999 TO SECS-BACK
           CALL 'CEESECI' USING SECS-BACK PART(1) PART(2) PART(3)
                PART(4) PART(5) PART(6) PART(7) FC
           IF PARTS NOT = LOW-VALUES OR FC-MSG-NO NOT = 2505
              DISPLAY 'FAIL CEESECI of 86399.999'
              ADD 1 TO FAILURES
           END-IF
           MOVE 24 TO PART(4)
           MOVE 0 TO PART(3)
           CALL 'CEEISEC' USING PART(1) PART(2) PART(3) PART(4)
                PART(5) PART(6) PART(7) SECS-BACK FC
           IF SECS-BACK NOT = 0 OR FC-MSG-NO NOT = 2510
              DISPLAY 'FAIL CEEISEC with hours 24 and day 0'
              ADD 1 TO FAILURES
           END-IF
           MOVE 148138 TO LILIAN
           MOVE ALL '#' TO OUT-TEXT
           CALL 'CEEDATE' USING LILIAN PICSTR OUT-TEXT OMITTED
           IF OUT-TEXT NOT = '88/05/16 00.00.00'
              DISPLAY 'FAIL CEEDATE without a feedback code ' OUT-TEXT
              ADD 1 TO FAILURES
           END-IF
           MOVE ALL '#' TO OUT-TEXT
           CALL 'CEEDATM' USING SECS PICSTR OUT-TEXT
           IF OUT-TEXT NOT = '88/05/16 20.42.29'
              DISPLAY 'FAIL CEEDATM without a feedback code ' OUT-TEXT
              ADD 1 TO FAILURES
           END-IF
      * The clock: 19:36:58.63 on 15 March 2001, five hours west.
           CALL 'CEELOCT' USING LILIAN SECS-BACK GREG FC
           IF NOT FC-SUCCESS OR LILIAN NOT = 152824
              OR GREG NOT = '20010315193658630'
              DISPLAY 'FAIL CEELOCT ' LILIAN ' ' GREG
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEESECI' USING SECS-BACK PART(1) PART(2) PART(3)
                PART(4) PART(5) PART(6) PART(7) FC
           IF PART(1) NOT = 2001 OR PART(2) NOT = 3
              OR PART(3) NOT = 15 OR PART(4) NOT = 19
              OR PART(5) NOT = 36 OR PART(6) NOT = 58
              OR PART(7) NOT = 630
              DISPLAY 'FAIL CEELOCT seconds'
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEEGMTO' USING OFF-HOURS OFF-MINUTES OFF-SECS FC
           IF NOT FC-SUCCESS OR OFF-HOURS NOT = -5
              OR OFF-MINUTES NOT = 0 OR OFF-SECS NOT = -18000
              DISPLAY 'FAIL CEEGMTO'
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEEGMT' USING LILIAN SECS-BACK FC
           CALL 'CEESECI' USING SECS-BACK PART(1) PART(2) PART(3)
                PART(4) PART(5) PART(6) PART(7) FC
           IF LILIAN NOT = 152825 OR PART(3) NOT = 16
              OR PART(4) NOT = 0 OR PART(5) NOT = 36
              OR PART(7) NOT = 630
              DISPLAY 'FAIL CEEGMT ' LILIAN
              ADD 1 TO FAILURES
           END-IF
           MOVE PARTS TO GOT-PARTS
           MOVE 0 TO LILIAN
           CALL 'CEEUTC' USING LILIAN SECS
           CALL 'CEESECI' USING SECS PART(1) PART(2) PART(3)
                PART(4) PART(5) PART(6) PART(7) FC
           IF LILIAN NOT = 152825 OR PARTS NOT = GOT-PARTS
              DISPLAY 'FAIL CEEUTC without a feedback code'
              ADD 1 TO FAILURES
           END-IF
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
