      * The country and language services from an ASCII COBOL program:
      * the two stacks up to their limit, the separators, currency
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
       01 CODES              PIC X(3).
       01 ANSWER             PIC X(80).
       01 LILIAN             PIC S9(9) BINARY.
       01 I                  PIC 999.
       01 FAILURES           PIC 9(4) VALUE 0.
      * Each case: C CEE3CTY, L CEE3LNG or the field query (1 CEE3MDS,
      * 2 CEE3MTS, 3 CEE3MCS, 4 CEEFMDA, 5 CEEFMTM, 6 CEEFMDT); the
      * function; the code passed; the severity and message expected;
      * the code parameter or the answer expected, blank-padded.
       01 CASE-DATA.
          05 PIC X(37) VALUE 'C1de 00000de'.
          05 PIC X(37) VALUE 'C2## 00000DE'.
          05 PIC X(37) VALUE 'C3FR 00000FR'.
          05 PIC X(37) VALUE 'C4## 00000FR'.
          05 PIC X(37) VALUE 'C4## 23455DE'.
          05 PIC X(37) VALUE 'C5US 33457US'.
          05 PIC X(37) VALUE 'C1XX 33456XX'.
          05 PIC X(37) VALUE 'L1ENG33451ENG'.
          05 PIC X(37) VALUE 'L1jpn00000jpn'.
          05 PIC X(37) VALUE 'L3Enu00000Enu'.
          05 PIC X(37) VALUE 'L2###00000ENU'.
          05 PIC X(37) VALUE 'L4###00000ENU'.
          05 PIC X(37) VALUE 'L4###23450JPN'.
          05 PIC X(37) VALUE 'L0###33452###'.
          05 PIC X(37) VALUE '10US 00000.'.
          05 PIC X(37) VALUE '10XX 23461.'.
          05 PIC X(37) VALUE '10   00000,'.
          05 PIC X(37) VALUE '20FI 00000'.
          05 PIC X(37) VALUE '20XX 23465,'.
          05 PIC X(37) VALUE '30CH 00000Fr'.
          05 PIC X(37) VALUE '30br 00000NCz$'.
          05 PIC X(37) VALUE '40US 00000MM/DD/YY'.
          05 PIC X(37) VALUE '40XX 23467YYYY-MM-DD'.
          05 PIC X(37) VALUE '50SE 00000kl HH.MI.SS'.
          05 PIC X(37) VALUE '50XX 23469HH:MI:SS'.
          05 PIC X(37) VALUE '60CH 00000DD. Mmmmmmmmz YYYY HH,MI,SS'.
          05 PIC X(37) VALUE '60XX 23471YYYY-MM-DD HH:MI:SS'.
       01 CASE-TABLE REDEFINES CASE-DATA.
          05 CASE-ROW OCCURS 27.
             10 C-KIND       PIC X.
             10 C-FUNC       PIC 9.
             10 C-CODE       PIC X(3).
             10 C-SEV        PIC 9.
             10 C-MSG        PIC 9(4).
             10 C-WANT       PIC X(27).
       PROCEDURE DIVISION.
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 27
              MOVE C-FUNC(I) TO FUNC
              MOVE C-CODE(I) TO CODES
              MOVE ALL '#' TO ANSWER
              MOVE ALL X'A5' TO FC
              EVALUATE C-KIND(I)
                 WHEN 'C' CALL 'CEE3CTY' USING FUNC CODES(1:2) FC
                          MOVE CODES(1:2) TO ANSWER
                 WHEN 'L' CALL 'CEE3LNG' USING FUNC CODES FC
                          MOVE CODES TO ANSWER
                 WHEN '1' CALL 'CEE3MDS' USING CODES ANSWER(1:2) FC
                 WHEN '2' CALL 'CEE3MTS' USING CODES ANSWER(1:2) FC
                 WHEN '3' CALL 'CEE3MCS' USING CODES ANSWER(1:4) FC
                 WHEN '4' CALL 'CEEFMDA' USING CODES ANSWER FC
                 WHEN '5' CALL 'CEEFMTM' USING CODES ANSWER FC
                 WHEN '6' CALL 'CEEFMDT' USING CODES ANSWER FC
              END-EVALUATE
              IF C-KIND(I) = '1' OR '2'
                 MOVE SPACES TO ANSWER(3:)
              END-IF
              IF C-KIND(I) = '3'
                 MOVE SPACES TO ANSWER(5:)
              END-IF
              IF ANSWER NOT = C-WANT(I)
                 OR C-MSG(I) = 0 AND NOT FC-SUCCESS
                 OR C-MSG(I) NOT = 0 AND (FC-SEVERITY NOT = C-SEV(I)
                    OR FC-MSG-NO NOT = C-MSG(I) OR NOT FC-FACILITY-CEE
                    OR FC-ISI NOT = LOW-VALUES)
                 OR C-KIND(I) NOT = 'C' AND NOT = 'L'
                    AND CODES NOT = C-CODE(I)
                 DISPLAY 'FAIL ' C-KIND(I) C-FUNC(I) ' ' C-CODE(I)
                    ': ' ANSWER(1:30) ' message ' FC-MSG-NO
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
      * 98 pushes fill the country stack to 99 entries; one more is
      * refused; 98 pops take them off again.
           MOVE 3 TO FUNC
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 99
              MOVE 'us' TO CODES
              CALL 'CEE3CTY' USING FUNC CODES(1:2) FC
              IF I < 99 AND NOT FC-SUCCESS
                 OR I = 99 AND FC-MSG-NO NOT = 3456
                 DISPLAY 'FAIL CEE3CTY push ' I ': ' FC-MSG-NO
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
           MOVE 4 TO FUNC
           PERFORM 98 TIMES
              CALL 'CEE3CTY' USING FUNC CODES(1:2) FC
           END-PERFORM
           CALL 'CEE3CTY' USING FUNC CODES(1:2) FC
           IF CODES(1:2) NOT = 'DE' OR FC-MSG-NO NOT = 3455
              DISPLAY 'FAIL CEE3CTY after the pops: ' CODES
              ADD 1 TO FAILURES
           END-IF
      * Currency signs that ASCII lacks come in ISO-8859-1, with the
      * feedback code left off, OMITTED, or a warning.
           MOVE 'cs' TO CODES
           CALL 'CEE3MCS' USING CODES ANSWER(1:4)
           MOVE 'PL' TO CODES
           CALL 'CEE3MCS' USING CODES ANSWER(5:4) OMITTED
           MOVE 'ZZ' TO CODES
           CALL 'CEE3MCS' USING CODES ANSWER(9:4) FC
           IF ANSWER(1:12) NOT = X'4BE573205AAA2020A4202020'
              OR FC-MSG-NO NOT = 3463
              DISPLAY 'FAIL CEE3MCS for cs, PL and ZZ'
              ADD 1 TO FAILURES
           END-IF
      * Low-values for the current country; an output OMITTED.
           MOVE LOW-VALUES TO CODES
           CALL 'CEEFMDT' USING CODES ANSWER
           CALL 'CEE3MDS' USING CODES OMITTED FC
           IF ANSWER NOT = 'DD.MM.YYYY HH:MI:SS' OR FC-SEVERITY NOT = 4
              OR FC-MSG-NO NOT = 9999 OR NOT FC-FACILITY-OVX
              DISPLAY 'FAIL CEEFMDT for low-values or CEE3MDS OMITTED'
              ADD 1 TO FAILURES
           END-IF
      * The default date picture of US reads a date with CEEDAYS.
           MOVE 'US' TO CODES
           CALL 'CEEFMDA' USING CODES ANSWER FC
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
