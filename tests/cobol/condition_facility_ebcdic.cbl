      * An ASCII program migrated with its comparisons written on the
      * mainframe: with OVLE_FACILITY_CODESET=EBCDIC every condition
      * token keeps its facility ID in EBCDIC, both ways, as the names
      * of copybook OVLECNDE hold it; a facility ID passed on its own
      * stays ASCII. The math entries' own frame keeps EBCDIC too.
      * ENV OVLE_FACILITY_CODESET=EBCDIC
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CONDEBC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  FC                      PIC X(16).
       COPY OVLECNDE.
       01  C-1                     PIC S9(4) BINARY VALUE 3.
       01  MSGNO                   PIC S9(4) BINARY VALUE 2508.
       01  CASE-1                  PIC S9(4) BINARY VALUE 1.
       01  SEV                     PIC S9(4) BINARY VALUE 3.
       01  CNTRL                   PIC S9(4) BINARY VALUE 1.
       01  FACID                   PIC X(3) VALUE 'CEE'.
       01  ISI                     PIC X(8) VALUE LOW-VALUES.
       01  NEW-TOKEN               PIC X(16).
       01  X-IN                    COMP-2 VALUE -1.
       01  X-OUT                   COMP-2.
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           CALL 'CEESDSQT' USING X-IN FC X-OUT
           IF FC(1:8) NOT = X'000207DA51C3C5C5' OR NOT = CEE1UQ
              DISPLAY 'FAIL CEESDSQT -1' ADD 1 TO FAILURES
           END-IF
           CALL 'CEE3GRC' USING X-IN FC
           IF FC(1:8) NOT = OVX9OF-4
              DISPLAY 'FAIL CEE3GRC' ADD 1 TO FAILURES
           END-IF
           CALL 'CEENCOD' USING C-1 MSGNO CASE-1 SEV CNTRL FACID ISI
                                NEW-TOKEN FC
           IF FC(1:8) NOT = CEE000 OR FACID NOT = 'CEE'
              OR NEW-TOKEN(1:8) NOT = CEE2EC
              DISPLAY 'FAIL CEENCOD' ADD 1 TO FAILURES
           END-IF
      * CEEDCOD reads the token's facility ID as EBCDIC and returns the
      * facility parameter in ASCII; an ASCII facility ID is refused.
           MOVE SPACES TO FACID
           MOVE 0 TO MSGNO
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           IF FC(1:8) NOT = CEE000 OR FACID NOT = 'CEE'
              OR MSGNO NOT = 2508 OR NEW-TOKEN(6:3) NOT = X'C3C5C5'
              DISPLAY 'FAIL CEEDCOD EBCDIC token' ADD 1 TO FAILURES
           END-IF
           MOVE 'CEE' TO NEW-TOKEN(6:3)
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           IF FC(1:8) NOT = CEE0CK
              DISPLAY 'FAIL CEEDCOD ASCII token' ADD 1 TO FAILURES
           END-IF
           COMPUTE RETURN-CODE = FUNCTION MIN(FAILURES, 1)
           GOBACK.
