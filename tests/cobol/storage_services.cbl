      * The heap services seen from a COBOL caller: a heap created,
      * elements got and used through SET ADDRESS OF on the returned
      * pointer, one moved by CEECZST with its contents, a feedback
      * code OMITTED, heap 0.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. STGSVC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  HEAP-ID                 PIC S9(9) BINARY.
       01  HEAP-ZERO               PIC S9(9) BINARY VALUE 0.
       01  INIT-SIZE               PIC S9(9) BINARY VALUE 5000.
       01  INCR-SIZE               PIC S9(9) BINARY VALUE 0.
       01  OPTS                    PIC S9(9) BINARY VALUE 0.
       01  STG-SIZE                PIC S9(9) BINARY VALUE 24.
       01  PTR-1                   USAGE POINTER.
       01  PTR-2                   USAGE POINTER.
       01  PTR-OLD                 USAGE POINTER.
       01  WHAT                    PIC X(30).
       01  FAILURES                PIC 9(4) VALUE 0.
       LINKAGE SECTION.
       01  STG-REC.
           05  STG-NAME            PIC X(20).
           05  STG-COUNT           PIC S9(9) COMP-5.
           05  STG-REST            PIC X(176).
       PROCEDURE DIVISION.
      * A heap of 5000 bytes is heap 1 with 8192 bytes; a record in the
      * first of two elements of 24 bytes.
           CALL 'CEECRHP' USING HEAP-ID INIT-SIZE INCR-SIZE OPTS FC
           CALL 'CEEGTST' USING HEAP-ID STG-SIZE PTR-1 FC
           CALL 'CEEGTST' USING HEAP-ID STG-SIZE PTR-2 FC
           MOVE 'CEECRHP CEEGTST' TO WHAT
           IF NOT FC-SUCCESS OR HEAP-ID NOT = 1 OR INIT-SIZE NOT = 8192
              OR PTR-2 = NULL
              PERFORM FAILED
           END-IF
           SET ADDRESS OF STG-REC TO PTR-1
           MOVE 'HELLO HEAP' TO STG-NAME
           MOVE 42 TO STG-COUNT
      * Growing it moves it with its contents; the new bytes are usable;
      * it is freed.
           SET PTR-OLD TO PTR-1
           MOVE 200 TO STG-SIZE
           CALL 'CEECZST' USING PTR-1 STG-SIZE FC
           SET ADDRESS OF STG-REC TO PTR-1
           MOVE 'CEECZST' TO WHAT
           IF NOT FC-SUCCESS OR PTR-1 = PTR-OLD
              OR STG-NAME NOT = 'HELLO HEAP' OR STG-COUNT NOT = 42
              PERFORM FAILED
           END-IF
           MOVE ALL 'Z' TO STG-REST
           CALL 'CEEFRST' USING PTR-1 FC
           MOVE 'CEEFRST' TO WHAT
           IF NOT FC-SUCCESS PERFORM FAILED END-IF
      * Heap 0 serves a get and a free; heap 1 goes.
           MOVE 16 TO STG-SIZE
           CALL 'CEEGTST' USING HEAP-ZERO STG-SIZE PTR-1 FC
           MOVE 'heap 0' TO WHAT
           IF NOT FC-SUCCESS OR PTR-1 = NULL PERFORM FAILED END-IF
           CALL 'CEEFRST' USING PTR-1 OMITTED
           CALL 'CEEDSHP' USING HEAP-ID FC
           MOVE 'CEEDSHP 1' TO WHAT
           IF NOT FC-SUCCESS PERFORM FAILED END-IF
           MOVE FAILURES TO RETURN-CODE
           GOBACK.
       FAILED.
           DISPLAY 'FAIL ' WHAT ': ' FC-MSG-NO ' ' HEAP-ID
           ADD 1 TO FAILURES.
