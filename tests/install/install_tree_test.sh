#!/bin/sh
# Installs the build with cmake --install under a fresh prefix and uses the installed tree from
# another folder, as a user would: the files and the SONAME link, the tool, a C program built with
# pkg-config and with find_package(ovle), and a COBOL program with a static CALL (pkg-config's
# flags) and with a dynamic CALL (the installed GnuCOBOL runtime configuration). Nothing the
# programs use may point into the build tree.
#   install_tree_test.sh BUILD_DIR SOURCE_DIR LIBDIR COBC WORK_DIR
set -eu
build=$1 source=$2 libdir=$3 cobc=$4 work=$5
fail() { echo "FAIL: $*"; exit 1; }
rm -rf "$work"
mkdir -p "$work/elsewhere"
prefix=$work/prefix
cmake --install "$build" --prefix "$prefix" >/dev/null

for f in "$libdir/libovle.so.1" "$libdir/libovle.so" include/ovle/ovle.h bin/ovle \
         share/ovle/copybook/OVLEAPI.cpy share/ovle/copybook/OVLEFC.cpy share/ovle/copybook/OVLEVSTR.cpy \
         share/ovle/copybook/OVLECOND.cpy share/ovle/copybook/OVLECNDE.cpy \
         share/ovle/gnucobol-runtime.cfg "$libdir/pkgconfig/ovle.pc" "$libdir/cmake/ovle/ovleConfig.cmake"; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
[ "$(readlink "$prefix/$libdir/libovle.so")" = libovle.so.1 ] || fail "libovle.so does not link to libovle.so.1"
readelf -d "$prefix/$libdir/libovle.so.1" | grep -q 'SONAME.*\[libovle\.so\.1\]' || fail "SONAME is not libovle.so.1"
for f in "$prefix/bin/ovle" "$prefix/$libdir/libovle.so.1"; do
  if readelf -d "$f" | grep -E 'RPATH|RUNPATH' | grep -qF "$build"; then fail "$f searches the build tree"; fi
done
# Paths inside the prefix are fine even when the prefix lies in the build tree, as it does under ctest.
for f in "$prefix/$libdir/pkgconfig/ovle.pc" "$prefix/$libdir"/cmake/ovle/*.cmake "$prefix/share/ovle/gnucobol-runtime.cfg"; do
  if sed "s|$prefix|PREFIX|g" "$f" | grep -qF -e "$build" -e "$source"; then fail "$f names the build or source tree"; fi
done

cd "$work/elsewhere"
# A sanitizer build's programs need its runtime loaded first (the tests pass it in).
run() { LD_PRELOAD=${OVLE_SANITIZER_PRELOAD:-} "$@"; }

# The tool, through its $ORIGIN run path.
answer=$(run "$prefix/bin/ovle" CEEDYWK 148138)
[ "$answer" = "$(printf 'day  2\nfc   success')" ] || fail "ovle CEEDYWK 148138 said: $answer"

# A C program with pkg-config.
PKG_CONFIG_PATH=$prefix/$libdir/pkgconfig
export PKG_CONFIG_PATH
# shellcheck disable=SC2046
cc -o consumer_pc "$source/tests/install/consumer/consumer.c" $(pkg-config --cflags --libs ovle) \
   "-Wl,-rpath,$(pkg-config --variable=libdir ovle)"
run ./consumer_pc || fail "the C program built with pkg-config"

# The same with find_package(ovle) in a CMake project of its own.
cmake -S "$source/tests/install/consumer" -B consumer_build "-DCMAKE_PREFIX_PATH=$prefix" >/dev/null
cmake --build consumer_build >/dev/null
run ./consumer_build/consumer || fail "the C program built with find_package(ovle)"

# A COBOL program, static CALL: the copybooks and the library from pkg-config.
copybooks=$(pkg-config --variable=copybookdir ovle)
# shellcheck disable=SC2046
"$cobc" -x -fstatic-call -o consumer_static -I "$copybooks" "$source/tests/install/consumer/consumer.cbl" \
        $(pkg-config --libs ovle) -Q "-Wl,-rpath,$(pkg-config --variable=libdir ovle)"
run ./consumer_static || fail "the COBOL program with a static CALL"

# Dynamic CALL: the installed runtime configuration finds the library.
"$cobc" -x -o consumer_dynamic -I "$copybooks" "$source/tests/install/consumer/consumer.cbl"
COB_RUNTIME_CONFIG=$(pkg-config --variable=gnucobol_runtime_config ovle)
export COB_RUNTIME_CONFIG
run ./consumer_dynamic || fail "the COBOL program with a dynamic CALL and the installed runtime configuration"
echo "the installed tree works from $work/elsewhere"
