#!/usr/bin/env bash
# Fuzzes one target with libFuzzer for a while:
#
#   scripts/fuzz.sh TARGET SECONDS
#
# TARGET is a name of tests/fuzz/CMakeLists.txt (xml, pargen, picture, ...). The fuzz programs are
# built with clang, AddressSanitizer and UndefinedBehaviorSanitizer into build-fuzz/ (FUZZ_BUILD_DIR);
# clang and its fuzzer runtime are installed first when missing. The run starts from the target's
# seed corpus and the shared test data it names, keeps what it learns in build-fuzz/corpus/TARGET,
# and writes each finding to build-fuzz/artifacts/TARGET/. Exits non-zero when it found something.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
if [ $# -ne 2 ] || ! [[ $2 =~ ^[0-9]+$ ]]; then
    sed -n '2,10p' "$0" | sed 's/^# \{0,1\}//' >&2
    exit 2
fi
target=$1
seconds=$2

"$root/scripts/install-deps.sh"
missing=()
for p in clang libclang-rt-14-dev; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
    echo "Installing: ${missing[*]}"
    SUDO=""
    [ "$(id -u)" -eq 0 ] || SUDO="sudo"
    $SUDO apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

build=${FUZZ_BUILD_DIR:-$root/build-fuzz}
# Runs started side by side share the build folder: one configures and builds at a time.
mkdir -p "$build"
exec 9>"$build/.build.lock"
flock 9
if [ ! -f "$build/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCFG_FUZZ=ON \
        -DCFG_BUILD_BENCH=OFF >/dev/null
fi
if [ ! -f "$build/fuzz/$target.seeds" ]; then
    echo "No fuzz target \"$target\"; the targets are:" >&2
    ls "$build/fuzz" | sed -n 's/\.seeds$//p' | sed 's/^/  /' >&2
    exit 2
fi
cmake --build "$build" -j "${FUZZ_JOBS:-4}" --target "fuzz_$target"
exec 9>&-

work="$build/corpus/$target"
artifacts="$build/artifacts/$target"
mkdir -p "$work" "$artifacts"
seeds=()
while IFS= read -r folder; do
    [ -n "$folder" ] || continue
    if [ -d "$folder" ]; then seeds+=("$folder"); else echo "Seed folder missing, left out: $folder"; fi
done <"$build/fuzz/$target.seeds"

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
status=0
"$build/bin/fuzz_$target" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=3072 -print_final_stats=1 \
    -artifact_prefix="$artifacts/" "$work" "${seeds[@]}" || status=$?
found=$(find "$artifacts" -type f | wc -l)
echo "Fuzzed $target for $seconds s; findings in $artifacts: $found"
if [ "$status" -ne 0 ]; then
    echo "Replay one with: $build/bin/fuzz_$target FILE" >&2
fi
exit "$status"
