#!/bin/sh
# Builds every libFuzzer harness with clang-19 (installing clang-19 and libclang-rt-19-dev first when
# they are missing) and runs each in turn for SECONDS (default 60), starting from its seeds.
#   fuzz/run.sh [SECONDS] [HARNESS...]      e.g. fuzz/run.sh 600 heap
# Each harness grows its corpus in fuzz/corpus/<harness> (not kept in the repository). An input that
# breaks a property or crashes is written to fuzz/findings/ and the script ends with status 1 once
# every harness has run; otherwise 0. The last lines give executions per second and in total.
set -eu
here=$(cd "$(dirname "$0")" && pwd)
seconds=${1:-60}
[ $# -gt 0 ] && shift
harnesses=${*:-$(sed -n 's/^set(ovle_fuzz_harnesses \(.*\))$/\1/p' "$here/harnesses.cmake")}

if ! command -v clang++-19 >/dev/null 2>&1 || ! dpkg -s libclang-rt-19-dev >/dev/null 2>&1; then
  echo "installing: clang-19 libclang-rt-19-dev"
  apt-get update -q || true
  DEBIAN_FRONTEND=noninteractive apt-get install -y -q clang-19 libclang-rt-19-dev
fi

build=${OVLE_FUZZ_BUILD_DIR:-$here/build}
cmake -S "$here" -B "$build" -DCMAKE_CXX_COMPILER=clang++-19 -DCMAKE_C_COMPILER=clang-19 >/dev/null
targets=""
for h in $harnesses; do targets="$targets ${h}_fuzz"; done
cmake --build "$build" -j "$(nproc)" --target $targets

# The longest input worth trying and the dictionary, per harness.
options_of() {
  case $1 in
    date_engine | timestamp_read) echo "-max_len=300 -dict=$here/dictionaries/pictures.dict" ;;
    date_format | timestamp_format) echo "-max_len=200 -dict=$here/dictionaries/pictures.dict" ;;
    runtime_options) echo "-max_len=256 -dict=$here/dictionaries/options.dict" ;;
    configuration) echo "-max_len=4096 -dict=$here/dictionaries/options.dict" ;;
    heap) echo "-max_len=1024" ;;
  esac
}

mkdir -p "$here/findings"
# Options and configuration entries name files (message files, report destinations); a harness
# writes them in a scratch folder of its own, not in the checkout.
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
summary=""
status=0
for h in $harnesses; do
  mkdir -p "$here/corpus/$h"
  log="$build/$h.log"
  echo "== $h: $seconds s"
  # shellcheck disable=SC2046 # the options are separate words
  if ! (cd "$scratch" && "$build/${h}_fuzz" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
      -artifact_prefix="$here/findings/$h-" $(options_of "$h") "$here/corpus/$h" "$here/seeds/$h" >"$log" 2>&1); then
    status=1
    grep -E "property violated|ERROR|SUMMARY|Test unit written" "$log" || tail -n 20 "$log"
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  rate=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
  edges=$(sed -n 's/.*DONE *cov: *\([0-9]*\).*/\1/p' "$log")
  summary="$summary$(printf '%-18s %12s executions %8s per second %6s edges' "$h" "${runs:-?}" "${rate:-?}" "${edges:-?}")
"
done
printf '%s' "$summary"
exit $status
