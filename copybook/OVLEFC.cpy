      *>==============================================================
      *> OVLEFC: the 16-byte feedback code (condition token) that a
      *> libovle service writes into its feedback-code argument.
      *>     COPY OVLEFC REPLACING ==:FC:== BY ==WS-FC==.
      *> Sixteen X'00' bytes mean success (:FC:-SUCCESS). Severity 2
      *> and above is an error; the facility ID comes in the caller's
      *> code set ("CEE" or "OVX").
      *> Reads the same in fixed and in free format (cobc -free).
      *>==============================================================
       01  :FC:.
           88  :FC:-SUCCESS          VALUE LOW-VALUES.
           05  :FC:-CONDITION-ID.
               10  :FC:-SEVERITY     PIC S9(4) BINARY.
                   88  :FC:-WARNING  VALUE 1.
                   88  :FC:-ERROR    VALUE 2 THRU 4.
               10  :FC:-MSG-NO       PIC S9(4) BINARY.
           05  :FC:-CASE-SEV-CTL     PIC X.
           05  :FC:-FACILITY-ID      PIC X(3).
               88  :FC:-FACILITY-CEE VALUE 'CEE'.
               88  :FC:-FACILITY-OVX VALUE 'OVX'.
           05  :FC:-ISI              PIC X(8).
