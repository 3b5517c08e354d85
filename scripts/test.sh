#!/usr/bin/env bash
# Installs what is missing, checks the format, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs clang-tidy over the program code, runs every test headless
# through CTest, checks the Debian package of the build and starts the packaged program
# once, then runs each fuzzer for a bounded time.
#   scripts/test.sh [seconds per fuzzer, default 60; 0 skips fuzzing]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
fuzz_seconds=${1:-60}
"$root/scripts/install-deps.sh"
# An unformatted file fails the run before anything is built.
"$root/scripts/check-format.sh"
build="$root/build/test"
# Warnings are errors here, on the toolchain install-deps.sh puts in place.
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DVK_SANITIZE=ON \
      -DVK_BUILD_TESTS=ON -DVK_WERROR=ON
cmake --build "$build"
# A linter finding in the program code fails the run too (checks in .clang-tidy).
"$root/scripts/tidy.py" "$build"
export QT_QPA_PLATFORM=offscreen
log=$(mktemp)
trap 'rm -f "$log"' EXIT
(cd "$build" && ctest --output-on-failure -j "$(nproc)") 2>&1 | tee "$log"
"$root/scripts/check-package.sh" "$build"
if [[ "$fuzz_seconds" != 0 ]]; then
    "$root/scripts/fuzz.sh" "$fuzz_seconds"
fi
# CTest's verdict closes the run, after the fuzzers' output.
grep -E 'tests passed|tests failed' "$log" | tail -n 1
