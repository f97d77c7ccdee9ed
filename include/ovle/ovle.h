/* libovle: Language Environment callable services for COBOL programs moved off the mainframe. */
#ifndef OVLE_OVLE_H
#define OVLE_OVLE_H

/*
 * Conventions
 *
 * 1. Arguments. Every argument is passed by reference, as a COBOL CALL ... USING passes it:
 *    each parameter below is the address of the caller's data item. Nothing is passed by value.
 *    Every entry returns int; it becomes the caller's RETURN-CODE and is 0 on the normal path.
 *    Results travel only in the arguments and in the feedback code.
 *
 * 2. Byte orders. INT2 (PIC S9(4) BINARY) and INT4 (PIC S9(9) BINARY) are big-endian whatever the
 *    machine, as GnuCOBOL stores BINARY/COMP by default; use ovle_int4_set/ovle_int4_get from C.
 *    Arguments documented as native (COMP-5, BINARY-LONG, BINARY-SHORT) are in the machine's byte
 *    order. FLOAT4 and FLOAT8 are the machine's IEEE 754 single and double (COMP-1, COMP-2); they
 *    may be unaligned.
 *    Declared the x86 way. A GnuCOBOL caller may declare an INT2/INT4 argument COMP-5 (as programs
 *    written for the mainframe, where COMP-5 is big-endian too, often do), BINARY-LONG or
 *    BINARY-SHORT, pass a numeric literal BY CONTENT, or compile with -fbinary-byteorder=native:
 *    libcob describes each item of the CALL, and such an item is read and written in the machine's
 *    order. A native argument passed as a BINARY item is read and written big-endian. The item is
 *    turned in place for the call and back before the return. Not seen, and so still big-endian:
 *    the length of a VSTRING and the halfwords inside a feedback code or condition token (parts of
 *    a group item, which libcob describes as a whole); an item of another width than the argument
 *    (PIC S9(18) COMP-5 for an INT4); an argument a C function called from COBOL passes on (only
 *    the entry a COBOL CALL names sees that CALL's items); and every call from C.
 *
 * 3. Strings. A VSTRING is an INT2 length followed by that many characters:
 *        01 V-DATE.
 *           05 V-LEN   PIC S9(4) BINARY.
 *           05 V-TXT   PIC X(80).
 *    Only the first `length` characters are read; a negative length counts as 0 and a length above
 *    the service's maximum is cut to it. Fixed strings are blank-padded to their declared size.
 *
 * 4. Code sets. A caller's character data are ASCII unless the caller keeps them in EBCDIC (set
 *    OVLE_CALLER_CODESET=EBCDIC for such programs). The library works in EBCDIC: it reads an ASCII
 *    caller's character inputs through a converted copy, so the caller's storage is never written
 *    (it may be read-only for a C caller); outputs and the facility ID of the feedback code always
 *    come back in the caller's code set.
 *    One exception, for programs whose comparisons were written on the mainframe with hex values
 *    (88 FC-BAD-DATE VALUE X'000309CC59C3C5C5'): with OVLE_FACILITY_CODESET=EBCDIC (read once per
 *    process) the facility ID inside every condition token stays EBCDIC for an ASCII caller too,
 *    both ways: in every feedback code and in the token CEENCOD builds, and in the token CEEDCOD
 *    and the other services read. A facility ID passed as a 3-character parameter of its own
 *    (CEENCOD, CEEDCOD) stays in the caller's code set. Unset or ASCII, the rule above holds.
 *
 * 5. OMITTED. The feedback code is the last argument of most services; the math and bit services
 *    take it before their result (CEESIABS(x, fc, result)) and CEECBLDY before its optional mode, as
 *    the published services do. It may be passed as OMITTED (a null pointer from C) or, where it is
 *    last, left off the end of the CALL's USING list; the condition is then discarded. A required argument that is missing gets nothing written through it and the call
 *    returns the library's own condition (severity 4, message 9999, facility "OVX").
 *    Under GnuCOBOL the CALL's argument count tells which arguments were passed; a C caller passes
 *    NULL for every argument it omits (a C function called from COBOL that calls an entry directly
 *    must do the same: the count it would see belongs to the COBOL CALL of that function).
 *
 * 6. The feedback code, 16 bytes (PIC X(16), or the group in copybook OVLEAPI):
 *        bytes 0-1 severity (INT2), 2-3 message number (INT2), 4 case/severity/control
 *        (X'40' + 8 x severity + control), 5-7 facility ID ("CEE", "OVX"), 8-15 instance data.
 *    Sixteen X'00' bytes mean success.
 *
 * 7. Threads. The services share one process-wide run-time area without locks; call them from one
 *    thread at a time.
 *
 * 8. Linking from GnuCOBOL. Static: cobc -x -fstatic-call prog.cbl -L<dir> -lovle. Dynamic CALL:
 *    COB_PRE_LOAD=/path/to/libovle.so. Upper-case, lower-case and hyphenated CALL names
 *    ('OV-PIPI' looks for OV__PIPI) are all exported.
 */

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define OVLE_API __attribute__((visibility("default")))
#else
#define OVLE_API
#endif

/* The entries never throw; C++ callers see them as noexcept. */
#ifdef __cplusplus
#define OVLE_NOEXCEPT noexcept
#else
#define OVLE_NOEXCEPT
#endif

/* INT2 and INT4, big-endian. */
typedef struct ovle_int2 {
  unsigned char be[2];
} ovle_int2;
typedef struct ovle_int4 {
  unsigned char be[4];
} ovle_int4;

/* VSTRING: the caller's storage may hold fewer than OVLE_VSTRING_CAPACITY characters. */
#define OVLE_VSTRING_CAPACITY 256
typedef struct ovle_vstring {
  ovle_int2 length;
  char text[OVLE_VSTRING_CAPACITY];
} ovle_vstring;

/* The 16-byte feedback code (condition token). */
typedef struct ovle_feedback {
  ovle_int2 severity;
  ovle_int2 message_number;
  unsigned char case_severity_control;
  char facility[3];
  unsigned char instance[8];
} ovle_feedback;

static inline int32_t ovle_int4_get(const ovle_int4* v) {
  return (int32_t)(((uint32_t)v->be[0] << 24) | ((uint32_t)v->be[1] << 16) | ((uint32_t)v->be[2] << 8) |
                   (uint32_t)v->be[3]);
}
static inline void ovle_int4_set(ovle_int4* v, int32_t value) {
  const uint32_t u = (uint32_t)value;
  v->be[0] = (unsigned char)(u >> 24);
  v->be[1] = (unsigned char)(u >> 16);
  v->be[2] = (unsigned char)(u >> 8);
  v->be[3] = (unsigned char)u;
}
static inline int16_t ovle_int2_get(const ovle_int2* v) {
  return (int16_t)(((unsigned)v->be[0] << 8) | (unsigned)v->be[1]);
}
static inline void ovle_int2_set(ovle_int2* v, int16_t value) {
  const uint16_t u = (uint16_t)value;
  v->be[0] = (unsigned char)(u >> 8);
  v->be[1] = (unsigned char)u;
}

/* ==== Service frame and run-time environment ==================================================== */

/*
 * CGPIINFO: tells whether the caller of a program keeps its data in ASCII or EBCDIC.
 *   mode  01 MODE PIC S9(4) COMP-5 (native), in/out:
 *         in 2: the program two levels up (a service's caller); out 3 ASCII, 4 EBCDIC;
 *         in 3: three levels up, likewise; in 0: the masked X'03' attribute bits of the first
 *         flagged program above, 0 when none; any other input: out 0.
 *   Conditions: none (no feedback code).
 *   CALL 'CGPIINFO' USING MODE
 */
OVLE_API int CGPIINFO(int16_t* mode) OVLE_NOEXCEPT;

/*
 * OVLEINIT: asks for a fresh initialization of the run-time environment and splits a command line
 * into run-time options and user parameters at a "/".
 *   function  PIC S9(9) COMP-5 (native), in: 0 user parameters first, 1 run-time options first,
 *             2 or more only re-initialize.
 *   text      VSTRING, in, at most 100 characters.
 *   result    VSTRING, out: function 0 the user-parameter part, function 1 the text unchanged;
 *             untouched for 2 or more.
 *   Conditions: none (no feedback code).
 *   CALL 'OVLEINIT' USING FUNC CMD-TEXT USER-PARMS
 */
OVLE_API int OVLEINIT(const int32_t* function, const ovle_vstring* text, ovle_vstring* result) OVLE_NOEXCEPT;

