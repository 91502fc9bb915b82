#!/usr/bin/env bash
# Runs each fuzz target for a while on a seed corpus made from the project's own files.
#   bash fuzz/run.sh BUILD_DIR SECONDS
set -euo pipefail
build=$1
seconds=${2:-60}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/area" "$work/config" "$work/record"
find "$here/res" "$here/tests/data" -name '*.are' -size -64k -exec cp {} "$work/area/" \; 2>/dev/null || true
# The real ROM areas, when they lie beside the project (larger ones are cut by -max_len).
rom="$here/../shared/areas/rom24"
if [ -d "$rom" ]; then
    for f in "$rom"/*.are; do cp "$f" "$work/area/rom-$(basename "$f")"; done
fi
find "$here/res" -name '*.cfg' -exec cp {} "$work/config/" \;
# Every room, object and mob of those areas, as the clipboard carries it.
TOLVEX_WRITE_SEEDS="$work/record" "$build/ClipboardRecordFuzzer" "$work"/area/*.are

# name:corpus:longest input; records are far shorter than areas.
for target in AreaLoadFuzzer:area:65536 ConfigLoadFuzzer:config:65536 ClipboardRecordFuzzer:record:16384; do
    IFS=: read -r name corpus_name max_len <<< "$target"
    corpus=$work/$corpus_name
    echo "-- $name for ${seconds}s"
    "$build/$name" -artifact_prefix="$build/" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 -rss_limit_mb=2048 \
        -print_final_stats=0 "$corpus" 2> "$work/$name.log" \
        || { tail -n 60 "$work/$name.log"; echo "$name found a fault"; exit 1; }
    grep -E '^#[0-9]+.*DONE' "$work/$name.log" || tail -n 2 "$work/$name.log"
done
