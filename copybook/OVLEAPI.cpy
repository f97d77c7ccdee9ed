      *================================================================*
      * OVLEAPI: the argument types of the libovle services, as types  *
      * for TYPE clauses (COPY OVLEAPI. in WORKING-STORAGE, then for   *
      * example  01 LILIAN TYPE OVLE-INT4.).                            *
      *   OVLE-INT2    INT2, big-endian halfword                       *
      *   OVLE-INT4    INT4, big-endian fullword                       *
      *   OVLE-FLOAT4  single-precision floating point (COMP-1)        *
      *   OVLE-FLOAT8  double-precision floating point (COMP-2)        *
      *   OVLE-FC      the 16-byte feedback code (see also OVLEFC)     *
      *================================================================*
       01  OVLE-INT2                     PIC S9(4) BINARY TYPEDEF.
       01  OVLE-INT4                     PIC S9(9) BINARY TYPEDEF.
       01  OVLE-FLOAT4                   COMP-1 TYPEDEF.
       01  OVLE-FLOAT8                   COMP-2 TYPEDEF.
       01  OVLE-FC                       TYPEDEF.
           05  OVLE-FC-SEVERITY          PIC S9(4) BINARY.
           05  OVLE-FC-MSG-NO            PIC S9(4) BINARY.
           05  OVLE-FC-CASE-SEV-CTL      PIC X.
           05  OVLE-FC-FACILITY-ID       PIC X(3).
           05  OVLE-FC-ISI               PIC X(8).