/*
 * OV-PIPI: initializes the run-time environment once per process; every service calls it when the
 * environment is not yet initialized. All arguments may be omitted.
 *   function         INT2, in: 2 small HEAP defaults and ALL31(ON), 3 remembered, others ignored.
 *   runtime_options  VSTRING, in (EBCDIC), at most 100 characters: run-time options such as
 *                    RPTSTG(ON) HEAP(64K,16K,ANYWHERE,KEEP) STORAGE(00,FE), separated by blanks or
 *                    commas, names in any case and IBM's abbreviations (RPTO, RPTS, STOR, H ...).
 *   user_parameters  VSTRING, in (EBCDIC), at most 100 characters: the parameter string.
 *   Where the settings come from: on hosts "B" and "Q" (OVLE_OSTYPE 1 and 2) fixed values, then the
 *   entries of the configuration file (OVLECONFIG) and the run-time options of argument 2; on host
 *   "H" with its IDE link up the IDE's settings and argument 2; elsewhere the environment variables
 *   COBLANG, LANG, OVCODESET, COUNTRY, NATLANG, GMTO, PARM, HEAP, STORAGE, ALL31, RPTSTG, RPTOPTS,
 *   CBLOPTS and MSGFILE. Faults in option texts are shown on the console as CEE36xxI messages.
 *   Conditions: none (no feedback code).
 *   CALL 'OV-PIPI'
 */
OVLE_API int OV0PIPI(const ovle_int2* function, const ovle_vstring* runtime_options,
                     const ovle_vstring* user_parameters) OVLE_NOEXCEPT;

/*
 * LESSOUTA, LESSOUTE: the SYSOUT line writers, for text held in ASCII (LESSOUTA) and in EBCDIC
 * (LESSOUTE, which converts to ASCII on the way out). Each writer has one named output of its own.
 *   function  INT2, in: 0 write a line to SYSOUT (standard output; cut to 255 characters),
 *             1 open the named output `text` (at most 8 characters) for extend, creating it when it
 *             is missing, 2 write a 121-character record to it (cut or blank-padded), 3 close it.
 *   length    INT2, in: the length of `text`.
 *   text      PIC X(n), in: the line or the name.
 *   A name maps to the path in the environment variable DD_<name>, dd_<name> or <name>, else to
 *   the name itself in the current directory. A write after a failed open writes nothing.
 *   Conditions: none (no feedback code); a call with fewer than three arguments does nothing.
 *   CALL 'LESSOUTA' USING FUNC LINE-LEN LINE-TEXT
 */
OVLE_API int LESSOUTA(const ovle_int2* function, const ovle_int2* length, const char* text) OVLE_NOEXCEPT;
OVLE_API int LESSOUTE(const ovle_int2* function, const ovle_int2* length, const char* text) OVLE_NOEXCEPT;

/* ---- Configuration file and product queries ---- */
/* OVLE-CFG, the configuration file of run-time options; CEEGPID, CEE3PRM, CEE3USR. */

/*
 * OVLE-CFG: read access to the configuration file of run-time options named by the environment
 * variable OVLECONFIG. The first call loads the whole file, one 256-character entry per line;
 * later calls hand the entries out in order or find the first that begins with a key. Keys and
 * entries are EBCDIC whatever the caller's code set.
 *   function  PIC S9(4) COMP-5 (native), in: 0 first entry, 1 next entry, 2 the first entry that
 *             begins with `key`, 3 reload the file, 4 close (the next call loads again).
 *   key       PIC X(20), in, EBCDIC, blank-padded; function 2 compares the characters before the
 *             first blank.
 *   entry     PIC X(256), out, EBCDIC: the entry, 256 blanks when there is none.
 *   status    PIC S9(4) COMP-5 (native), out: 0 done (also for a key that was not found),
 *             1 the file did not open, 2 a read of the file failed, 3 no in-memory stream,
 *             4 an entry could not be stored (also past 65,536 entries), 5 an entry could not be
 *             read back, 9 no entry (no file loaded, or past the last entry).
 *   Conditions: none (no feedback code); a call without function, entry or status does nothing.
 *   CALL 'OVLE-CFG' USING CFG-FUNC CFG-KEY CFG-ENTRY CFG-STATUS
 */
OVLE_API int OVLE0CFG(const int16_t* function, const char* key, char* entry, int16_t* status) OVLE_NOEXCEPT;

/*
 * CEEGPID: the version and platform of the run-time environment. Where the settings come from the
 * environment (no host edition, or host "H" without its IDE), every call also shows a seven-line
 * banner on the console.
 *   version   INT4, out: 140 (1.4.0).
 *   platform  INT4, out: 3 (MVS/VM).
 *   fc        feedback code, out, may be omitted. Conditions: none.
 *   CALL 'CEEGPID' USING LE-VERSION LE-PLATFORM FC
 */
