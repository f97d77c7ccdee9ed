      * CEEDYWK from COBOL: the ends of the calendar, the days outside
      * it, the feedback code OMITTED or left off, and a sweep against
      * the run-time's own day count.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CALSVCS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01 LILIAN             PIC S9(9) BINARY.
       01 DOW                PIC S9(9) BINARY.
       01 INT-DATE           PIC S9(9) BINARY.
      * Each case: Lilian day, day of the week expected, message.
       01 CASE-DATA.
          05 PIC X(14) VALUE '+0000000160000'.
          05 PIC X(14) VALUE '+0000665420000'.
          05 PIC X(14) VALUE '+0307432460000'.
          05 PIC X(14) VALUE '+0015507630000'.
          05 PIC X(14) VALUE '+0000000002512'.
          05 PIC X(14) VALUE '+0307432502512'.
          05 PIC X(14) VALUE '-0000000102512'.
       01 CASE-TABLE REDEFINES CASE-DATA.
          05 CASE-ROW OCCURS 7.
             10 C-LILIAN     PIC S9(8) SIGN LEADING SEPARATE.
             10 C-DAY        PIC 9.
             10 C-MSG        PIC 9(4).
       01 I                  PIC 9.
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 7
              MOVE C-LILIAN(I) TO LILIAN
              MOVE ALL X'A5' TO FC
              CALL 'CEEDYWK' USING LILIAN DOW FC
              IF DOW NOT = C-DAY(I)
                 OR C-MSG(I) = 0 AND NOT FC-SUCCESS
                 OR C-MSG(I) NOT = 0 AND (FC-SEVERITY NOT = 3
                    OR FC-MSG-NO NOT = C-MSG(I) OR NOT FC-FACILITY-CEE
                    OR FC-CASE-SEV-CTL NOT = X'59'
                    OR FC-ISI NOT = LOW-VALUES)
                 DISPLAY 'FAIL CEEDYWK ' C-LILIAN(I) ': ' DOW ' '
                    FC-MSG-NO
                 ADD 1 TO FAILURES
              END-IF
      *       The feedback code OMITTED or left off: the same day.
              MOVE 99 TO DOW
              CALL 'CEEDYWK' USING LILIAN DOW OMITTED
              IF DOW = C-DAY(I)
                 MOVE 99 TO DOW
                 CALL 'CEEDYWK' USING LILIAN DOW
              END-IF
              IF DOW NOT = C-DAY(I)
                 DISPLAY 'FAIL CEEDYWK ' C-LILIAN(I) ' without FC'
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
      * Integer date 1 is a Monday (2): the day is MOD(integer, 7) + 1.
           PERFORM VARYING INT-DATE FROM 1 BY 997
                   UNTIL INT-DATE > 3067671
              COMPUTE LILIAN = INT-DATE + 6653
              CALL 'CEEDYWK' USING LILIAN DOW FC
              IF DOW NOT = FUNCTION MOD(INT-DATE, 7) + 1
                 OR NOT FC-SUCCESS
                 DISPLAY 'FAIL CEEDYWK ' LILIAN ': ' DOW
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
