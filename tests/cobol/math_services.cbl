      * The CEES math services from a COBOL caller: every function code
      * with COMP-1, COMP-2 and BINARY items (the floating ones at odd
      * addresses), domain failures with their feedback codes, and an
      * OMITTED feedback code. One row per call: the entry, x1, x2, the
      * expected result and, for a failure, the message number.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. MATHSVC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  CASE-ROWS.
      *                   entry x1      x2  result            msg
           05 PIC X(39) VALUE 'IABS -5          5'.
           05 PIC X(39) VALUE 'IDIM 3       -5  2'.
           05 PIC X(39) VALUE 'IMOD -7      3   2'.
           05 PIC X(39) VALUE 'IMOD 7       0   0                 9999'.
           05 PIC X(39) VALUE 'ISGN 5       -1  -5'.
           05 PIC X(39) VALUE 'IXPI 10      9   100000000         2021'.
           05 PIC X(39) VALUE 'IXPI 2       29  536870912'.
           05 PIC X(39) VALUE 'SABS -2.5        2.5'.
           05 PIC X(39) VALUE 'DACS 1           0'.
           05 PIC X(39) VALUE 'SASN 0.5         0.523598775598299'.
           05 PIC X(39) VALUE 'DATH 0.5         0.549306144334055'.
           05 PIC X(39) VALUE 'SATN 1           0.785398163397448'.
           05 PIC X(39) VALUE 'DAT2 1       -1  2.356194490192345'.
           05 PIC X(39) VALUE 'SCOS 0           1'.
           05 PIC X(39) VALUE 'DCSH 1           1.543080634815244'.
           05 PIC X(39) VALUE 'SCTN 1           0.642092615934331'.
           05 PIC X(39) VALUE 'DEXP 1           2.718281828459045'.
           05 PIC X(39) VALUE 'SINT 2.7         2'.
           05 PIC X(39) VALUE 'DLG1 1000        3'.
           05 PIC X(39) VALUE 'SLG2 1024        10'.
           05 PIC X(39) VALUE 'DLOG 1           0'.
           05 PIC X(39) VALUE 'SMOD -7.5    2   0.5'.
           05 PIC X(39) VALUE 'DMOD 5.5     2   1.5'.
           05 PIC X(39) VALUE 'DNIN 2.4999      2'.
           05 PIC X(39) VALUE 'SNIN -2.5        -3'.
           05 PIC X(39) VALUE 'DNWN -2.5        -3'.
           05 PIC X(39) VALUE 'DSGN 3       -1  -3'.
           05 PIC X(39) VALUE 'SSIN 823549      -0.61673065357719'.
           05 PIC X(39) VALUE 'DSNH 1           1.175201193643801'.
           05 PIC X(39) VALUE 'SSQT 2.25        1.5'.
           05 PIC X(39) VALUE 'DSQT 4           2'.
           05 PIC X(39) VALUE 'DTAN -1          -1.5574077246549'.
           05 PIC X(39) VALUE 'STNH -0.5        -0.46211715726001'.
           05 PIC X(39) VALUE 'DXPI 1.5     2   2.25'.
           05 PIC X(39) VALUE 'SXPI 2       10  1024'.
           05 PIC X(39) VALUE 'SXPS 2       0.5 1.414213562373095'.
           05 PIC X(39) VALUE 'DXPD 10      3   1000'.
           05 PIC X(39) VALUE 'DSQT 0           0                 2010'.
           05 PIC X(39) VALUE 'SLOG 0           0                 2012'.
           05 PIC X(39) VALUE 'DEXP -175        0                 2009'.
           05 PIC X(39) VALUE 'DSIN 3.6E+15     0                 2017'.
           05 PIC X(39) VALUE 'SCOS 1E+6        0                 2017'.
           05 PIC X(39) VALUE 'DATH -1          0                 2017'.
           05 PIC X(39) VALUE 'SCSH 176         0                 2016'.
           05 PIC X(39) VALUE 'DASN 1.5         0                 2016'.
           05 PIC X(39) VALUE 'DAT2 0       0   0                 2014'.
           05 PIC X(39) VALUE 'SMOD 1       0   0                 9999'.
       01  CASE-TABLE REDEFINES CASE-ROWS.
           05  CASE-ROW OCCURS 47.
               10  C-ENTRY.
                   15  C-TYPE      PIC X.
                   15  C-CODE      PIC X(3).
                       88  C-TWO   VALUE 'AT2' 'DIM' 'MOD' 'SGN' 'XPI'
                                         'XPS' 'XPD'.
               10  FILLER          PIC X.
               10  C-X1            PIC X(8).
               10  C-X2            PIC X(4).
               10  C-RESULT        PIC X(18).
               10  C-MSG           PIC X(4).
       01  FLOATING-ITEMS.
           05  FILLER              PIC X.
           05  D-X                 COMP-2.
           05  D-Y                 COMP-2.
           05  D-R                 COMP-2.
           05  S-X                 COMP-1.
           05  S-Y                 COMP-1.
           05  S-R                 COMP-1.
       01  I-X                     PIC S9(9) BINARY.
       01  I-Y                     PIC S9(9) BINARY.
       01  I-R                     PIC S9(9) BINARY.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  WS-I                    PIC S9(4) BINARY.
       01  WS-ENTRY                PIC X(8).
       01  WS-GOT                  COMP-2.
       01  WS-EXP                  COMP-2.
       01  WS-TOL                  COMP-2.
      * The feedback code expected.
       01  WS-TOKEN.
           05  WS-SEV              PIC S9(4) BINARY.
           05  WS-MSG              PIC S9(4) BINARY.
           05  WS-CTL              PIC X.
           05  WS-FACILITY         PIC X(3).
           05  FILLER              PIC X(8).
       01  WS-FAILS                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           CALL 'CEEMATH'
           PERFORM VARYING WS-I FROM 1 BY 1 UNTIL WS-I > 47
               PERFORM RUN-CASE
           END-PERFORM
      * An omitted feedback code: a failure still stores 0, a success
      * its value.
           MOVE -1 TO D-X
           MOVE 7 TO D-R
           CALL 'CEESDSQT' USING D-X OMITTED D-R
           MOVE 9 TO S-X
           CALL 'CEESSSQT' USING S-X OMITTED S-R
           IF D-R NOT = 0 OR S-R NOT = 3
               DISPLAY 'FAIL OMITTED FC: ' D-R ' ' S-R
               ADD 1 TO WS-FAILS
           END-IF
           IF WS-FAILS = 0
               MOVE 0 TO RETURN-CODE
           ELSE
               MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.

       RUN-CASE.
           STRING 'CEES' C-ENTRY(WS-I) DELIMITED BY SIZE INTO WS-ENTRY
           COMPUTE D-X = FUNCTION NUMVAL-F(C-X1(WS-I))
           COMPUTE D-Y = FUNCTION NUMVAL-F(C-X2(WS-I))
           COMPUTE WS-EXP = FUNCTION NUMVAL-F(C-RESULT(WS-I))
           MOVE D-X TO S-X I-X
           MOVE D-Y TO S-Y I-Y
           MOVE 7 TO D-R S-R I-R
           MOVE ALL X'A5' TO FC
           EVALUATE TRUE
             WHEN C-TYPE(WS-I) = 'I' AND C-TWO(WS-I)
               CALL WS-ENTRY USING I-X I-Y FC I-R
             WHEN C-TYPE(WS-I) = 'I'
               CALL WS-ENTRY USING I-X FC I-R
             WHEN C-CODE(WS-I) = 'NIN' AND C-TYPE(WS-I) = 'S'
               CALL WS-ENTRY USING S-X FC I-R
             WHEN C-CODE(WS-I) = 'NIN'
               CALL WS-ENTRY USING D-X FC I-R
             WHEN C-CODE(WS-I) = 'XPI' AND C-TYPE(WS-I) = 'S'
               CALL WS-ENTRY USING S-X I-Y FC S-R
             WHEN C-CODE(WS-I) = 'XPI'
               CALL WS-ENTRY USING D-X I-Y FC D-R
             WHEN C-TYPE(WS-I) = 'S' AND C-TWO(WS-I)
               CALL WS-ENTRY USING S-X S-Y FC S-R
             WHEN C-TYPE(WS-I) = 'S'
               CALL WS-ENTRY USING S-X FC S-R
             WHEN C-TWO(WS-I)
               CALL WS-ENTRY USING D-X D-Y FC D-R
             WHEN OTHER
               CALL WS-ENTRY USING D-X FC D-R
           END-EVALUATE
           MOVE D-R TO WS-GOT
           MOVE 1.0E-13 TO WS-TOL
           IF C-TYPE(WS-I) = 'S'
               MOVE S-R TO WS-GOT
               MOVE 1.0E-6 TO WS-TOL
           END-IF
           IF C-TYPE(WS-I) = 'I' OR C-CODE(WS-I) = 'NIN'
               MOVE I-R TO WS-GOT
           END-IF
      * The result within the relative tolerance; sixteen zero bytes,
      * or facility CEE, severity 2 and X'51' (1 and X'48' for MOD's
      * 9999) and no instance information.
           MOVE LOW-VALUES TO WS-TOKEN
           IF C-MSG(WS-I) NOT = SPACES
               MOVE C-MSG(WS-I) TO WS-MSG
               MOVE 2 TO WS-SEV
               MOVE X'51' TO WS-CTL
               IF WS-MSG = 9999
                   MOVE 1 TO WS-SEV
                   MOVE X'48' TO WS-CTL
               END-IF
               MOVE 'CEE' TO WS-FACILITY
           END-IF
           IF FUNCTION ABS(WS-GOT - WS-EXP)
                  > WS-TOL * FUNCTION ABS(WS-EXP)
              OR FC NOT = WS-TOKEN
               DISPLAY 'FAIL ' WS-ENTRY ' ' C-X1(WS-I) C-X2(WS-I)
                       ' EXPECTED ' C-RESULT(WS-I) C-MSG(WS-I)
                       ' GOT ' WS-GOT ' MSG ' FC-MSG-NO
               ADD 1 TO WS-FAILS
           END-IF.
