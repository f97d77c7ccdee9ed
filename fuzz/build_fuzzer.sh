#!/bin/sh
# Builds the libFuzzer harness of the picture scan and the date engine with clang, AddressSanitizer
# and UndefinedBehaviorSanitizer, and runs it for a while when asked.
#   fuzz/build_fuzzer.sh [SECONDS]    (0 or nothing: build only)
# Only the sources the engine needs are compiled. The binary goes to fuzz/build, the corpus to
# fuzz/corpus (neither is kept in the repository).
set -eu
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
mkdir -p "$here/build"
clang++ -std=c++20 -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined -g -O1 \
  -I "$root/include" -I "$root/src" \
  "$here/date_engine_fuzz.cpp" \
  "$root/src/datetime/picture.cpp" "$root/src/datetime/date_engine.cpp" \
  "$root/src/common/platform/external.cpp" "$root/src/common/platform/cob_bridge.cpp" \
  -o "$here/build/date_engine_fuzz"
seconds=${1:-0}
if [ "$seconds" -gt 0 ]; then
  mkdir -p "$here/corpus"
  "$here/build/date_engine_fuzz" -max_total_time="$seconds" -max_len=256 "$here/corpus"
fi
