      *================================================================*
      * TABLE-BUILDER: loads the branch table into storage of its own  *
      * heap, as the mainframe step did: CEECRHP creates the heap,     *
      * CEEGTST gets one node a branch, chained by pointer; a branch   *
      * with a note gets a bigger node (CEECZST). The table is listed  *
      * with its totals, every node freed (CEEFRST) and the heap       *
      * discarded (CEEDSHP). RPTSTG(ON) among its run-time options     *
      * (table_builder.cfg) has the storage report follow at the end.  *
      *================================================================*
      * ENV OVLECONFIG=@DIR@/table_builder.cfg
       IDENTIFICATION DIVISION.
       PROGRAM-ID. TBLBUILD.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  BRANCH-CARDS.
           05  PIC X(34) VALUE 'B010NORTH HARBOUR       0001250075'.
           05  PIC X(34) VALUE 'B020RIVERSIDE           0000980000'.
           05  PIC X(34) VALUE 'B030OLD TOWN            0002015050'.
           05  PIC X(34) VALUE 'B040AIRPORT             0000412599'.
           05  PIC X(34) VALUE 'B050WEST END            0001100000'.
       01  BRANCHES REDEFINES BRANCH-CARDS.
           05  BRANCH-CARD OCCURS 5 TIMES INDEXED BY BX.
               10  CARD-CODE           PIC X(4).
               10  CARD-NAME           PIC X(20).
               10  CARD-AMOUNT         PIC 9(8)V99.
       01  HEAP-ID                     PIC S9(9) BINARY.
       01  INIT-SIZE                   PIC S9(9) BINARY VALUE 1024.
       01  INCR-SIZE                   PIC S9(9) BINARY VALUE 1024.
       01  HEAP-OPTS                   PIC S9(9) BINARY VALUE 0.
       01  NODE-SIZE                   PIC S9(9) BINARY.
       01  FIRST-NODE                  USAGE POINTER VALUE NULL.
       01  LAST-NODE                   USAGE POINTER VALUE NULL.
       01  THIS-NODE                   USAGE POINTER.
       01  NEXT-NODE                   USAGE POINTER.
       01  NODE-COUNT                  PIC 9(3) VALUE 0.
       01  TOTAL-AMOUNT                PIC 9(9)V99 VALUE 0.
       01  SHOW-AMOUNT                 PIC Z,ZZZ,ZZ9.99.
       01  SHOW-TOTAL                  PIC ZZZ,ZZZ,ZZ9.99.
       01  SHOW-SIZE                   PIC ZZZ9.
       01  SHOW-COUNT                  PIC ZZ9.
       LINKAGE SECTION.
       01  NODE.
           05  NODE-NEXT               USAGE POINTER.
           05  NODE-CODE               PIC X(4).
           05  NODE-NAME               PIC X(20).
           05  NODE-AMOUNT             PIC S9(9)V99 COMP-3.
           05  NODE-NOTE-LEN           PIC S9(4) BINARY.
           05  NODE-NOTE               PIC X(40).
       PROCEDURE DIVISION.
       MAIN-LINE.
           CALL 'CEECRHP' USING HEAP-ID INIT-SIZE INCR-SIZE HEAP-OPTS
                                FC
           IF NOT FC-SUCCESS
              DISPLAY 'NO HEAP: ' FC-FACILITY-ID FC-MSG-NO
              MOVE 16 TO RETURN-CODE
              GOBACK
           END-IF
           MOVE INIT-SIZE TO SHOW-SIZE
           MOVE HEAP-ID TO SHOW-COUNT
           DISPLAY 'BRANCH TABLE BUILT IN HEAP '
                   FUNCTION TRIM(SHOW-COUNT) ' OF '
                   FUNCTION TRIM(SHOW-SIZE) ' BYTES'
           PERFORM LOAD-BRANCH VARYING BX FROM 1 BY 1 UNTIL BX > 5
           PERFORM ADD-NOTE
           PERFORM LIST-TABLE
           PERFORM FREE-TABLE
           CALL 'CEEDSHP' USING HEAP-ID FC
           MOVE NODE-COUNT TO SHOW-COUNT
           IF FC-SUCCESS
              DISPLAY 'NODES FREED ' SHOW-COUNT ', HEAP DISCARDED'
           ELSE
              DISPLAY 'NODES FREED ' SHOW-COUNT ', HEAP KEPT: '
                      FC-FACILITY-ID FC-MSG-NO
           END-IF
           MOVE 0 TO RETURN-CODE
           GOBACK.
       LOAD-BRANCH.
           COMPUTE NODE-SIZE = LENGTH OF NODE - LENGTH OF NODE-NOTE
           CALL 'CEEGTST' USING HEAP-ID NODE-SIZE THIS-NODE FC
           SET ADDRESS OF NODE TO THIS-NODE
           SET NODE-NEXT TO NULL
           MOVE CARD-CODE(BX) TO NODE-CODE
           MOVE CARD-NAME(BX) TO NODE-NAME
           MOVE CARD-AMOUNT(BX) TO NODE-AMOUNT
           MOVE 0 TO NODE-NOTE-LEN
           IF FIRST-NODE = NULL
              SET FIRST-NODE TO THIS-NODE
           ELSE
              SET ADDRESS OF NODE TO LAST-NODE
              SET NODE-NEXT TO THIS-NODE
           END-IF
           SET LAST-NODE TO THIS-NODE
           ADD 1 TO NODE-COUNT.
      * The third branch gets a note: its node grows in place or moves
      * with its contents, and CEECZST mends the chain itself through
      * the pointer of the second node.
       ADD-NOTE.
           SET ADDRESS OF NODE TO FIRST-NODE
           SET ADDRESS OF NODE TO NODE-NEXT
           MOVE LENGTH OF NODE TO NODE-SIZE
           CALL 'CEECZST' USING NODE-NEXT NODE-SIZE FC
           SET ADDRESS OF NODE TO NODE-NEXT
           MOVE 'RELOCATES TO NEW PREMISES IN MARCH' TO NODE-NOTE
           MOVE 34 TO NODE-NOTE-LEN.
       LIST-TABLE.
           DISPLAY ' '
           DISPLAY 'CODE NAME                        AMOUNT  NOTE'
           SET THIS-NODE TO FIRST-NODE
           PERFORM UNTIL THIS-NODE = NULL
              SET ADDRESS OF NODE TO THIS-NODE
              MOVE NODE-AMOUNT TO SHOW-AMOUNT
              ADD NODE-AMOUNT TO TOTAL-AMOUNT
              IF NODE-NOTE-LEN > 0
                 DISPLAY NODE-CODE ' ' NODE-NAME SHOW-AMOUNT '  '
                         NODE-NOTE(1:NODE-NOTE-LEN)
              ELSE
                 DISPLAY NODE-CODE ' ' NODE-NAME SHOW-AMOUNT
              END-IF
              SET THIS-NODE TO NODE-NEXT
           END-PERFORM
           MOVE TOTAL-AMOUNT TO SHOW-TOTAL
           DISPLAY 'TOTAL                   ' SHOW-TOTAL
           DISPLAY ' '.
       FREE-TABLE.
           SET THIS-NODE TO FIRST-NODE
           PERFORM UNTIL THIS-NODE = NULL
              SET ADDRESS OF NODE TO THIS-NODE
              SET NEXT-NODE TO NODE-NEXT
              CALL 'CEEFRST' USING THIS-NODE FC
              SET THIS-NODE TO NEXT-NODE
           END-PERFORM.
