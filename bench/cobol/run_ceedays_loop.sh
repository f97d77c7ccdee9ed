#!/bin/sh
# Times 1,000,000 CALL 'CEEDAYS' against the same Lilian day computed with
# FUNCTION INTEGER-OF-DATE(FUNCTION NUMVAL(...)) + 6653, in a GnuCOBOL program.
#   run_ceedays_loop.sh [BUILD_DIR]   (the folder that holds libovle.so; default ../../build)
# Each variant runs five times; the median wall time is reported, with the empty loop's time.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "${1:-$here/../../build}" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cobc -x -O2 -fstatic-call -o "$work/daysloop" "$here/ceedays_loop.cbl" -L "$build" -lovle -Q "-Wl,-rpath,$build"

median_ms() {
  for run in 1 2 3 4 5; do
    start=$(date +%s%N)
    "$work/daysloop" "$1" >/dev/null
    end=$(date +%s%N)
    echo $(( (end - start) / 1000 ))
  done | sort -n | sed -n 3p
}

empty=$(median_ms EMPTY)
ceedays=$(median_ms CEEDAYS)
intrinsic=$(median_ms INTRINSIC)
awk -v e="$empty" -v c="$ceedays" -v i="$intrinsic" 'BEGIN {
  printf "empty loop              %8.1f ms\n", e / 1000
  printf "CALL CEEDAYS            %8.1f ms  (%.0f ns per call over the empty loop)\n", c / 1000, (c - e) / 1000
  printf "INTEGER-OF-DATE(NUMVAL) %8.1f ms  (%.0f ns per conversion over the empty loop)\n", i / 1000, (i - e) / 1000
  printf "ratio CEEDAYS / intrinsic: %.2f (whole runs), %.2f (over the empty loop)\n", c / i, (c - e) / (i - e)
}'
