      * Run-time options from the configuration file OVLECONFIG names
      * and from the command line OVLEINIT splits, seen through the
      * services and in the storage and options reports at the end of
      * the run (the report lines say where each option was set).
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
      * ENV OVLECONFIG=@DIR@/environment_options.cfg
      * EXPECT-RC 0
      * EXPECT-LINE OVX9999I The run-time option TRAP is not supported in this release of Brantley Forge.
      * EXPECT-LINE CEE3616I The string 'MAYBE' was not a valid suboption of the run-time option RPTSTG.
      * EXPECT-LINE CEE3608I The following messages pertain to the invocation command run-time options.
      * EXPECT-LINE CEE3611I The run-time option NOSUCH was an invalid run-time option.
      * EXPECT-LINE  End of Storage Report
      * EXPECT-LINE  Configuration file      RPTSTG(ON)
      * EXPECT-LINE  Configuration file      HEAP(65536,16384,ANYWHERE,FREE,8192,4096)
      * EXPECT-LINE  Invocation command      ALL31(ON)
      * EXPECT-LINE  Installation default    CBLOPTS(ON)
       IDENTIFICATION DIVISION.
       PROGRAM-ID. ENVOPTS.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  OV-LE-EXTERNAL EXTERNAL PIC X(18771).
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==CMD== ==:N:== BY ==100==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==USR== ==:N:== BY ==100==.
       01  FUNC                    PIC S9(9) COMP-5 VALUE 0.
       01  PARM-STRING             PIC X(80).
       01  CFG-FUNC                PIC S9(4) COMP-5.
       01  CFG-KEY                 PIC X(20).
       01  CFG-ENTRY               PIC X(256).
       01  CFG-STATUS              PIC S9(4) COMP-5.
       01  WHAT                    PIC X(30).
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * OVLEINIT splits the command text; the user parameters reach
      * CEE3PRM.
           MOVE 'MYPARMS/ALL31(ON) NOSUCH' TO CMD-TXT
           MOVE 24 TO CMD-LEN
           CALL 'OVLEINIT' USING FUNC CMD USR
           CALL 'CEE3PRM' USING PARM-STRING FC
           MOVE 'OVLEINIT CEE3PRM' TO WHAT
           IF USR-LEN NOT = 7 OR USR-TXT(1:7) NOT = 'MYPARMS'
              OR OV-LE-EXTERNAL(1:2) NOT = X'C2E8'
              OR NOT FC-SUCCESS OR PARM-STRING NOT = 'MYPARMS'
              PERFORM FAILED
           END-IF
      * OVLE-CFG by its hyphenated name: the entry that begins HEAP.
           MOVE 2 TO CFG-FUNC
           MOVE ALL X'40' TO CFG-KEY
           MOVE X'C8C5C1D7' TO CFG-KEY(1:4)
           CALL 'OVLE-CFG' USING CFG-FUNC CFG-KEY CFG-ENTRY CFG-STATUS
           MOVE 'OVLE-CFG' TO WHAT
           IF CFG-STATUS NOT = 0
              OR CFG-ENTRY(1:9) NOT = X'C8C5C1D74DF6F4D26B'
              OR CFG-ENTRY(256:1) NOT = X'40'
              PERFORM FAILED
           END-IF
           MOVE FAILURES TO RETURN-CODE
           GOBACK.
       FAILED.
           DISPLAY 'FAIL ' WHAT
           ADD 1 TO FAILURES.
