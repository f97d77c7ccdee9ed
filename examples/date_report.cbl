      *================================================================*
      * DATE-REPORT: the nightly invoice ageing step as it ran on the  *
      * mainframe. The run date comes from the clock (CEELOCT). Each   *
      * open invoice is dated in the style of the department that      *
      * raised it; CEEDAYS turns it into a Lilian day, CEEDYWK names   *
      * the weekday, the days since the invoice put it in an ageing    *
      * bucket, and CEESDXPD works the late-charge factor at 4.25% a   *
      * year. The Lilian days are COMP-5, as the program declared them *
      * on the mainframe.                                              *
      *================================================================*
       IDENTIFICATION DIVISION.
       PROGRAM-ID. DATERPT.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==40==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-PIC== ==:N:== BY ==40==.
       01  INVOICE-TABLE.
           05  FILLER PIC X(48) VALUE
               'INV-1001 SALES    2026-11-20'.
           05  FILLER PIC X(32) VALUE 'YYYY-MM-DD'.
           05  FILLER PIC X(48) VALUE
               'INV-1002 EXPORT   10/05/2026'.
           05  FILLER PIC X(32) VALUE 'MM/DD/YYYY'.
           05  FILLER PIC X(48) VALUE
               'INV-1003 LEGAL    Friday, 4 September 2026'.
           05  FILLER PIC X(32) VALUE
               'Wwwwwwwwwz, ZD Mmmmmmmmmz YYYY'.
           05  FILLER PIC X(48) VALUE
               'INV-1004 PLANT    2026152'.
           05  FILLER PIC X(32) VALUE 'YYYYDDD'.
           05  FILLER PIC X(48) VALUE
               'INV-1005 EUROPE   31.02.26'.
           05  FILLER PIC X(32) VALUE 'DD.MM.YY'.
           05  FILLER PIC X(48) VALUE
               'INV-1006 ARCHIVE  XII/01/2025'.
           05  FILLER PIC X(32) VALUE 'RRRZ/DD/YYYY'.
           05  FILLER PIC X(48) VALUE
               'INV-1007 SALES    2026-12-25'.
           05  FILLER PIC X(32) VALUE 'YYYY-MM-DD'.
       01  INVOICES REDEFINES INVOICE-TABLE.
           05  INVOICE OCCURS 7 TIMES INDEXED BY IX.
               10  INV-ID              PIC X(9).
               10  INV-DEPT            PIC X(9).
               10  INV-DATE            PIC X(30).
               10  INV-PIC             PIC X(32).
       01  RUN-LILIAN                  PIC S9(9) COMP-5.
       01  RUN-SECONDS                 COMP-2.
       01  RUN-STAMP                   PIC X(17).
       01  RUN-TEXT                    PIC X(80).
       01  LILIAN                      PIC S9(9) COMP-5.
       01  WEEKDAY                     PIC S9(9) COMP-5.
       01  DAYS-OPEN                   PIC S9(9) COMP-5.
       01  WEEKDAY-NAMES.
           05  FILLER PIC X(36) VALUE
               'Sunday   Monday   Tuesday  Wednesday'.
           05  FILLER PIC X(27) VALUE 'Thursday Friday   Saturday '.
       01  WEEKDAY-NAME REDEFINES WEEKDAY-NAMES PIC X(9) OCCURS 7.
       01  BUCKET                      PIC X(10).
       01  RATE                        COMP-2 VALUE 1.0425.
       01  YEARS                       COMP-2.
       01  FACTOR                      COMP-2.
       01  COUNTS.
           05  OPEN-COUNT              PIC 9(3) VALUE 0.
           05  REJECT-COUNT            PIC 9(3) VALUE 0.
       01  SHOW-COUNT                  PIC ZZ9.
       01  SHOW-REJECTS                PIC ZZ9.
       01  SHOW-LILIAN                 PIC Z(7)9.
       01  SHOW-DAYS                   PIC -(5)9.
       01  SHOW-FACTOR                 PIC Z9.999999.
       01  SHOW-MSG                    PIC 9(4).
       PROCEDURE DIVISION.
       MAIN-LINE.
           CALL 'CEELOCT' USING RUN-LILIAN RUN-SECONDS RUN-STAMP FC
           MOVE 37 TO IN-PIC-LEN
           MOVE 'Wwwwwwwwwz, ZD Mmmmmmmmmz YYYY, HH:MI' TO IN-PIC-TXT
           CALL 'CEEDATM' USING RUN-SECONDS IN-PIC RUN-TEXT FC
           DISPLAY 'INVOICE AGEING REPORT    RUN '
                   FUNCTION TRIM(RUN-TEXT TRAILING)
           DISPLAY ' '
           DISPLAY 'INVOICE  DEPT     INVOICE DATE                  '
                   '  LILIAN WEEKDAY     DAYS BUCKET     FACTOR'
           PERFORM REPORT-INVOICE VARYING IX FROM 1 BY 1
                   UNTIL IX > 7
           DISPLAY ' '
           MOVE OPEN-COUNT TO SHOW-COUNT
           MOVE REJECT-COUNT TO SHOW-REJECTS
           DISPLAY 'INVOICES AGED ' SHOW-COUNT '   REJECTED '
                   SHOW-REJECTS
           MOVE 0 TO RETURN-CODE
           GOBACK.
       REPORT-INVOICE.
           MOVE INV-DATE(IX) TO IN-DATE-TXT
           MOVE LENGTH OF INV-DATE(IX) TO IN-DATE-LEN
           MOVE INV-PIC(IX) TO IN-PIC-TXT
           MOVE LENGTH OF INV-PIC(IX) TO IN-PIC-LEN
           CALL 'CEEDAYS' USING IN-DATE IN-PIC LILIAN FC
           IF NOT FC-SUCCESS
              MOVE FC-MSG-NO TO SHOW-MSG
              DISPLAY INV-ID(IX) INV-DEPT(IX) INV-DATE(IX)
                      '  REJECTED: ' FC-FACILITY-ID SHOW-MSG
              ADD 1 TO REJECT-COUNT
           ELSE
              CALL 'CEEDYWK' USING LILIAN WEEKDAY FC
              COMPUTE DAYS-OPEN = RUN-LILIAN - LILIAN
              EVALUATE TRUE
                 WHEN DAYS-OPEN < 0  MOVE 'NOT DUE' TO BUCKET
                 WHEN DAYS-OPEN <= 30 MOVE 'CURRENT' TO BUCKET
                 WHEN DAYS-OPEN <= 90 MOVE '31-90' TO BUCKET
                 WHEN DAYS-OPEN <= 365 MOVE '91-365' TO BUCKET
                 WHEN OTHER MOVE 'OVER 1 YR' TO BUCKET
              END-EVALUATE
              MOVE 1 TO FACTOR
              IF DAYS-OPEN > 30
                 COMPUTE YEARS = (DAYS-OPEN - 30) / 365.25
                 CALL 'CEESDXPD' USING RATE YEARS FC FACTOR
              END-IF
              MOVE LILIAN TO SHOW-LILIAN
              MOVE DAYS-OPEN TO SHOW-DAYS
              MOVE FACTOR TO SHOW-FACTOR
              DISPLAY INV-ID(IX) INV-DEPT(IX) INV-DATE(IX)
                      SHOW-LILIAN ' ' WEEKDAY-NAME(WEEKDAY) SHOW-DAYS
                      ' ' BUCKET SHOW-FACTOR
              ADD 1 TO OPEN-COUNT
           END-IF.
