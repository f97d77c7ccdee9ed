      * The condition family from an ASCII COBOL caller: CEENCOD and
      * CEEDCOD, CEEMOUT to a named output and to SYSOUT, the services
      * that exist by name only, called by a data name; CEE3ABD stops
      * the run with 65,536 + 5: the shell sees status 5.
      * EXPECT-RC 5
      * EXPECT-LINE A MESSAGE FOR SYSOUT
      * EXPECT-LINE CEE3ABD: ABEND U(0005)
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CONDSVC.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT MSG-FILE ASSIGN TO MSG-PATH ORGANIZATION LINE
               SEQUENTIAL FILE STATUS IS MSG-STATUS.
       DATA DIVISION.
       FILE SECTION.
       FD  MSG-FILE.
       01  MSG-RECORD              PIC X(200).
       WORKING-STORAGE SECTION.
       01  OV-LE-EXTERNAL EXTERNAL PIC X(18771).
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLECOND.
       COPY OVLEVSTR REPLACING ==:V:== BY ==MSG== ==:N:== BY ==200==.
       01  C-1                     PIC S9(4) BINARY VALUE 2.
       01  MSGNO                   PIC S9(4) BINARY VALUE 3461.
       01  CASE-1                  PIC S9(4) BINARY VALUE 1.
       01  SEV                     PIC S9(4) BINARY VALUE 2.
       01  CNTRL                   PIC S9(4) BINARY VALUE 1.
       01  FACID                   PIC X(3) VALUE 'CEE'.
       01  ISI                     PIC X(8) VALUE 'INSTANCE'.
       01  NEW-TOKEN               PIC X(16).
       01  DEST                    PIC S9(9) BINARY VALUE 2.
       01  CEN                     PIC S9(9) BINARY VALUE 101.
       01  ABEND-CODE              PIC S9(9) BINARY VALUE 4101.
       01  POISON                  PIC X(80) VALUE X'0050'.
       01  PID                     PIC 9(9).
       01  MSG-PATH                PIC X(40).
       01  MSG-STATUS              PIC XX.
       01  SERVICE-NAMES           PIC X(32) VALUE
           'CEE3GRC CEEITOK CEETEST CEE3RPH '.
       01  I                       PIC 99.
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           CALL 'CEENCOD' USING C-1 MSGNO CASE-1 SEV CNTRL FACID ISI
                                NEW-TOKEN FC
           IF FC(1:8) NOT = CEE000 OR NEW-TOKEN NOT =
              X'00020D8551' & 'CEEINSTANCE' OR FACID NOT = 'CEE'
              DISPLAY 'FAIL CEENCOD' ADD 1 TO FAILURES
           END-IF
           MOVE ZERO TO C-1 MSGNO SEV CNTRL
           MOVE SPACES TO FACID ISI
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           IF NOT FC-SUCCESS OR C-1 NOT = 2 OR MSGNO NOT = 3461
              OR SEV NOT = 2 OR CNTRL NOT = 1 OR FACID NOT = 'CEE'
              OR ISI NOT = 'INSTANCE'
              DISPLAY 'FAIL CEEDCOD' ADD 1 TO FAILURES
           END-IF
      * A named output gets each line, blank-padded to 121.
           CALL 'C$GETPID' RETURNING PID
           STRING 'ceemout_' PID '.txt' DELIMITED BY SIZE INTO MSG-PATH
           DISPLAY 'DD_MSGS' UPON ENVIRONMENT-NAME
           DISPLAY MSG-PATH UPON ENVIRONMENT-VALUE
           MOVE X'D4E2C7E240404040' TO OV-LE-EXTERNAL(694:8)
           MOVE 130 TO MSG-LEN
           MOVE ALL 'x' TO MSG-TXT
           CALL 'CEEMOUT' USING MSG DEST
           MOVE LOW-VALUES TO OV-LE-EXTERNAL(694:8)
           OPEN INPUT MSG-FILE
           READ MSG-FILE END-READ
           IF MSG-STATUS NOT = '00' OR MSG-RECORD(1:121) NOT = ALL 'x'
              OR MSG-RECORD(122:) NOT = SPACES
              DISPLAY 'FAIL CEEMOUT to MSGS' ADD 1 TO FAILURES
           END-IF
           CLOSE MSG-FILE
           CALL 'CBL_DELETE_FILE' USING MSG-PATH
      * Services that exist by name only, called by a data name and
      * with the feedback code OMITTED: only the feedback code written.
           PERFORM VARYING I FROM 1 BY 8 UNTIL I > 25
              CALL SERVICE-NAMES(I:8) USING POISON FC
              IF FC(1:8) NOT = OVX9OF-4 OR POISON NOT = X'0050'
                 DISPLAY 'FAIL ' SERVICE-NAMES(I:8) ADD 1 TO FAILURES
              END-IF
           END-PERFORM
           CALL 'ceemget' USING NEW-TOKEN POISON CEN OMITTED
           IF POISON NOT = X'0050' OR CEN NOT = 101
              DISPLAY 'FAIL ceemget' ADD 1 TO FAILURES
           END-IF
           IF FAILURES NOT = 0
              MOVE 1 TO RETURN-CODE
              GOBACK
           END-IF
           MOVE 20 TO MSG-LEN
           MOVE 'A MESSAGE FOR SYSOUT' TO MSG-TXT
           CALL 'CEEMOUT' USING MSG DEST FC
           CALL 'CEE3ABD' USING ABEND-CODE CEN
           DISPLAY 'FAIL THE RUN UNIT WAS NOT STOPPED'
           GOBACK.
