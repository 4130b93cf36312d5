#!/usr/bin/env bash
# Runs every fuzz target of a sanitizer build for the given seconds, two at a time, starting from
# the seeds in fuzz/corpus and keeping what it finds in <build>/fuzz-corpus. Prints each target's
# executions per second; fails when a target finds a fault (its input lands in <build>/fuzz-crashes).
# Usage: scripts/run-fuzzers.sh <build dir> <seconds> [jobs]
#        scripts/run-fuzzers.sh <build dir> --share <total seconds> [jobs]
# With --share the targets split the total between them (at least 3 s each), so that adding a
# target does not lengthen the test run.
set -euo pipefail
build=$(cd "$1" && pwd)
shift
share=no
if [ "$1" = --share ]; then
  share=yes
  shift
fi
seconds=$1
jobs=${2:-2}
source_dir=$(cd "$(dirname "$0")/.." && pwd)
targets=$(find "$build/fuzz" -maxdepth 1 -type f -name 'fuzz_*' -perm -u+x | sort)
[ -n "$targets" ] || { echo "Keine Fuzz-Ziele in $build/fuzz" >&2; exit 1; }
if [ $share = yes ]; then
  count=$(echo "$targets" | wc -l)
  seconds=$(( seconds / count ))
  [ "$seconds" -ge 3 ] || seconds=3
fi
mkdir -p "$build/fuzz-corpus" "$build/fuzz-crashes" "$build/fuzz-logs"

export ASAN_OPTIONS=detect_leaks=1:halt_on_error=1:strict_init_order=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
export LSAN_OPTIONS=suppressions=$source_dir/scripts/lsan-suppressions.txt:print_suppressions=0
export QT_QPA_PLATFORM=offscreen

run_one() {
  local binary=$1 name topic dict=()
  name=$(basename "$binary")
  topic=${name#fuzz_}
  mkdir -p "$build/fuzz-corpus/$topic"
  [ -f "$source_dir/fuzz/$topic.dict" ] && dict=(-dict="$source_dir/fuzz/$topic.dict")
  if "$binary" -max_total_time="$seconds" -timeout=30 -rss_limit_mb=4096 -max_len=8192 \
      -print_final_stats=1 -artifact_prefix="$build/fuzz-crashes/$topic-" "${dict[@]}" \
      "$build/fuzz-corpus/$topic" "$source_dir/fuzz/corpus/$topic" \
      >"$build/fuzz-logs/$topic.log" 2>&1; then
    local runs per_second
    runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$build/fuzz-logs/$topic.log")
    per_second=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$build/fuzz-logs/$topic.log")
    echo "fuzz $topic: ${runs:-?} inputs in ${seconds} s, ${per_second:-?} per second"
  else
    echo "fuzz $topic: FEHLER, siehe $build/fuzz-logs/$topic.log" >&2
    grep -E -A40 '^==[0-9]+==ERROR|fuzz rule broken|runtime error|^SUMMARY' \
      "$build/fuzz-logs/$topic.log" | head -80 >&2
    return 1
  fi
}
export -f run_one
export build seconds source_dir

# xargs reports 123 when any run failed.
if echo "$targets" | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ {}; then
  echo "fuzz: all targets passed"
else
  echo "fuzz: a target found a fault" >&2
  exit 1
fi
