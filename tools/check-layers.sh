#!/usr/bin/env bash
# Fails when a folder of src/ includes a folder above it, or when the Qt-free
# core includes a Qt header. The CMake targets already refuse most wrong-way
# uses at link time; this also catches header-only ones.
set -euo pipefail
cd "$(dirname "$0")/../src"

# Folders from the bottom up; each may include only the folders before it.
order=(text config area layout draw edit check gui editors map app)
core=(text config area layout draw edit check cli)

rank() {
    local i
    for i in "${!order[@]}"; do [ "${order[$i]}" = "$1" ] && { echo "$i"; return; }; done
    [ "$1" = cli ] && { echo 99; return; } # nothing includes the CLI
    echo -1
}

status=0
for dir in */; do
    dir=${dir%/}
    own=$(rank "$dir")
    [ "$own" -ge 0 ] || { echo "src/$dir: folder missing from tools/check-layers.sh"; status=1; continue; }
    while IFS=: read -r file line target; do
        folder=${target%%/*}
        [ "$folder" = "$dir" ] && continue
        theirs=$(rank "$folder")
        if [ "$folder" = cli ] || [ "$theirs" -lt 0 ] || [ "$theirs" -ge "$own" ]; then
            echo "src/$file:$line: $dir must not include $target"
            status=1
        fi
    done < <(grep -rnoE '^#include "[a-z_]+/[^"]+"' "$dir" | sed -E 's/#include "([^"]+)"/\1/')
done
for dir in "${core[@]}"; do
    [ -d "$dir" ] || continue
    if grep -rnE '^#include <Q[A-Za-z]*>|^#include <qt' "$dir"; then
        echo "src/$dir is part of the core and must not use Qt"
        status=1
    fi
done
# Windows and dialogs change an area only through its named operations
# (src/edit), so that undo and every view see each change.
if grep -rnE '(\.|->)(rooms|objects|mobs|mobprogs|resets)\s*(\.|->)\s*(push_back|emplace_back|erase|insert|clear|pop_back)\b|(\.|->)(rooms|objects|mobs|mobprogs)\[[^]]*\]\s*=[^=]' gui editors map app; then
    echo "the lines above change an area's records outside its operations"
    status=1
fi
[ $status -eq 0 ] && echo "layers: ok"
exit $status
