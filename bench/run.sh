#!/usr/bin/env bash
# Builds the release preset and prints, side by side and taken in the same run,
# the median start-up time and peak resident memory of Kinwheel's start-up
# sequence and of a reference program (one empty window of the same size),
# then the in-process timings of Generate, the report window, the comparison
# window and the board, the engine's figure and the whole-process time of
# `kinwheel --date ... --json`.
# Usage: bench/run.sh [RUNS] (default 25).
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-25}
scripts/setup.sh
cmake --preset release >/dev/null
cmake --build --preset release --target kinwheel bench_startup bench_reference bench_ui bench_engine >/dev/null
bin=build/release/bench
export QT_QPA_PLATFORM=${QT_QPA_PLATFORM:-offscreen}

median() { sort -n | awk '{a[NR]=$1} END {print (NR%2) ? a[(NR+1)/2] : (a[NR/2]+a[NR/2+1])/2}'; }

declare -A ms kib
for prog in bench_startup bench_reference; do : >"/tmp/kw-$prog.ms"; : >"/tmp/kw-$prog.kib"; done
"$bin/bench_startup" && "$bin/bench_reference" # warm the file cache
for ((i = 0; i < runs; i++)); do
  for prog in bench_startup bench_reference; do
    start=$(date +%s%N)
    /usr/bin/time -f %M -o "/tmp/kw-$prog.one" "$bin/$prog"
    end=$(date +%s%N)
    echo $(((end - start) / 1000)) >>"/tmp/kw-$prog.ms"
    cat "/tmp/kw-$prog.one" >>"/tmp/kw-$prog.kib"
  done
done
for prog in bench_startup bench_reference; do
  ms[$prog]=$(median <"/tmp/kw-$prog.ms")
  kib[$prog]=$(median <"/tmp/kw-$prog.kib")
done

echo "machine: $(nproc) cores, $(awk '/model name/{$1=$2=$3="";print;exit}' /proc/cpuinfo | xargs), platform $QT_QPA_PLATFORM"
awk -v runs="$runs" -v sm="${ms[bench_startup]}" -v rm="${ms[bench_reference]}" \
    -v sk="${kib[bench_startup]}" -v rk="${kib[bench_reference]}" 'BEGIN {
  printf "%-30s %10s %10s  %s\n", "median of " runs " runs", "kinwheel", "reference", "target"
  printf "%-30s %10.1f %10.1f  <= 1.5 x reference: %.2f x\n", "start-up to idle, ms", sm / 1000, rm / 1000, sm / rm
  printf "%-30s %10.1f %10.1f  <= reference + 10 MiB: %+.1f MiB\n", "peak resident memory, MiB", sk / 1024, rk / 1024, (sk - rk) / 1024
}'
"$bin/bench_ui" 2>/dev/null | sed -n 's/^\(generate\|report\|compare\|board\)/&/p'
"$bin/bench_engine" | grep median

# The command line, a whole process, with no display.
cli=(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM build/release/app/kinwheel --date 1987-07-26 --name Ada --json)
"${cli[@]}" >/dev/null # warm the file cache
: >/tmp/kw-cli.us
for ((i = 0; i < runs; i++)); do
  start=$(date +%s%N)
  "${cli[@]}" >/dev/null
  end=$(date +%s%N)
  echo $(((end - start) / 1000)) >>/tmp/kw-cli.us
done
median </tmp/kw-cli.us | awk '{printf "%-30s %10.1f  <= 50 ms\n", "kinwheel --date --json, ms", $1 / 1000}'
