      *================================================================*
      * CENTURY-REPORT: a batch step as it ran on the mainframe. It    *
      * asks Language Environment for the century window, moves it,    *
      * and reports what each call returned.                           *
      *================================================================*
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CENTRPT.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  CENTURY-START           PIC S9(9) BINARY.
       01  CALLER-MODE             PIC S9(4) COMP-5.
       01  DISPLAY-NUM             PIC -(8)9.
       PROCEDURE DIVISION.
       MAIN-LINE.
           MOVE 2 TO CALLER-MODE
           CALL 'CGPIINFO' USING CALLER-MODE
           MOVE CALLER-MODE TO DISPLAY-NUM
           DISPLAY 'CGPIINFO CALLER CODE SET (3=ASCII 4=EBCDIC):'
                   DISPLAY-NUM
           CALL 'CEEQCEN' USING CENTURY-START FC
           PERFORM SHOW-RESULT
           MOVE 30 TO CENTURY-START
           CALL 'CEESCEN' USING CENTURY-START FC
           PERFORM SHOW-RESULT
           CALL 'CEEQCEN' USING CENTURY-START FC
           PERFORM SHOW-RESULT
           MOVE 101 TO CENTURY-START
           CALL 'CEESCEN' USING CENTURY-START FC
           PERFORM SHOW-RESULT
           MOVE 0 TO RETURN-CODE
           GOBACK.
       SHOW-RESULT.
           MOVE CENTURY-START TO DISPLAY-NUM
           IF FC-SUCCESS
              DISPLAY '  CENTURY WINDOW ' DISPLAY-NUM '  FC: SUCCESS'
           ELSE
              DISPLAY '  CENTURY WINDOW ' DISPLAY-NUM '  FC: '
                      FC-FACILITY-ID FC-MSG-NO ' SEVERITY '
                      FC-SEVERITY
           END-IF.
