#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each one for a bounded time.
#   scripts/fuzz.sh [seconds per target, default 60]
# Exits non-zero when a target finds a crash, a leak, undefined behaviour or a
# broken check; the input that caused it is kept in build/fuzz/findings/.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
if ! [[ "$seconds" =~ ^[0-9]+$ ]] || [[ "$seconds" -eq 0 ]]; then
    echo "usage: $0 [seconds per target]" >&2
    exit 2
fi
build="$root/build/fuzz"
targets=(caporder capentry csv hdb vkt)

CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS_DEBUG="-g -O1" -DBUILD_FUZZERS=ON -DVK_BUILD_TESTS=OFF -DVK_WERROR=ON >/dev/null
cmake --build "$build" -j 2 --target "${targets[@]/#/fuzz_}"

findings="$build/findings"
mkdir -p "$findings"
failed=()
for name in "${targets[@]}"; do
    # New inputs go to a scratch folder; the seed corpus in the repository stays as it is.
    work="$build/corpus/$name"
    mkdir -p "$work"
    log="$findings/$name.log"
    echo "== fuzz_$name for ${seconds}s"
    # -timeout: one input taking over 10 s is a finding too (a reader that hangs).
    if "$build/fuzz/fuzz_$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 \
        -print_final_stats=1 -artifact_prefix="$findings/$name-" \
        "$work" "$root/fuzz/corpus/$name" >"$log" 2>&1; then
        grep -E '^(Done|stat::number_of_executed_units)' "$log" || true
    else
        echo "fuzz_$name found a fault:" >&2
        grep -E -A 30 'ERROR|check failed|runtime error' "$log" | head -60 >&2 || tail -40 "$log" >&2
        failed+=("$name")
    fi
done

if [[ ${#failed[@]} -gt 0 ]]; then
    echo "fuzzing failed: ${failed[*]} (inputs in $findings)" >&2
    exit 1
fi
echo "fuzzing: ${#targets[@]} targets, ${seconds}s each, no finding"
