#!/bin/sh
# Builds the Debian package with CPack, installs it with dpkg -i, compiles and runs a COBOL
# program (static and dynamic CALL) and a C program against the installed library with no -L or
# run path of the build tree, runs the tool from the PATH, then removes the package (dpkg -r).
#   deb_package_test.sh BUILD_DIR SOURCE_DIR COBC WORK_DIR
# It changes the machine, so it runs only as root with dpkg (as in CI), and skips (status 77)
# elsewhere or when a libovle package is installed already. Runs of it wait for each other.
set -eu
build=$1 source=$2 cobc=$3 work=$4
fail() { echo "FAIL: $*"; exit 1; }
if [ "$(id -u)" != 0 ] || ! command -v dpkg >/dev/null 2>&1 || ! command -v cpack >/dev/null 2>&1; then
  echo "skipped: needs root, dpkg and cpack"
  exit 77
fi
exec 9>/tmp/libovle-deb-package-test.lock
flock 9
installed() { dpkg-query -W -f '${Status}' libovle 2>/dev/null | grep -q ' installed$'; }
if installed; then
  echo "skipped: a libovle package is installed on this machine already; it is left alone"
  exit 77
fi
rm -rf "$work"
mkdir -p "$work/elsewhere"
cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(ls "$work"/package/libovle_*.deb)
dpkg-deb --info "$deb" | grep -q 'Depends:.*libc6' || fail "the package declares no dependency on libc6"

dpkg -i "$deb" >/dev/null
trap 'dpkg -r libovle >/dev/null; dpkg --purge libovle >/dev/null' EXIT
cd "$work/elsewhere"

[ "$(ovle CEEDYWK 148138 | head -1)" = "day  2" ] || fail "ovle from the PATH"

# No -L, no run path: the library, the header and the copybooks are where the system looks.
"$cobc" -x -fstatic-call -o consumer_static -I /usr/share/ovle/copybook \
        "$source/tests/install/consumer/consumer.cbl" -lovle
./consumer_static || fail "the COBOL program with a static CALL"
"$cobc" -x -o consumer_dynamic -I /usr/share/ovle/copybook "$source/tests/install/consumer/consumer.cbl"
COB_RUNTIME_CONFIG=/usr/share/ovle/gnucobol-runtime.cfg
export COB_RUNTIME_CONFIG
./consumer_dynamic || fail "the COBOL program with a dynamic CALL and the packaged runtime configuration"
unset COB_RUNTIME_CONFIG
cc -o consumer_c "$source/tests/install/consumer/consumer.c" -lovle
./consumer_c || fail "the C program"
if ldd ./consumer_static ./consumer_c | grep libovle | grep -qF "$build"; then fail "a program found the build tree"; fi

dpkg -r libovle >/dev/null
trap - EXIT
installed && fail "dpkg -r left the package installed"
[ ! -e /usr/bin/ovle ] && ! ls /usr/lib/libovle.so* >/dev/null 2>&1 || fail "dpkg -r left files behind"
dpkg --purge libovle >/dev/null  # the record dpkg keeps for the package's scripts
echo "the package installs, serves COBOL and C programs, and removes cleanly"
