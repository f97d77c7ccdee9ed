      * CEEMOUT's line on SYSOUT, then CEE3ABD: the abend line between
      * two blank lines and the end of the run unit with return code
      * 65,536 + 5, which the shell sees as 5.
      * EXPECT-RC 5
      * EXPECT-LINE BEFORE
      * EXPECT-LINE A MESSAGE FOR SYSOUT
      * EXPECT-LINE CEE3ABD: ABEND U(0005)
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CONDABD.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==MSG== ==:N:== BY ==40==.
       01  DEST                    PIC S9(9) BINARY VALUE 2.
       01  ABEND-CODE              PIC S9(9) BINARY VALUE 4101.
       01  TIMING                  PIC S9(9) BINARY VALUE 1.
       PROCEDURE DIVISION.
           DISPLAY 'BEFORE'
           MOVE 20 TO MSG-LEN
           MOVE 'A MESSAGE FOR SYSOUT' TO MSG-TXT
           CALL 'CEEMOUT' USING MSG DEST FC
           IF NOT FC-SUCCESS DISPLAY 'FAIL CEEMOUT' END-IF
           CALL 'CEE3ABD' USING ABEND-CODE TIMING
           DISPLAY 'FAIL THE RUN UNIT WAS NOT STOPPED'
           MOVE 0 TO RETURN-CODE
           GOBACK.
