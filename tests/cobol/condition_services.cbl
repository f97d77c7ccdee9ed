      * The condition family seen from an ASCII COBOL caller: CEENCOD
      * and CEEDCOD, CEEMOUT to a named output, the services that exist
      * by name only, and feedback codes compared with the symbolic
      * names of copybook OVLECOND.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CONDSVC.
       ENVIRONMENT DIVISION.
       INPUT-OUTPUT SECTION.
       FILE-CONTROL.
           SELECT MSG-FILE ASSIGN TO MSG-PATH
               ORGANIZATION LINE SEQUENTIAL
               FILE STATUS IS MSG-STATUS.
       DATA DIVISION.
       FILE SECTION.
       FD  MSG-FILE.
       01  MSG-RECORD              PIC X(200).
       WORKING-STORAGE SECTION.
       01  OV-LE-EXTERNAL EXTERNAL PIC X(18771).
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLECOND.
       COPY OVLEVSTR REPLACING ==:V:== BY ==MSG== ==:N:== BY ==200==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==20==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==20==.
       01  C-1                     PIC S9(4) BINARY.
       01  MSGNO                   PIC S9(4) BINARY.
       01  CASE-1                  PIC S9(4) BINARY.
       01  SEV                     PIC S9(4) BINARY.
       01  CNTRL                   PIC S9(4) BINARY.
       01  FACID                   PIC X(3).
       01  ISI                     PIC X(8).
       01  NEW-TOKEN               PIC X(16).
       01  OLD-TOKEN               PIC X(16).
       01  DEST                    PIC S9(9) BINARY.
       01  CEN                     PIC S9(9) BINARY.
       01  LILIAN                  PIC S9(9) BINARY.
       01  X-IN                    COMP-2.
       01  X-OUT                   COMP-2.
       01  POISON                  PIC X(80).
       01  POISON-2                PIC X(80).
       01  POISON-3                PIC X(80).
       01  SAVED                   PIC X(240).
       01  PID                     PIC 9(9).
       01  MSG-PATH                PIC X(40).
       01  MSG-STATUS              PIC XX.
      * By parameter count: 9 with one, 7 with two, 2 with three.
       01  SERVICE-NAMES.
           05  PIC X(32) VALUE 'CEE3GRC CEE3GRN CEE3SRC CEE3SRP '.
           05  PIC X(32) VALUE 'CEEHDLU CEEMRCR CEE3RPH CEEITOK '.
           05  PIC X(32) VALUE 'CEETEST CEE3CIB CEE3DMP CEEHDLR '.
           05  PIC X(32) VALUE 'CEE3SPM CEEGQDT CEEMSG  CEESGL  '.
           05  PIC X(16) VALUE 'CEECMI  CEEMGET '.
       01  FILLER REDEFINES SERVICE-NAMES.
           05  SERVICE             PIC X(8) OCCURS 18.
       01  I                       PIC 99.
       01  WHAT                    PIC X(30).
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * CEENCOD builds the token of severity 2, message 3461; CEEDCOD
      * takes it apart again.
           MOVE 2 TO C-1 SEV
           MOVE 3461 TO MSGNO
           MOVE 1 TO CASE-1 CNTRL
           MOVE 'CEE' TO FACID
           MOVE 'INSTANCE' TO ISI
           MOVE ALL X'A5' TO FC
           CALL 'CEENCOD' USING C-1 MSGNO CASE-1 SEV CNTRL FACID ISI
                                NEW-TOKEN FC
           MOVE 'CEENCOD 3461' TO WHAT
           IF NOT FC-SUCCESS OR FC(1:8) NOT = CEE000
              OR NEW-TOKEN(1:5) NOT = X'00020D8551'
              OR NEW-TOKEN(6:11) NOT = 'CEEINSTANCE'
              OR FACID NOT = 'CEE'
              PERFORM FAILED
           END-IF
           MOVE ZERO TO C-1 MSGNO CASE-1 SEV CNTRL
           MOVE SPACES TO FACID ISI
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           MOVE 'CEEDCOD 3461' TO WHAT
           IF NOT FC-SUCCESS OR C-1 NOT = 2 OR MSGNO NOT = 3461
              OR CASE-1 NOT = 1 OR SEV NOT = 2 OR CNTRL NOT = 1
              OR FACID NOT = 'CEE' OR ISI NOT = 'INSTANCE'
              PERFORM FAILED
           END-IF
      * Case 2 fails first; a special character fails the facility
      * test; the token is left as it was.
           MOVE NEW-TOKEN TO OLD-TOKEN
           MOVE 2 TO CASE-1
           CALL 'CEENCOD' USING C-1 MSGNO CASE-1 SEV CNTRL FACID ISI
                                NEW-TOKEN FC
           MOVE 'CEENCOD case 2' TO WHAT
           IF FC(1:8) NOT = CEE0CH OR NEW-TOKEN NOT = OLD-TOKEN
              PERFORM FAILED
           END-IF
           MOVE 1 TO CASE-1
           MOVE 4 TO SEV
           MOVE 0 TO CNTRL
           MOVE 'C-E' TO FACID
           CALL 'CEENCOD' USING C-1 MSGNO CASE-1 SEV CNTRL FACID ISI
                                NEW-TOKEN FC
           MOVE 'CEENCOD facility C-E' TO WHAT
           IF FC(1:8) NOT = CEE0CK OR NEW-TOKEN NOT = OLD-TOKEN
              PERFORM FAILED
           END-IF
      * A digit passes CEENCOD's test but not CEEDCOD's.
           MOVE 'A1Z' TO FACID
           CALL 'CEENCOD' USING C-1 MSGNO CASE-1 SEV CNTRL FACID ISI
                                NEW-TOKEN FC
           MOVE 'CEENCOD facility A1Z' TO WHAT
           IF NOT FC-SUCCESS OR NEW-TOKEN(1:5) NOT = X'00040D8560'
              OR NEW-TOKEN(6:3) NOT = 'A1Z'
              PERFORM FAILED
           END-IF
           MOVE 0 TO SEV
           MOVE SPACES TO FACID
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           MOVE 'CEEDCOD facility A1Z' TO WHAT
           IF FC(1:8) NOT = CEE0CK OR SEV NOT = 0 OR FACID NOT = SPACES
              PERFORM FAILED
           END-IF
      * Severity 7 and a bad facility: the later check wins.
           MOVE X'0007000159' TO NEW-TOKEN(1:5)
           MOVE '1AB' TO NEW-TOKEN(6:3)
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           MOVE 'CEEDCOD severity 7, 1AB' TO WHAT
           IF FC(1:8) NOT = CEE0CK PERFORM FAILED END-IF
           MOVE 'ABC' TO NEW-TOKEN(6:3)
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           MOVE 'CEEDCOD severity 7' TO WHAT
           IF FC(1:8) NOT = CEE0CJ PERFORM FAILED END-IF
      * The all-zero token, and the library's own condition.
           MOVE LOW-VALUES TO NEW-TOKEN
           MOVE 9 TO CASE-1 CNTRL SEV
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           MOVE 'CEEDCOD zero token' TO WHAT
           IF NOT FC-SUCCESS OR CASE-1 NOT = 1 OR SEV NOT = 0
              OR CNTRL NOT = 0 OR FACID NOT = LOW-VALUES
              PERFORM FAILED
           END-IF
           CALL 'CEE3GRC' USING CEN NEW-TOKEN
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           MOVE 'CEEDCOD OVX9999' TO WHAT
           IF NOT FC-SUCCESS OR SEV NOT = 4 OR MSGNO NOT = 9999
              OR CNTRL NOT = 0 OR FACID NOT = 'OVX'
              PERFORM FAILED
           END-IF
      * The argument list cut short: nothing is written.
           MOVE 77 TO C-1
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID
           MOVE 'CEEDCOD short' TO WHAT
           IF C-1 NOT = 77 PERFORM FAILED END-IF
      * Symbolic names of conditions from other families.
           MOVE 10 TO IN-DATE-LEN PICSTR-LEN
           MOVE '2007-02-30' TO IN-DATE-TXT
           MOVE 'YYYY-MM-DD' TO PICSTR-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           MOVE 'CEEDAYS 2007-02-30' TO WHAT
           IF FC(1:8) NOT = CEE2EC PERFORM FAILED END-IF
           MOVE -1 TO X-IN
           CALL 'CEESDSQT' USING X-IN FC X-OUT
           MOVE 'CEESDSQT -1' TO WHAT
           IF FC(1:8) NOT = CEE1UQ PERFORM FAILED END-IF
           MOVE 101 TO CEN
           CALL 'CEESCEN' USING CEN FC
           MOVE 'CEESCEN 101' TO WHAT
           IF FC(1:8) NOT = OVX9OF-3 PERFORM FAILED END-IF
      * CEEMOUT: only destination 2; a named output gets each line.
           MOVE 3 TO DEST
           MOVE 5 TO MSG-LEN
           MOVE 'HELLO' TO MSG-TXT
           CALL 'CEEMOUT' USING MSG DEST FC
           MOVE 'CEEMOUT 3' TO WHAT
           IF FC(1:8) NOT = CEE0E3 PERFORM FAILED END-IF
           CALL 'C$GETPID' RETURNING PID
           STRING 'ceemout_' PID '.txt' DELIMITED BY SIZE
               INTO MSG-PATH
           DISPLAY 'DD_MSGS' UPON ENVIRONMENT-NAME
           DISPLAY MSG-PATH UPON ENVIRONMENT-VALUE
           MOVE X'D4E2C7E240404040' TO OV-LE-EXTERNAL(694:8)
           MOVE 2 TO DEST
           MOVE 10 TO MSG-LEN
           MOVE 'FIRST LINE' TO MSG-TXT
           CALL 'CEEMOUT' USING MSG DEST FC
           MOVE 'CEEMOUT first' TO WHAT
           IF NOT FC-SUCCESS PERFORM FAILED END-IF
           MOVE 130 TO MSG-LEN
           MOVE ALL 'x' TO MSG-TXT
           CALL 'CEEMOUT' USING MSG DEST
           MOVE LOW-VALUES TO OV-LE-EXTERNAL(694:8)
           OPEN INPUT MSG-FILE
           READ MSG-FILE END-READ
           MOVE 'CEEMOUT line 1' TO WHAT
           IF MSG-STATUS NOT = '00' OR MSG-RECORD NOT = 'FIRST LINE'
              PERFORM FAILED
           END-IF
           READ MSG-FILE END-READ
           MOVE 'CEEMOUT line 2' TO WHAT
           IF MSG-STATUS NOT = '00' OR MSG-RECORD(1:121) NOT = ALL 'x'
              OR MSG-RECORD(122:) NOT = SPACES
              PERFORM FAILED
           END-IF
           READ MSG-FILE END-READ
           MOVE 'CEEMOUT two lines' TO WHAT
           IF MSG-STATUS NOT = '10' PERFORM FAILED END-IF
           CLOSE MSG-FILE
           CALL 'CBL_DELETE_FILE' USING MSG-PATH
      * The services that exist by name only write the library's own
      * condition and nothing else.
           MOVE X'0050' TO POISON(1:2)
           MOVE 'Poisoned buffer: abc XYZ 0123 !#$%' TO POISON(3:)
           MOVE 'second buffer {with} [brackets]' TO POISON-2
           MOVE ALL X'8A' TO POISON-3
           MOVE POISON TO SAVED(1:80)
           MOVE POISON-2 TO SAVED(81:80)
           MOVE POISON-3 TO SAVED(161:80)
           PERFORM VARYING I FROM 1 BY 1 UNTIL I > 18
              MOVE SERVICE(I) TO WHAT
              EVALUATE I
                 WHEN 1 THRU 9
                    CALL SERVICE(I) USING POISON FC
                 WHEN 10 THRU 16
                    CALL SERVICE(I) USING POISON POISON-2 FC
                 WHEN OTHER
                    CALL SERVICE(I) USING POISON POISON-2 POISON-3 FC
              END-EVALUATE
              PERFORM CHECK-FIXED
           END-PERFORM
           CALL 'ceemget' USING POISON POISON-2 POISON-3 OMITTED
           CALL 'CEEMSG' USING POISON POISON-2
           MOVE 'FC left off' TO WHAT
           PERFORM CHECK-FIXED
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
       CHECK-FIXED.
           IF FC(1:8) NOT = OVX9OF-4 OR FC-ISI NOT = LOW-VALUES
              OR POISON NOT = SAVED(1:80)
              OR POISON-2 NOT = SAVED(81:80)
              OR POISON-3 NOT = SAVED(161:80)
              PERFORM FAILED
           END-IF.
       FAILED.
           DISPLAY 'FAIL ' WHAT ': ' FC-SEVERITY ' ' FC-MSG-NO ' '
                   FC-FACILITY-ID
           ADD 1 TO FAILURES.