OVLE_API int CEEGPID(ovle_int4* version, ovle_int4* platform, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEE3PRM: the invocation parameter string (PARM, the user parameters OVLEINIT split off, or the
 * command line, as the initialization found them).
 *   parm  PIC X(80), out: its first 80 characters, blank-padded.
 *   fc    feedback code, out, may be omitted.
 *         Conditions: severity 1, message 3649, facility CEE when the string is longer than 80
 *         characters and was cut (also when the leading blanks of the command-line arguments add
 *         up to more than 80). Without command-line arguments and with a blank string, eight
 *         console lines beginning "No Parameter detected by CEE3PRM" say so.
 *   CALL 'CEE3PRM' USING PARM-STRING FC
 */
OVLE_API int CEE3PRM(char* parm, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEE3USR: sets or queries one of the two user fields of the run-time environment (zero after
 * each initialization).
 *   function  INT4, in: 1 set, 2 query.
 *   field     INT4, in: 1 or 2.
 *   value     INT4, in for a set, out for a query: the four bytes as the caller passed them.
 *   fc        feedback code, out, may be omitted. Conditions (severity 3, facility CEE):
 *             3900 the function is neither 1 nor 2 (checked first); 3901 the field is neither 1
 *             nor 2. Nothing changes on a condition.
 *   CALL 'CEE3USR' USING USR-FUNC USR-FIELD USR-VALUE FC
 */
OVLE_API int CEE3USR(const ovle_int4* function, const ovle_int4* field, ovle_int4* value,
                     ovle_feedback* fc) OVLE_NOEXCEPT;

/* ---- Exit processing ---- */
/* What runs when the run unit ends: the storage and options reports, the discard of the heaps. */

/*
 * OVLEEPNT: installs the end-of-run procedure le_common_exit_proc once per process (CBL_EXIT_PROC
 * under GnuCOBOL, so it runs at STOP RUN or the main program's GOBACK; atexit otherwise). The
 * initialization calls it when the heap record stream opens.
 *   Conditions: none (no arguments).
 *   CALL 'OVLEEPNT'
 */
OVLE_API int OVLEEPNT(void) OVLE_NOEXCEPT;

/*
 * register_heap_usage: installs the end-of-run procedure like OVLEEPNT and asks for the close-down
 * of the heaps at the end of the run (le_dynamic_close_proc).
 *   Conditions: none (no arguments).
 *   CALL 'register_heap_usage'
 */
OVLE_API int register_heap_usage(void) OVLE_NOEXCEPT;

/*
 * le_common_exit_proc: the end-of-run procedure. Runs le_dynamic_close_proc when heap usage was
 * registered, then marks the environment as not initialized, so that a service called later in
 * the same process initializes it again.
 *   Conditions: none (no arguments).
 *   CALL 'le_common_exit_proc'
 */
OVLE_API int le_common_exit_proc(void) OVLE_NOEXCEPT;

/*
 * le_dynamic_close_proc: the close-down of the run-time environment. With RPTSTG(ON) it calls the
 * storage report CEEGTST_STORAGE_REPORT; it discards every heap of the registry through CEEDSHP
 * (their conditions are discarded), closes the heap record stream and, with
 * RPTOPTS(ON), writes the options report (" Options Report ", then one line per run-time option
 * with where it was last set and its value) to the message file through LESSOUTA or LESSOUTE.
 *   Conditions: none (no arguments).
 *   CALL 'le_dynamic_close_proc'
 */
OVLE_API int le_dynamic_close_proc(void) OVLE_NOEXCEPT;

/* ==== Calendar dates ============================================================================== */

/*
 * CEEQCEN: returns the century window, the number of years before the current year at which the
 * 100-year window for two-digit years begins.
 *   century_start  INT4, out: 0 to 99.
 *   fc             feedback code, out, may be omitted. Conditions: none.
 *   CALL 'CEEQCEN' USING CENTURY-START FC
 */
OVLE_API int CEEQCEN(ovle_int4* century_start, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEESCEN: sets the century window for the whole process.
 *   century_start  INT4, in: 0 to 100 (100 is kept as 0).
 *   fc             feedback code, out, may be omitted.
 *                  Conditions: severity 3, message 9999, facility OVX for a value outside 0 to 100
 *                  (the window is left as it was).
 *   CALL 'CEESCEN' USING CENTURY-START FC
 */
OVLE_API int CEESCEN(const ovle_int4* century_start, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEDYWK: the day of the week of a Lilian day (day 1 is Friday 15 October 1582).
 *   lilian  INT4, in: 1 to 3,074,324 (31 December 9999).
 *   day     INT4, out: 1 Sunday, 2 Monday, ..., 7 Saturday; 0 when a condition is returned.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 3, message 2512, facility CEE for a Lilian day below 1 or above
 *           3,074,324.
 *   CALL 'CEEDYWK' USING LILIAN-DAY DAY-OF-WEEK FC
 */
OVLE_API int CEEDYWK(const ovle_int4* lilian, ovle_int4* day, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * LILFUDGE: the library's converter from a Lilian day of 15 October 1582 to 31 December 1600
 * (Lilian 1 to 6653) to its date. It works in the library's internal code set: the digits it
 * writes are EBCDIC (X'F0' to X'F9'), whatever the caller's code set.
 *   lilian     INT4, in.
 *   gregorian  PIC 9(8) (YYYYMMDD), out.
 *   julian     PIC 9(7) (YYYYDDD), out.
 *   weekday    PIC 9, out: 1 Monday ... 7 Sunday.
 *   Conditions: none (no feedback code); a Lilian day outside 1 to 6653 gives all three outputs
 *   as zeros.
 *   CALL 'LILFUDGE' USING LILIAN-DAY GREG-DATE JUL-DATE WEEKDAY-DIGIT
 */
OVLE_API int LILFUDGE(const ovle_int4* lilian, char* gregorian, char* julian, char* weekday) OVLE_NOEXCEPT;

/*
 * PICFUDGE: the library's converter from a date of 15 October 1582 to 31 December 1600 to its
 * Lilian day. It works in the library's internal code set: digits and type letter are EBCDIC.
 *   lilian     INT4, out.
 *   gregorian  PIC 9(8) (YYYYMMDD), in, read when the type is "G": 15821015 to 16001231.
 *   julian     PIC 9(7) (YYYYDDD), in, read when the type is "J": 1582288 to 1600366.
 *   type       PIC X, in: "G" or "J".
 *   Conditions: none (no feedback code); another type, a date outside its window, digits that
 *   are no date (month 13, day 00, day 366 of a common year) or not digits give 0.
 *   CALL 'PICFUDGE' USING LILIAN-DAY GREG-DATE JUL-DATE DATE-TYPE
 */
OVLE_API int PICFUDGE(ovle_int4* lilian, const char* gregorian, const char* julian, const char* type) OVLE_NOEXCEPT;

/*
 * CEEDAYS: converts a date written as text, laid out by a picture string, to a Lilian day number
 * (1 = 15 October 1582). The work is done by the date engine of CEECBLDY, called by name.
 *   date     VSTRING, in: the date; only its first 80 characters are read. Leading blanks are
 *            skipped unless the picture starts with a blank. Unchanged after the call.
 *   picture  VSTRING, in: the picture (YYYY-MM-DD, MM/DD/YY, Mmmmmmmmmz ZD, YYYY, YYYYDDD ...);
 *            only its first 100 characters are scanned. Unchanged after the call.
 *   lilian   INT4, out: the Lilian day, 0 on any condition.
 *   fc       feedback code, out, may be omitted. Conditions (severity 3, facility CEE):
 *            2507 a component of the date was not read; 2508 invalid month, day or day of year;
 *            2513 date before 15 October 1582; 2517 unknown month name, weekday name or Roman
 *            numeral; 2518 no token in the picture; 2520 the date is not numeric (or zero).
 *            When several apply, the last found is returned. The library's own condition (OVX 9999)
 *            when CEECBLDY cannot be reached (two console lines say so).
 *   CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
 */
OVLE_API int CEEDAYS(const ovle_vstring* date, const ovle_vstring* picture, ovle_int4* lilian,
                     ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEECBLDY: converts a date written as text, laid out by a picture string, to a COBOL integer date
 * (1 = 1 January 1601), as FUNCTION INTEGER-OF-DATE counts. Same reading rules as CEEDAYS.
 *   date     VSTRING, in: the date, at most 80 characters read.
 *   picture  VSTRING, in: the picture, at most 100 characters scanned.
 *   result   INT4, out: the integer date (the Lilian day with mode "1"), 0 on any condition.
 *   fc       feedback code, out, may be omitted. Conditions as CEEDAYS; 2513 for dates before
 *            1 January 1601 (before 15 October 1582 with mode "1").
 *   mode     PIC X, in, optional: "1" asks for a Lilian day; anything else, or leaving it off,
 *            an integer date.
 *   CALL 'CEECBLDY' USING IN-DATE PICSTR INT-DATE FC
 */
OVLE_API int CEECBLDY(const ovle_vstring* date, const ovle_vstring* picture, ovle_int4* result, ovle_feedback* fc,
                      const char* mode) OVLE_NOEXCEPT;

/* ==== Timestamps and the clock ==================================================================== */

/*
 * Lilian seconds (FLOAT8, COMP-2): the Lilian day x 86,400 plus the seconds of the day, milliseconds
 * as the fraction; 86,400.000 is 00:00:00.000 on 15 October 1582 and 265,621,679,999.999 is
 * 23:59:59.999 on 31 December 9999. A FLOAT8 is read as the shortest decimal that gives back the same
 * FLOAT8, cut (not rounded) after the milliseconds: 12,799,197,749.046 is 046 milliseconds. NaN, the
 * infinities and -0 are outside the range.
 *
 * Picture strings of the formatting services: the tokens of CEEDAYS, plus ZYY, ZM, ZD and ZH (a
 * leading zero dropped), RRRZ and the Z-form names (Mmmmmmmmmz, Wwwwwwwwwz: trailing blanks dropped),
 * HH, MI, SS, 9/99/999 (tenths, hundredths, milliseconds, truncated) and AP, ap, A.P., a.p. (CEEDATM
 * only: AM up to 12 o'clock, PM from 13 on, when the hours then count from 1). Everything else is
 * copied as written. Only the first 80 characters of a picture are formatted.
 */

/*
 * CEEDATE: formats a Lilian day (1 = 15 October 1582) through a picture string.
 *   lilian   INT4, in: 1 to 3,074,324.
 *   picture  VSTRING, in: the picture, at most 100 characters scanned; empty or blank takes the
 *            default of the country on top of the country stack from CEEFMDA (a blank country has
 *            an empty one, which gives 2518). Unchanged after the call.
 *   output   PIC X(80), out: the date, blank-padded; blank on any condition.
 *   fc       feedback code, out, may be omitted. Conditions (severity 3, facility CEE): 2512 Lilian
 *            day out of range; 2518 no token in the picture (also when CEEFMDA cannot be reached:
 *            two console lines say so). A condition of CEEFMDA's is returned as it came.
 *   "Wwwwwwwwwz, Mmmmmmmmmz ZD, YYYY" gives "Monday, January 1, 1601" for Lilian 6654.
 *   CALL 'CEEDATE' USING LILIAN PICSTR OUT-DATE FC
 */
OVLE_API int CEEDATE(const ovle_int4* lilian, const ovle_vstring* picture, char* output, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEESECI: splits Lilian seconds into the seven components.
 *   seconds  FLOAT8 (COMP-2), in: 86,400 to 265,621,679,999.999.
 *   year, month, day, hours, minutes, seconds_out, milliseconds
 *            INT4, out: 1582-9999, 1-12, 1-31, 0-23, 0-59, 0-59, 0-999; all 0 on a condition.
 *   fc       feedback code, out, may be omitted. Conditions: severity 3, message 2505, facility CEE
 *            for seconds out of range.
 *   CALL 'CEESECI' USING SECS YEAR MONTH DAYS HOURS MINUTES SECONDS MILLSEC FC
 */
OVLE_API int CEESECI(const double* seconds, ovle_int4* year, ovle_int4* month, ovle_int4* day, ovle_int4* hours,
                     ovle_int4* minutes, ovle_int4* seconds_out, ovle_int4* milliseconds, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEISEC: builds Lilian seconds from the seven components.
 *   year, month, day, hours, minutes, seconds_in, milliseconds
 *            INT4, in: 1582-9999, 1-12, 1-31, 0-23, 0-59, 0-59, 0-999.
 *   seconds  FLOAT8 (COMP-2), out: Lilian seconds, 0 on a condition.
 *   fc       feedback code, out, may be omitted. Conditions (severity 3, facility CEE), the first
 *            that applies in this order: 2510 hours, 2511 day, 2514 year, 2515 milliseconds,
 *            2516 minutes, 2517 month, 2519 seconds out of range. The day is checked against 1 to 31
 *            only: a day that the month does not have (30 February), or a day of 1582 before
 *            15 October, counts as Lilian day 0, which leaves the time of the day alone (below
 *            86,400, out of range for the services that take Lilian seconds).
 *   CALL 'CEEISEC' USING YEAR MONTH DAYS HOURS MINUTES SECONDS MILLSEC SECS FC
 */
OVLE_API int CEEISEC(const ovle_int4* year, const ovle_int4* month, const ovle_int4* day, const ovle_int4* hours,
                     const ovle_int4* minutes, const ovle_int4* seconds_in, const ovle_int4* milliseconds,
                     double* seconds, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEESECS: converts a timestamp written as text, laid out by a picture, to Lilian seconds. The date
 * part is read by CEEDAYS (called by name, same rules and conditions); the hour, minutes, seconds and
 * fraction are then read at their tokens' positions, moved left by what the text is short of before
 * them: a one-digit hour (delimited on both sides), and the one-digit months and days, shortened
 * names and Roman numerals the date part had ("92/6/3 15.35.03" with "YY/MM/DD HH.MI.SS" is
 * 15:35:03). 9 and 99 are read as tenths and hundredths. The meridian is not applied (01:00 PM is
 * 01:00) and the time is not range-checked (hour 25 is 01:00 of the next day).
 *   timestamp  VSTRING, in: at most 80 characters read; leading blanks are skipped unless the
 *              picture starts with a blank. Unchanged after the call.
 *   picture    VSTRING, in: at most 100 characters scanned. Unchanged after the call.
 *   seconds    FLOAT8 (COMP-2), out: Lilian seconds; left as it was when the date part fails.
 *   fc         feedback code, out, may be omitted. Conditions: those of CEEDAYS for the date part;
 *              severity 3, message 2525, facility CEE (output 0) when the time is not numeric.
 *   CALL 'CEESECS' USING IN-TIMESTAMP PICSTR SECS FC
 */
OVLE_API int CEESECS(const ovle_vstring* timestamp, const ovle_vstring* picture, double* seconds,
                     ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEDATM: formats Lilian seconds through a picture string (the components from CEESECI, called by
 * name). The date tokens are formatted and shortened as CEEDATE does; HH, ZH, MI, SS, the fraction
 * tokens and the meridian as stated above; every removal moves what follows it left.
 *   seconds  FLOAT8 (COMP-2), in: 86,400 to 265,621,679,999.999.
 *   picture  VSTRING, in: at most 100 characters scanned; empty or blank takes the default of the
 *            country on top of the country stack from CEEFMDT. Unchanged after the call.
 *   output   PIC X(80), out: the timestamp, blank-padded; blank on any condition.
 *   fc       feedback code, out, may be omitted. Conditions (severity 3, facility CEE): 2505 seconds
 *            out of range; 2518 no token in the picture. A condition of CEEFMDT or CEESECI is
 *            returned as it came (two console lines say so).
 *   "Wwwwwwwwwz, DD Mmm YYYY, ZH:MI AP" gives "Monday, 16 May 1988, 8:42 PM".
 *   CALL 'CEEDATM' USING SECS PICSTR OUT-TIMESTAMP FC
 */
OVLE_API int CEEDATM(const double* seconds, const ovle_vstring* picture, char* output, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEELOCT: the current local date and time, from the system clock and time zone (or the fixed
 * reading in OVLE_CURRENT_DATE, 21 characters YYYYMMDDhhmmsscc followed by the offset: a sign "+",
 * "-" or "0", and HHMM; "0" means the system knows no offset).
 *   lilian     INT4, out: the Lilian day.
 *   seconds    FLOAT8 (COMP-2), out: Lilian seconds, to the hundredth.
 *   gregorian  PIC X(17), out: YYYYMMDDHHMISS and three millisecond digits (hundredths and "0").
 *   fc         feedback code, out, may be omitted. Conditions: severity 3, message 2531, facility
 *              CEE when the clock gives no date (outputs left as they were).
 *   CALL 'CEELOCT' USING LILIAN SECS GREGORN FC
 */
OVLE_API int CEELOCT(ovle_int4* lilian, double* seconds, char* gregorian, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEGMTO: the offset of local time from Greenwich Mean Time: the system's, or when the system
 * knows none, the offset configured at start-up (GMTO).
 *   hours    INT4, out: signed (-5 west of Greenwich).
 *   minutes  INT4, out: 0 to 59, never negative (-0330 gives -3 and 30).
 *   seconds  FLOAT8 (COMP-2), out: the whole offset, signed (-12,600 for -0330).
 *   fc       feedback code, out, may be omitted. Conditions: severity 3, message 2503, facility CEE
 *            when neither gives an offset (hours and minutes 0, seconds left as they were).
 *   CALL 'CEEGMTO' USING OFF-HOURS OFF-MINUTES OFF-SECS FC
 */
OVLE_API int CEEGMTO(ovle_int4* hours, ovle_int4* minutes, double* seconds, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEGMT, CEEUTC (two names, one service): the current Greenwich Mean Time, the local time of
 * CEELOCT less the offset of CEEGMTO (both called by name).
 *   lilian   INT4, out: the Lilian day at Greenwich (a day before or after the local one when the
 *            offset crosses midnight).
 *   seconds  FLOAT8 (COMP-2), out: Lilian seconds at Greenwich, to the hundredth.
 *   fc       feedback code, out, may be omitted. Conditions: severity 3, message 2502, facility CEE
 *            (both outputs 0) when neither the system nor the configuration gives an offset with a
 *            sign "+" or "-"; a condition of CEEGMTO or CEELOCT as it came (outputs left as they were).
 *   CALL 'CEEGMT' USING LILIAN SECS FC
 */
OVLE_API int CEEGMT(ovle_int4* lilian, double* seconds, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEEUTC(ovle_int4* lilian, double* seconds, ovle_feedback* fc) OVLE_NOEXCEPT;

/* ==== Country and language ======================================================================== */

/*
 * The built-in country table holds 151 countries and a blank record (country code two blanks, every
 * field blank). Country codes are two upper-case letters (US, DE, FR ...); the services upper-case
 * what they are given. The current country is the top of a stack of up to 99 country codes, the
 * current language the top of a stack of up to 99 language codes (ENU, UEN, JPN), both shared by
 * the whole process.
 */

/*
 * OVCTYDEF: the country table itself. Everything it takes and returns is EBCDIC, whatever the
 * caller's code set; it converts nothing and writes no feedback code.
 *   country  PIC X(2), in: the country code, EBCDIC upper case (two blanks: the blank record).
 *   request  PIC X, in: EBCDIC "1" decimal separator, "2" thousands separator, "3" currency symbol
 *            (4), "4" time picture (12), "5" date picture (18), "6" timestamp picture (27), "7" the
 *            country code (2).
 *   result   PIC X(80), out: the field, left-justified and blank-padded (EBCDIC blanks); all 80
 *            bytes X'FF' when the country is not in the table or the request is none of "1" to "7".
 *   Conditions: none (no feedback code).
 *   CALL 'OVCTYDEF' USING CTY-CODE REQ-CODE CTY-ANSWER
 */
OVLE_API int OVCTYDEF(const char* country, const char* request, char* result) OVLE_NOEXCEPT;

/*
 * CEE3CTY: sets, queries, pushes or pops the current country (the country stack).
 *   function  INT4, in: 1 set (replaces the current country), 2 query, 3 push, 4 pop.
 *   country   PIC X(2), in (set, push; upper-cased, the caller's field unchanged) or out (query:
 *             the current country; pop: the country removed, or the only one left).
 *   fc        feedback code, out, may be omitted. Conditions (facility CEE):
 *             severity 3, message 3456 set or push of a country not in the table, or push onto
 *             99 stacked countries (stack unchanged); severity 3, message 3457 function not 1 to
 *             4 (nothing done); severity 2, message 3455 pop of the only country (it stays).
 *   CALL 'CEE3CTY' USING FUNC-CODE COUNTRY-CODE FC
 */
OVLE_API int CEE3CTY(const ovle_int4* function, char* country, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEE3LNG: sets, queries, pushes or pops the current national language (the language stack).
 *   function  INT4, in: 1 set, 2 query, 3 push, 4 pop.
 *   language  PIC X(3), in (set, push: ENU, UEN or JPN, in any case) or out (query: the current
 *             language; pop: the language removed, or the only one left).
 *   fc        feedback code, out, may be omitted. Conditions (facility CEE):
 *             severity 3, message 3451 set or push of another language, or push onto 99 stacked
 *             languages (stack unchanged); severity 3, message 3452 function not 1 to 4;
 *             severity 2, message 3450 pop of the only language (it stays).
 *   CALL 'CEE3LNG' USING FUNC-CODE LANG-CODE FC
 */
OVLE_API int CEE3LNG(const ovle_int4* function, char* language, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEE3MDS, CEE3MTS, CEE3MCS: a country's decimal separator, thousands separator and currency symbol.
 *   country  PIC X(2), in: the country code, any case; two blanks or two low-values mean the
 *            current country. Unchanged after the call.
 *   symbol   PIC X(2) for CEE3MDS and CEE3MTS (the separator and a blank), PIC X(4) for CEE3MCS,
 *            out. An unknown country gets "." (CEE3MDS), "," (CEE3MTS) or the currency sign
 *            (CP037 X'9F', ISO-8859-1 X'A4'; CEE3MCS).
 *   fc       feedback code, out, may be omitted. Conditions (facility CEE, severity 2): 3461
 *            (CEE3MDS), 3465 (CEE3MTS), 3463 (CEE3MCS) for a country not in the table.
 *   Currency signs without an ASCII character come to an ASCII caller in ISO-8859-1.
 *   When the environment cannot be initialized, a query for the current country displays
 *   "Unable to Start Orvane CEE Emulation" and answers as for an unknown country.
 *   CALL 'CEE3MDS' USING COUNTRY-CODE DECIMAL-SEP FC
 */
OVLE_API int CEE3MDS(const char* country, char* decimal_separator, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEE3MTS(const char* country, char* thousands_separator, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEE3MCS(const char* country, char* currency_symbol, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEFMDA, CEEFMTM, CEEFMDT: a country's default date, time and timestamp picture strings, ready for
 * CEEDAYS, CEEDATE and the timestamp services.
 *   country  PIC X(2), in: as for CEE3MDS (blank or low-values: the current country).
 *   picture  PIC X(80), out: the picture, blank-padded; for an unknown country YYYY-MM-DD
 *            (CEEFMDA), HH:MI:SS (CEEFMTM) or YYYY-MM-DD HH:MI:SS (CEEFMDT).
 *   fc       feedback code, out, may be omitted. Conditions (facility CEE, severity 2): 3467
 *            (CEEFMDA), 3469 (CEEFMTM), 3471 (CEEFMDT) for a country not in the table.
 *   CALL 'CEEFMDA' USING COUNTRY-CODE DATE-PICTURE FC
 */
OVLE_API int CEEFMDA(const char* country, char* picture, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEEFMTM(const char* country, char* picture, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEEFMDT(const char* country, char* picture, ovle_feedback* fc) OVLE_NOEXCEPT;

/* ==== Storage ===================================================================================== */

/*
 * User heaps. Heap 0 always exists; CEECRHP creates heaps 1 to 998. A heap gets memory in blocks
 * and hands out elements of it by first fit: the heap's blocks of the request's placement, newest
 * first, and in each block the lowest address with room. Element sizes are rounded up to a multiple
 * of 8; an element's address is its first usable byte, a native pointer (USAGE POINTER, 8 bytes, in
 * the machine's byte order) usable at once with SET ADDRESS OF.
 *
 * The bookkeeping is byte-exact in OV-LE-EXTERNAL and in the heap record stream:
 *   registry slot s (from 1, heap ID s - 1) at offset 789 + 18 (s - 1): heap ID, initial size and
 *   increment as INT4 (big-endian; heap ID -1 marks a free slot), options as two digits, then the
 *   stream offset of the heap's first block record; the number of slots in use at 785 (packed
 *   decimal), the stream top at 773 and the head of the released-record chain at 777.
 *   Block and subblock records are 29 bytes; record k is at stream offset 4 + 29 k (0 means none).
 *   The stream top, the released-record chain, the slot's first-block offset and every binary field
 *   of a record are in native (little-endian) order; the statistics at 705-768 are big-endian.
 *
 * Settings read from OV-LE-EXTERNAL (the HEAP, STORAGE and ALL31 options): with ALL31 "0" every
 * element is placed below the line, otherwise options 73, 74, 76 ask for below, 0, 1, 70 follow the
 * HEAP location and the rest go above; a heap size of 0 takes the HEAP option's size for the
 * placement. The STORAGE heap-fill byte fills new elements and the free-fill byte freed ones when
 * their switches are on; options 79 and 80 clear new elements. An emptied block is kept by options
 * 70, 71, 73, 77, 79, by 0, 75, 76 under HEAP(,,,KEEP), and returned otherwise.
 *
 * Conditions (facility CEE, severity 3, control 1 unless said): 802 severity 4 a write of the heap
 * record stream failed (severity 3 when CEEFRST or CEEDSHP fail to chain a released record);
 * 803 heap ID not in use; 804 initial size below 0 (or too large to round); 805 increment below 0
 * (or too large to round); 806 options not 0, 1 or 70 to 80; 808 size 0 or below; 810 the address
 * is not that of an allocated element; 812 heap 0 cannot be discarded; 813 no free registry slot,
 * or memory not obtained (also a size that cannot be rounded within 2,147,483,647).
 */

/*
 * CEECRHP: creates a heap.
 *   heap_id       INT4, out: the new heap's ID (the first free registry slot); 0 on a condition.
 *   initial_size  INT4, in/out: size of its first block, 0 for the HEAP default; written back
 *                 rounded up to a multiple of 4096.
 *   increment     INT4, in/out: size of its further blocks, likewise.
 *   options       INT4, in: 0 or 1 (like heap 0), 70 to 80.
 *   fc            feedback code, out, may be omitted. Conditions: 804, 805, 806, 813.
 *   CALL 'CEECRHP' USING HEAP-ID INIT-SIZE INCR-SIZE OPTS FC
 */
OVLE_API int CEECRHP(ovle_int4* heap_id, ovle_int4* initial_size, ovle_int4* increment, const ovle_int4* options,
                     ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEGTST: gets an element from a heap.
 *   heap_id  INT4, in: 0 or an ID from CEECRHP.
 *   size     INT4, in: bytes wanted, 1 or more.
 *   address  USAGE POINTER, out: the element; set to NULL first when the size is 1 or more, left
 *            as it was for a smaller size.
 *   fc       feedback code, out, may be omitted. Conditions: 808, 803, 813, 802.
 *   CALL 'CEEGTST' USING HEAP-ID STG-SIZE STG-PTR FC
 *   SET ADDRESS OF STG-AREA TO STG-PTR
 */
OVLE_API int CEEGTST(const ovle_int4* heap_id, const ovle_int4* size, void** address, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEFRST: frees an element.
 *   address  USAGE POINTER, in: an address CEEGTST or CEECZST returned.
 *   fc       feedback code, out, may be omitted. Conditions: 810 (any other address, including NULL,
 *            one freed before or one inside an element: nothing is changed), 802.
 *   CALL 'CEEFRST' USING STG-PTR FC
 */
OVLE_API int CEEFRST(void* const* address, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEECZST: changes the size of an element. A smaller element keeps its address; a larger one moves
 * within its heap with its contents, and the new address is written back.
 *   address   USAGE POINTER, in/out: the element; unchanged on a condition, and then the element
 *             is where and as it was.
 *   new_size  INT4, in: 1 or more.
 *   fc        feedback code, out, may be omitted. Conditions: 810, 808, 813, 802.
 *   CALL 'CEECZST' USING STG-PTR NEW-SIZE FC
 */
OVLE_API int CEECZST(void** address, const ovle_int4* new_size, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEDSHP: discards a heap and every element in it; its ID is reused by the next CEECRHP.
 *   heap_id  INT4, in.
 *   fc       feedback code, out, may be omitted. Conditions: 812 for heap 0, 803, 802.
 *   CALL 'CEEDSHP' USING HEAP-ID FC
 */
OVLE_API int CEEDSHP(const ovle_int4* heap_id, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEGTST_STORAGE_REPORT: writes the storage statistics report (22 lines of 121 characters) through
 * the SYSOUT line writers: to SYSOUT on hosts "B" and "Q" (and with the IDE link up) when the
 * message file (OV-LE-EXTERNAL offset 693) is SYSOUT in any case or blank, else to the named output
 * of that name (on other hosts a blank name is "HEAP"). No arguments, no conditions.
 *   CALL 'CEEGTST_STORAGE_REPORT'
 */
OVLE_API int CEEGTST_STORAGE_REPORT(void) OVLE_NOEXCEPT;

/*
 * CEEGTST_DUMP_HEAP: appends a dump of the heap registry and of every block and subblock record to
 * DUMPFILE (mapped like a named output: DD_DUMPFILE, dd_DUMPFILE, DUMPFILE, else ./DUMPFILE).
 * No arguments, no conditions.
 *   CALL 'CEEGTST_DUMP_HEAP'
 */
OVLE_API int CEEGTST_DUMP_HEAP(void) OVLE_NOEXCEPT;

/*
 * CEEGTST_DUMP_COMMENT: appends the line "*> " and the comment to DUMPFILE.
 *   comment  PIC X(78), in.
 *   Conditions: none (no feedback code).
 *   CALL 'CEEGTST_DUMP_COMMENT' USING COMMENT-TEXT
 */
OVLE_API int CEEGTST_DUMP_COMMENT(const char* comment) OVLE_NOEXCEPT;

/* ==== Conditions and messages ===================================================================== */

/*
 * Symbolic feedback codes. Programs test a feedback code by the name of its condition: the
 * facility ID followed by the message number as three base-32 digits 0-9, A-V (CEE2EB is
 * message 2507, 2 x 1024 + 14 x 32 + 11); CEE000 is success. The build writes two copybooks that
 * declare, for every condition the library returns, its name as an 8-byte value (severity, message
 * number, case/severity/control byte, facility ID) to compare with the first 8 bytes of a feedback
 * code: OVLECOND (facility IDs in ASCII) and OVLECNDE (the same names, facility IDs in EBCDIC, for
 * EBCDIC callers and for ASCII callers run with OVLE_FACILITY_CODESET=EBCDIC). A symbol that two
 * conditions share ends in -<severity> (OVX9OF-3, OVX9OF-4). They are installed beside OVLEFC.
 *   COPY OVLECOND.
 *   CALL 'CEEDAYS' USING IN-DATE PICSTR LILIAN FC
 *   IF FC(1:8) = CEE2EC DISPLAY 'NO SUCH DATE' END-IF
 */

/*
 * CEENCOD: builds a condition token from its parts.
 *   c_1        INT2, in: not read (bytes 0-1 take the severity); may be OMITTED.
 *   c_2        INT2, in: the message number.
 *   case_code  INT2, in: must be 1.
 *   severity   INT2, in: 0 to 4.
 *   control    INT2, in: 0 or 1.
 *   facility   PIC X(3), in: three letters (A-Z, a-z) or digits; a blank is neither. Unchanged.
 *   instance   PIC X(8), in: instance-specific information, copied as it is.
 *   token      PIC X(16), out: severity, c_2, X'40' + 8 x severity + control, the facility ID in
 *              the caller's code set (EBCDIC with OVLE_FACILITY_CODESET=EBCDIC), the instance
 *              bytes. Left as it was when a condition is returned.
 *   fc         feedback code, out, may be omitted. Conditions (facility CEE), checked in this order,
 *              the first failure returned: severity 3, message 401 case not 1; 3/402 control not 0
 *              or 1; 3/403 severity not 0 to 4; severity 1, message 404 a facility character that
 *              is not a letter or a digit.
 *   CALL 'CEENCOD' USING SEV MSGNO CASE-1 SEV CNTRL FACID ISI NEW-TOKEN FC
 */
OVLE_API int CEENCOD(const ovle_int2* c_1, const ovle_int2* c_2, const ovle_int2* case_code, const ovle_int2* severity,
                     const ovle_int2* control, const char* facility, const unsigned char* instance,
                     ovle_feedback* token, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEDCOD: takes a condition token apart.
 *   token      PIC X(16), in: its facility ID in the caller's code set (EBCDIC with
 *              OVLE_FACILITY_CODESET=EBCDIC). Unchanged.
 *   c_1        INT2, out: the severity (bytes 0-1).
 *   c_2        INT2, out: the message number (bytes 2-3).
 *   case_code  INT2, out: 1.
 *   severity   INT2, out: bytes 0-1 (not byte 4).
 *   control    INT2, out: the low bit of byte 4.
 *   facility   PIC X(3), out: bytes 5-7, in the caller's code set.
 *   instance   PIC X(8), out: bytes 8-15.
 *   fc         feedback code, out, may be omitted. Conditions (facility CEE): severity 3, message 403
 *              a severity outside 0 to 4; severity 1, message 404 a facility ID that is neither
 *              three letters (a digit or a blank refuses it, unlike CEENCOD) nor three X'00' bytes.
 *              Both are checked; 404 is returned when both fail. The outputs are then left as they were.
 *   CALL 'CEEDCOD' USING FC-IN SEV MSGNO CASE-1 SEV CNTRL FACID ISI FC
 */
OVLE_API int CEEDCOD(const ovle_feedback* token, ovle_int2* c_1, ovle_int2* c_2, ovle_int2* case_code,
                     ovle_int2* severity, ovle_int2* control, char* facility, unsigned char* instance,
                     ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEEMOUT: writes one line to the message destination of the run: a line of 121 characters, the
 * message over blanks, as the caller holds it (no code-set conversion). The destination is SYSOUT
 * (standard output, trailing blanks dropped) unless the message file of the run (MSGFILE) names
 * another output: each call then opens that output for append, writes the line and closes it; its
 * path comes from DD_<name>, dd_<name> or <name> as for LESSOUTA.
 *   message      VSTRING, in: the text; beyond 121 characters it is cut off.
 *   destination  INT4, in: must be 2.
 *   fc           feedback code, out, may be omitted. Conditions: severity 3, message 451, facility
 *                CEE for a destination other than 2 (nothing is written).
 *   CALL 'CEEMOUT' USING MSG-STR DEST FC
 */
OVLE_API int CEEMOUT(const ovle_vstring* message, const ovle_int4* destination, ovle_feedback* fc) OVLE_NOEXCEPT;

/*
 * CEE3ABD: ends the run unit at once with a user abend. Shows a blank line, the line
 * "CEE3ABD: ABEND U(nnnn)" (79 characters, blank-padded) and a blank line on standard output, then
 * stops the run unit (as STOP RUN does under GnuCOBOL; exit otherwise) with return code
 * 65,536 + nnnn. The shell sees that return code modulo 256: U(0005) ends with exit status 5,
 * U(0256) with 0.
 *   abend_code  INT4, in: only its low 12 bits are used (4096 gives U(0000), 5000 U(0904), -1
 *               U(4095)); OMITTED counts as 0.
 *   timing      INT4, in: accepted, not used.
 *   No feedback code; control never returns to the caller.
 *   CALL 'CEE3ABD' USING ABEND-CODE TIMING
 */
OVLE_API int CEE3ABD(const ovle_int4* abend_code, const ovle_int4* timing) OVLE_NOEXCEPT;

/*
 * Services that exist by name only, so that programs calling them link and run. Each returns the
 * library's own condition in its feedback code (severity 4, message 9999, byte 4 X'60', facility
 * "OVX" in the caller's code set, instance bytes zero) and does nothing else: CEE3DMP writes no
 * dump, CEEHDLR registers no handler, CEEMSG and CEEMGET write and read no message. The other
 * parameters (their number is fixed per service) are neither checked nor changed; the feedback
 * code is the last parameter and may be omitted.
 *   CALL 'CEE3DMP' USING DMP-TITLE DMP-OPTIONS FC
 */
OVLE_API int CEE3CIB(const void* parameter_1, const void* parameter_2, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEE3DMP(const void* parameter_1, const void* parameter_2, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEE3GRC(const void* parameter_1, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEE3GRN(const void* parameter_1, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEE3SRC(const void* parameter_1, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEE3SRP(const void* parameter_1, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEECMI(const void* parameter_1, const void* parameter_2, const void* parameter_3,
                    ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEEHDLR(const void* parameter_1, const void* parameter_2, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEEHDLU(const void* parameter_1, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEEMRCR(const void* parameter_1, ovle_feedback* fc) OVLE_NOEXCEPT;
/* text: PIC X(80). */
OVLE_API int CEE3RPH(const char* text, ovle_feedback* fc) OVLE_NOEXCEPT;
/* text: PIC X(80). */
OVLE_API int CEE3SPM(const void* parameter_1, const char* text, ovle_feedback* fc) OVLE_NOEXCEPT;
/* token: a condition token, PIC X(16). */
OVLE_API int CEEGQDT(const ovle_feedback* token, const void* parameter_2, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEEITOK(const ovle_feedback* token, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEEMSG(const ovle_feedback* token, const void* parameter_2, ovle_feedback* fc) OVLE_NOEXCEPT;
OVLE_API int CEESGL(const ovle_feedback* token, const void* parameter_2, ovle_feedback* fc) OVLE_NOEXCEPT;
/* text: a VSTRING. */
OVLE_API int CEETEST(const ovle_vstring* text, ovle_feedback* fc) OVLE_NOEXCEPT;
/* token: a condition token, PIC X(16); text: PIC X(80). */
OVLE_API int CEEMGET(const ovle_feedback* token, const char* text, const void* parameter_3,
                     ovle_feedback* fc) OVLE_NOEXCEPT;

/* ==== Math, bits and random numbers ==================================================================== */

/*
 * The CEES math services (program CEEMATH). A name is CEES + type + function code: I = INT4
 * (PIC S9(9) BINARY, big-endian), S = FLOAT4 (COMP-1), D = FLOAT8 (COMP-2).
 *
 *   Arguments: x (or x1, x2), then the feedback code, then the result - the feedback code comes
 *   BEFORE the result. All by reference; the result has the type of the first argument except for
 *   NIN (INT4). The feedback code may be OMITTED; a missing x or result gets nothing written
 *   through it and returns the library's own condition (severity 4, message 9999, "OVX").
 *   On a domain failure the result is set to 0 (CEESIXPI: the last product that fitted) and the
 *   feedback code holds the condition below, facility "CEE" in the caller's code set; byte 4 is
 *   X'51' (severity 2, control 1) except for MOD, X'48' (severity 1, control 0). The math services
 *   never run the environment initialization and write no message.
 *
 *   Values: the transcendental functions are computed in double precision and rounded once to the
 *   argument's type. Powers (XPS, XPD, SXPI and DXPI) are formed as
 *   10 ** (y * log10(x)): 0 when x is 0 (even for y = 0), 1 when y is 0; the relative error grows
 *   with |y * log10(x)|, by up to 1.3E-15 per unit (2 ** 3 gives 7.999999999999998, 10 ** 3 gives
 *   1000; use CEESIXPI for exact integer powers).
 *   SNH, CSH and TNH sum their series up to the term x ** 100 / 100!, in the argument's precision,
 *   stopping when a term no longer changes the sum; each term x ** k / k! is the one before times
 *   x ** 2 / ((k - 1) k), which agrees with the power routine over the factorial to within the
 *   power routine's own rounding (a term whose power x ** k would overflow is infinite): within 1E-14 (COMP-2) or 3E-7 (COMP-1) of the
 *   true values for |x| up to 40, short of them beyond (1E-6 at 60, half the value at 100).
 *
 *   Where the definitions leave the choice open:
 *   - Limits are compared in the argument's format (a FLOAT4 is compared with 174.673 and 175.366
 *     rounded to FLOAT4), so the limit itself is inside the domain.
 *   - A NaN argument fails the domain check of every function that has one. The functions without
 *     a condition never return NaN: where the value would be NaN the result is 0, no condition.
 *   - A value beyond the FLOAT4 range (or a FLOAT8 power beyond it) is stored as +/- infinity,
 *     without a condition (e.g. CEESSEXP of 100).
 *   - Negative base in the powers: |x| ** y, negated when y is an odd integer; with a non-integral
 *     y there is no real power and XPS, XPD return 0, without a condition.
 *   - CTN of 0: result 0, severity 2, message 2017.
 *   - TNH: the even sum is at least 1, never 0; when it overflows (|x| above about 1,200 for
 *     FLOAT8, about 89 for FLOAT4) the result is 1 with the sign of x.
 *   - INT4 results that do not fit: ABS, SGN, DIM give 2,147,483,647 (ABS of -2,147,483,648); NIN
 *     gives the nearest INT4 (-2,147,483,648 or 2,147,483,647), and 0 for NaN.
 *   - MOD of FLOAT4/FLOAT8 is the exact remainder x1 - x2 * floor(x1 / x2), rounded once; an
 *     infinite x1 or a NaN operand fails like x2 = 0.
 */

/*
 * CEEMATH: attaches the shared run-time area and returns; the services below are its entry points.
 *   No arguments. Conditions: none (no feedback code).
 *   CALL 'CEEMATH'
 */
OVLE_API int CEEMATH(void) OVLE_NOEXCEPT;

/*
 * CEESIABS, CEESSABS, CEESDABS (ABS): absolute value of x.
 *   x       INT4 / COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  same type as x, out.
 *   CALL 'CEESDABS' USING X FC RESULT
 */
OVLE_API int CEESIABS(const ovle_int4* x, ovle_feedback* fc, ovle_int4* result) OVLE_NOEXCEPT;
OVLE_API int CEESSABS(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDABS(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSACS, CEESDACS (ACS): arccosine of x, in radians (0 to pi).
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2016 when ABS(x) is greater than 1.
 *   result  same type as x, out.
 *   CALL 'CEESDACS' USING X FC RESULT
 */
OVLE_API int CEESSACS(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDACS(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSASN, CEESDASN (ASN): arcsine of x, in radians (-pi/2 to pi/2).
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2016 when ABS(x) is greater than 1.
 *   result  same type as x, out.
 *   CALL 'CEESDASN' USING X FC RESULT
 */
OVLE_API int CEESSASN(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDASN(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSATH, CEESDATH (ATH): inverse hyperbolic tangent of x.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2017 when ABS(x) is not less than 1.
 *   result  same type as x, out.
 *   CALL 'CEESDATH' USING X FC RESULT
 */
OVLE_API int CEESSATH(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDATH(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSATN, CEESDATN (ATN): arctangent of x, in radians.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  same type as x, out.
 *   CALL 'CEESDATN' USING X FC RESULT
 */
OVLE_API int CEESSATN(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDATN(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSAT2, CEESDAT2 (AT2): arctangent of x1 / x2 in the quadrant of the signs of x1 and x2,
 * in radians (-pi to pi).
 *   x1, x2  COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2014 when x1 and x2 are both 0 (or one is NaN).
 *   result  same type as x1, out.
 *   CALL 'CEESDAT2' USING X1 X2 FC RESULT
 */
OVLE_API int CEESSAT2(const float* x1, const float* x2, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDAT2(const double* x1, const double* x2, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSCOS, CEESDCOS (COS): cosine of x (radians).
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2017 when ABS(x) is greater than 823549 (COMP-1) or
 *           3.5371188E15 (COMP-2).
 *   result  same type as x, out.
 *   CALL 'CEESDCOS' USING X FC RESULT
 */
OVLE_API int CEESSCOS(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDCOS(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSCSH, CEESDCSH (CSH): hyperbolic cosine of x, by the even series.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2016 when ABS(x) is greater than 175.366.
 *   result  same type as x, out.
 *   CALL 'CEESDCSH' USING X FC RESULT
 */
OVLE_API int CEESSCSH(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDCSH(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSCTN, CEESDCTN (CTN): cotangent of x (radians), as 1 / tan(x).
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2017 when ABS(x) is greater than 823549 (COMP-1) or
 *           3.5371188E15 (COMP-2), and when x is 0.
 *   result  same type as x, out.
 *   CALL 'CEESDCTN' USING X FC RESULT
 */
OVLE_API int CEESSCTN(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDCTN(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESIDIM, CEESSDIM, CEESDDIM (DIM): ABS(ABS(x1) - ABS(x2)).
 *   x1, x2  INT4 / COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  same type as x1, out.
 *   CALL 'CEESIDIM' USING X1 X2 FC RESULT
 */
OVLE_API int CEESIDIM(const ovle_int4* x1, const ovle_int4* x2, ovle_feedback* fc, ovle_int4* result) OVLE_NOEXCEPT;
OVLE_API int CEESSDIM(const float* x1, const float* x2, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDDIM(const double* x1, const double* x2, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSEXP, CEESDEXP (EXP): e raised to x.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2009 when ABS(x) is greater than 174.673.
 *   result  same type as x, out.
 *   CALL 'CEESDEXP' USING X FC RESULT
 */
OVLE_API int CEESSEXP(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDEXP(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSINT, CEESDINT (INT): integer part of x (truncation toward zero).
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  same type as x, out.
 *   CALL 'CEESDINT' USING X FC RESULT
 */
OVLE_API int CEESSINT(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDINT(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSLG1, CEESDLG1 (LG1): common logarithm of x.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2012 when x is not greater than 0.
 *   result  same type as x, out.
 *   CALL 'CEESDLG1' USING X FC RESULT
 */
OVLE_API int CEESSLG1(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDLG1(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSLG2, CEESDLG2 (LG2): binary logarithm of x, as log10(x) * 3.3219280948873622.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2012 when x is not greater than 0.
 *   result  same type as x, out.
 *   CALL 'CEESDLG2' USING X FC RESULT
 */
OVLE_API int CEESSLG2(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDLG2(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSLOG, CEESDLOG (LOG): natural logarithm of x.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2012 when x is not greater than 0.
 *   result  same type as x, out.
 *   CALL 'CEESDLOG' USING X FC RESULT
 */
OVLE_API int CEESSLOG(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDLOG(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESIMOD, CEESSMOD, CEESDMOD (MOD): remainder with the sign of x2. INT4: FUNCTION MOD(x1, x2);
 * COMP-1, COMP-2: x1 - x2 * floor(x1 / x2).
 *   x1, x2  INT4 / COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 1, message 9999, byte 4 X'48' (control 0), facility "CEE" when
 *           x2 is 0 (COMP-1, COMP-2 also when x1 is infinite or an operand is NaN).
 *   result  same type as x1, out.
 *   CALL 'CEESIMOD' USING X1 X2 FC RESULT
 */
OVLE_API int CEESIMOD(const ovle_int4* x1, const ovle_int4* x2, ovle_feedback* fc, ovle_int4* result) OVLE_NOEXCEPT;
OVLE_API int CEESSMOD(const float* x1, const float* x2, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDMOD(const double* x1, const double* x2, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSNIN, CEESDNIN (NIN): nearest integer to x, as INT4; halves away from zero (2.5 gives 3,
 * -2.5 gives -3).
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  INT4, out.
 *   CALL 'CEESDNIN' USING X FC RESULT-INT4
 */
OVLE_API int CEESSNIN(const float* x, ovle_feedback* fc, ovle_int4* result) OVLE_NOEXCEPT;
OVLE_API int CEESDNIN(const double* x, ovle_feedback* fc, ovle_int4* result) OVLE_NOEXCEPT;

/*
 * CEESSNWN, CEESDNWN (NWN): nearest whole number to x, in x's type; halves away from zero.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  same type as x, out.
 *   CALL 'CEESDNWN' USING X FC RESULT
 */
OVLE_API int CEESSNWN(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDNWN(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESISGN, CEESSSGN, CEESDSGN (SGN): transfer of sign: ABS(x1) when x2 is not negative,
 * -ABS(x1) when x2 is negative.
 *   x1, x2  INT4 / COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  same type as x1, out.
 *   CALL 'CEESISGN' USING X1 X2 FC RESULT
 */
OVLE_API int CEESISGN(const ovle_int4* x1, const ovle_int4* x2, ovle_feedback* fc, ovle_int4* result) OVLE_NOEXCEPT;
OVLE_API int CEESSSGN(const float* x1, const float* x2, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDSGN(const double* x1, const double* x2, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSSIN, CEESDSIN (SIN): sine of x (radians).
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2017 when ABS(x) is greater than 823549 (COMP-1) or
 *           3.5371188E15 (COMP-2).
 *   result  same type as x, out.
 *   CALL 'CEESDSIN' USING X FC RESULT
 */
OVLE_API int CEESSSIN(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDSIN(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSSNH, CEESDSNH (SNH): hyperbolic sine of x, by the odd series.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2016 when ABS(x) is greater than 175.366.
 *   result  same type as x, out.
 *   CALL 'CEESDSNH' USING X FC RESULT
 */
OVLE_API int CEESSSNH(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDSNH(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSSQT, CEESDSQT (SQT): square root of x.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2010 when x is not greater than 0 (also for 0).
 *   result  same type as x, out.
 *   CALL 'CEESDSQT' USING X FC RESULT
 */
OVLE_API int CEESSSQT(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDSQT(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSTAN, CEESDTAN (TAN): tangent of x (radians).
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions: severity 2, message 2017 when ABS(x) is greater than 823549 (COMP-1) or
 *           3.5371188E15 (COMP-2).
 *   result  same type as x, out.
 *   CALL 'CEESDTAN' USING X FC RESULT
 */
OVLE_API int CEESSTAN(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDTAN(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSTNH, CEESDTNH (TNH): hyperbolic tangent of x, the odd series divided by the even series.
 *   x       COMP-1 / COMP-2, in.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  same type as x, out.
 *   CALL 'CEESDTNH' USING X FC RESULT
 */
OVLE_API int CEESSTNH(const float* x, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDTNH(const double* x, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESIXPI, CEESSXPI, CEESDXPI (XPI): x raised to the INT4 power n.
 *   x       INT4 / COMP-1 / COMP-2, in.
 *   n       INT4, in.
 *   fc      feedback code, out, may be omitted.
 *           Conditions (CEESIXPI only): severity 2, message 2021 when a product reaches
 *           1,000,000,000 in magnitude; the result then holds the last product below it.
 *   result  same type as x, out. CEESIXPI: 0 when x is 0 or n is negative, 1 when n is 0.
 *   CALL 'CEESIXPI' USING X N FC RESULT
 */
OVLE_API int CEESIXPI(const ovle_int4* x, const ovle_int4* n, ovle_feedback* fc, ovle_int4* result) OVLE_NOEXCEPT;
OVLE_API int CEESSXPI(const float* x, const ovle_int4* n, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDXPI(const double* x, const ovle_int4* n, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/*
 * CEESSXPS (XPS), CEESDXPD (XPD): x raised to the power y, of the same type.
 *   x, y    COMP-1 (XPS) / COMP-2 (XPD), in.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  same type as x, out: 0 when x is 0, 1 when y is 0.
 *   CALL 'CEESDXPD' USING X Y FC RESULT
 */
OVLE_API int CEESSXPS(const float* x, const float* y, ovle_feedback* fc, float* result) OVLE_NOEXCEPT;
OVLE_API int CEESDXPD(const double* x, const double* y, ovle_feedback* fc, double* result) OVLE_NOEXCEPT;

/* ---- Bit manipulation ----------------------------------------------------------------------------
 * Bits are numbered from 0, the least significant. The services check neither the bit number nor
 * the shift count and always return a clear feedback code (a missing required argument excepted).
 * Values that leave 32 bits are reduced modulo 2^32, as the machine's binary arithmetic does: the
 * mask of bit 31 is X'80000000' (the sign bit); bit numbers of 32 or more and negative ones have the
 * mask 0 (set and clear leave the source as it is, test gives 0); a left shift keeps the low 32 bits
 * (the sign follows bit 31); a right shift is logical (zeros come in from the left, a negative
 * source included); a shift by 32 or more either way gives 0.
 */

/*
 * CEESICLR: the source with bit n cleared.
 *   source  INT4, in.
 *   bit     INT4, in: the bit number n.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  INT4, out: source AND NOT 2^n.
 *   CALL 'CEESICLR' USING SOURCE BIT-NO FC RESULT
 */
OVLE_API int CEESICLR(const ovle_int4* source, const ovle_int4* bit, ovle_feedback* fc,
                      ovle_int4* result) OVLE_NOEXCEPT;

/*
 * CEESISET: the source with bit n set.
 *   source  INT4, in.
 *   bit     INT4, in: the bit number n.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  INT4, out: source OR 2^n.
 *   CALL 'CEESISET' USING SOURCE BIT-NO FC RESULT
 */
OVLE_API int CEESISET(const ovle_int4* source, const ovle_int4* bit, ovle_feedback* fc,
                      ovle_int4* result) OVLE_NOEXCEPT;

/*
 * CEESISHF: the source shifted left by n bits for n > 0, logically right by -n bits for n < 0,
 * unchanged for n = 0 (-1 shifted by -1 gives X'7FFFFFFF').
 *   source  INT4, in.
 *   count   INT4, in: the shift count n.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  INT4, out.
 *   CALL 'CEESISHF' USING SOURCE SHIFT-COUNT FC RESULT
 */
OVLE_API int CEESISHF(const ovle_int4* source, const ovle_int4* count, ovle_feedback* fc,
                      ovle_int4* result) OVLE_NOEXCEPT;

/*
 * CEESITST: tests bit n of the source.
 *   source  INT4, in.
 *   bit     INT4, in: the bit number n.
 *   fc      feedback code, out, may be omitted. Conditions: none.
 *   result  INT4, out: 1 when bit n is set, else 0.
 *   CALL 'CEESITST' USING SOURCE BIT-NO FC RESULT
 */
OVLE_API int CEESITST(const ovle_int4* source, const ovle_int4* bit, ovle_feedback* fc,
                      ovle_int4* result) OVLE_NOEXCEPT;

/* ---- Random numbers ------------------------------------------------------------------------------ */

/*
 * CEERAN0: a pseudo-random number uniformly distributed over the open interval (0, 1), and the seed
 * for the next call: a caller that passes the returned seed back each time walks one reproducible
 * sequence. The numbers come from the RANDOM intrinsic (the multiplicative congruential generator
 * with modulus 2^31 - 1 and multiplier 48271); the next seed is the integer part of
 * random_no x 10^8, at most eight digits (it is 0 for a random_no below 10^-8, and a seed of 0 then
 * starts from the clock). With no more than 10^8 seeds, a walk comes back to a seed it has passed
 * and from there repeats itself: from seed 1 after 61,492 calls, in a cycle of 11,110 numbers.
 *   seed       INT4, in/out: 1 to 2147483646, or 0 for a seed taken from the clock (the ten digits of
 *              CURRENT-DATE from the seventh on: day, hours, minutes, seconds, hundredths).
 *              Out: the next seed; unchanged when the seed is refused.
 *   random_no  FLOAT8 (COMP-2), out: the number; -1 when the seed is refused.
 *   fc         feedback code, out, may be omitted.
 *              Conditions: severity 3, message 2524, X'59', facility CEE for a seed below 0 or above
 *              2147483646.
 *   CALL 'CEERAN0' USING SEED RANDOM-NO FC
 */
OVLE_API int CEERAN0(ovle_int4* seed, double* random_no, ovle_feedback* fc) OVLE_NOEXCEPT;

#ifdef __cplusplus
}
#endif

#endif /* OVLE_OVLE_H */
