#!/bin/sh
# Compiles one COBOL test program with cobc and runs it against libovle.so.
#   run_cobol_test.sh COBC static|dynamic|valgrind PROGRAM.cbl LIBOVLE.so COPYBOOK_DIR WORK_DIR [GENERATED_COPYBOOK_DIR [COBC_FLAG]]
# static: cobc -fstatic-call, linked with -lovle; dynamic: a dynamic CALL, the library preloaded with
# COB_PRE_LOAD; valgrind: as static, under memcheck (an invalid access, a decision on an uninitialised
# value or a definite leak fails with status 97). COBC_FLAG goes to cobc too (-free: free format).
# "      * ENV NAME=VALUE" lines set the run's environment (@DIR@: the program's folder). The program
# prints only its failures, with a non-zero RETURN-CODE on one; or "      * EXPECT-RC n" is the exit
# status it must end with and each "      * EXPECT-LINE text" a line its output must contain.
set -eu
cobc=$1 binding=$2 program=$3 library=$4 copybooks=$5 work=$6 generated=${7:-$5} flag=${8:-}
stem=$(basename "$program" .cbl)
libdir=$(dirname "$library")
mkdir -p "$work"
exe="$work/${stem}_$binding"
case "$binding" in
  static|valgrind)
    "$cobc" -x $flag -fstatic-call -I "$copybooks" -I "$generated" -o "$exe" "$program" -L "$libdir" -lovle -Q "-Wl,-rpath,$libdir"
    ;;
  dynamic)
    "$cobc" -x $flag -I "$copybooks" -I "$generated" -o "$exe" "$program"
    COB_PRE_LOAD=$library
    export COB_PRE_LOAD
    ;;
  *) echo "unknown binding $binding" >&2; exit 2 ;;
esac
# The program's own settings, then run it from its work folder.
srcdir=$(cd "$(dirname "$program")" && pwd)
for setting in $(sed -n 's/^      \* ENV \([A-Za-z_][A-Za-z0-9_]*=[^ ]*\).*/\1/p' "$program"); do
  setting=$(printf '%s' "$setting" | sed "s#@DIR@#$srcdir#g")
  export "${setting?}"
done
cd "$work"
runner=""
if [ "$binding" = valgrind ]; then
  runner="valgrind --quiet --error-exitcode=97 --leak-check=full --errors-for-leak-kinds=definite"
fi
# A sanitizer build of the library needs its runtime loaded ahead of the (uninstrumented) program.
if [ -n "${OVLE_SANITIZER_PRELOAD:-}" ]; then
  LD_PRELOAD=$OVLE_SANITIZER_PRELOAD
  export LD_PRELOAD
fi
expected_rc=$(sed -n 's/^      \* EXPECT-RC \([0-9]*\).*/\1/p' "$program")
if [ -z "$expected_rc" ]; then
  exec $runner "$exe"
fi
set +e
output=$($runner "$exe")
rc=$?
set -e
unset LD_PRELOAD
printf '%s\n' "$output"
if [ "$rc" != "$expected_rc" ]; then
  echo "FAIL: exit status $rc, expected $expected_rc"
  exit 1
fi
sed -n 's/^      \* EXPECT-LINE \(.*\)$/\1/p' "$program" | while IFS= read -r line; do
  if ! printf '%s\n' "$output" | sed 's/ *$//' | grep -qxF "$line"; then
    echo "FAIL: no output line '$line'"
    exit 1
  fi
done
