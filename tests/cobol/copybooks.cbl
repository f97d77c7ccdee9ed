      *> The callers' copybooks COPYed as a program would: OVLEAPI's
      *> types, OVLEFC's condition names, OVLEVSTR and the symbolic
      *> feedback codes of OVLECOND and OVLECNDE. Written to read
      *> the same in fixed and in free format; the tests compile it
      *> both ways. Prints only failures; RETURN-CODE 1 on one.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. COPYBOOKS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEAPI.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLECOND.
       COPY OVLECNDE REPLACING LEADING ==CEE== BY ==E-CEE==
                               LEADING ==OVX== BY ==E-OVX==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==80==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==100==.
       01  LILIAN                    TYPE OVLE-INT4.
       01  WEEKDAY                   TYPE OVLE-INT4.
       01  X1                        TYPE OVLE-INT4.
       01  X2                        TYPE OVLE-INT4.
       01  IRESULT                   TYPE OVLE-INT4.
       01  X                         TYPE OVLE-FLOAT8.
       01  ROOT                      TYPE OVLE-FLOAT8.
       01  XS                        TYPE OVLE-FLOAT4.
       01  ROOTS                     TYPE OVLE-FLOAT4.
       01  CODESET-QUERY             TYPE OVLE-NATIVE2.
       01  HALFWORD                  TYPE OVLE-INT2.
       01  FULLWORD                  TYPE OVLE-NATIVE4.
       01  TOKEN                     TYPE OVLE-FC.
       01  FAILURES                  PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      *> The widths the services rely on.
           IF LENGTH OF LILIAN NOT = 4 OR LENGTH OF HALFWORD NOT = 2
              OR LENGTH OF CODESET-QUERY NOT = 2
              OR LENGTH OF FULLWORD NOT = 4 OR LENGTH OF XS NOT = 4
              OR LENGTH OF X NOT = 8 OR LENGTH OF TOKEN NOT = 16
              OR LENGTH OF FC NOT = 16 OR LENGTH OF IN-DATE NOT = 82
               DISPLAY 'FAIL the widths of the copybook items'
               ADD 1 TO FAILURES
           END-IF
      *> A VSTRING in, an INT4 out, success in the feedback code.
           MOVE 10 TO IN-DATE-LEN
           MOVE '2007-05-15' TO IN-DATE-TXT
           MOVE 10 TO PICSTR-LEN
           MOVE 'YYYY-MM-DD' TO PICSTR-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           IF LILIAN NOT = 155076 OR NOT FC-SUCCESS
               DISPLAY 'FAIL CEEDAYS 2007-05-15: ' LILIAN
               ADD 1 TO FAILURES
           END-IF
           CALL 'CEEDYWK' USING LILIAN WEEKDAY FC
           IF WEEKDAY NOT = 3 OR NOT FC-SUCCESS
               DISPLAY 'FAIL CEEDYWK 155076: ' WEEKDAY
               ADD 1 TO FAILURES
           END-IF
      *> A condition through the names of OVLEFC.
           MOVE '2007-13-15' TO IN-DATE-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           IF FC-SUCCESS OR NOT FC-ERROR OR FC-SEVERITY NOT = 3
              OR FC-MSG-NO NOT = 2508 OR NOT FC-FACILITY-CEE
              OR FC-CASE-SEV-CTL NOT = X'59' OR LILIAN NOT = 0
              OR FC(1:8) NOT = CEE2EC OR FC(1:8) = E-CEE2EC
               DISPLAY 'FAIL CEEDAYS 2007-13-15: ' FC-SEVERITY
                       ' ' FC-MSG-NO ' ' FC-FACILITY-ID
               ADD 1 TO FAILURES
           END-IF
           MOVE 7 TO X1
           MOVE 0 TO X2
           CALL 'CEESIMOD' USING X1 X2 FC IRESULT
           IF NOT FC-WARNING OR FC-ERROR OR FC-MSG-NO NOT = 9999
               DISPLAY 'FAIL CEESIMOD 7 0: ' FC-SEVERITY ' ' FC-MSG-NO
               ADD 1 TO FAILURES
           END-IF
      *> The same condition token through the group type of OVLEAPI.
           MOVE 0 TO LILIAN
           CALL 'CEEDYWK' USING LILIAN WEEKDAY TOKEN
           IF OVLE-FC-SEVERITY OF TOKEN NOT = 3
              OR OVLE-FC-MSG-NO OF TOKEN NOT = 2512
              OR OVLE-FC-FACILITY-ID OF TOKEN NOT = 'CEE'
               DISPLAY 'FAIL CEEDYWK 0 into OVLE-FC: '
                       OVLE-FC-MSG-NO OF TOKEN
               ADD 1 TO FAILURES
           END-IF
      *> COMP-2 and COMP-1, feedback code before the result.
           MOVE 2 TO X
           CALL 'CEESDSQT' USING X FC ROOT
           IF ROOT < 1.4142135 OR ROOT > 1.4142136 OR NOT FC-SUCCESS
               DISPLAY 'FAIL CEESDSQT 2: ' ROOT
               ADD 1 TO FAILURES
           END-IF
           MOVE 6.25 TO XS
           CALL 'CEESSSQT' USING XS FC ROOTS
           IF ROOTS NOT = 2.5 OR NOT FC-SUCCESS
               DISPLAY 'FAIL CEESSSQT 6.25: ' ROOTS
               ADD 1 TO FAILURES
           END-IF
      *> A native halfword: this program keeps its data in ASCII.
           MOVE 2 TO CODESET-QUERY
           CALL 'CGPIINFO' USING CODESET-QUERY
           IF CODESET-QUERY NOT = 3
               DISPLAY 'FAIL CGPIINFO 2: ' CODESET-QUERY
               ADD 1 TO FAILURES
           END-IF
           IF FAILURES > 0
               MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
