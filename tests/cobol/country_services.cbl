      * The country and language services from an ASCII COBOL program:
      * the stacks, a field query of each kind, the current country,
      * currency signs in ISO-8859-1, the feedback code OMITTED or left
      * off, an output OMITTED, and a default picture read by CEEDAYS.
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
       01 I                  PIC 99.
       01 FAILURES           PIC 9(4) VALUE 0.
      * Each case: C CEE3CTY, L CEE3LNG or a field query (1 CEE3MDS,
      * 2 CEE3MTS, 3 CEE3MCS, 4 CEEFMDA, 5 CEEFMTM, 6 CEEFMDT); the
      * function; the code passed; the message expected; the code
      * parameter or the answer expected.
       01 CASE-DATA.
          05 PIC X(36) VALUE 'C1de 0000de'.
          05 PIC X(36) VALUE 'C3FR 0000FR'.
          05 PIC X(36) VALUE 'C4## 0000FR'.
          05 PIC X(36) VALUE 'C4## 3455DE'.
          05 PIC X(36) VALUE 'C1XX 3456XX'.
          05 PIC X(36) VALUE 'L3jpn0000jpn'.
          05 PIC X(36) VALUE 'L2###0000JPN'.
          05 PIC X(36) VALUE 'L0###3452###'.
          05 PIC X(36) VALUE '10   0000,'.
          05 PIC X(36) VALUE '20FI 0000'.
          05 PIC X(36) VALUE '30br 0000NCz$'.
          05 PIC X(36) VALUE '40XX 3467YYYY-MM-DD'.
          05 PIC X(36) VALUE '50SE 0000kl HH.MI.SS'.
          05 PIC X(36) VALUE '60CH 0000DD. Mmmmmmmmz YYYY HH,MI,SS'.
       01 CASE-TABLE REDEFINES CASE-DATA.
          05 CASE-ROW OCCURS 14.
             10 C-KIND       PIC X.
             10 C-FUNC       PIC 9.
             10 C-CODE       PIC X(3).
             10 C-MSG        PIC 9(4).
             10 C-WANT       PIC X(27).
       PROCEDURE DIVISION.
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 14
              MOVE C-FUNC(I) TO FUNC
              MOVE C-CODE(I) TO CODES
              MOVE ALL '#' TO ANSWER
              MOVE SPACES TO ANSWER(5:)
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
                 MOVE SPACES TO ANSWER(3:2)
              END-IF
              IF ANSWER NOT = C-WANT(I)
                 OR C-MSG(I) = 0 AND NOT FC-SUCCESS
                 OR C-MSG(I) NOT = 0 AND (FC-MSG-NO NOT = C-MSG(I)
                    OR NOT FC-FACILITY-CEE OR FC-ISI NOT = LOW-VALUES)
                 DISPLAY 'FAIL ' C-KIND(I) C-FUNC(I) ' ' C-CODE(I)
                    ': ' ANSWER(1:30) ' message ' FC-MSG-NO
                 ADD 1 TO FAILURES
              END-IF
           END-PERFORM
      * Currency signs that ASCII lacks come in ISO-8859-1, with the
      * feedback code left off, OMITTED, or a warning.
           MOVE 'cs' TO CODES
           CALL 'CEE3MCS' USING CODES ANSWER(1:4)
           MOVE 'PL' TO CODES
           CALL 'CEE3MCS' USING CODES ANSWER(5:4) OMITTED
           MOVE 'ZZ' TO CODES
           CALL 'CEE3MCS' USING CODES ANSWER(9:4) FC
           IF ANSWER(1:12) NOT = X'4BE573205AAA2020A4202020'
              OR FC-MSG-NO NOT = 3463 OR FC-SEVERITY NOT = 2
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
           COMPUTE RETURN-CODE = FUNCTION MIN(FAILURES, 1)
           GOBACK.
