      * CEEDYWK, CEESCEN and CEEQCEN called from COBOL: feedback code
      * present, OMITTED and left off the list. Prints only failures.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CALSVCS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01 LILIAN             PIC S9(9) BINARY.
       01 DOW                PIC S9(9) BINARY.
       01 CENTURY            PIC S9(9) BINARY.
       01 INT-DATE           PIC S9(9) BINARY.
       01 EXPECTED           PIC S9(9) BINARY.
       01 SHOWN              PIC -9(9).
       01 SHOWN-2            PIC -9(9).
       01 WHAT               PIC X(40).
       01 FAILURES           PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
       MAIN.
      *    The default window, then settings inside and outside 0-100.
           MOVE HIGH-VALUES TO FC
           CALL 'CEEQCEN' USING CENTURY FC
           MOVE 'CEEQCEN default' TO WHAT
           MOVE 80 TO EXPECTED
           PERFORM CHECK-CENTURY-OK

           MOVE 26 TO CENTURY
           MOVE HIGH-VALUES TO FC
           CALL 'CEESCEN' USING CENTURY FC
           MOVE 'CEESCEN 26' TO WHAT
           PERFORM CHECK-FC-ZERO
           MOVE -1 TO CENTURY
           CALL 'CEEQCEN' USING CENTURY FC
           MOVE 'CEEQCEN after 26' TO WHAT
           MOVE 26 TO EXPECTED
           PERFORM CHECK-CENTURY-OK

           MOVE 101 TO CENTURY
           MOVE LOW-VALUES TO FC
           CALL 'CEESCEN' USING CENTURY FC
           MOVE 'CEESCEN 101' TO WHAT
           IF FC-SEVERITY NOT = 3 OR FC-MSG-NO NOT = 9999
              OR FC-CASE-SEV-CTL NOT = X'58' OR NOT FC-FACILITY-OVX
              OR FC-ISI NOT = LOW-VALUES
              MOVE FC-MSG-NO TO SHOWN
              DISPLAY 'FAIL ' WHAT ': expected OVX 9999 sev 3, got '
                      FC-FACILITY-ID ' ' SHOWN
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEEQCEN' USING CENTURY OMITTED
           MOVE 'CEEQCEN after 101' TO WHAT
           MOVE 26 TO EXPECTED
           PERFORM CHECK-CENTURY

           MOVE -1 TO CENTURY
           CALL 'CEESCEN' USING CENTURY
           CALL 'CEEQCEN' USING CENTURY
           MOVE 'CEEQCEN after -1, no fc' TO WHAT
           MOVE 26 TO EXPECTED
           PERFORM CHECK-CENTURY

           MOVE 100 TO CENTURY
           CALL 'CEESCEN' USING CENTURY OMITTED
           CALL 'CEEQCEN' USING CENTURY
           MOVE 'CEEQCEN after 100' TO WHAT
           MOVE 0 TO EXPECTED
           PERFORM CHECK-CENTURY

           MOVE 0 TO CENTURY
           CALL 'CEESCEN' USING CENTURY FC
           MOVE 'CEESCEN 0' TO WHAT
           PERFORM CHECK-FC-ZERO

      *    Day of week: the ends of the calendar and the days outside.
           MOVE 1 TO LILIAN
           MOVE 6 TO EXPECTED
           PERFORM CHECK-DOW
           MOVE 6654 TO LILIAN
           MOVE 2 TO EXPECTED
           PERFORM CHECK-DOW
           MOVE 3074324 TO LILIAN
           MOVE 6 TO EXPECTED
           PERFORM CHECK-DOW
           COMPUTE LILIAN = FUNCTION INTEGER-OF-DATE(20070515) + 6653
           MOVE 3 TO EXPECTED
           PERFORM CHECK-DOW

           MOVE 0 TO LILIAN
           PERFORM CHECK-DOW-2512
           MOVE 3074325 TO LILIAN
           PERFORM CHECK-DOW-2512
           MOVE -1 TO LILIAN
           PERFORM CHECK-DOW-2512

           MOVE 0 TO LILIAN
           MOVE 99 TO DOW
           CALL 'CEEDYWK' USING LILIAN DOW OMITTED
           MOVE 'CEEDYWK 0 omitted fc' TO WHAT
           MOVE 0 TO EXPECTED
           PERFORM CHECK-DOW-VALUE
           MOVE 99 TO DOW
           CALL 'CEEDYWK' USING LILIAN DOW
           MOVE 'CEEDYWK 0 no fc' TO WHAT
           PERFORM CHECK-DOW-VALUE
           MOVE 79 TO LILIAN
           CALL 'CEEDYWK' USING LILIAN DOW
           MOVE 'CEEDYWK 79 no fc' TO WHAT
           MOVE 7 TO EXPECTED
           PERFORM CHECK-DOW-VALUE

      *    Against the run-time's own day count: integer date 1 is a
      *    Monday (2), so the day is MOD(integer, 7) + 1.
           PERFORM VARYING INT-DATE FROM 1 BY 997
                   UNTIL INT-DATE > 3067671
              COMPUTE LILIAN = INT-DATE + 6653
              COMPUTE EXPECTED = FUNCTION MOD(INT-DATE, 7) + 1
              PERFORM CHECK-DOW
           END-PERFORM

           IF FAILURES > 0
              MOVE 1 TO RETURN-CODE
           ELSE
              MOVE 0 TO RETURN-CODE
           END-IF
           GOBACK.

       CHECK-FC-ZERO.
           IF NOT FC-SUCCESS
              MOVE FC-MSG-NO TO SHOWN
              DISPLAY 'FAIL ' WHAT ': expected success, got message '
                      SHOWN
              ADD 1 TO FAILURES
           END-IF.

       CHECK-CENTURY.
           IF CENTURY NOT = EXPECTED
              MOVE CENTURY TO SHOWN
              MOVE EXPECTED TO SHOWN-2
              DISPLAY 'FAIL ' WHAT ': expected ' SHOWN-2 ', got ' SHOWN
              ADD 1 TO FAILURES
           END-IF.

       CHECK-CENTURY-OK.
           PERFORM CHECK-CENTURY
           PERFORM CHECK-FC-ZERO.

       CHECK-DOW-VALUE.
           IF DOW NOT = EXPECTED
              MOVE DOW TO SHOWN
              MOVE EXPECTED TO SHOWN-2
              DISPLAY 'FAIL ' WHAT ': expected ' SHOWN-2 ', got ' SHOWN
              ADD 1 TO FAILURES
           END-IF.

       CHECK-DOW.
           MOVE HIGH-VALUES TO FC
           MOVE -1 TO DOW
           CALL 'CEEDYWK' USING LILIAN DOW FC
           MOVE LILIAN TO SHOWN
           MOVE SPACES TO WHAT
           STRING 'CEEDYWK ' SHOWN DELIMITED BY SIZE INTO WHAT
           PERFORM CHECK-DOW-VALUE
           PERFORM CHECK-FC-ZERO.

       CHECK-DOW-2512.
           MOVE LOW-VALUES TO FC
           MOVE 99 TO DOW
           CALL 'CEEDYWK' USING LILIAN DOW FC
           MOVE LILIAN TO SHOWN
           MOVE SPACES TO WHAT
           STRING 'CEEDYWK ' SHOWN DELIMITED BY SIZE INTO WHAT
           MOVE 0 TO EXPECTED
           PERFORM CHECK-DOW-VALUE
           IF FC-SEVERITY NOT = 3 OR FC-MSG-NO NOT = 2512
              OR FC-CASE-SEV-CTL NOT = X'59' OR NOT FC-FACILITY-CEE
              OR FC-ISI NOT = LOW-VALUES
              MOVE FC-MSG-NO TO SHOWN
              DISPLAY 'FAIL ' WHAT ': expected CEE 2512 sev 3, got '
                      FC-FACILITY-ID ' ' SHOWN
              ADD 1 TO FAILURES
           END-IF.
