#!/usr/bin/env bash
# Installs what is missing, checks the format, builds with the sanitizers (a compiler warning
# fails the build) and runs every test inside a network namespace that has only loopback.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh --test
bash scripts/check_format.sh
build=build/test
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Debug -DZQV_SANITIZE=ON -DZQV_TESTS=ON -DZQV_WERROR=ON >/dev/null
cmake --build "$build" -j"${JOBS:-$(nproc)}"
run_tests="cd '$build' && ctest --output-on-failure -j$(nproc) ${CTEST_ARGS:-}"
if [ "${ZQV_IN_NETNS:-}" != 1 ] && unshare --net true 2>/dev/null; then
    exec unshare --net env ZQV_IN_NETNS=1 bash -c "ip link set lo up && $run_tests"
fi
echo "warning: no private network namespace here; tests run on the host's loopback" >&2
bash -c "$run_tests"
