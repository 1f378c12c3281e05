#!/usr/bin/env bash
# Builds the libFuzzer targets of tests/fuzz with clang into build-fuzz and runs each in turn for
# SECONDS (default 30), starting from the seeds in tests/fuzz/corpus. Prints, per target, the
# inputs run, the coverage reached and the crashes found; exits non-zero on a crash. Without
# clang or libFuzzer it says so and exits 0: the program's own build never needs them.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
if ! [[ $seconds =~ ^[0-9]+$ ]] || [ "$seconds" -eq 0 ]; then
  echo "usage: $0 [SECONDS]" >&2
  exit 2
fi

skip() {
  echo "fuzz: $1; fuzzing skipped (Debian 12: apt-get install clang libclang-rt-14-dev)"
  exit 0
}
command -v clang++ >/dev/null 2>&1 || skip "clang++ is not installed"
probe=$(mktemp -d)
scratch=$(mktemp -d "/dev/shm/brewdial-fuzz-XXXXXX" 2>/dev/null || mktemp -d)
trap 'rm -rf "$probe" "$scratch"' EXIT
echo 'extern "C" int LLVMFuzzerTestOneInput(const unsigned char*, unsigned long) { return 0; }' >"$probe/probe.cpp"
clang++ -fsanitize=fuzzer,address,undefined "$probe/probe.cpp" -o "$probe/probe" >/dev/null 2>&1 ||
  skip "clang++ cannot link libFuzzer with the sanitizers"

scripts/install-deps.sh
cmake -S tests/fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >"$probe/configure.log" 2>&1 ||
  { cat "$probe/configure.log"; exit 1; }
cmake --build build-fuzz -j2 >"$probe/build.log" 2>&1 || { cat "$probe/build.log"; exit 1; }

failed=0
for target in time_parser tool_tip leading_number profile; do
  work=build-fuzz/run/$target
  mkdir -p "$work/corpus"
  rm -f "$work"/crash-* "$work"/leak-* "$work"/timeout-* "$work"/oom-*
  options=(-max_total_time="$seconds" -timeout=10 -print_final_stats=1 -artifact_prefix=./)
  if [ "$target" = profile ]; then
    # Qt keeps parsed files in caches, so every input would start a full leak scan: a tenth of
    # the speed. Leaks are the soak tests' subject.
    options+=(-detect_leaks=0 -max_len=16384)
  fi
  status=0
  # New inputs go to the work corpus; the seeds in the tree stay as they are. The profile
  # target writes its files under TMPDIR, in memory where /dev/shm allows.
  (cd "$work" && TMPDIR=$scratch "../../${target}_fuzzer" "${options[@]}" corpus \
    "../../../tests/fuzz/corpus/$target") >"$work/log" 2>&1 || status=$?
  execs=$(awk '/stat::number_of_executed_units/ {print $2}' "$work/log")
  coverage=$(grep -oE 'cov: [0-9]+' "$work/log" | tail -n 1 | awk '{print $2}')
  crashes=$(find "$work" -maxdepth 1 \( -name 'crash-*' -o -name 'leak-*' -o -name 'timeout-*' \
    -o -name 'oom-*' \) | wc -l)
  printf '%-15s execs %10s   cov %5s   crashes %s\n' "$target" "${execs:-?}" "${coverage:-?}" "$crashes"
  if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ]; then
    failed=1
    echo "  see $work/log; the input that failed is kept in $work" >&2
    grep -E 'ERROR|SUMMARY|runtime error' "$work/log" | head -n 5 >&2 || true
  fi
done
exit "$failed"
