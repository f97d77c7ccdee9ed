      * The country services from an ASCII COBOL program: the stack,
      * field queries, the current country, currency signs in
      * ISO-8859-1, the feedback code OMITTED or left off.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CTYSVCS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01 FUNC               PIC S9(9) BINARY.
       01 CODES              PIC X(3).
       01 ANSWER             PIC X(80).
       01 I                  PIC 99.
       01 FAILURES           PIC 9(4) VALUE 0.
      * Each case: C CEE3CTY or a field query (3 CEE3MCS, 4 CEEFMDA,
      * 6 CEEFMDT); the function; the code passed; the message
      * expected; the code parameter or the answer expected.
       01 CASE-DATA.
          05 PIC X(36) VALUE 'C1de 0000de'.
          05 PIC X(36) VALUE 'C3FR 0000FR'.
          05 PIC X(36) VALUE 'C4## 0000FR'.
          05 PIC X(36) VALUE 'C4## 3455DE'.
          05 PIC X(36) VALUE '30br 0000NCz$'.
          05 PIC X(36) VALUE '40XX 3467YYYY-MM-DD'.
          05 PIC X(36) VALUE '60CH 0000DD. Mmmmmmmmz YYYY HH,MI,SS'.
       01 CASE-TABLE REDEFINES CASE-DATA.
          05 CASE-ROW OCCURS 7.
             10 C-KIND       PIC X.
             10 C-FUNC       PIC 9.
             10 C-CODE       PIC X(3).
             10 C-MSG        PIC 9(4).
             10 C-WANT       PIC X(27).
       PROCEDURE DIVISION.
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 7
              MOVE C-FUNC(I) TO FUNC
              MOVE C-CODE(I) TO CODES
              MOVE ALL '#' TO ANSWER
              MOVE SPACES TO ANSWER(5:)
              MOVE ALL X'A5' TO FC
              EVALUATE C-KIND(I)
                 WHEN 'C' CALL 'CEE3CTY' USING FUNC CODES(1:2) FC
                          MOVE CODES(1:2) TO ANSWER
                 WHEN '3' CALL 'CEE3MCS' USING CODES ANSWER(1:4) FC
                 WHEN '4' CALL 'CEEFMDA' USING CODES ANSWER FC
                 WHEN '6' CALL 'CEEFMDT' USING CODES ANSWER FC
              END-EVALUATE
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
      * Low-values for the current country.
           MOVE LOW-VALUES TO CODES
           CALL 'CEEFMDT' USING CODES ANSWER
           IF ANSWER NOT = 'DD.MM.YYYY HH:MI:SS'
              DISPLAY 'FAIL CEEFMDT for low-values: ' ANSWER
              ADD 1 TO FAILURES
           END-IF
           COMPUTE RETURN-CODE = FUNCTION MIN(FAILURES, 1)
           GOBACK.
