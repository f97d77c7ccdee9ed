      * Run-time options from the configuration file OVLECONFIG names
      * and from the command line OVLEINIT splits, as a COBOL program
      * sees them in OV-LE-EXTERNAL and through the services; the
      * storage report (RPTSTG) and the options report (RPTOPTS) at the
      * end of the run.
      * ENV OVLE_CURRENT_DATE=2026120515300000+0000
      * ENV OVLECONFIG=@DIR@/environment_options.cfg
      * EXPECT-RC 0
      * EXPECT-LINE OVX9999I The run-time option TRAP is not supported in this release of Brantley Forge.
      * EXPECT-LINE CEE3616I The string 'MAYBE' was not a valid suboption of the run-time option RPTSTG.
      * EXPECT-LINE CEE3608I The following messages pertain to the invocation command run-time options.
      * EXPECT-LINE CEE3611I The run-time option NOSUCH was an invalid run-time option.
      * EXPECT-LINE  End of Storage Report
      * EXPECT-LINE  Options Report
      * EXPECT-LINE  LAST WHERE SET          OPTION
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
       01  USR-FUNC                PIC S9(9) BINARY.
       01  USR-FIELD               PIC S9(9) BINARY.
       01  USR-VALUE               PIC S9(9) BINARY.
       01  CFG-FUNC                PIC S9(4) COMP-5.
       01  CFG-KEY                 PIC X(20).
       01  CFG-ENTRY               PIC X(256).
       01  CFG-STATUS              PIC S9(4) COMP-5.
       01  WHAT                    PIC X(30).
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
      * The first call: OVLEINIT splits the command text; OV-PIPI reads
      * the configuration file, then the command line's options.
           MOVE 'MYPARMS/ALL31(ON) NOSUCH' TO CMD-TXT
           MOVE 24 TO CMD-LEN
           CALL 'OVLEINIT' USING FUNC CMD USR
           MOVE 'OVLEINIT' TO WHAT
           IF USR-LEN NOT = 7 OR USR-TXT(1:7) NOT = 'MYPARMS'
              OR OV-LE-EXTERNAL(1:2) NOT = X'C2E8'
              PERFORM FAILED
           END-IF
      * The options in the area: ALL31, RPTSTG, RPTOPTS, CBLOPTS.
           MOVE 'switches' TO WHAT
           IF OV-LE-EXTERNAL(690:4) NOT = X'F1F1F1F1' PERFORM FAILED
           END-IF
      * HEAP(64K,16K,ANYWHERE,FREE): eight digits each, heap 0 binary.
           MOVE 'HEAP' TO WHAT
           IF OV-LE-EXTERNAL(652:8) NOT = X'F0F0F0F6F5F5F3F6'
              OR OV-LE-EXTERNAL(660:8) NOT = X'F0F0F0F1F6F3F8F4'
              OR OV-LE-EXTERNAL(668:2) NOT = X'F0F1'
              OR OV-LE-EXTERNAL(706:8) NOT = X'0001000000004000'
              PERFORM FAILED
           END-IF
      * COUNTRY(GB), NATLANG(UEN), STORAGE(00,FE), MSGFILE(SYSOUT).
           MOVE 'country, language, storage' TO WHAT
           IF OV-LE-EXTERNAL(132:2) NOT = X'C7C2'
              OR OV-LE-EXTERNAL(332:3) NOT = X'E4C5D5'
              OR OV-LE-EXTERNAL(686:4) NOT = X'F1F100FE'
              OR OV-LE-EXTERNAL(694:8) NOT = X'E2E8E2D6E4E34040'
              PERFORM FAILED
           END-IF
      * The user parameters reach CEE3PRM.
           CALL 'CEE3PRM' USING PARM-STRING FC
           MOVE 'CEE3PRM' TO WHAT
           IF NOT FC-SUCCESS OR PARM-STRING NOT = 'MYPARMS'
              PERFORM FAILED
           END-IF
      * CEE3USR: set and query user field 2 (BINARY, big-endian).
           MOVE 1 TO USR-FUNC
           MOVE 2 TO USR-FIELD
           MOVE 4711 TO USR-VALUE
           CALL 'CEE3USR' USING USR-FUNC USR-FIELD USR-VALUE FC
           MOVE 2 TO USR-FUNC MOVE 0 TO USR-VALUE
           CALL 'CEE3USR' USING USR-FUNC USR-FIELD USR-VALUE FC
           MOVE 'CEE3USR' TO WHAT
           IF NOT FC-SUCCESS OR USR-VALUE NOT = 4711
              OR OV-LE-EXTERNAL(646:4) NOT = X'00001267'
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
