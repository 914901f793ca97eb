#!/usr/bin/env bash
# Conversion benchmark: exchange convert (import + export through the loader on worker threads)
# against ogr2ogr on the same shapefile sets, several runs each; medians of wall time and peak
# resident memory, import alone per million objects, and the cost per object at 10k/100k/1M.
# The last line is the P1 ratio (exchange / ogr2ogr), for machines to read.
#
#   bench/bench_convert.sh [RUNS]      (default 5 runs; sets are kept in $BENCH_DIR)
set -euo pipefail
cd "$(dirname "$0")/.."
RUNS=${1:-5}
BENCH_DIR=${BENCH_DIR:-/tmp/exchcore-bench}
BUILD=${BUILD:-build-rel}

bash scripts/setup.sh
for p in gdal-bin time; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    echo "bench: installing $p"
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$p" >/dev/null
  fi
done

cmake -S . -B "$BUILD" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$BUILD" -j 2 --target exchange shapeplug gen_shapes >/dev/null
EXCHANGE="$BUILD/bin/exchange"
mkdir -p "$BENCH_DIR/out"

make_set() {  # kind count name
  [ -f "$BENCH_DIR/$3.shp" ] || "$BUILD/bin/gen_shapes" "$1" "$2" "$BENCH_DIR/$3"
}
make_set points 10000 p10k
make_set points 100000 p100k
make_set points 1000000 p1m
make_set lines 100000 l100k

# Runs a command RUNS times; prints "median-seconds median-peak-kib".
measure() {
  local times=() mems=()
  for ((i = 0; i < RUNS; i++)); do
    rm -rf "$BENCH_DIR/out" && mkdir -p "$BENCH_DIR/out"
    local line
    /usr/bin/time -f '%e %M' -o "$BENCH_DIR/time.txt" "$@" >/dev/null 2>"$BENCH_DIR/stderr.txt" || {
      echo "bench: failed: $* ($(cat "$BENCH_DIR/stderr.txt"))" >&2
      exit 1
    }
    line=$(tail -n 1 "$BENCH_DIR/time.txt")
    times+=("${line% *}")
    mems+=("${line#* }")
  done
  printf '%s %s\n' "$(printf '%s\n' "${times[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')" \
    "$(printf '%s\n' "${mems[@]}" | sort -g | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')"
}

convert() { measure "$EXCHANGE" convert "$BENCH_DIR/$1.shp" "$BENCH_DIR/out" --to SHP --overwrite --quiet; }
ogr() { measure ogr2ogr -f "ESRI Shapefile" "$BENCH_DIR/out/$1.shp" "$BENCH_DIR/$1.shp"; }
info() { measure "$EXCHANGE" info "$BENCH_DIR/$1.shp"; }

echo "runs per figure: $RUNS (medians)"
printf '%-8s %12s %12s %12s %12s %8s\n' set exchange_s exchange_MiB ogr2ogr_s ogr2ogr_MiB ratio
ratio_p1=""
for set in p10k p100k p1m l100k; do
  read -r et em < <(convert "$set")
  read -r ot om < <(ogr "$set")
  ratio=$(awk -v a="$et" -v b="$ot" 'BEGIN {printf "%.3f", (b > 0 ? a / b : 0)}')
  printf '%-8s %12s %12.1f %12s %12.1f %8s\n' "$set" "$et" "$(awk -v m="$em" 'BEGIN{print m/1024}')" \
    "$ot" "$(awk -v m="$om" 'BEGIN{print m/1024}')" "$ratio"
  [ "$set" = p1m ] && ratio_p1=$ratio
done

echo "import only (exchange info):"
printf '%-8s %10s %14s %14s\n' set seconds ns_per_object s_per_million
for set in p10k p100k p1m; do
  n=${set#p}; n=${n/k/000}; n=${n/m/000000}
  read -r it im < <(info "$set")
  awk -v t="$it" -v n="$n" -v s="$set" -v m="$im" \
    'BEGIN {printf "%-8s %10s %14.1f %14.3f   peak %.1f MiB, %.0f B/object\n", s, t, t / n * 1e9, t / n * 1e6, m / 1024, m * 1024 / n}'
done
echo "P1 ratio: $ratio_p1"
