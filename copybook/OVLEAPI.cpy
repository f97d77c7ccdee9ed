      *>==============================================================
      *> OVLEAPI: the argument types of the libovle services, for
      *> TYPE clauses. In WORKING-STORAGE:
      *>     COPY OVLEAPI.
      *>     01  LILIAN-DAY      TYPE OVLE-INT4.
      *>   OVLE-INT2     INT2, a big-endian halfword (BINARY)
      *>   OVLE-INT4     INT4, a big-endian fullword (BINARY)
      *>   OVLE-NATIVE2  halfword in the machine's order (COMP-5),
      *>                 as CGPIINFO takes it
      *>   OVLE-NATIVE4  fullword in the machine's order (COMP-5),
      *>                 as OVLEINIT takes it
      *>   OVLE-FLOAT4   single-precision floating point (COMP-1)
      *>   OVLE-FLOAT8   double-precision floating point (COMP-2)
      *>   OVLE-FC       a 16-byte feedback code or condition token;
      *>                 OVLEFC gives one with condition names
      *> VSTRING arguments: OVLEVSTR. Fixed texts: PIC X(n).
      *> Addresses: USAGE POINTER itself (cobc 3.1 does not compare
      *> an item typed from a POINTER typedef with NULL).
      *> Reads the same in fixed and in free format (cobc -free).
      *>==============================================================
       01  OVLE-INT2                 PIC S9(4) BINARY TYPEDEF.
       01  OVLE-INT4                 PIC S9(9) BINARY TYPEDEF.
       01  OVLE-NATIVE2              PIC S9(4) COMP-5 TYPEDEF.
       01  OVLE-NATIVE4              PIC S9(9) COMP-5 TYPEDEF.
       01  OVLE-FLOAT4               COMP-1 TYPEDEF.
       01  OVLE-FLOAT8               COMP-2 TYPEDEF.
       01  OVLE-FC                   TYPEDEF.
           05  OVLE-FC-SEVERITY      PIC S9(4) BINARY.
           05  OVLE-FC-MSG-NO        PIC S9(4) BINARY.
           05  OVLE-FC-CASE-SEV-CTL  PIC X.
           05  OVLE-FC-FACILITY-ID   PIC X(3).
           05  OVLE-FC-ISI           PIC X(8).
