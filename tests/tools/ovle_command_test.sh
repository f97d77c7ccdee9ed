#!/bin/sh
# The ovle executable as a shell user meets it: answers and exit statuses, --ebcdic and
# OVLE_CALLER_CODESET=EBCDIC (which only main sets up), and --json keeping standard output to the
# JSON object while a service writes lines of its own.
#   ovle_command_test.sh OVLE
set -u
ovle=$1
failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }
# expect STATUS EXPECTED-STDOUT COMMAND...
expect() {
  status=$1 expected=$2
  shift 2
  actual=$("$ovle" "$@" 2>/dev/null)
  rc=$?
  [ "$rc" = "$status" ] || fail "ovle $*: exit status $rc, expected $status"
  [ "$actual" = "$expected" ] || fail "ovle $*: said '$actual', expected '$expected'"
}
nl='
'
expect 0 "lilian  155076${nl}fc      success" CEEDAYS 2007-05-15 YYYY-MM-DD
expect 0 "day  2${nl}fc   success" CEEDYWK 148138
expect 3 "lilian  0${nl}fc      CEE2EC severity 3, message 2508, facility CEE, control 1: date_invalid" \
  CEEDAYS 2007-13-15 YYYY-MM-DD
expect 2 "fc      CEE1UQ severity 2, message 2010, facility CEE, control 1: square_root_domain${nl}result  0" \
  CEESDSQT -1
expect 64 "" NOSUCHSERVICE
expect 64 "" CEEDYWK
# The library sees an EBCDIC caller and the tool converts the texts, asked either way.
expect 0 "lilian  148138${nl}fc      success" --ebcdic CEEDAYS "May 16, 1988" "Mmm DD, YYYY"
actual=$(OVLE_CALLER_CODESET=EBCDIC "$ovle" CEEDAYS "May 32, 1988" "Mmm DD, YYYY")
[ "$actual" = "lilian  0${nl}fc      CEE2EC severity 3, message 2508, facility CEE (EBCDIC), control 1: date_invalid" ] ||
  fail "OVLE_CALLER_CODESET=EBCDIC ovle CEEDAYS: said '$actual'"
# Under OVLE_FACILITY_CODESET=EBCDIC a token named on the command line carries an EBCDIC facility
# ID, as the library then reads tokens.
actual=$(OVLE_FACILITY_CODESET=EBCDIC "$ovle" CEEDCOD CEE2EB | tail -1)
[ "$actual" = "fc         success" ] || fail "OVLE_FACILITY_CODESET=EBCDIC ovle CEEDCOD CEE2EB: said '$actual'"
# LESSOUTA writes its line to standard output; with --json it goes to standard error instead.
out=$("$ovle" --json LESSOUTA 0 5 HELLO 2>/tmp/ovle_command_test_err.$$)
err=$(cat /tmp/ovle_command_test_err.$$)
rm -f /tmp/ovle_command_test_err.$$
[ "$out" = '{"service":"LESSOUTA","call_name":"LESSOUTA","caller":"ASCII","return_code":0,"arguments":{"function":0,"length":5,"text":"HELLO"},"exit_status":0}' ] ||
  fail "ovle --json LESSOUTA: standard output '$out'"
[ "$err" = "HELLO" ] || fail "ovle --json LESSOUTA: standard error '$err'"
[ "$("$ovle" LESSOUTA 0 5 HELLO)" = "HELLO${nl}return code 0" ] || fail "ovle LESSOUTA: the SYSOUT line"
# A run unit ended by the library: the shell sees its return code modulo 256 (65,536 + 261).
"$ovle" CEE3ABD 261 0 >/dev/null
rc=$?
[ "$rc" = 5 ] || fail "ovle CEE3ABD 261 0: exit status $rc, expected 5"
"$ovle" CEEDAYS --help | grep -q '^usage: ovle CEEDAYS DATE PICTURE$' || fail "ovle CEEDAYS --help"
[ "$failures" = 0 ]
