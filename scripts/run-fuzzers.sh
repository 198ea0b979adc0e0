#!/usr/bin/env bash
# Runs every fuzz target on a scratch copy of its seed corpus for a bounded time.
set -euo pipefail
bindir=$(cd "$1" && pwd)
seconds=$2
root=$(cd "$(dirname "$0")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
for target in fuzz_label_file fuzz_bmp; do
  corpus_name=${target#fuzz_}
  mkdir -p "$work/$corpus_name"
  cp -r "$root/fuzz/corpus/$corpus_name/." "$work/$corpus_name/" 2>/dev/null || true
  echo "== $target for ${seconds}s"
  log="$work/$target.log"
  if ! (cd "$work" && "$bindir/$target" -max_total_time="$seconds" -rss_limit_mb=2048 -malloc_limit_mb=256 \
          -max_len=65536 -print_final_stats=1 "$work/$corpus_name" >"$log" 2>&1); then
    tail -n 60 "$log"
    echo "$target failed" >&2
    exit 1
  fi
  tail -n 6 "$log"
done
echo "fuzzers: no crash"
