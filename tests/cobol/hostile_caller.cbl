      * A migrated batch program with dirty data: VSTRING lengths out
      * of range, stray bytes, a NaN, a wild pointer, OMITTED items and
      * CALLs cut short. Every call comes back with success or a
      * condition of the library in the feedback code (the C sweep
      * checks every entry's writes against guard pages). Under
      * valgrind, a short CALL shows any decision taken on an argument
      * that was not passed.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. HOSTILE.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  IN-DATE.
           05  IN-DATE-LEN         PIC X(2).
           05  IN-DATE-TXT         PIC X(80).
       01  IN-PIC.
           05  IN-PIC-LEN          PIC X(2).
           05  IN-PIC-TXT          PIC X(100).
       01  NUM                     PIC S9(9) BINARY.
       01  OUT-TEXT                PIC X(80).
       01  SECS                    COMP-2.
       01  SECS-X REDEFINES SECS   PIC X(8).
       01  PTR                     USAGE POINTER.
       01  PTR-X REDEFINES PTR     PIC X(8).
       01  PARTS.
           05  PART                PIC S9(9) BINARY OCCURS 7.
       01  HALF                    PIC S9(4) BINARY VALUE -1.
       01  WHAT                    PIC X(40).
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * VSTRING lengths -1, 32767 and -32768; the feedback code garbage.
           MOVE ALL X'A5' TO FC
           MOVE X'FFFF' TO IN-DATE-LEN
           MOVE X'0008' TO IN-PIC-LEN
           MOVE 'YYYYMMDD' TO IN-PIC-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC NUM FC
           MOVE 'CEEDAYS date length -1' TO WHAT PERFORM FAILS
           MOVE X'7FFF' TO IN-DATE-LEN IN-PIC-LEN
           MOVE ALL '9' TO IN-DATE-TXT
           MOVE ALL 'Y' TO IN-PIC-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC NUM FC
           MOVE 'CEEDAYS lengths 32767' TO WHAT PERFORM ANSWERS
           MOVE X'8000' TO IN-PIC-LEN
           MOVE -1 TO NUM
           CALL 'CEEDATE' USING NUM IN-PIC OUT-TEXT FC
           MOVE 'CEEDATE -1, picture length -32768' TO WHAT
           PERFORM FAILS
      * Stray bytes: Lilian seconds that are a NaN, a timestamp of
      * X'FF', a wild pointer; a message length of 32767.
           MOVE X'0050' TO IN-DATE-LEN
           MOVE ALL X'FF' TO IN-DATE-TXT SECS-X
           MOVE X'000E' TO IN-PIC-LEN
           MOVE 'YYYYMMDDHHMISS' TO IN-PIC-TXT
           CALL 'CEEDATM' USING SECS IN-PIC OUT-TEXT FC
           MOVE 'CEEDATM of a NaN' TO WHAT PERFORM FAILS
           CALL 'CEESECS' USING IN-DATE IN-PIC SECS FC
           MOVE 'CEESECS timestamp of X''FF''' TO WHAT PERFORM FAILS
           MOVE ALL X'A5' TO PTR-X
           CALL 'CEEFRST' USING PTR FC
           MOVE 'CEEFRST of a wild pointer' TO WHAT PERFORM FAILS
           MOVE X'7FFF' TO IN-PIC-LEN
           CALL 'CEEMOUT' USING IN-PIC NUM FC
           MOVE 'CEEMOUT length 32767' TO WHAT PERFORM FAILS
           CALL 'LESSOUTA' USING HALF HALF IN-PIC-TXT
      * A required argument OMITTED, and CALLs cut short: what was not
      * passed is neither read nor written, whatever the register or
      * stack slot holds; the library's own condition comes back.
           CALL 'CEEDATE' USING OMITTED IN-PIC OUT-TEXT FC
           MOVE 'CEEDATE without a Lilian day' TO WHAT PERFORM OWN
           CALL 'CEESDSQT' USING SECS FC
           MOVE 'CEESDSQT without a result' TO WHAT PERFORM OWN
           MOVE X'0008' TO IN-DATE-LEN IN-PIC-LEN
           MOVE '20070515' TO IN-DATE-TXT
           MOVE 'YYYYMMDD' TO IN-PIC-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC
           CALL 'CEEDATE' USING NUM
           CALL 'CEEGTST' USING NUM
           CALL 'CEEDCOD' USING OUT-TEXT PART(1) PART(2) PART(3)
                                PART(4) PART(5)
           CALL 'CEENCOD' USING HALF HALF HALF HALF HALF
           CALL 'CEEISEC' USING PART(1) PART(2) PART(3) PART(4)
                                PART(5) PART(6) PART(7)
           CALL 'CEEMOUT' USING IN-PIC
           CALL 'CEESIMOD' USING NUM NUM
           MOVE 'CALLs cut short' TO WHAT
           IF FC NOT = ALL X'A5' PERFORM FAILED END-IF
           COMPUTE RETURN-CODE = FUNCTION MIN(FAILURES, 1)
           GOBACK.
       FAILS.
           IF FC-SUCCESS PERFORM FAILED END-IF
           PERFORM ANSWERS.
      * A well-formed answer: success or a condition of facility CEE or
      * OVX, severity 1 to 4, no instance data.
       ANSWERS.
           IF NOT FC-SUCCESS AND (NOT (FC-WARNING OR FC-ERROR)
              OR NOT (FC-FACILITY-CEE OR FC-FACILITY-OVX)
              OR FC-ISI NOT = LOW-VALUES)
              PERFORM FAILED
           END-IF
           MOVE ALL X'A5' TO FC.
      * The library's own condition: severity 4, message 9999, OVX.
       OWN.
           IF FC-SEVERITY NOT = 4 OR FC-MSG-NO NOT = 9999
              OR FC-CASE-SEV-CTL NOT = X'60' OR NOT FC-FACILITY-OVX
              OR FC-ISI NOT = LOW-VALUES
              PERFORM FAILED
           END-IF
           MOVE ALL X'A5' TO FC.
       FAILED.
           DISPLAY 'FAIL ' WHAT ': ' FC-SEVERITY ' ' FC-MSG-NO
           ADD 1 TO FAILURES.
