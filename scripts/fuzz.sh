#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of
# seconds (default 60), starting from its seed corpus; names after the seconds
# (fuzz_saveopen ...) run only those targets. Findings land in
# build/fuzz/findings/<target>/; new corpus entries in build/fuzz/corpus/<target>/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-60}
shift || true
scripts/setup.sh
missing=()
for p in clang libclang-rt-14-dev; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if ((${#missing[@]})); then
  sudo=(); [[ $(id -u) -ne 0 ]] && sudo=(sudo)
  "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
cmake --preset fuzz >/dev/null
targets=("$@")
if ((${#targets[@]} == 0)); then
  for source in tests/fuzz/fuzz_*.cpp; do targets+=("$(basename "$source" .cpp)"); done
fi
cmake --build --preset fuzz --target "${targets[@]}"
export ASAN_OPTIONS=detect_leaks=1
for target in "${targets[@]}"; do
  name=${target#fuzz_}
  work=build/fuzz/corpus/$name findings=build/fuzz/findings/$name
  mkdir -p "$work" "$findings"
  echo "== $target for ${seconds}s"
  build/fuzz/tests/fuzz/"$target" -max_total_time="$seconds" -print_final_stats=1 \
    -artifact_prefix="$findings/" "$work" "tests/fuzz/corpus/$name" 2>&1 |
    grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|#[0-9]+ *DONE|==[0-9]+==ERROR|SUMMARY)' || true
  if compgen -G "$findings/*" >/dev/null; then echo "$target: findings in $findings"; exit 1; fi
done
