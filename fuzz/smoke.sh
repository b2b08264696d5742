#!/usr/bin/env bash
# Runs every fuzz target for a fixed number of executions on its seed
# corpus, the saved regression inputs and a dictionary, so that CI notices a
# crash, a hang or a sanitizer report in a few minutes. Usage: smoke.sh BIN
# (the folder holding the fuzz_* programs). New inputs go to a scratch
# folder, never into the repository.
set -uo pipefail
bin="${1:?usage: smoke.sh BUILD/fuzz}"
here="$(cd "$(dirname "$0")" && pwd)"
root="$(dirname "$here")"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT

gedcom_seeds=("$root/tests/data/gedcom" "$root/tests/data/sources" "$root/tests/data/index"
              "$root/examples" "$here/corpus/gedcom")

# target  runs  extra arguments  seed folders...
run() {
  local target="$1" runs="$2" extra="$3"
  shift 3
  local seeds=()
  for folder in "$@" "$here/regressions/$target"; do
    [ -d "$folder" ] && seeds+=("$folder")
  done
  mkdir -p "$scratch/$target"
  echo "== fuzz_$target: $runs runs"
  # shellcheck disable=SC2086
  if "$bin/fuzz_$target" -runs="$runs" -seed=1 -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="$scratch/$target-" $extra \
      "$scratch/$target" "${seeds[@]}" >"$scratch/$target.log" 2>&1; then
    grep -E "^stat::number_of_executed_units|^Done" "$scratch/$target.log" | tail -2
    passed=$((passed + 1))
  else
    tail -40 "$scratch/$target.log"
    for artifact in "$scratch/$target"-*; do
      [ -e "$artifact" ] && echo "input: $(od -An -c "$artifact" | head -5)"
    done
    failed=$((failed + 1))
  fi
}

passed=0
failed=0
run gedcom_reader 20000 "-dict=$here/gedcom.dict -max_len=65536" "${gedcom_seeds[@]}"
run whole_run 600 "-dict=$here/gedcom.dict -max_len=8192" "${gedcom_seeds[@]}"
run option_set 5000 "-max_len=16384" "$here/corpus/option_set"
run option_ini 5000 "-max_len=16384" "$here/corpus/option_ini"
run exchange_file 20000 "-max_len=8192" "$here/corpus/exchange_file"
run dates_names 20000 "-max_len=512" "$here/corpus/dates_names"
run text_html 20000 "-max_len=4096" "$here/corpus/text_html"
run media 5000 "-max_len=65536" "$here/corpus/media" "$root/examples/media"
echo "fuzz-smoke: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
