      * A migrated batch program with dirty data: VSTRING lengths
      * outside 0 to the maximum, items of stray bytes, a NaN, wild
      * pointers, OMITTED items and CALLs cut short. Every call comes
      * back; a feedback code passed holds a condition of the library
      * (CEE or OVX, instance bytes zero) or success; the guard bytes
      * between the items never change. Run under valgrind as well, a
      * short CALL shows any decision the library takes on an argument
      * that was not passed.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. HOSTILE.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
      * The items lie between guard bytes in one record, so that a
      * write beyond one of them shows.
       01  ITEMS.
           05  GUARD-1             PIC X(8).
           05  IN-DATE.
               10  IN-DATE-LEN     PIC X(2).
               10  IN-DATE-TXT     PIC X(80).
           05  GUARD-2             PIC X(8).
           05  IN-PIC.
               10  IN-PIC-LEN      PIC X(2).
               10  IN-PIC-TXT      PIC X(100).
           05  GUARD-3             PIC X(8).
           05  LILIAN              PIC S9(9) BINARY.
           05  LILIAN-X REDEFINES LILIAN PIC X(4).
           05  GUARD-4             PIC X(8).
           05  OUT-TEXT            PIC X(80).
           05  GUARD-5             PIC X(8).
           05  SECS                COMP-2.
           05  SECS-X REDEFINES SECS PIC X(8).
           05  GUARD-6             PIC X(8).
           05  PTR                 USAGE POINTER.
           05  PTR-X REDEFINES PTR PIC X(8).
           05  GUARD-7             PIC X(8).
           05  NUM                 PIC S9(9) BINARY.
           05  NUM-X REDEFINES NUM PIC X(4).
           05  GUARD-8             PIC X(8).
           05  TOKEN               PIC X(16).
           05  GUARD-9             PIC X(8).
           05  PARTS.
               10  PART            PIC S9(9) BINARY OCCURS 7.
           05  GUARD-10            PIC X(8).
       01  HALF                    PIC S9(4) BINARY.
       01  HALF-X REDEFINES HALF   PIC X(2).
       01  COUNTRY                 PIC X(2).
       01  WHAT                    PIC X(40).
       01  MUST-FAIL               PIC X.
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * VSTRING lengths -1, -32768 and 32767 with CEEDAYS and CEEDATE.
           PERFORM FRESH
           MOVE X'FFFF' TO IN-DATE-LEN
           MOVE '20070515' TO IN-DATE-TXT
           MOVE X'0008' TO IN-PIC-LEN
           MOVE 'YYYYMMDD' TO IN-PIC-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC LILIAN FC
           MOVE 'CEEDAYS date length -1' TO WHAT
           MOVE 'Y' TO MUST-FAIL
           PERFORM CHECK-CALL
           PERFORM FRESH
           MOVE X'7FFF' TO IN-DATE-LEN IN-PIC-LEN
           MOVE ALL '9' TO IN-DATE-TXT
           MOVE ALL 'Y' TO IN-PIC-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC LILIAN FC
           MOVE 'CEEDAYS lengths 32767' TO WHAT
           PERFORM CHECK-CALL
           PERFORM FRESH
           MOVE X'8000' TO IN-PIC-LEN
           MOVE X'FFFFFFFF' TO LILIAN-X
           CALL 'CEEDATE' USING LILIAN IN-PIC OUT-TEXT FC
           MOVE 'CEEDATE -1, picture length -32768' TO WHAT
           MOVE 'Y' TO MUST-FAIL
           PERFORM CHECK-CALL
      * Stray bytes: a timestamp of X'FF', Lilian seconds that are a
      * NaN, a token of X'A5'.
           PERFORM FRESH
           MOVE X'0050' TO IN-DATE-LEN
           MOVE ALL X'FF' TO IN-DATE-TXT
           MOVE X'000E' TO IN-PIC-LEN
           MOVE 'YYYYMMDDHHMISS' TO IN-PIC-TXT
           CALL 'CEESECS' USING IN-DATE IN-PIC SECS FC
           MOVE 'CEESECS timestamp of X''FF''' TO WHAT
           MOVE 'Y' TO MUST-FAIL
           PERFORM CHECK-CALL
           PERFORM FRESH
           MOVE ALL X'FF' TO SECS-X
           CALL 'CEEDATM' USING SECS IN-PIC OUT-TEXT FC
           MOVE 'CEEDATM of a NaN' TO WHAT
           MOVE 'Y' TO MUST-FAIL
           PERFORM CHECK-CALL
           PERFORM FRESH
           MOVE ALL X'FF' TO SECS-X
           CALL 'CEESDLOG' USING SECS FC SECS
           MOVE 'CEESDLOG of a NaN' TO WHAT
           PERFORM CHECK-CALL
           PERFORM FRESH
           MOVE ALL X'A5' TO TOKEN
           CALL 'CEEDCOD' USING TOKEN PART(1) PART(2) PART(3) PART(4)
                                PART(5) OUT-TEXT(1:3) OUT-TEXT(4:8) FC
           MOVE 'CEEDCOD of X''A5''' TO WHAT
           MOVE 'Y' TO MUST-FAIL
           PERFORM CHECK-CALL
      * Wild pointers and sizes to the storage services.
           PERFORM FRESH
           MOVE ALL X'A5' TO PTR-X
           CALL 'CEEFRST' USING PTR FC
           MOVE 'CEEFRST of a wild pointer' TO WHAT
           MOVE 'Y' TO MUST-FAIL
           PERFORM CHECK-CALL
           PERFORM FRESH
           MOVE ALL X'A5' TO PTR-X
           MOVE 64 TO NUM
           CALL 'CEECZST' USING PTR NUM FC
           MOVE 'CEECZST of a wild pointer' TO WHAT
           MOVE 'Y' TO MUST-FAIL
           PERFORM CHECK-CALL
           PERFORM FRESH
           MOVE 0 TO LILIAN
           MOVE X'FFFFFFFF' TO NUM-X
           CALL 'CEEGTST' USING LILIAN NUM PTR FC
           MOVE 'CEEGTST of size -1' TO WHAT
           MOVE 'Y' TO MUST-FAIL
           PERFORM CHECK-CALL
      * A country function and a message line out of range.
           PERFORM FRESH
           MOVE X'7FFFFFFF' TO NUM-X
           MOVE 'US' TO COUNTRY
           CALL 'CEE3CTY' USING NUM COUNTRY FC
           MOVE 'CEE3CTY function 2147483647' TO WHAT
           MOVE 'Y' TO MUST-FAIL
           PERFORM CHECK-CALL
           PERFORM FRESH
           MOVE X'7FFF' TO IN-PIC-LEN
           MOVE 'HOSTILE CALLER' TO IN-PIC-TXT
           MOVE X'7FFFFFFF' TO NUM-X
           CALL 'CEEMOUT' USING IN-PIC NUM FC
           MOVE 'CEEMOUT length 32767' TO WHAT
           MOVE 'Y' TO MUST-FAIL
           PERFORM CHECK-CALL
           MOVE X'FFFF' TO HALF-X
           CALL 'LESSOUTA' USING HALF HALF IN-PIC-TXT
      * OMITTED where an argument is required: the library's own
      * condition.
           PERFORM FRESH
           CALL 'CEEDAYS' USING IN-DATE OMITTED LILIAN FC
           MOVE 'CEEDAYS without a picture' TO WHAT
           PERFORM CHECK-OWN
           PERFORM FRESH
           CALL 'CEEDATE' USING OMITTED IN-PIC OUT-TEXT FC
           MOVE 'CEEDATE without a Lilian day' TO WHAT
           PERFORM CHECK-OWN
      * CALLs cut short: what was not passed is neither read nor
      * written, whatever the register or stack slot holds. The math
      * services take the feedback code before the result.
           PERFORM FRESH
           CALL 'CEESDSQT' USING SECS FC
           MOVE 'CEESDSQT without a result' TO WHAT
           PERFORM CHECK-OWN
           PERFORM FRESH
           MOVE X'0008' TO IN-DATE-LEN IN-PIC-LEN
           MOVE '20070515' TO IN-DATE-TXT
           MOVE 'YYYYMMDD' TO IN-PIC-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC
           CALL 'CEECBLDY' USING IN-DATE IN-PIC
           CALL 'CEEDATE' USING LILIAN
           CALL 'CEE3CTY' USING NUM
           CALL 'CEEGTST' USING LILIAN
           CALL 'CEEFRST' USING PTR
           CALL 'CEECRHP' USING NUM
           CALL 'CEEDCOD' USING TOKEN PART(1) PART(2) PART(3) PART(4)
                                PART(5)
           CALL 'CEENCOD' USING HALF HALF HALF HALF HALF
           CALL 'CEESECI' USING SECS PART(1) PART(2) PART(3) PART(4)
                                PART(5)
           CALL 'CEEISEC' USING PART(1) PART(2) PART(3) PART(4)
                                PART(5) PART(6) PART(7)
           CALL 'CEEMOUT' USING IN-PIC
           CALL 'CEESIMOD' USING NUM NUM
           MOVE 'CALLs cut short' TO WHAT
           IF FC NOT = ALL X'A5' PERFORM FAILED END-IF
           PERFORM CHECK-GUARDS
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
      * Guard bytes between the items, and a feedback code of garbage.
       FRESH.
           MOVE ALL X'A5' TO GUARD-1 GUARD-2 GUARD-3 GUARD-4 GUARD-5
                             GUARD-6 GUARD-7 GUARD-8 GUARD-9 GUARD-10
                             FC
           MOVE 'N' TO MUST-FAIL.
      * A well-formed answer: success (unless the call must fail) or a
      * condition of facility CEE or OVX, severity 1 to 4, no instance
      * data.
       CHECK-CALL.
           IF FC-SUCCESS
              IF MUST-FAIL = 'Y' PERFORM FAILED END-IF
           ELSE
              IF NOT (FC-WARNING OR FC-ERROR)
                 OR NOT (FC-FACILITY-CEE OR FC-FACILITY-OVX)
                 OR FC-ISI NOT = LOW-VALUES
                 PERFORM FAILED
              END-IF
           END-IF
           PERFORM CHECK-GUARDS.
      * The library's own condition: severity 4, message 9999, OVX.
       CHECK-OWN.
           IF FC-SEVERITY NOT = 4 OR FC-MSG-NO NOT = 9999
              OR FC-CASE-SEV-CTL NOT = X'60' OR NOT FC-FACILITY-OVX
              OR FC-ISI NOT = LOW-VALUES
              PERFORM FAILED
           END-IF
           PERFORM CHECK-GUARDS.
       CHECK-GUARDS.
           IF GUARD-1 NOT = ALL X'A5' OR GUARD-2 NOT = ALL X'A5'
              OR GUARD-3 NOT = ALL X'A5' OR GUARD-4 NOT = ALL X'A5'
              OR GUARD-5 NOT = ALL X'A5' OR GUARD-6 NOT = ALL X'A5'
              OR GUARD-7 NOT = ALL X'A5' OR GUARD-8 NOT = ALL X'A5'
              OR GUARD-9 NOT = ALL X'A5' OR GUARD-10 NOT = ALL X'A5'
              DISPLAY 'FAIL ' WHAT ': guard bytes changed'
              ADD 1 TO FAILURES
           END-IF.
       FAILED.
           DISPLAY 'FAIL ' WHAT ': ' FC-SEVERITY ' ' FC-MSG-NO
           ADD 1 TO FAILURES.
