      *================================================================*
      * DATE-REPORT: a nightly batch step as it ran on the mainframe.  *
      * It converts the due dates of a few accounts, written in the    *
      * styles different departments used, to Lilian days with        *
      * CEEDAYS, names the weekday with CEEDYWK, counts the days from  *
      * the run date, and works an interest factor with CEESDXPD.      *
      *================================================================*
       IDENTIFICATION DIVISION.
       PROGRAM-ID. DATERPT.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==40==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-PIC== ==:N:== BY ==40==.
       01  ACCOUNT-TABLE.
           05  FILLER PIC X(7)  VALUE 'A-1001'.
           05  FILLER PIC X(30) VALUE '2007-05-15'.
           05  FILLER PIC X(33) VALUE
               'YYYY-MM-DD'.
           05  FILLER PIC X(7)  VALUE 'A-1002'.
           05  FILLER PIC X(30) VALUE '05/16/1988'.
           05  FILLER PIC X(33) VALUE
               'MM/DD/YYYY'.
           05  FILLER PIC X(7)  VALUE 'A-1003'.
           05  FILLER PIC X(30) VALUE 'Friday, 31 December 1999'.
           05  FILLER PIC X(33) VALUE
               'Wwwwwwwwwz, ZD Mmmmmmmmmz YYYY'.
           05  FILLER PIC X(7)  VALUE 'A-1004'.
           05  FILLER PIC X(30) VALUE '2024060'.
           05  FILLER PIC X(33) VALUE
               'YYYYDDD'.
           05  FILLER PIC X(7)  VALUE 'A-1005'.
           05  FILLER PIC X(30) VALUE '31.02.24'.
           05  FILLER PIC X(33) VALUE
               'DD.MM.YY'.
           05  FILLER PIC X(7)  VALUE 'A-1006'.
           05  FILLER PIC X(30) VALUE 'XII/25/2026'.
           05  FILLER PIC X(33) VALUE
               'RRRZ/DD/YYYY'.
       01  ACCOUNTS REDEFINES ACCOUNT-TABLE.
           05  ACCOUNT OCCURS 6 TIMES INDEXED BY AX.
               10  ACCT-ID             PIC X(7).
               10  ACCT-DATE           PIC X(30).
               10  ACCT-PIC            PIC X(33).
       01  RUN-DATE                    PIC X(10) VALUE '2026-12-05'.
       01  RUN-LILIAN                  PIC S9(9) BINARY.
       01  LILIAN                      PIC S9(9) BINARY.
       01  WEEKDAY                     PIC S9(9) BINARY.
       01  DAYS-AWAY                   PIC S9(9) BINARY.
       01  WEEKDAY-NAMES.
           05  FILLER PIC X(36) VALUE
               'Sunday   Monday   Tuesday  Wednesday'.
           05  FILLER PIC X(27) VALUE 'Thursday Friday   Saturday '.
       01  WEEKDAY-NAME REDEFINES WEEKDAY-NAMES PIC X(9) OCCURS 7.
       01  RATE                        COMP-2 VALUE 1.0425.
       01  YEARS                       COMP-2.
       01  FACTOR                      COMP-2.
       01  SHOW-LILIAN                 PIC Z(7)9.
       01  SHOW-DAYS                   PIC -(6)9.
       01  SHOW-FACTOR                 PIC Z9.999999.
       PROCEDURE DIVISION.
       MAIN-LINE.
           MOVE 10 TO IN-DATE-LEN
           MOVE RUN-DATE TO IN-DATE-TXT
           MOVE 10 TO IN-PIC-LEN
           MOVE 'YYYY-MM-DD' TO IN-PIC-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC RUN-LILIAN FC
           DISPLAY 'RUN DATE ' RUN-DATE
           DISPLAY 'ACCOUNT DUE DATE                        LILIAN'
                   ' WEEKDAY      DAYS  FACTOR'
           PERFORM REPORT-ACCOUNT VARYING AX FROM 1 BY 1
                   UNTIL AX > 6
           MOVE 0 TO RETURN-CODE
           GOBACK.
       REPORT-ACCOUNT.
           MOVE ACCT-DATE(AX) TO IN-DATE-TXT
           MOVE LENGTH OF ACCT-DATE(AX) TO IN-DATE-LEN
           MOVE ACCT-PIC(AX) TO IN-PIC-TXT
           MOVE LENGTH OF ACCT-PIC(AX) TO IN-PIC-LEN
           CALL 'CEEDAYS' USING IN-DATE IN-PIC LILIAN FC
           IF NOT FC-SUCCESS
              DISPLAY ACCT-ID(AX) ' ' ACCT-DATE(AX) '  REJECTED: '
                      FC-FACILITY-ID FC-MSG-NO
           ELSE
              CALL 'CEEDYWK' USING LILIAN WEEKDAY FC
              COMPUTE DAYS-AWAY = LILIAN - RUN-LILIAN
              COMPUTE YEARS = DAYS-AWAY / 365.25
              CALL 'CEESDXPD' USING RATE YEARS FC FACTOR
              MOVE LILIAN TO SHOW-LILIAN
              MOVE DAYS-AWAY TO SHOW-DAYS
              MOVE FACTOR TO SHOW-FACTOR
              DISPLAY ACCT-ID(AX) ' ' ACCT-DATE(AX) ' ' SHOW-LILIAN
                      ' ' WEEKDAY-NAME(WEEKDAY) SHOW-DAYS ' '
                      SHOW-FACTOR
           END-IF.
