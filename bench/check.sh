#!/usr/bin/env bash
# Runs every benchmark program of a bench build once and compares the ratios they report with
# the baseline: fails when one grew by more than half (and by more than 0.05, so that a ratio
# near zero does not fail on noise), or when one of the baseline's ratios was not measured.
#   bench/check.sh <bench build dir> <baseline.tsv>            compare
#   bench/check.sh <bench build dir> <baseline.tsv> --update   write this run as the baseline
set -euo pipefail
dir=$1
baseline=$2
mode=${3:-}
out=$(mktemp)
trap 'rm -f "$out"' EXIT
for b in "$dir"/bench/bench_*; do
  [ -f "$b" ] && [ -x "$b" ] || continue
  echo "== $(basename "$b")" >&2
  (cd "$dir" && LUNARESCA_RATIOS="$out" "bench/$(basename "$b")") >&2
done
if [ "$mode" = "--update" ]; then
  {
    echo "# Ratios of one run of make bench-check: list time / plain read of the same archive, peak"
    echo "# memory / archive size (/peak), start-up to the login window / a bare Qt window."
    echo "# $(date -u +%Y-%m-%d), $(nproc) cores: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//')"
    # The benchmark library runs a measurement more than once: the last value counts.
    awk -F'\t' '{ v[$1] = $2 } END { for (k in v) print k "\t" v[k] }' "$out" | sort
  } > "$baseline"
  echo "baseline written: $baseline ($(grep -vc '^#' "$baseline") ratios)"
  exit 0
fi
awk -F'\t' '
  NR == FNR { if ($0 !~ /^#/ && NF == 2) base[$1] = $2; next }
  { now[$1] = $2 }
  END {
    bad = 0
    printf "%-48s %10s %10s %8s\n", "ratio", "baseline", "now", "growth"
    for (k in base) {
      if (!(k in now)) { printf "%-48s %10.3f %10s   NOT MEASURED\n", k, base[k], "-"; bad = 1; continue }
      g = base[k] > 0 ? now[k] / base[k] : 1
      flag = (now[k] > base[k] * 1.5 && now[k] - base[k] > 0.05) ? "   WORSE" : ""
      if (flag != "") bad = 1
      printf "%-48s %10.3f %10.3f %7.2fx%s\n", k, base[k], now[k], g, flag
    }
    if (bad) { print "bench-check: a ratio grew by more than half over the baseline"; exit 1 }
    print "bench-check: every ratio within half of the baseline"
  }' "$baseline" "$out"
