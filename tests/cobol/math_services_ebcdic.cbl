      * The math services from a caller whose data are EBCDIC: the
      * facility ID of a domain failure comes back in EBCDIC, with
      * the result 0; a success is still sixteen X'00' bytes.
      * ENV OVLE_CALLER_CODESET=EBCDIC
       IDENTIFICATION DIVISION.
       PROGRAM-ID. MATHEBC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==WS-FC==.
       01  D-X                     COMP-2.
       01  D-R                     COMP-2.
       01  S-X                     COMP-1.
       01  S-Y                     COMP-1.
       01  S-R                     COMP-1.
       01  I-X                     PIC S9(9) BINARY.
       01  I-Y                     PIC S9(9) BINARY.
       01  I-R                     PIC S9(9) BINARY.
       01  WS-FAILS                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           MOVE -4 TO D-X
           MOVE 7 TO D-R
           CALL 'CEESDSQT' USING D-X WS-FC D-R
           IF WS-FC-FACILITY-ID NOT = X'C3C5C5'
              OR WS-FC-SEVERITY NOT = 2 OR WS-FC-MSG-NO NOT = 2010
              OR WS-FC-CASE-SEV-CTL NOT = X'51' OR D-R NOT = 0
              DISPLAY 'FAIL CEESDSQT -4: NOT EBCDIC CEE 2010'
              ADD 1 TO WS-FAILS
           END-IF
           MOVE 7 TO I-X
           MOVE 0 TO I-Y
           CALL 'CEESIMOD' USING I-X I-Y WS-FC I-R
           IF WS-FC-FACILITY-ID NOT = X'C3C5C5'
              OR WS-FC-SEVERITY NOT = 1 OR WS-FC-MSG-NO NOT = 9999
              OR WS-FC-CASE-SEV-CTL NOT = X'48' OR I-R NOT = 0
              DISPLAY 'FAIL CEESIMOD 7 0: NOT EBCDIC CEE 9999'
              ADD 1 TO WS-FAILS
           END-IF
           MOVE 2 TO S-X
           MOVE 3 TO S-Y
           MOVE ALL X'A5' TO WS-FC
           CALL 'CEESSXPS' USING S-X S-Y WS-FC S-R
           IF NOT WS-FC-SUCCESS OR S-R NOT = 8
              DISPLAY 'FAIL CEESSXPS 2 3 GAVE ' S-R
              ADD 1 TO WS-FAILS
           END-IF
           IF WS-FAILS = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
