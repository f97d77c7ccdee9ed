      * The country services when the environment cannot be initialized:
      * a query for the current country displays the start-up line and
      * answers as for an unknown country; a named country is answered.
      * ENV OVLE_UNREACHABLE=OV-PIPI
      * EXPECT-RC 0
      * EXPECT-LINE Unable to Start Orvane CEE Emulation
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CTYSTART.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01 CTY                PIC X(2) VALUE SPACES.
       01 CUR                PIC X(4).
       01 PIC80              PIC X(80).
       PROCEDURE DIVISION.
           CALL 'CEE3MCS' USING CTY CUR FC
           IF CUR NOT = X'A4202020' OR FC-SEVERITY NOT = 2
              OR FC-MSG-NO NOT = 3463 OR NOT FC-FACILITY-CEE
              DISPLAY 'FAIL CEE3MCS for the current country'
              MOVE 1 TO RETURN-CODE
           END-IF
           MOVE 'us' TO CTY
           CALL 'CEEFMDA' USING CTY PIC80 FC
           IF PIC80 NOT = 'MM/DD/YY' OR NOT FC-SUCCESS
              DISPLAY 'FAIL CEEFMDA for us: ' PIC80(1:20)
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
