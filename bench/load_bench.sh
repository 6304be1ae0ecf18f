#!/usr/bin/env bash
# Times the load of a million charts through the window's path against
# sqlite3 printing the same table to /dev/null, in one run on this machine.
#
#   bench/load_bench.sh [BUILD_DIR]     (default: build; needs BAZI_BUILD_BENCH=ON)
#
# The database is made once, in BUILD_DIR/bench-data/, and reused.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$top/build}" && pwd)
bin="$build/bin"
cmake --build "$build" -j2 --target load_make_database load_bench >/dev/null

data="$build/bench-data"
db="$data/load-1m.edb"
mkdir -p "$data"
if [ ! -f "$db" ]; then
  echo "making $db (one time)..."
  "$bin/load_make_database" "$db" 1000000
fi
echo "database: $db ($(du -m "$db" | cut -f1) MiB)"

# Warm the page cache so both readers start alike.
cat "$db" >/dev/null

seconds() { date +%s.%N; }

start=$(seconds)
sqlite3 "$db" 'SELECT * FROM charts' >/dev/null
end=$(seconds)
sqlite_wall=$(awk -v a="$start" -v b="$end" 'BEGIN { print b - a }')
printf 'sqlite3 SELECT * > /dev/null: %.3f s\n' "$sqlite_wall"

load_out=$("$bin/load_bench" "$db")
echo "$load_out"
load_wall=$(echo "$load_out" | sed -n 's/^load wall time: \([0-9.]*\) s$/\1/p')
peak=$(echo "$load_out" | sed -n 's/^peak RSS: \([0-9.]*\) MiB$/\1/p')
ratio=$(awk -v a="$load_wall" -v b="$sqlite_wall" 'BEGIN { printf "%.2f", a / b }')
echo "load / sqlite3: $ratio (goal: at most 2)"
echo "peak RSS: $peak MiB (goal: under 1024)"
