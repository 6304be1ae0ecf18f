#!/usr/bin/env bash
# A million charts end to end in the window, beside sqlite3 on the same data,
# in one run on this machine:
#
#   bench/scale.sh [BUILD_DIR]     (default: build-scale)
#
# Configures BUILD_DIR as a Release build with the window and the benchmarks,
# builds what it needs, makes two chart databases of 500,000 charts once (in
# BUILD_DIR/bench-data/, reused afterwards), times sqlite3 printing both
# tables to /dev/null, runs the window benchmark over both files, and prints
# load, queries and peak memory, each beside its goal and beside sqlite3.
set -euo pipefail
top=$(cd "$(dirname "$0")/.." && pwd)
build="${1:-$top/build-scale}"
mkdir -p "$build"
build=$(cd "$build" && pwd)
bin="$build/bin"

echo "building in $build (Release, window and benchmarks)..."
cmake -S "$top" -B "$build" -DCMAKE_BUILD_TYPE=Release -DBAZI_BUILD_UI=ON \
  -DBAZI_BUILD_BENCH=ON >/dev/null
cmake --build "$build" -j2 --target load_make_database window_bench >/dev/null

data="$build/bench-data"
mkdir -p "$data"
files=()
for seed in 1 2; do
  db="$data/scale-500k-$seed.edb"
  if [ ! -f "$db" ]; then
    echo "making $db (one time)..."
    "$bin/load_make_database" "$db" 500000 "$seed"
  fi
  files+=("$db")
done
echo "databases: ${files[*]} ($(du -cm "${files[@]}" | tail -1 | cut -f1) MiB)"

# Warm the page cache so sqlite3 and the window start alike.
cat "${files[@]}" >/dev/null

# sqlite3 prints both tables; its wall time and peak memory.
times="$data/sqlite3-times"
/usr/bin/time -f '%e %M' -o "$times" \
  sh -c 'for db; do sqlite3 "$db" "SELECT * FROM charts" >/dev/null; done' sh "${files[@]}"
read -r sqlite_s sqlite_kib <"$times"
sqlite_mib=$(awk -v k="$sqlite_kib" 'BEGIN { printf "%.1f", k / 1024 }')
echo "sqlite3 printing both tables to /dev/null: $sqlite_s s, peak $sqlite_mib MiB"

echo
echo "window benchmark ($bin/window_bench):"
report="$data/window-report"
QT_QPA_PLATFORM=offscreen "$bin/window_bench" --sqlite3 "$sqlite_s" "${files[@]}" | tee "$report"

figure() { sed -n "s/$1/\\1/p" "$report" | head -1; }
load_s=$(figure '^load into the window: \([0-9.]*\) s.*')
paint_s=$(figure '^first paint of the records grid after the load: \([0-9.]*\) s.*')
ten_s=$(figure '^query, ten rows: \([0-9.]*\) s.*')
one_s=$(figure '^query, one row: \([0-9.]*\) s.*')
peak_mib=$(figure '^peak RSS[^:]*: \([0-9.]*\) MiB.*')

row() { printf '%-34s %-12s %-22s %s\n' "$@"; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f x", a / b }'; }
met() { awk -v a="$1" -v g="$2" 'BEGIN { print (a < g ? "met" : "MISSED") }'; }
echo
echo "summary, one run on this machine ($(nproc) cores):"
row "figure" "measured" "goal" "beside sqlite3 ($sqlite_s s, $sqlite_mib MiB)"
row "load, 1,000,000 charts, 2 files" "$load_s s" \
  "<= 2 x sqlite3: $(met "$load_s" "$(awk -v s="$sqlite_s" 'BEGIN { print 2 * s + 1e-9 }')")" \
  "$(ratio "$load_s" "$sqlite_s") its time to print them"
row "first paint after the load" "$paint_s s" "at once: $(met "$paint_s" 0.1)" ""
row "query, ten rows" "$ten_s s" "< 1.0 s: $(met "$ten_s" 1.0)" \
  "$(ratio "$ten_s" "$sqlite_s") its time to print the charts"
row "query, one row" "$one_s s" "< 0.5 s: $(met "$one_s" 0.5)" \
  "$(ratio "$one_s" "$sqlite_s") its time to print the charts"
row "peak memory, loaded and queried" "$peak_mib MiB" "< 1024 MiB: $(met "$peak_mib" 1024)" \
  "$(ratio "$peak_mib" "$sqlite_mib") its peak"
