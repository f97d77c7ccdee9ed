      * End-to-end test of the CEES math services through COMP-1,
      * COMP-2 and BINARY arguments: every function code, the domain
      * failures with their feedback codes, an omitted feedback code.
      * Prints only failures; RETURN-CODE 1 when anything failed.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. MATHSVC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  D-X                 COMP-2.
       01  D-Y                 COMP-2.
       01  D-R                 COMP-2.
       01  S-X                 COMP-1.
       01  S-Y                 COMP-1.
       01  S-R                 COMP-1.
       01  I-X                 PIC S9(9) BINARY.
       01  I-Y                 PIC S9(9) BINARY.
       01  I-R                 PIC S9(9) BINARY.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  WS-NAME             PIC X(16).
       01  WS-GOT              COMP-2.
       01  WS-EXP              COMP-2.
       01  WS-DIFF             COMP-2.
       01  WS-TOL              COMP-2.
       01  WS-IEXP             PIC S9(9) BINARY.
       01  WS-MSG              PIC S9(4) BINARY.
       01  WS-SEV              PIC S9(4) BINARY.
       01  WS-CTL              PIC X.
       01  WS-FAILS            PIC 9(4) VALUE 0.
       01  WS-SHOW-SEV         PIC -9.
       01  WS-SHOW-MSG         PIC -9(4).
       01  WS-SHOW-INT         PIC -9(10).
       PROCEDURE DIVISION.
       MAIN-LINE.
           CALL 'CEEMATH'
           MOVE 'IABS -5' TO WS-NAME
           MOVE -5 TO I-X
           CALL 'CEESIABS' USING I-X FC I-R
           MOVE 5 TO WS-IEXP
           PERFORM CHECK-INT
           MOVE 'SABS -2.5' TO WS-NAME
           MOVE -2.5 TO S-X
           CALL 'CEESSABS' USING S-X FC S-R
           MOVE 2.5 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DABS -2.5' TO WS-NAME
           MOVE -2.5 TO D-X
           CALL 'CEESDABS' USING D-X FC D-R
           MOVE 2.5 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'DACS 0.5' TO WS-NAME
           MOVE 0.5 TO D-X
           CALL 'CEESDACS' USING D-X FC D-R
           MOVE 1.0471975511965979 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SACS 2' TO WS-NAME
           MOVE 2 TO S-X
           CALL 'CEESSACS' USING S-X FC S-R
           MOVE 2016 TO WS-MSG
           PERFORM CHECK-S-FAIL
           MOVE 'DASN 0.5' TO WS-NAME
           MOVE 0.5 TO D-X
           CALL 'CEESDASN' USING D-X FC D-R
           MOVE 0.5235987755982989 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SASN 0.5' TO WS-NAME
           MOVE 0.5 TO S-X
           CALL 'CEESSASN' USING S-X FC S-R
           MOVE 0.5235987755982989 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DATH 0.5' TO WS-NAME
           MOVE 0.5 TO D-X
           CALL 'CEESDATH' USING D-X FC D-R
           MOVE 0.5493061443340548 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SATH -0.5' TO WS-NAME
           MOVE -0.5 TO S-X
           CALL 'CEESSATH' USING S-X FC S-R
           MOVE -0.5493061443340548 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DATH 1' TO WS-NAME
           MOVE 1 TO D-X
           CALL 'CEESDATH' USING D-X FC D-R
           MOVE 2017 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'DATH -1' TO WS-NAME
           MOVE -1 TO D-X
           CALL 'CEESDATH' USING D-X FC D-R
           MOVE 2017 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'DATN 1' TO WS-NAME
           MOVE 1 TO D-X
           CALL 'CEESDATN' USING D-X FC D-R
           MOVE 0.7853981633974483 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SATN 1' TO WS-NAME
           MOVE 1 TO S-X
           CALL 'CEESSATN' USING S-X FC S-R
           MOVE 0.7853981633974483 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DAT2 1 -1' TO WS-NAME
           MOVE 1 TO D-X
           MOVE -1 TO D-Y
           CALL 'CEESDAT2' USING D-X D-Y FC D-R
           MOVE 2.356194490192345 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SAT2 -1 -1' TO WS-NAME
           MOVE -1 TO S-X
           MOVE -1 TO S-Y
           CALL 'CEESSAT2' USING S-X S-Y FC S-R
           MOVE -2.356194490192345 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DAT2 0 0' TO WS-NAME
           MOVE 0 TO D-X
           MOVE 0 TO D-Y
           CALL 'CEESDAT2' USING D-X D-Y FC D-R
           MOVE 2014 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'DCOS 0' TO WS-NAME
           MOVE 0 TO D-X
           CALL 'CEESDCOS' USING D-X FC D-R
           MOVE 1 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SCOS 1E6' TO WS-NAME
           MOVE 1000000 TO S-X
           CALL 'CEESSCOS' USING S-X FC S-R
           MOVE 2017 TO WS-MSG
           PERFORM CHECK-S-FAIL
           MOVE 'DCSH 1' TO WS-NAME
           MOVE 1 TO D-X
           CALL 'CEESDCSH' USING D-X FC D-R
           MOVE 1.5430806348152437 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SCSH -1' TO WS-NAME
           MOVE -1 TO S-X
           CALL 'CEESSCSH' USING S-X FC S-R
           MOVE 1.5430806348152437 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'SCSH 176' TO WS-NAME
           MOVE 176 TO S-X
           CALL 'CEESSCSH' USING S-X FC S-R
           MOVE 2016 TO WS-MSG
           PERFORM CHECK-S-FAIL
           MOVE 'DCTN PI/4' TO WS-NAME
           MOVE 0.7853981633974483 TO D-X
           CALL 'CEESDCTN' USING D-X FC D-R
           MOVE 1 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SCTN 1' TO WS-NAME
           MOVE 1 TO S-X
           CALL 'CEESSCTN' USING S-X FC S-R
           MOVE 0.6420926159343306 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DCTN 0' TO WS-NAME
           MOVE 0 TO D-X
           CALL 'CEESDCTN' USING D-X FC D-R
           MOVE 2017 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'IDIM 3 -5' TO WS-NAME
           MOVE 3 TO I-X
           MOVE -5 TO I-Y
           CALL 'CEESIDIM' USING I-X I-Y FC I-R
           MOVE 2 TO WS-IEXP
           PERFORM CHECK-INT
           MOVE 'SDIM 3 -5' TO WS-NAME
           MOVE 3 TO S-X
           MOVE -5 TO S-Y
           CALL 'CEESSDIM' USING S-X S-Y FC S-R
           MOVE 2 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DDIM 3 -5' TO WS-NAME
           MOVE 3 TO D-X
           MOVE -5 TO D-Y
           CALL 'CEESDDIM' USING D-X D-Y FC D-R
           MOVE 2 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'DEXP 1' TO WS-NAME
           MOVE 1 TO D-X
           CALL 'CEESDEXP' USING D-X FC D-R
           MOVE 2.718281828459045 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'DEXP 174.673' TO WS-NAME
           MOVE 174.673 TO D-X
           CALL 'CEESDEXP' USING D-X FC D-R
           MOVE 7.236357886312362E+75 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'DEXP -175' TO WS-NAME
           MOVE -175 TO D-X
           CALL 'CEESDEXP' USING D-X FC D-R
           MOVE 2009 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'SEXP 2' TO WS-NAME
           MOVE 2 TO S-X
           CALL 'CEESSEXP' USING S-X FC S-R
           MOVE 7.38905609893065 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DINT -2.7' TO WS-NAME
           MOVE -2.7 TO D-X
           CALL 'CEESDINT' USING D-X FC D-R
           MOVE -2 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SINT 2.7' TO WS-NAME
           MOVE 2.7 TO S-X
           CALL 'CEESSINT' USING S-X FC S-R
           MOVE 2 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DLG1 1000' TO WS-NAME
           MOVE 1000 TO D-X
           CALL 'CEESDLG1' USING D-X FC D-R
           MOVE 3 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SLG1 0' TO WS-NAME
           MOVE 0 TO S-X
           CALL 'CEESSLG1' USING S-X FC S-R
           MOVE 2012 TO WS-MSG
           PERFORM CHECK-S-FAIL
           MOVE 'DLG2 8' TO WS-NAME
           MOVE 8 TO D-X
           CALL 'CEESDLG2' USING D-X FC D-R
           MOVE 3 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SLG2 1024' TO WS-NAME
           MOVE 1024 TO S-X
           CALL 'CEESSLG2' USING S-X FC S-R
           MOVE 10 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DLOG 1' TO WS-NAME
           MOVE 1 TO D-X
           CALL 'CEESDLOG' USING D-X FC D-R
           MOVE 0 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SLOG 10' TO WS-NAME
           MOVE 10 TO S-X
           CALL 'CEESSLOG' USING S-X FC S-R
           MOVE 2.302585092994046 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DLOG 0' TO WS-NAME
           MOVE 0 TO D-X
           CALL 'CEESDLOG' USING D-X FC D-R
           MOVE 2012 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'DLOG -1' TO WS-NAME
           MOVE -1 TO D-X
           CALL 'CEESDLOG' USING D-X FC D-R
           MOVE 2012 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'IMOD -7 3' TO WS-NAME
           MOVE -7 TO I-X
           MOVE 3 TO I-Y
           CALL 'CEESIMOD' USING I-X I-Y FC I-R
           MOVE 2 TO WS-IEXP
           PERFORM CHECK-INT
           MOVE 'IMOD 7 0' TO WS-NAME
           MOVE 7 TO I-X
           MOVE 0 TO I-Y
           CALL 'CEESIMOD' USING I-X I-Y FC I-R
           MOVE 0 TO WS-IEXP
           MOVE 9999 TO WS-MSG
           PERFORM CHECK-INT-FAIL
           MOVE 'DMOD 5.5 2' TO WS-NAME
           MOVE 5.5 TO D-X
           MOVE 2 TO D-Y
           CALL 'CEESDMOD' USING D-X D-Y FC D-R
           MOVE 1.5 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SMOD -7.5 2' TO WS-NAME
           MOVE -7.5 TO S-X
           MOVE 2 TO S-Y
           CALL 'CEESSMOD' USING S-X S-Y FC S-R
           MOVE 0.5 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DMOD 1 0' TO WS-NAME
           MOVE 1 TO D-X
           MOVE 0 TO D-Y
           CALL 'CEESDMOD' USING D-X D-Y FC D-R
           MOVE 9999 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'DNIN 2.4999' TO WS-NAME
           MOVE 2.4999 TO D-X
           CALL 'CEESDNIN' USING D-X FC I-R
           MOVE 2 TO WS-IEXP
           PERFORM CHECK-INT
           MOVE 'SNIN -2.5' TO WS-NAME
           MOVE -2.5 TO S-X
           CALL 'CEESSNIN' USING S-X FC I-R
           MOVE -3 TO WS-IEXP
           PERFORM CHECK-INT
           MOVE 'DNWN 2.5' TO WS-NAME
           MOVE 2.5 TO D-X
           CALL 'CEESDNWN' USING D-X FC D-R
           MOVE 3 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'DNWN -2.5' TO WS-NAME
           MOVE -2.5 TO D-X
           CALL 'CEESDNWN' USING D-X FC D-R
           MOVE -3 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SNWN -2.3' TO WS-NAME
           MOVE -2.3 TO S-X
           CALL 'CEESSNWN' USING S-X FC S-R
           MOVE -2 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'ISGN -5 0' TO WS-NAME
           MOVE -5 TO I-X
           MOVE 0 TO I-Y
           CALL 'CEESISGN' USING I-X I-Y FC I-R
           MOVE 5 TO WS-IEXP
           PERFORM CHECK-INT
           MOVE 'ISGN 5 -1' TO WS-NAME
           MOVE 5 TO I-X
           MOVE -1 TO I-Y
           CALL 'CEESISGN' USING I-X I-Y FC I-R
           MOVE -5 TO WS-IEXP
           PERFORM CHECK-INT
           MOVE 'DSGN 3 -1' TO WS-NAME
           MOVE 3 TO D-X
           MOVE -1 TO D-Y
           CALL 'CEESDSGN' USING D-X D-Y FC D-R
           MOVE -3 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SSGN -3 2' TO WS-NAME
           MOVE -3 TO S-X
           MOVE 2 TO S-Y
           CALL 'CEESSSGN' USING S-X S-Y FC S-R
           MOVE 3 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DSIN 0.5' TO WS-NAME
           MOVE 0.5 TO D-X
           CALL 'CEESDSIN' USING D-X FC D-R
           MOVE 0.479425538604203 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'DSIN 3.6E15' TO WS-NAME
           MOVE 3.6E+15 TO D-X
           CALL 'CEESDSIN' USING D-X FC D-R
           MOVE 2017 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'SSIN 823549' TO WS-NAME
           MOVE 823549 TO S-X
           CALL 'CEESSSIN' USING S-X FC S-R
           MOVE -0.6167306535771907 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DSNH 1' TO WS-NAME
           MOVE 1 TO D-X
           CALL 'CEESDSNH' USING D-X FC D-R
           MOVE 1.1752011936438014 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SSNH -1' TO WS-NAME
           MOVE -1 TO S-X
           CALL 'CEESSSNH' USING S-X FC S-R
           MOVE -1.1752011936438014 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DSNH 175.4' TO WS-NAME
           MOVE 175.4 TO D-X
           CALL 'CEESDSNH' USING D-X FC D-R
           MOVE 2016 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'DSQT 0' TO WS-NAME
           MOVE 0 TO D-X
           CALL 'CEESDSQT' USING D-X FC D-R
           MOVE 2010 TO WS-MSG
           PERFORM CHECK-D-FAIL
           MOVE 'DSQT 4' TO WS-NAME
           MOVE 4 TO D-X
           CALL 'CEESDSQT' USING D-X FC D-R
           MOVE 2 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SSQT 2.25' TO WS-NAME
           MOVE 2.25 TO S-X
           CALL 'CEESSSQT' USING S-X FC S-R
           MOVE 1.5 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DTAN PI/4' TO WS-NAME
           MOVE 0.7853981633974483 TO D-X
           CALL 'CEESDTAN' USING D-X FC D-R
           MOVE 1 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'STAN 1E6' TO WS-NAME
           MOVE 1000000 TO S-X
           CALL 'CEESSTAN' USING S-X FC S-R
           MOVE 2017 TO WS-MSG
           PERFORM CHECK-S-FAIL
           MOVE 'DTNH 0.5' TO WS-NAME
           MOVE 0.5 TO D-X
           CALL 'CEESDTNH' USING D-X FC D-R
           MOVE 0.46211715726000974 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'STNH -0.5' TO WS-NAME
           MOVE -0.5 TO S-X
           CALL 'CEESSTNH' USING S-X FC S-R
           MOVE -0.46211715726000974 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'IXPI 10 9' TO WS-NAME
           MOVE 10 TO I-X
           MOVE 9 TO I-Y
           CALL 'CEESIXPI' USING I-X I-Y FC I-R
           MOVE 100000000 TO WS-IEXP
           MOVE 2021 TO WS-MSG
           PERFORM CHECK-INT-FAIL
           MOVE 'IXPI 2 29' TO WS-NAME
           MOVE 2 TO I-X
           MOVE 29 TO I-Y
           CALL 'CEESIXPI' USING I-X I-Y FC I-R
           MOVE 536870912 TO WS-IEXP
           PERFORM CHECK-INT
           MOVE 'IXPI 2 30' TO WS-NAME
           MOVE 2 TO I-X
           MOVE 30 TO I-Y
           CALL 'CEESIXPI' USING I-X I-Y FC I-R
           MOVE 536870912 TO WS-IEXP
           MOVE 2021 TO WS-MSG
           PERFORM CHECK-INT-FAIL
           MOVE 'IXPI 0 0' TO WS-NAME
           MOVE 0 TO I-X
           MOVE 0 TO I-Y
           CALL 'CEESIXPI' USING I-X I-Y FC I-R
           MOVE 0 TO WS-IEXP
           PERFORM CHECK-INT
           MOVE 'IXPI 5 -1' TO WS-NAME
           MOVE 5 TO I-X
           MOVE -1 TO I-Y
           CALL 'CEESIXPI' USING I-X I-Y FC I-R
           MOVE 0 TO WS-IEXP
           PERFORM CHECK-INT
           MOVE 'DXPI 1.5 2' TO WS-NAME
           MOVE 1.5 TO D-X
           MOVE 2 TO I-Y
           CALL 'CEESDXPI' USING D-X I-Y FC D-R
           MOVE 2.25 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'SXPI 2 10' TO WS-NAME
           MOVE 2 TO S-X
           MOVE 10 TO I-Y
           CALL 'CEESSXPI' USING S-X I-Y FC S-R
           MOVE 1024 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'SXPS 2 0.5' TO WS-NAME
           MOVE 2 TO S-X
           MOVE 0.5 TO S-Y
           CALL 'CEESSXPS' USING S-X S-Y FC S-R
           MOVE 1.4142135623730951 TO WS-EXP
           PERFORM CHECK-S
           MOVE 'DXPD 0 0' TO WS-NAME
           MOVE 0 TO D-X
           MOVE 0 TO D-Y
           CALL 'CEESDXPD' USING D-X D-Y FC D-R
           MOVE 0 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'DXPD 3 0' TO WS-NAME
           MOVE 3 TO D-X
           MOVE 0 TO D-Y
           CALL 'CEESDXPD' USING D-X D-Y FC D-R
           MOVE 1 TO WS-EXP
           PERFORM CHECK-D
           MOVE 'DXPD 2 10' TO WS-NAME
           MOVE 2 TO D-X
           MOVE 10 TO D-Y
           CALL 'CEESDXPD' USING D-X D-Y FC D-R
           MOVE 1024 TO WS-EXP
           PERFORM CHECK-D
      * An omitted feedback code: the failing call still clears the
      * result, the succeeding one still computes it.
           MOVE 'DSQT OMITTED' TO WS-NAME
           MOVE -1 TO D-X
           MOVE 7 TO D-R
           CALL 'CEESDSQT' USING D-X OMITTED D-R
           IF D-R NOT = 0
               DISPLAY WS-NAME ' result not 0'
               ADD 1 TO WS-FAILS
           END-IF
           MOVE 9 TO D-X
           CALL 'CEESDSQT' USING D-X OMITTED D-R
           IF D-R NOT = 3
               DISPLAY WS-NAME ' result not 3'
               ADD 1 TO WS-FAILS
           END-IF
           IF WS-FAILS = 0
               MOVE 0 TO RETURN-CODE
           ELSE
               DISPLAY 'math_services: ' WS-FAILS ' failure(s)'
               MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.

      * A FLOAT8 result within 1.0E-13 of the expected value, relative.
       CHECK-D.
           MOVE D-R TO WS-GOT
           MOVE 1.0E-13 TO WS-TOL
           PERFORM CHECK-REAL.

      * A FLOAT4 result within 1.0E-6 of the expected value, relative.
       CHECK-S.
           MOVE S-R TO WS-GOT
           MOVE 1.0E-6 TO WS-TOL
           PERFORM CHECK-REAL.

       CHECK-REAL.
           COMPUTE WS-DIFF = FUNCTION ABS(WS-GOT - WS-EXP)
           IF WS-DIFF > WS-TOL * FUNCTION ABS(WS-EXP)
               DISPLAY WS-NAME ' expected ' WS-EXP ' got ' WS-GOT
               ADD 1 TO WS-FAILS
           END-IF
           MOVE 0 TO WS-MSG
           PERFORM CHECK-FC.

       CHECK-INT.
           MOVE 0 TO WS-MSG
           PERFORM CHECK-INT-FAIL.

      * A domain failure: the result is 0 (CEESIXPI: the last product
      * that fitted) and the feedback code holds the condition.
       CHECK-INT-FAIL.
           IF I-R NOT = WS-IEXP
               MOVE I-R TO WS-SHOW-INT
               DISPLAY WS-NAME ' result ' WS-SHOW-INT
               ADD 1 TO WS-FAILS
           END-IF
           PERFORM CHECK-FC.

       CHECK-D-FAIL.
           MOVE D-R TO WS-GOT
           PERFORM CHECK-REAL-FAIL.

       CHECK-S-FAIL.
           MOVE S-R TO WS-GOT
           PERFORM CHECK-REAL-FAIL.

       CHECK-REAL-FAIL.
           IF WS-GOT NOT = 0
               DISPLAY WS-NAME ' result not 0: ' WS-GOT
               ADD 1 TO WS-FAILS
           END-IF
           PERFORM CHECK-FC.

      * Message 0: sixteen zero bytes. Otherwise facility CEE with
      * severity 2 and X'51', or severity 1 and X'48' for message 9999.
       CHECK-FC.
           IF WS-MSG = 0
               IF NOT FC-SUCCESS
                   MOVE FC-MSG-NO TO WS-SHOW-MSG
                   DISPLAY WS-NAME ' unexpected condition '
                       WS-SHOW-MSG
                   ADD 1 TO WS-FAILS
               END-IF
           ELSE
               IF WS-MSG = 9999
                   MOVE 1 TO WS-SEV
                   MOVE X'48' TO WS-CTL
               ELSE
                   MOVE 2 TO WS-SEV
                   MOVE X'51' TO WS-CTL
               END-IF
               IF FC-SEVERITY NOT = WS-SEV OR FC-MSG-NO NOT = WS-MSG
                  OR FC-CASE-SEV-CTL NOT = WS-CTL
                  OR NOT FC-FACILITY-CEE OR FC-ISI NOT = LOW-VALUES
                   MOVE FC-SEVERITY TO WS-SHOW-SEV
                   MOVE FC-MSG-NO TO WS-SHOW-MSG
                   DISPLAY WS-NAME ' condition ' WS-SHOW-SEV ' '
                       WS-SHOW-MSG ' ' FC-FACILITY-ID
                   ADD 1 TO WS-FAILS
               END-IF
           END-IF.
