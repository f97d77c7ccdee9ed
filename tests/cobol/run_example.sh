#!/bin/sh
# Runs one example batch program of examples/ as run_cobol_test.sh runs a test program (compiled
# with cobc, static or dynamic CALL, its "* ENV" settings applied), with the clock fixed, and
# compares what it printed with its expected output (trailing blanks of each line aside).
#   run_example.sh COBC static|dynamic PROGRAM.cbl LIBOVLE.so COPYBOOK_DIR WORK_DIR GENERATED_COPYBOOK_DIR EXPECTED
set -eu
here=$(cd "$(dirname "$0")" && pwd)
cobc=$1 binding=$2 program=$3 library=$4 copybooks=$5 work=$6 generated=$7 expected=$8
# Saturday 5 December 2026, 15:30 at GMT+1: the date every expected output was written for.
OVLE_CURRENT_DATE=2026120515300000+0100
export OVLE_CURRENT_DATE
mkdir -p "$work"
stem=$(basename "$program" .cbl)
printed="$work/${stem}_$binding.out"
status=0
"$here/run_cobol_test.sh" "$cobc" "$binding" "$program" "$library" "$copybooks" "$work" "$generated" \
  >"$printed.raw" || status=$?
sed 's/ *$//' "$printed.raw" >"$printed"
if [ "$status" != 0 ]; then
  cat "$printed"
  echo "FAIL: $stem ended with status $status"
  exit 1
fi
diff -u "$expected" "$printed"
