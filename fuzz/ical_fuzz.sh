#!/usr/bin/env bash
# Builds the model with clang's fuzzing instrumentation and sanitizers, then
# fuzzes the iCalendar reader for a bounded time (default 30 s) from the seed
# corpus. Usage: fuzz/ical_fuzz.sh [SECONDS]
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build="$root/build/fuzz-ical"
seconds=${1:-30}
flags="-fsanitize=address,undefined -fno-sanitize-recover=all -g -O1"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVESM_TESTS=OFF \
    -DCMAKE_C_COMPILER=clang-14 -DCMAKE_CXX_COMPILER=clang++-14 \
    -DCMAKE_CXX_COMPILER_LAUNCHER=ccache \
    -DCMAKE_CXX_FLAGS="$flags -fsanitize=fuzzer-no-link" >/dev/null
cmake --build "$build" --target vesm_model --parallel 2
clang++-14 -std=c++20 $flags -fsanitize=fuzzer -I"$root/src" "$root/fuzz/ical_fuzz.cpp" \
    "$build/libvesm_model.a" -o "$build/ical_fuzz"

# New inputs go to a scratch folder, so the checked-in seeds stay small.
work="$build/corpus"
mkdir -p "$work"
export TZ=Asia/Tokyo
"$build/ical_fuzz" -max_total_time="$seconds" -max_len=65536 -timeout=10 -rss_limit_mb=2048 \
    -print_final_stats=1 "$work" "$root/fuzz/ical_corpus"
