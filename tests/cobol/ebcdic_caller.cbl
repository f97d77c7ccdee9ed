      * An EBCDIC caller gets the facility ID of a condition in EBCDIC
      * and CGPIINFO reports 4.
      * ENV OVLE_CALLER_CODESET=EBCDIC
       IDENTIFICATION DIVISION.
       PROGRAM-ID. EBCDICCL.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==WS-FC==.
       01  WS-CEN                  PIC S9(9) BINARY.
       01  WS-MODE                 PIC S9(4) COMP-5.
       01  WS-FAILS                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           MOVE -1 TO WS-CEN
           CALL 'CEESCEN' USING WS-CEN WS-FC
           IF WS-FC-FACILITY-ID NOT = X'D6E5E7'
              OR WS-FC-MSG-NO NOT = 9999
              DISPLAY 'FAIL FACILITY IS NOT EBCDIC OVX'
              ADD 1 TO WS-FAILS
           END-IF
           MOVE 2 TO WS-MODE
           CALL 'CGPIINFO' USING WS-MODE
           IF WS-MODE NOT = 4
              DISPLAY 'FAIL CGPIINFO 2 GAVE ' WS-MODE
              ADD 1 TO WS-FAILS
           END-IF
           IF WS-FAILS = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
