      *>==============================================================
      *> OVLEVSTR: a VSTRING argument, a big-endian length followed
      *> by the characters; only the first :V:-LEN characters count.
      *>     COPY OVLEVSTR REPLACING ==:V:== BY ==IN-DATE==
      *>                             ==:N:== BY ==80==.
      *> Reads the same in fixed and in free format (cobc -free).
      *>==============================================================
       01  :V:.
           05  :V:-LEN               PIC S9(4) BINARY.
           05  :V:-TXT               PIC X(:N:).
