      *================================================================*
      * DATE-VALIDATION: the edit step of the personnel batch. Each    *
      * card carries a date as the clerk keyed it and the picture of   *
      * its form. The routine VALDATE checks it with CEEDAYS, gives it *
      * back as YYYY-MM-DD (CEEDATE) or says why it was refused, from  *
      * the feedback code's symbolic name (copybook OVLECOND). Two-    *
      * digit years fall in the century window (CEEQCEN).              *
      *================================================================*
       IDENTIFICATION DIVISION.
       PROGRAM-ID. DATEVAL.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  CARD-DECK.
           05  FILLER PIC X(70) VALUE
               'EMP-0001HIRE-DATE 1998-03-01         YYYY-MM-DD'.
           05  FILLER PIC X(70) VALUE
               'EMP-0002BIRTH-DATE29.02.1996         DD.MM.YYYY'.
           05  FILLER PIC X(70) VALUE
               'EMP-0003BIRTH-DATE29.02.1997         DD.MM.YYYY'.
           05  FILLER PIC X(70) VALUE
               'EMP-0004HIRE-DATE 12/31/99           MM/DD/YY'.
           05  FILLER PIC X(70) VALUE
               'EMP-0005HIRE-DATE 03/15/45           MM/DD/YY'.
           05  FILLER PIC X(37) VALUE 'EMP-0006REVIEW    June 3, 2026'.
           05  FILLER PIC X(33) VALUE 'Mmmmmmmmmz ZD, YYYY'.
           05  FILLER PIC X(37) VALUE 'EMP-0007REVIEW    Juin 3, 2026'.
           05  FILLER PIC X(33) VALUE 'Mmmmmmmmmz ZD, YYYY'.
           05  FILLER PIC X(70) VALUE
               'EMP-0008RETIRE    2O31-01-15         YYYY-MM-DD'.
           05  FILLER PIC X(70) VALUE
               'EMP-0009BIRTH-DATE1582-10-14         YYYY-MM-DD'.
           05  FILLER PIC X(70) VALUE
               'EMP-0010TERM-DATE 2026-12-05'.
           05  FILLER PIC X(70) VALUE
               'EMP-0011TERM-DATE 2026/366           YYYY/DDD'.
       01  CARDS REDEFINES CARD-DECK.
           05  CARD OCCURS 11 TIMES INDEXED BY CX.
               10  CARD-RECORD         PIC X(8).
               10  CARD-FIELD          PIC X(10).
               10  CARD-DATE           PIC X(19).
               10  CARD-PIC            PIC X(33).
       01  CHECKED.
           05  CHECKED-VALID           PIC X.
               88  CHECKED-OK          VALUE 'Y'.
           05  CHECKED-ISO             PIC X(10).
           05  CHECKED-LILIAN          PIC S9(9) COMP-5.
           05  CHECKED-REASON          PIC X(40).
       01  CEN-START                   PIC S9(9) COMP-5.
       01  RUN-LILIAN                  PIC S9(9) COMP-5.
       01  RUN-SECONDS                 COMP-2.
       01  RUN-STAMP                   PIC X(17).
       01  FIRST-YEAR                  PIC 9(4).
       01  LAST-YEAR                   PIC 9(4).
       01  ACCEPTED                    PIC 99 VALUE 0.
       01  REJECTED                    PIC 99 VALUE 0.
       01  SHOW-READ                   PIC Z9.
       01  SHOW-ACCEPTED               PIC Z9.
       01  SHOW-REJECTED               PIC Z9.
       PROCEDURE DIVISION.
       MAIN-LINE.
           CALL 'CEELOCT' USING RUN-LILIAN RUN-SECONDS RUN-STAMP FC
           CALL 'CEEQCEN' USING CEN-START FC
           COMPUTE FIRST-YEAR = FUNCTION NUMVAL(RUN-STAMP(1:4))
                                - CEN-START
           COMPUTE LAST-YEAR = FIRST-YEAR + 99
           DISPLAY 'DATE VALIDATION    TWO-DIGIT YEARS READ AS '
                   FIRST-YEAR '-' LAST-YEAR
           DISPLAY ' '
           DISPLAY 'RECORD   FIELD      AS KEYED            PICTURE'
                   '              RESULT'
           PERFORM CHECK-CARD VARYING CX FROM 1 BY 1 UNTIL CX > 11
           DISPLAY ' '
           COMPUTE SHOW-READ = ACCEPTED + REJECTED
           MOVE ACCEPTED TO SHOW-ACCEPTED
           MOVE REJECTED TO SHOW-REJECTED
           DISPLAY 'CARDS READ ' SHOW-READ '   ACCEPTED ' SHOW-ACCEPTED
                   '   REFUSED ' SHOW-REJECTED
           MOVE 0 TO RETURN-CODE
           GOBACK.
       CHECK-CARD.
           CALL 'VALDATE' USING CARD-DATE(CX) CARD-PIC(CX) CHECKED
           IF CHECKED-OK
              ADD 1 TO ACCEPTED
              DISPLAY CARD-RECORD(CX) ' ' CARD-FIELD(CX) ' '
                      CARD-DATE(CX) ' ' CARD-PIC(CX)(1:20) ' '
                      CHECKED-ISO
           ELSE
              ADD 1 TO REJECTED
              DISPLAY CARD-RECORD(CX) ' ' CARD-FIELD(CX) ' '
                      CARD-DATE(CX) ' ' CARD-PIC(CX)(1:20) ' '
                      'REFUSED: ' FUNCTION TRIM(CHECKED-REASON)
           END-IF.

      *----------------------------------------------------------------*
      * VALDATE: a date and its picture in; Y, the date as YYYY-MM-DD  *
      * and its Lilian day out, or N and the reason.                   *
      *----------------------------------------------------------------*
       IDENTIFICATION DIVISION.
       PROGRAM-ID. VALDATE.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLECOND.
       COPY OVLEFC REPLACING ==:FC:== BY ==VD-FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==40==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-PIC== ==:N:== BY ==40==.
       01  OUT-DATE                    PIC X(80).
       01  SHOW-MSG                    PIC 9(4).
       LINKAGE SECTION.
       01  VD-DATE                     PIC X(19).
       01  VD-PIC                      PIC X(33).
       01  VD-RESULT.
           05  VD-VALID                PIC X.
           05  VD-ISO                  PIC X(10).
           05  VD-LILIAN               PIC S9(9) COMP-5.
           05  VD-REASON               PIC X(40).
       PROCEDURE DIVISION USING VD-DATE VD-PIC VD-RESULT.
           MOVE LENGTH OF VD-DATE TO IN-DATE-LEN
           MOVE VD-DATE TO IN-DATE-TXT
           MOVE LENGTH OF VD-PIC TO IN-PIC-LEN
           MOVE VD-PIC TO IN-PIC-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC VD-LILIAN VD-FC
           IF VD-FC-SUCCESS
              MOVE 10 TO IN-PIC-LEN
              MOVE 'YYYY-MM-DD' TO IN-PIC-TXT
              CALL 'CEEDATE' USING VD-LILIAN IN-PIC OUT-DATE VD-FC
              MOVE 'Y' TO VD-VALID
              MOVE OUT-DATE TO VD-ISO
              MOVE SPACES TO VD-REASON
              GOBACK
           END-IF
           MOVE 'N' TO VD-VALID
           MOVE SPACES TO VD-ISO
           EVALUATE VD-FC(1:8)
              WHEN CEE2EB MOVE 'a part of the date is missing (CEE2EB)'
                               TO VD-REASON
              WHEN CEE2EC MOVE 'no such day in the calendar (CEE2EC)'
                               TO VD-REASON
              WHEN CEE2EH MOVE 'before 15 October 1582 (CEE2EH)'
                               TO VD-REASON
              WHEN CEE2EL MOVE 'a name is not known (CEE2EL)'
                               TO VD-REASON
              WHEN CEE2EM MOVE 'no date in the picture (CEE2EM)'
                               TO VD-REASON
              WHEN CEE2EO MOVE 'not digits where due (CEE2EO)'
                               TO VD-REASON
              WHEN OTHER
                 MOVE VD-FC-MSG-NO TO SHOW-MSG
                 STRING 'refused with message ' VD-FC-FACILITY-ID
                        SHOW-MSG DELIMITED BY SIZE INTO VD-REASON
           END-EVALUATE
           GOBACK.
       END PROGRAM VALDATE.
       END PROGRAM DATEVAL.
