#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a while, in a network namespace
# with only loopback:
#   bash scripts/fuzz.sh [seconds per target, default 60] [target...]
# Each target keeps its corpus in build/fuzz/corpus/<target>. An input that makes a target
# fail is kept in fuzz/regressions/<target>/, which the test suite replays under its
# sanitizers; the script then ends with status 1. fuzz/<target>.flags holds extra options.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --fuzz
seconds="${1:-60}"
shift || true
build=build/fuzz
CC=clang CXX=clang++ cmake -S . -B "$build" -DZQV_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    >/dev/null
cmake --build "$build" -j"${JOBS:-$(nproc)}"

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for src in fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$src" .cpp)")
    done
fi

netns=()
if [ "${ZQV_IN_NETNS:-}" != 1 ] && unshare --net true 2>/dev/null; then
    netns=(unshare --net env ZQV_IN_NETNS=1)
fi

failed=()
for target in "${targets[@]}"; do
    corpus="$build/corpus/$target"
    regressions="fuzz/regressions/$target"
    artifacts="$(mktemp -d)"
    mkdir -p "$corpus"
    flags=()
    [ -f "fuzz/$target.flags" ] && read -r -a flags <"fuzz/$target.flags"
    seeds=()
    [ -d "$regressions" ] && seeds+=("$regressions")
    echo "== $target: $seconds s"
    status=0
    "${netns[@]}" "$build/fuzz/$target" -max_total_time="$seconds" -print_final_stats=1 \
        -artifact_prefix="$artifacts/" "${flags[@]}" "$corpus" "${seeds[@]}" || status=$?
    if compgen -G "$artifacts/*" >/dev/null; then
        mkdir -p "$regressions"
        cp "$artifacts"/* "$regressions"/
        echo "== $target failed (status $status); input kept in $regressions" >&2
        failed+=("$target")
    elif [ "$status" -ne 0 ]; then
        echo "== $target ended with status $status" >&2
        failed+=("$target")
    fi
    rm -rf "$artifacts"
done
if [ ${#failed[@]} -ne 0 ]; then
    echo "failed: ${failed[*]}" >&2
    exit 1
fi
echo "all ${#targets[@]} targets ran $seconds s without a failure"
