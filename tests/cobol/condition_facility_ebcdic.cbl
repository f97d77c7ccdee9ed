      * An ASCII program migrated with its comparisons written on the
      * mainframe: feedback codes tested against hex values whose
      * facility ID is EBCDIC, and against copybook OVLECNDE. With
      * OVLE_FACILITY_CODESET=EBCDIC every condition token keeps its
      * facility ID in EBCDIC, both ways; a facility ID passed on its
      * own stays ASCII.
      * ENV OVLE_FACILITY_CODESET=EBCDIC
       IDENTIFICATION DIVISION.
       PROGRAM-ID. CONDEBC.
       DATA DIVISION.
       WORKING-STORAGE SECTION.
       01  FC.
           05  FC-CONDITION        PIC X(8).
               88  FC-OK           VALUE X'0000000000000000'.
               88  FC-BAD-DATE-VALUE VALUE X'000309CC59C3C5C5'.
               88  FC-SQRT-DOMAIN  VALUE X'000207DA51C3C5C5'.
               88  FC-NOT-AVAILABLE VALUE X'0004270F60D6E5E7'.
               88  FC-BAD-DESTINATION VALUE X'000301C359C3C5C5'.
               88  FC-BAD-FACILITY VALUE X'0001019449C3C5C5'.
           05  FC-ISI              PIC X(8).
       COPY OVLECNDE.
       COPY OVLEVSTR REPLACING ==:V:== BY ==MSG== ==:N:== BY ==20==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE== ==:N:== BY ==20==.
       COPY OVLEVSTR REPLACING ==:V:== BY ==PICSTR== ==:N:== BY ==20==.
       01  C-1                     PIC S9(4) BINARY.
       01  MSGNO                   PIC S9(4) BINARY.
       01  CASE-1                  PIC S9(4) BINARY.
       01  SEV                     PIC S9(4) BINARY.
       01  CNTRL                   PIC S9(4) BINARY.
       01  FACID                   PIC X(3).
       01  ISI                     PIC X(8).
       01  NEW-TOKEN               PIC X(16).
       01  DEST                    PIC S9(9) BINARY.
       01  LILIAN                  PIC S9(9) BINARY.
       01  X-IN                    COMP-2.
       01  X-OUT                   COMP-2.
       01  WHAT                    PIC X(30).
       01  FAILURES                PIC 9(4) VALUE 0.
       PROCEDURE DIVISION.
           MOVE 10 TO IN-DATE-LEN PICSTR-LEN
           MOVE '2007-02-30' TO IN-DATE-TXT
           MOVE 'YYYY-MM-DD' TO PICSTR-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           MOVE 'CEEDAYS 2007-02-30' TO WHAT
           IF NOT FC-BAD-DATE-VALUE OR FC-CONDITION NOT = CEE2EC
              PERFORM FAILED
           END-IF
           MOVE '2007-02-28' TO IN-DATE-TXT
           CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
           MOVE 'CEEDAYS 2007-02-28' TO WHAT
           IF NOT FC-OK OR FC-CONDITION NOT = CEE000 OR LILIAN = 0
              PERFORM FAILED
           END-IF
      * The math entries run a frame of their own; it keeps EBCDIC too.
           MOVE -1 TO X-IN
           CALL 'CEESDSQT' USING X-IN FC X-OUT
           MOVE 'CEESDSQT -1' TO WHAT
           IF NOT FC-SQRT-DOMAIN OR FC-CONDITION NOT = CEE1UQ
              PERFORM FAILED
           END-IF
           CALL 'CEE3GRC' USING LILIAN FC
           MOVE 'CEE3GRC' TO WHAT
           IF NOT FC-NOT-AVAILABLE OR FC-CONDITION NOT = OVX9OF-4
              PERFORM FAILED
           END-IF
           MOVE 3 TO DEST
           MOVE 0 TO MSG-LEN
           CALL 'CEEMOUT' USING MSG DEST FC
           MOVE 'CEEMOUT 3' TO WHAT
           IF NOT FC-BAD-DESTINATION PERFORM FAILED END-IF
      * CEENCOD: the facility parameter is ASCII, the token EBCDIC.
           MOVE 3 TO C-1 SEV
           MOVE 2508 TO MSGNO
           MOVE 1 TO CASE-1 CNTRL
           MOVE 'CEE' TO FACID
           MOVE LOW-VALUES TO ISI
           CALL 'CEENCOD' USING C-1 MSGNO CASE-1 SEV CNTRL FACID ISI
                                NEW-TOKEN FC
           MOVE 'CEENCOD' TO WHAT
           IF NOT FC-OK OR NEW-TOKEN(1:8) NOT = X'000309CC59C3C5C5'
              OR NEW-TOKEN(1:8) NOT = CEE2EC OR FACID NOT = 'CEE'
              PERFORM FAILED
           END-IF
      * CEEDCOD reads the token's facility ID as EBCDIC and returns the
      * facility parameter in ASCII.
           MOVE SPACES TO FACID
           MOVE 0 TO MSGNO
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           MOVE 'CEEDCOD EBCDIC token' TO WHAT
           IF NOT FC-OK OR FACID NOT = 'CEE' OR MSGNO NOT = 2508
              OR NEW-TOKEN(6:3) NOT = X'C3C5C5'
              PERFORM FAILED
           END-IF
           MOVE 'CEE' TO NEW-TOKEN(6:3)
           CALL 'CEEDCOD' USING NEW-TOKEN C-1 MSGNO CASE-1 SEV CNTRL
                                FACID ISI FC
           MOVE 'CEEDCOD ASCII token' TO WHAT
           IF NOT FC-BAD-FACILITY OR FC-CONDITION NOT = CEE0CK
              PERFORM FAILED
           END-IF
           IF FAILURES = 0
              MOVE 0 TO RETURN-CODE
           ELSE
              MOVE 1 TO RETURN-CODE
           END-IF
           GOBACK.
       FAILED.
           DISPLAY 'FAIL ' WHAT ': ' FC-CONDITION
           ADD 1 TO FAILURES.
