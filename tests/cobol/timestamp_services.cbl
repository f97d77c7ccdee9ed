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
       01 LILIAN             PIC S9(9) BINARY VALUE 148138.
       01 SECS               COMP-2.
       01 SECS-BACK          COMP-2.
       01 OUT-TEXT           PIC X(80).
       01 PARTS.
          05 PART            PIC S9(9) BINARY OCCURS 7.
       01 SHOWN              PIC 9(4)B99B99B99B99B99B999.
       01 GREG               PIC X(17).
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * 16 May 1988 20:42:29.046 from its components, formatted; the
      * same day by CEEDATE (the last month token is the one trimmed).
           MOVE 1988 TO PART(1)
           MOVE 5 TO PART(2)
           MOVE 16 TO PART(3)
           MOVE 20 TO PART(4)
           MOVE 42 TO PART(5)
           MOVE 29 TO PART(6)
           MOVE 46 TO PART(7)
           CALL 'CEEISEC' USING PART(1) PART(2) PART(3) PART(4)
                PART(5) PART(6) PART(7) SECS FC
           MOVE 'Wwwwwwwwwz, DD Mmm YYYY, ZH:MI:SS.999 AP' TO PICSTR-TXT
           MOVE 40 TO PICSTR-LEN
           CALL 'CEEDATM' USING SECS PICSTR OUT-TEXT FC
           IF OUT-TEXT NOT = 'Monday, 16 May 1988, 8:42:29.046 PM'
              OR NOT FC-SUCCESS
              DISPLAY 'FAIL CEEISEC and CEEDATM: ' OUT-TEXT
              ADD 1 TO FAILURES
           END-IF
           MOVE 'DD-RRRZ-YY|YY.DDD|Mmm' TO PICSTR-TXT
           MOVE 21 TO PICSTR-LEN
           CALL 'CEEDATE' USING LILIAN PICSTR OUT-TEXT FC
           IF OUT-TEXT NOT = '16-V   -88|88.137|May' OR NOT FC-SUCCESS
              OR PICSTR-TXT NOT = 'DD-RRRZ-YY|YY.DDD|Mmm'
              DISPLAY 'FAIL CEEDATE: ' OUT-TEXT
              ADD 1 TO FAILURES
           END-IF
      * Read back, with a one-digit month and day moving the time, and
      * split into the seven components.
           MOVE '92/6/3 15.35.03.5' TO IN-STAMP-TXT
           MOVE 17 TO IN-STAMP-LEN
           MOVE 'YY/MM/DD HH.MI.SS.9' TO PICSTR-TXT
           MOVE 19 TO PICSTR-LEN
           CALL 'CEESECS' USING IN-STAMP PICSTR SECS-BACK FC
           CALL 'CEESECI' USING SECS-BACK PART(1) PART(2) PART(3)
                PART(4) PART(5) PART(6) PART(7) FC
           COMPUTE SHOWN = PART(1) * 10 ** 13 + PART(2) * 10 ** 11
              + PART(3) * 10 ** 9 + PART(4) * 10 ** 7
              + PART(5) * 10 ** 5 + PART(6) * 10 ** 3 + PART(7)
           IF SHOWN NOT = '1992 06 03 15 35 03 500'
              OR IN-STAMP-TXT NOT = '92/6/3 15.35.03.5'
              DISPLAY 'FAIL CEESECS and CEESECI: ' SHOWN
              ADD 1 TO FAILURES
           END-IF
      * A condition, and the feedback code OMITTED or left off.
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
           IF LILIAN NOT = 152824 OR GREG NOT = '20010315193658630'
              DISPLAY 'FAIL CEELOCT ' LILIAN ' ' GREG
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEEUTC' USING LILIAN SECS
           MOVE 'YYYY-MM-DD HH:MI:SS.999' TO PICSTR-TXT
           MOVE 23 TO PICSTR-LEN
           CALL 'CEEDATM' USING SECS PICSTR OUT-TEXT FC
           IF LILIAN NOT = 152825
              OR OUT-TEXT NOT = '2001-03-16 00:36:58.630'
              DISPLAY 'FAIL CEEUTC ' LILIAN ' ' OUT-TEXT
              ADD 1 TO FAILURES
           END-IF
           IF FAILURES NOT = 0
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
