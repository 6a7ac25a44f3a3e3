#!/usr/bin/env bash
# Builds the core library, the command line and their tests for Windows with MinGW-w64, runs the tests under Wine
# in a Wine prefix of their own, and checks that the same commands write byte-identical files under Wine and on
# this system. Installs what is missing. Everything goes into build/windows/.
# Usage: scripts/test-windows.sh [NATIVE_CLI]: the command line built for this system to compare with; without it,
# a release build of it is made.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
out=$root/build/windows
native_cli=${1:+$(realpath "$1")}

scripts/install-deps.sh cmake make g++ g++-mingw-w64-x86-64 wine64 googletest

jobs=$(nproc)
werror=OFF
[ "${CI:-}" = "true" ] && werror=ON
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
toolchain=$root/cmake/mingw-w64-x86_64.cmake

# GoogleTest from Debian's source package, built once for the target.
gtest=$out/googletest-install
if [ ! -f "$gtest/lib/cmake/GTest/GTestConfig.cmake" ]; then
    echo "== GoogleTest for Windows"
    cmake -S /usr/src/googletest -B "$out/googletest" -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
        -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX="$gtest" "${launcher[@]}" >/dev/null
    cmake --build "$out/googletest" -j "$jobs" >/dev/null
    cmake --install "$out/googletest" >/dev/null
fi

# Wine without a display: no window, no dialog waiting for an answer (the Mono and Gecko installers stay off),
# and the same locale on both sides, so that both choose the same OEM code page.
wine=$(command -v wine || command -v wine64 || echo /usr/lib/wine/wine64)
wineserver=$(command -v wineserver || echo /usr/lib/wine/wineserver)
unset DISPLAY WAYLAND_DISPLAY
export WINEPREFIX=$out/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" LANG=C.UTF-8 LC_ALL=C.UTF-8
stop_wine() { WINEPREFIX=$out/wineprefix "$wineserver" -k 2>/dev/null || true; }
trap stop_wine EXIT

# A new Wine prefix is made while the build runs; it needs little of the processor.
prefix_made=
if [ ! -f "$WINEPREFIX/system.reg" ]; then
    echo "== Wine prefix $WINEPREFIX"
    timeout 300 "$wine" wineboot --init >/dev/null 2>&1 &
    prefix_made=$!
fi

echo "== Windows build"
cmake -S . -B "$out/build" -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Debug -DTAMB_BUILD_GUI=OFF \
    -DCMAKE_UNITY_BUILD=ON -DCMAKE_CXX_FLAGS_DEBUG=-g1 -DTAMB_BUILD_BENCH=OFF -DWARNINGS_AS_ERRORS="$werror" \
    -DGTest_DIR="$gtest/lib/cmake/GTest" -DCMAKE_CROSSCOMPILING_EMULATOR="$wine" "${launcher[@]}" >/dev/null
cmake --build "$out/build" -j "$jobs" --target tamb_core_tests tamb-setup-cli

if [ -n "$prefix_made" ]; then
    wait "$prefix_made"
    "$wineserver" -w
fi

# One Wine server for every run below: a server left to exit on its own after a run can be stopping while the
# next run connects to it, which fails that run with "recvmsg: Connection reset by peer".
"$wineserver" -p

echo "== Tests under Wine"
timeout 900 "$wine" "$out/build/tests/tamb_core_tests.exe" --gtest_brief=1

# The same commands with the program built for this system; its preferences go to an empty folder, as the
# registry key of the prefix is empty after the tests.
echo "== Same files under Wine and on this system"
if [ -z "$native_cli" ]; then
    cmake -S . -B "$out/native" -DCMAKE_BUILD_TYPE=Release -DTAMB_BUILD_GUI=OFF -DTAMB_BUILD_TESTS=OFF \
        -DTAMB_BUILD_BENCH=OFF "${launcher[@]}" >/dev/null
    cmake --build "$out/native" -j "$jobs" --target tamb-setup-cli >/dev/null
    native_cli=$out/native/src/cli/tamb-setup-cli
fi
compare=$out/compare
rm -rf "$compare"
commands=(
    "camera --model 1 --clock 2024-02-03T07:05:09 interval=30 intervalUnit=0 serialNumber=A70Z"
    "camera --model 16 --clock 2031-12-31T23:59:58 --language 6 --tv-mode 258"
    "factory --model 3 --clock 2024-02-03T07:05:09"
    "factory --model 14"
    "mms --model 3 country=0 operator=1 phone1=0123456789 email=kärnten@example.at"
    "mms --model 17 --chinese-requested mode=manual url=http://mms apn=web gateway=10.0.0.1 port=80 phone1=+4312345"
    "smtp --model 6 smtpServer=smtp.example.com smtpPort=25 senderEmail=cam@example.com senderPassword=secret recipientEmail=me@example.org"
    "smtp --model 16 mode=manual apn=web smtpServer=smtp.example.com smtpPort=465 senderEmail=cam@example.com senderPassword=secret recipientEmail=me@example.org smtpStatus=2"
)
failures=0
for index in "${!commands[@]}"; do
    read -r -a words <<<"${commands[$index]}"
    mkdir -p "$compare/$index/native" "$compare/$index/wine" "$compare/$index/home"
    HOME=$compare/$index/home XDG_CONFIG_HOME=$compare/$index/home \
        "$native_cli" "${words[@]}" --out "$compare/$index/native" >/dev/null
    timeout 120 "$wine" "$out/build/src/cli/tamb-setup-cli.exe" "${words[@]}" --out "Z:$compare/$index/wine" >/dev/null
    for file in "$compare/$index/native"/*; do
        name=$(basename "$file")
        if cmp -s "$file" "$compare/$index/wine/$name"; then
            echo "same bytes: $name of '${commands[$index]}'"
        else
            echo "DIFFERENT: $name of '${commands[$index]}'"
            failures=$((failures + 1))
        fi
    done
done
# A card written by fleet and then ejected: Wine's drives cannot be ejected, which must be said plainly (exit code 1)
# after the files are written and the sheet is updated.
eject=$out/eject
rm -rf "$eject"
mkdir -p "$eject/SD-A07Z"
printf 'camera,model\nA07Z,1\n' >"$eject/cameras.csv"
status=0
timeout 120 "$wine" "$out/build/src/cli/tamb-setup-cli.exe" fleet --sheet "Z:$eject/cameras.csv" --camera A07Z \
    --out "Z:$eject/SD-A07Z" --eject >"$eject/out.txt" 2>"$eject/err.txt" || status=$?
if [ "$status" -eq 1 ] && grep -q "cannot be ejected: " "$eject/err.txt" && [ -f "$eject/SD-A07Z/menu.dat" ] \
    && grep -q "^A07Z,1,.*,SD-A07Z" "$eject/cameras.csv"; then
    echo "eject refused plainly: $(cat "$eject/err.txt")"
else
    echo "EJECT: exit code $status, $(cat "$eject/err.txt")"
    failures=$((failures + 1))
fi
for name in menu.dat setup.dat smtp.dat; do
    compgen -G "$compare/*/native/$name" >/dev/null || { echo "no command wrote $name"; failures=$((failures + 1)); }
done
[ "$failures" -eq 0 ] || { echo "test-windows: $failures file(s) differ"; exit 1; }
echo "test-windows: every test passed under Wine and every file is the same on both systems"
