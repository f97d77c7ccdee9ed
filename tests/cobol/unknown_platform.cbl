      * An operating-system type the library does not know: the first
      * service call displays "Unknown Platform" and stops the run unit.
      * ENV OVLE_OSTYPE=7
      * EXPECT-RC 16
      * EXPECT-LINE BEFORE
      * EXPECT-LINE Unknown Platform
       IDENTIFICATION DIVISION.
       PROGRAM-ID. UNKPLAT.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  WS-CEN                  PIC S9(9) BINARY.
       PROCEDURE DIVISION.
           DISPLAY 'BEFORE'
           CALL 'CEEQCEN' USING WS-CEN
           DISPLAY 'FAIL THE RUN UNIT WAS NOT STOPPED'
           MOVE 0 TO RETURN-CODE
           GOBACK.
