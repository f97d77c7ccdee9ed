      *================================================================*
      * FEEDBACK-CODES: the check a migration team runs on a new       *
      * platform: each service is given a request it must refuse, and  *
      * the feedback code it returns is taken apart with CEEDCOD into  *
      * severity, message number, case, control and facility, and      *
      * named by its symbol from copybook OVLECOND. The parts are      *
      * COMP-5 halfwords.                                              *
      *================================================================*
       IDENTIFICATION DIVISION.
       PROGRAM-ID. FCDECODE.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLECOND.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLEFC REPLACING ==:FC:== BY ==DC-FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==40==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-PIC== ==:N:== BY ==40==.
       01  LILIAN                  PIC S9(9) COMP-5.
       01  WEEKDAY                 PIC S9(9) COMP-5.
       01  CEN-START               PIC S9(9) COMP-5.
       01  HEAP-ID                 PIC S9(9) COMP-5.
       01  FUNC                    PIC S9(9) COMP-5.
       01  COUNTRY                 PIC X(2).
       01  X-VALUE                 COMP-2.
       01  RESULT                  COMP-2.
       01  PARTS.
           05  P-SEVERITY          PIC S9(4) COMP-5.
           05  P-MSG-NO            PIC S9(4) COMP-5.
           05  P-CASE              PIC S9(4) COMP-5.
           05  P-SEV2              PIC S9(4) COMP-5.
           05  P-CONTROL           PIC S9(4) COMP-5.
       01  P-FACILITY              PIC X(3).
       01  P-ISI                   PIC X(8).
       01  SERVICE                 PIC X(9).
       01  REQUEST                 PIC X(30).
       01  SYMBOL                  PIC X(8).
       01  MEANING                 PIC X(30).
       01  SHOW-SEV                PIC 9.
       01  SHOW-MSG                PIC ZZZ9.
       01  SHOW-CASE               PIC 9.
       01  SHOW-CTL                PIC 9.
       PROCEDURE DIVISION.
       MAIN-LINE.
           DISPLAY 'SERVICE  REQUEST                       SEV M'
                   'SG CASE CTL FAC SYMBOL   MEANING'
           MOVE 'YYYY-MM-DD' TO IN-PIC-TXT
           MOVE 10 TO IN-PIC-LEN
           MOVE 10 TO IN-DATE-LEN
           MOVE '2026-12-05' TO IN-DATE-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC LILIAN FC
           MOVE 'CEEDAYS' TO SERVICE
           MOVE '2026-12-05 as YYYY-MM-DD' TO REQUEST
           PERFORM SHOW-FEEDBACK
           MOVE '2026-02-30' TO IN-DATE-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC LILIAN FC
           MOVE '2026-02-30 as YYYY-MM-DD' TO REQUEST
           PERFORM SHOW-FEEDBACK
           MOVE '1582-10-14' TO IN-DATE-TXT
           CALL 'CEEDAYS' USING IN-DATE IN-PIC LILIAN FC
           MOVE '1582-10-14 as YYYY-MM-DD' TO REQUEST
           PERFORM SHOW-FEEDBACK
           MOVE 'NEXT FRIDAY' TO IN-DATE-TXT
           MOVE 11 TO IN-DATE-LEN
           MOVE 'ZZZZ' TO IN-PIC-TXT
           MOVE 4 TO IN-PIC-LEN
           CALL 'CEEDAYS' USING IN-DATE IN-PIC LILIAN FC
           MOVE 'NEXT FRIDAY as ZZZZ' TO REQUEST
           PERFORM SHOW-FEEDBACK
           MOVE 0 TO LILIAN
           CALL 'CEEDYWK' USING LILIAN WEEKDAY FC
           MOVE 'CEEDYWK' TO SERVICE
           MOVE 'Lilian day 0' TO REQUEST
           PERFORM SHOW-FEEDBACK
           MOVE 101 TO CEN-START
           CALL 'CEESCEN' USING CEN-START FC
           MOVE 'CEESCEN' TO SERVICE
           MOVE 'window of 101 years back' TO REQUEST
           PERFORM SHOW-FEEDBACK
           MOVE 42 TO HEAP-ID
           CALL 'CEEDSHP' USING HEAP-ID FC
           MOVE 'CEEDSHP' TO SERVICE
           MOVE 'discard heap 42, never made' TO REQUEST
           PERFORM SHOW-FEEDBACK
           MOVE 1 TO FUNC
           MOVE 'ZZ' TO COUNTRY
           CALL 'CEE3CTY' USING FUNC COUNTRY FC
           MOVE 'CEE3CTY' TO SERVICE
           MOVE 'set country ZZ' TO REQUEST
           PERFORM SHOW-FEEDBACK
           MOVE -1 TO X-VALUE
           CALL 'CEESDLOG' USING X-VALUE FC RESULT
           MOVE 'CEESDLOG' TO SERVICE
           MOVE 'logarithm of -1' TO REQUEST
           PERFORM SHOW-FEEDBACK
           MOVE -4 TO X-VALUE
           CALL 'CEESDSQT' USING X-VALUE FC RESULT
           MOVE 'CEESDSQT' TO SERVICE
           MOVE 'square root of -4' TO REQUEST
           PERFORM SHOW-FEEDBACK
           CALL 'CEEHDLR' USING OMITTED OMITTED FC
           MOVE 'CEEHDLR' TO SERVICE
           MOVE 'register a condition handler' TO REQUEST
           PERFORM SHOW-FEEDBACK
           MOVE 0 TO RETURN-CODE
           GOBACK.
      * The feedback code taken apart by CEEDCOD; CEEDCOD's own
      * feedback code says whether the token was well formed.
       SHOW-FEEDBACK.
           IF FC-SUCCESS
              DISPLAY SERVICE REQUEST ' success: sixteen X''00'' bytes'
           ELSE
              CALL 'CEEDCOD' USING FC P-SEVERITY P-MSG-NO P-CASE
                   P-SEV2 P-CONTROL P-FACILITY P-ISI DC-FC
              PERFORM NAME-CONDITION
              MOVE P-SEVERITY TO SHOW-SEV
              MOVE P-MSG-NO TO SHOW-MSG
              MOVE P-CASE TO SHOW-CASE
              MOVE P-CONTROL TO SHOW-CTL
              DISPLAY SERVICE REQUEST ' ' SHOW-SEV ' ' SHOW-MSG
                      '    ' SHOW-CASE '   ' SHOW-CTL ' ' P-FACILITY
                      ' ' SYMBOL ' ' FUNCTION TRIM(MEANING TRAILING)
           END-IF.
       NAME-CONDITION.
           EVALUATE FC(1:8)
              WHEN CEE2EC   MOVE 'CEE2EC' TO SYMBOL
                            MOVE 'no such date' TO MEANING
              WHEN CEE2EH   MOVE 'CEE2EH' TO SYMBOL
                            MOVE 'date outside the calendar' TO MEANING
              WHEN CEE2EM   MOVE 'CEE2EM' TO SYMBOL
                            MOVE 'picture holds no date' TO MEANING
              WHEN CEE2EO   MOVE 'CEE2EO' TO SYMBOL
                            MOVE 'digits expected' TO MEANING
              WHEN CEE2EG   MOVE 'CEE2EG' TO SYMBOL
                            MOVE 'Lilian day out of range' TO MEANING
              WHEN OVX9OF-3 MOVE 'OVX9OF-3' TO SYMBOL
                            MOVE 'century window refused' TO MEANING
              WHEN CEE0P3   MOVE 'CEE0P3' TO SYMBOL
                            MOVE 'no heap of that ID' TO MEANING
              WHEN CEE3C0   MOVE 'CEE3C0' TO SYMBOL
                            MOVE 'country code refused' TO MEANING
              WHEN CEE1US   MOVE 'CEE1US' TO SYMBOL
                            MOVE 'logarithm of x <= 0' TO MEANING
              WHEN CEE1UQ   MOVE 'CEE1UQ' TO SYMBOL
                            MOVE 'square root of x < 0' TO MEANING
              WHEN OVX9OF-4 MOVE 'OVX9OF-4' TO SYMBOL
                            MOVE 'not in this library' TO MEANING
              WHEN OTHER    MOVE '?' TO SYMBOL
                            MOVE 'not in this list' TO MEANING
           END-EVALUATE
           IF NOT DC-FC-SUCCESS
              MOVE 'CEEDCOD refused the token' TO MEANING
           END-IF.
