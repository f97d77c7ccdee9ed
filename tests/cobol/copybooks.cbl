      *> The callers' copybooks COPYed as a program would, read the
      *> same in fixed and free format; and the service frame as a
      *> COBOL caller sees it: the feedback code present or OMITTED, a
      *> required argument OMITTED, a lower-case CALL name.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. COPYBOOKS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  OV-LE-EXTERNAL EXTERNAL PIC X(18771).
       COPY OVLEAPI.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLECOND.
       COPY OVLECNDE REPLACING LEADING ==CEE== BY ==E-CEE==
                               LEADING ==OVX== BY ==E-OVX==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==80==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==100==.
       01  LILIAN                    TYPE OVLE-INT4.
       01  CEN                       TYPE OVLE-INT4.
       01  IRESULT                   TYPE OVLE-INT4.
       01  X                         TYPE OVLE-FLOAT8.
       01  ROOT                      TYPE OVLE-FLOAT8.
       01  XS                        TYPE OVLE-FLOAT4.
       01  ROOTS                     TYPE OVLE-FLOAT4.
       01  CODESET-QUERY             TYPE OVLE-NATIVE2.
       01  HALFWORD                  TYPE OVLE-INT2.
       01  FULLWORD                  TYPE OVLE-NATIVE4.
       01  TOKEN                     TYPE OVLE-FC.
       01  WHAT                      PIC X(30).
       01  FAILURES                  PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      *> The first call initializes the area (host B, "Y") and fails.
           MOVE 101 TO CEN
           MOVE ALL X'A5' TO FC
           CALL 'CEESCEN' USING CEN FC
           MOVE 'CEESCEN 101' TO WHAT
           IF FC-SEVERITY NOT = 3 OR FC-MSG-NO NOT = 9999
              OR FC-CASE-SEV-CTL NOT = X'58' OR NOT FC-FACILITY-OVX
              OR FC-ISI NOT = LOW-VALUES OR FC(1:8) NOT = OVX9OF-3
              OR OV-LE-EXTERNAL(1:2) NOT = X'C2E8'
              PERFORM FAILED
           END-IF
      *> The widths the services rely on.
           MOVE 'the widths of the items' TO WHAT
           IF LENGTH OF LILIAN NOT = 4 OR LENGTH OF HALFWORD NOT = 2
              OR LENGTH OF CODESET-QUERY NOT = 2
              OR LENGTH OF FULLWORD NOT = 4 OR LENGTH OF XS NOT = 4
              OR LENGTH OF X NOT = 8 OR LENGTH OF TOKEN NOT = 16
              OR LENGTH OF FC NOT = 16 OR LENGTH OF IN-DATE NOT = 82
              PERFORM FAILED
           END-IF
      *> VSTRINGs in, an INT4 out, a condition through OVLEFC and
      *> OVLECOND, not OVLECNDE.
           MOVE 10 TO IN-DATE-LEN PICSTR-LEN
           MOVE '2007-13-15' TO IN-DATE-TXT
           MOVE 'YYYY-MM-DD' TO PICSTR-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           MOVE 'CEEDAYS 2007-13-15' TO WHAT
           IF FC-SUCCESS OR NOT FC-ERROR OR FC-SEVERITY NOT = 3
              OR FC-MSG-NO NOT = 2508 OR NOT FC-FACILITY-CEE
              OR FC-CASE-SEV-CTL NOT = X'59' OR LILIAN NOT = 0
              OR FC(1:8) NOT = CEE2EC OR FC(1:8) = E-CEE2EC
              PERFORM FAILED
           END-IF
      *> A condition into OVLEAPI's group type; a warning.
           CALL 'CEEDYWK' USING LILIAN CEN TOKEN
           MOVE 7 TO CEN
           CALL 'CEESIMOD' USING CEN LILIAN FC IRESULT
           MOVE 'CEEDYWK 0 or CEESIMOD 7 0' TO WHAT
           IF OVLE-FC-SEVERITY OF TOKEN NOT = 3
              OR OVLE-FC-MSG-NO OF TOKEN NOT = 2512
              OR OVLE-FC-FACILITY-ID OF TOKEN NOT = 'CEE'
              OR NOT FC-WARNING OR FC-ERROR OR FC-MSG-NO NOT = 9999
              PERFORM FAILED
           END-IF
      *> COMP-2 and COMP-1, the feedback code before the result.
           MOVE 2 TO X
           MOVE 6.25 TO XS
           CALL 'CEESDSQT' USING X FC ROOT
           CALL 'CEESSSQT' USING XS OMITTED ROOTS
           MOVE 'CEESDSQT 2, CEESSSQT 6.25' TO WHAT
           IF ROOT < 1.4142135 OR ROOT > 1.4142136 OR NOT FC-SUCCESS
              OR ROOTS NOT = 2.5
              PERFORM FAILED
           END-IF
      *> A required argument OMITTED: the library's own condition.
           CALL 'CEESCEN' USING OMITTED FC
           MOVE 'OMITTED argument' TO WHAT
           IF FC(1:8) NOT = OVX9OF-4 OR FC-CASE-SEV-CTL NOT = X'60'
              PERFORM FAILED
           END-IF
      *> A native halfword: this program's data are ASCII; 5 no mode.
           MOVE 2 TO CODESET-QUERY
           CALL 'CGPIINFO' USING CODESET-QUERY
           MOVE CODESET-QUERY TO CEN
           MOVE 5 TO CODESET-QUERY
           CALL 'cgpiinfo' USING CODESET-QUERY
           MOVE 'CGPIINFO 2 and cgpiinfo 5' TO WHAT
           IF CEN NOT = 3 OR CODESET-QUERY NOT = 0 PERFORM FAILED END-IF
           IF FAILURES > 0
               MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
       FAILED.
           DISPLAY 'FAIL ' WHAT ': ' FC-SEVERITY ' ' FC-MSG-NO ' ' CEN
           ADD 1 TO FAILURES.
