      * The country and language services from an ASCII COBOL program:
      * the two stacks up to their limits, the separators, currency
      * symbols and default pictures, the current country, currency
      * signs in ISO-8859-1, the feedback code OMITTED or left off, and
      * a default picture handed on to CEEDAYS.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CTYSVCS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==80==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==80==.
       01 FUNC               PIC S9(9) BINARY.
       01 CTY                PIC X(2).
       01 LNG                PIC X(3).
       01 ANSWER             PIC X(80).
       01 LILIAN             PIC S9(9) BINARY.
       01 I                  PIC 999.
       01 FAILURES           PIC 9(4) VALUE 0.
      * Each case: the service (1 CEE3MDS, 2 CEE3MTS, 3 CEE3MCS,
      * 4 CEEFMDA, 5 CEEFMTM, 6 CEEFMDT), the country, the warning
      * expected (0 for none) and the answer, blank-padded. The current
      * country is DE.
       01 CASE-DATA.
          05 PIC X(34) VALUE '1US0000.'.
          05 PIC X(34) VALUE '1DE0000,'.
          05 PIC X(34) VALUE '1us0000.'.
          05 PIC X(34) VALUE '1XX3461.'.
          05 PIC X(34) VALUE '1  0000,'.
          05 PIC X(34) VALUE '2US0000,'.
          05 PIC X(34) VALUE '2FI0000 '.
          05 PIC X(34) VALUE '2IE0000,'.
          05 PIC X(34) VALUE '2XX3465,'.
          05 PIC X(34) VALUE '3US0000$'.
          05 PIC X(34) VALUE '3CH0000Fr'.
          05 PIC X(34) VALUE '3br0000NCz$'.
          05 PIC X(34) VALUE '3AE0000'.
          05 PIC X(34) VALUE '3  0000DM'.
          05 PIC X(34) VALUE '4US0000MM/DD/YY'.
          05 PIC X(34) VALUE '4XX3467YYYY-MM-DD'.
          05 PIC X(34) VALUE '4  0000DD.MM.YYYY'.
          05 PIC X(34) VALUE '5US0000ZH:MI:SS AP'.
          05 PIC X(34) VALUE '5SE0000kl HH.MI.SS'.
          05 PIC X(34) VALUE '5XX3469HH:MI:SS'.
          05 PIC X(34) VALUE '6CH0000DD. Mmmmmmmmz YYYY HH,MI,SS'.
          05 PIC X(34) VALUE '6za0000YYYY-MM-DD HHhMI:SS.999'.
          05 PIC X(34) VALUE '6XX3471YYYY-MM-DD HH:MI:SS'.
       01 CASE-TABLE REDEFINES CASE-DATA.
          05 CASE-ROW OCCURS 23.
             10 C-SVC        PIC 9.
             10 C-CTY        PIC X(2).
             10 C-MSG        PIC 9(4).
             10 C-ANSWER     PIC X(27).
       PROCEDURE DIVISION.
      * The country stack.
           MOVE 1 TO FUNC
           MOVE 'de' TO CTY
           CALL 'CEE3CTY' USING FUNC CTY FC
           IF NOT FC-SUCCESS OR CTY NOT = 'de'
              DISPLAY 'FAIL CEE3CTY set de'
              ADD 1 TO FAILURES
           END-IF
           MOVE 2 TO FUNC
           CALL 'CEE3CTY' USING FUNC CTY FC
           IF NOT FC-SUCCESS OR CTY NOT = 'DE'
              DISPLAY 'FAIL CEE3CTY query: ' CTY
              ADD 1 TO FAILURES
           END-IF
           MOVE 3 TO FUNC
           MOVE 'FR' TO CTY
           CALL 'CEE3CTY' USING FUNC CTY FC
           MOVE 4 TO FUNC
           MOVE SPACES TO CTY
           CALL 'CEE3CTY' USING FUNC CTY FC
           IF NOT FC-SUCCESS OR CTY NOT = 'FR'
              DISPLAY 'FAIL CEE3CTY pop of FR: ' CTY
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEE3CTY' USING FUNC CTY FC
           IF CTY NOT = 'DE' OR FC-SEVERITY NOT = 2
              OR FC-MSG-NO NOT = 3455 OR FC-CASE-SEV-CTL NOT = X'51'
              OR NOT FC-FACILITY-CEE OR FC-ISI NOT = LOW-VALUES
              DISPLAY 'FAIL CEE3CTY pop of the last: ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
           MOVE 5 TO FUNC
           MOVE 'US' TO CTY
           CALL 'CEE3CTY' USING FUNC CTY FC
           IF FC-SEVERITY NOT = 3 OR FC-MSG-NO NOT = 3457
              OR FC-CASE-SEV-CTL NOT = X'59' OR CTY NOT = 'US'
              DISPLAY 'FAIL CEE3CTY function 5: ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
           MOVE 1 TO FUNC
           MOVE 'XX' TO CTY
           CALL 'CEE3CTY' USING FUNC CTY FC
           IF FC-SEVERITY NOT = 3 OR FC-MSG-NO NOT = 3456
              DISPLAY 'FAIL CEE3CTY set XX: ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
      * 98 pushes fill the stack to 99 entries; one more is refused.
           MOVE 3 TO FUNC
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 99
              MOVE 'us' TO CTY
              CALL 'CEE3CTY' USING FUNC CTY FC
              IF I < 99 AND NOT FC-SUCCESS
                 OR I = 99 AND FC-MSG-NO NOT = 3456
                 DISPLAY 'FAIL CEE3CTY push ' I ': ' FC-MSG-NO
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
           MOVE 4 TO FUNC
           PERFORM 98 TIMES
              CALL 'CEE3CTY' USING FUNC CTY FC
              IF NOT FC-SUCCESS OR CTY NOT = 'US'
                 DISPLAY 'FAIL CEE3CTY pop of US: ' CTY
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
      * The language stack, with its refusals.
           MOVE 1 TO FUNC
           MOVE 'ENG' TO LNG
           CALL 'CEE3LNG' USING FUNC LNG FC
           IF FC-SEVERITY NOT = 3 OR FC-MSG-NO NOT = 3451
              OR LNG NOT = 'ENG'
              DISPLAY 'FAIL CEE3LNG set ENG: ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
           MOVE 'jpn' TO LNG
           CALL 'CEE3LNG' USING FUNC LNG FC
           MOVE 3 TO FUNC
           MOVE 'Enu' TO LNG
           CALL 'CEE3LNG' USING FUNC LNG FC
           MOVE 2 TO FUNC
           CALL 'CEE3LNG' USING FUNC LNG FC
           IF NOT FC-SUCCESS OR LNG NOT = 'ENU'
              DISPLAY 'FAIL CEE3LNG query after push: ' LNG
              ADD 1 TO FAILURES
           END-IF
           MOVE 4 TO FUNC
           CALL 'CEE3LNG' USING FUNC LNG FC
           CALL 'CEE3LNG' USING FUNC LNG FC
           IF LNG NOT = 'JPN' OR FC-SEVERITY NOT = 2
              OR FC-MSG-NO NOT = 3450
              DISPLAY 'FAIL CEE3LNG pop of the last: ' LNG
              ADD 1 TO FAILURES
           END-IF
           MOVE 0 TO FUNC
           CALL 'CEE3LNG' USING FUNC LNG FC
           IF FC-MSG-NO NOT = 3452
              DISPLAY 'FAIL CEE3LNG function 0: ' FC-MSG-NO
              ADD 1 TO FAILURES
           END-IF
      * The field queries.
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 23
              MOVE C-CTY(I) TO CTY
              MOVE ALL '#' TO ANSWER
              MOVE ALL X'A5' TO FC
              EVALUATE C-SVC(I)
                 WHEN 1 CALL 'CEE3MDS' USING CTY ANSWER(1:2) FC
                 WHEN 2 CALL 'CEE3MTS' USING CTY ANSWER(1:2) FC
                 WHEN 3 CALL 'CEE3MCS' USING CTY ANSWER(1:4) FC
                 WHEN 4 CALL 'CEEFMDA' USING CTY ANSWER FC
                 WHEN 5 CALL 'CEEFMTM' USING CTY ANSWER FC
                 WHEN 6 CALL 'CEEFMDT' USING CTY ANSWER FC
              END-EVALUATE
              IF C-SVC(I) < 3 AND ANSWER(1:2) NOT = C-ANSWER(I)(1:2)
                 OR C-SVC(I) < 3 AND ANSWER(3:) NOT = ALL '#'
                 OR C-SVC(I) = 3 AND ANSWER(1:4) NOT = C-ANSWER(I)(1:4)
                 OR C-SVC(I) = 3 AND ANSWER(5:) NOT = ALL '#'
                 OR C-SVC(I) > 3 AND ANSWER NOT = C-ANSWER(I)
                 OR C-MSG(I) = 0 AND NOT FC-SUCCESS
                 OR C-MSG(I) NOT = 0 AND (FC-SEVERITY NOT = 2
                    OR FC-MSG-NO NOT = C-MSG(I) OR NOT FC-FACILITY-CEE
                    OR FC-CASE-SEV-CTL NOT = X'51')
                 OR CTY NOT = C-CTY(I)
                 DISPLAY 'FAIL service ' C-SVC(I) ' for ' C-CTY(I)
                    ': ' ANSWER(1:30) ' message ' FC-MSG-NO
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
      * Currency signs that ASCII lacks come in ISO-8859-1; the
      * feedback code left off or OMITTED; low-values for the current
      * country.
           MOVE 'cs' TO CTY
           CALL 'CEE3MCS' USING CTY ANSWER(1:4)
           IF ANSWER(1:4) NOT = X'4BE57320' OR CTY NOT = 'cs'
              DISPLAY 'FAIL CEE3MCS for cs'
              ADD 1 TO FAILURES
           END-IF
           MOVE 'PL' TO CTY
           CALL 'CEE3MCS' USING CTY ANSWER(1:4) OMITTED
           IF ANSWER(1:4) NOT = X'5AAA2020'
              DISPLAY 'FAIL CEE3MCS for PL'
              ADD 1 TO FAILURES
           END-IF
           MOVE 'ZZ' TO CTY
           CALL 'CEE3MCS' USING CTY ANSWER(1:4) FC
           IF ANSWER(1:4) NOT = X'A4202020' OR FC-MSG-NO NOT = 3463
              DISPLAY 'FAIL CEE3MCS for ZZ'
              ADD 1 TO FAILURES
           END-IF
           MOVE LOW-VALUES TO CTY
           CALL 'CEEFMDT' USING CTY ANSWER
           IF ANSWER NOT = 'DD.MM.YYYY HH:MI:SS' OR CTY NOT = LOW-VALUES
              DISPLAY 'FAIL CEEFMDT for the current country'
              ADD 1 TO FAILURES
           END-IF
           CALL 'CEE3MDS' USING CTY OMITTED FC
           IF FC-SEVERITY NOT = 4 OR FC-MSG-NO NOT = 9999
              OR NOT FC-FACILITY-OVX
              DISPLAY 'FAIL CEE3MDS without its output'
              ADD 1 TO FAILURES
           END-IF
      * The default date picture of US reads a date with CEEDAYS.
           MOVE 'US' TO CTY
           CALL 'CEEFMDA' USING CTY ANSWER FC
           MOVE ANSWER TO PICSTR-TXT
           MOVE 8 TO PICSTR-LEN IN-DATE-LEN
           MOVE '05/15/07' TO IN-DATE-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           IF LILIAN NOT = 155076 OR NOT FC-SUCCESS
              DISPLAY 'FAIL CEEDAYS with the US picture: ' LILIAN
              ADD 1 TO FAILURES
           END-IF
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
