      *> A COBOL program of a user, compiled against an installed
      *> libovle with its copybooks: prints only failures.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CONSUMER.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==80==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==80==.
       01  LILIAN                    PIC S9(9) BINARY.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLECOND.
       PROCEDURE DIVISION.
           MOVE 10 TO IN-DATE-LEN
           MOVE '2007-05-15' TO IN-DATE-TXT
           MOVE 10 TO PICSTR-LEN
           MOVE 'YYYY-MM-DD' TO PICSTR-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           IF LILIAN NOT = 155076 OR NOT FC-SUCCESS
              OR FC(1:8) NOT = CEE000
               DISPLAY 'FAIL CEEDAYS 2007-05-15 gave ' LILIAN
               MOVE 1 TO RETURN-CODE
           END-IF
           MOVE '2007-13-15' TO IN-DATE-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           IF FC(1:8) NOT = CEE2EC
               DISPLAY 'FAIL CEEDAYS 2007-13-15 is not CEE2EC'
               MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
