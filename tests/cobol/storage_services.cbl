      * The heap services seen from a COBOL caller: a heap created,
      * elements got and used through SET ADDRESS OF on the returned
      * pointer, one moved by CEECZST with its contents, a feedback
      * code OMITTED, heap 0, and the counts in OV-LE-EXTERNAL.
       IDENTIFICATION DIVISION.
       PROGRAM-ID. STGSVC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  OV-LE-EXTERNAL EXTERNAL PIC X(18771).
       COPY OVLEFC REPLACING ==:FC:== BY ==FC==.
       01  HEAP-ID                 PIC S9(9) BINARY.
       01  HEAP-ZERO               PIC S9(9) BINARY VALUE 0.
       01  INIT-SIZE               PIC S9(9) BINARY.
       01  INCR-SIZE               PIC S9(9) BINARY.
       01  OPTS                    PIC S9(9) BINARY.
       01  STG-SIZE                PIC S9(9) BINARY.
       01  PTR-1                   USAGE POINTER.
       01  PTR-2                   USAGE POINTER.
       01  PTR-OLD                 USAGE POINTER.
       01  PTR-NEXT                USAGE POINTER.
       01  WHAT                    PIC X(30).
       01  FAILURES                PIC 9(4) VALUE 0.
       LINKAGE SECTION.
       01  STG-REC.
           05  STG-NAME            PIC X(20).
           05  STG-COUNT           PIC S9(9) COMP-5.
       01  STG-AREA                PIC X(200).
       PROCEDURE DIVISION.
      * A heap of 5000 bytes is heap 1 with 8192 bytes.
           MOVE 5000 TO INIT-SIZE
           MOVE 0 TO INCR-SIZE
           MOVE 0 TO OPTS
           MOVE 99 TO HEAP-ID
           CALL 'CEECRHP' USING HEAP-ID INIT-SIZE INCR-SIZE OPTS FC
           MOVE 'CEECRHP' TO WHAT
           IF NOT FC-SUCCESS OR HEAP-ID NOT = 1 OR INIT-SIZE NOT = 8192
              PERFORM FAILED
           END-IF
      * Two elements of 24 bytes, 24 bytes apart; a record in the first.
           MOVE 24 TO STG-SIZE
           CALL 'CEEGTST' USING HEAP-ID STG-SIZE PTR-1 FC
           SET ADDRESS OF STG-REC TO PTR-1
           MOVE 'HELLO HEAP' TO STG-NAME
           MOVE 42 TO STG-COUNT
           CALL 'CEEGTST' USING HEAP-ID STG-SIZE PTR-2 FC
           SET PTR-NEXT TO PTR-1
           SET PTR-NEXT UP BY 24
           MOVE 'CEEGTST' TO WHAT
           IF NOT FC-SUCCESS OR PTR-2 NOT = PTR-NEXT
              PERFORM FAILED
           END-IF
      * Growing the first moves it with its contents.
           SET PTR-OLD TO PTR-1
           MOVE 200 TO STG-SIZE
           CALL 'CEECZST' USING PTR-1 STG-SIZE FC
           SET ADDRESS OF STG-REC TO PTR-1
           MOVE 'CEECZST' TO WHAT
           IF NOT FC-SUCCESS OR PTR-1 = PTR-OLD
              OR STG-NAME NOT = 'HELLO HEAP' OR STG-COUNT NOT = 42
              PERFORM FAILED
           END-IF
           SET ADDRESS OF STG-AREA TO PTR-1
           MOVE ALL 'Z' TO STG-AREA(25:)
      * The old place is no element; the new one is freed.
           CALL 'CEEFRST' USING PTR-OLD FC
           MOVE 'CEEFRST old place' TO WHAT
           IF FC-SEVERITY NOT = 3 OR FC-MSG-NO NOT = 810
              OR FC-CASE-SEV-CTL NOT = X'59' OR NOT FC-FACILITY-CEE
              PERFORM FAILED
           END-IF
           CALL 'CEEFRST' USING PTR-1 FC
           MOVE 'CEEFRST' TO WHAT
           IF NOT FC-SUCCESS PERFORM FAILED END-IF
      * Heap 0 serves a get and a free.
           MOVE 16 TO STG-SIZE
           CALL 'CEEGTST' USING HEAP-ZERO STG-SIZE PTR-1 FC
           MOVE 'heap 0' TO WHAT
           IF NOT FC-SUCCESS OR PTR-1 = NULL PERFORM FAILED END-IF
           SET ADDRESS OF STG-REC TO PTR-1
           MOVE 'HEAP ZERO' TO STG-NAME
           CALL 'CEEFRST' USING PTR-1 OMITTED
      * Heap 0 cannot be discarded; heap 1 goes.
           CALL 'CEEDSHP' USING HEAP-ZERO FC
           MOVE 'CEEDSHP 0' TO WHAT
           IF FC-MSG-NO NOT = 812 PERFORM FAILED END-IF
           CALL 'CEEDSHP' USING HEAP-ID FC
           MOVE 'CEEDSHP 1' TO WHAT
           IF NOT FC-SUCCESS PERFORM FAILED END-IF
      * Counts: 1 create, 1 discard, 1 get and 1 free of heap 0.
           MOVE 'statistics' TO WHAT
           IF OV-LE-EXTERNAL(738:8) NOT = X'0000000100000001'
              OR OV-LE-EXTERNAL(718:8) NOT = X'0000000100000001'
              PERFORM FAILED
           END-IF
           MOVE FAILURES TO RETURN-CODE
           GOBACK.
       FAILED.
           DISPLAY 'FAIL ' WHAT ': ' FC-MSG-NO ' ' HEAP-ID
           ADD 1 TO FAILURES.
