#!/usr/bin/env bash
# Fails when a folder of src/ includes a folder it does not build on, when
# the layers below differ from what the folder's CMake target links, or when
# the Qt-free core includes a Qt header. The CMake targets already refuse
# most wrong-way uses at link time; this also catches header-only ones.
set -euo pipefail
cd "$(dirname "$0")/../src"

# What each folder's target links (target_link_libraries); a folder may
# include these and, through them, every folder they link in turn.
declare -A links=(
    [text]=""
    [config]="text"
    [area]="config"
    [layout]="area"
    [draw]="layout"
    [edit]="layout"
    [check]="area"
    [world]="check layout"
    [rules]="edit"
    [player]="world"
    [cli]="draw player"
    [gui]="edit"
    [editors]="gui rules"
    [map]="gui draw"
    [commands]="editors map"
    [app]="commands player"
)
core=(text config area layout draw edit check world player rules cli)

below() { # folder -> every folder under it, one per line
    local f
    for f in ${links[$1]}; do
        echo "$f"
        below "$f"
    done | sort -u
}

# The tolvex libraries a folder's CMakeLists.txt links, as folder names.
cmake_links() {
    sed -n 's/^target_link_libraries(\([^ ]*\) \(.*\))$/\2/p' "$1/CMakeLists.txt" \
        | { grep -oE '\btolvex_[a-z]+' || true; } | sed 's/^tolvex_//' | { grep -vx "$1" || true; } | sort -u | xargs
}

status=0
for dir in */; do
    dir=${dir%/}
    [ -n "${links[$dir]+set}" ] || { echo "src/$dir: folder missing from tools/check-layers.sh"; status=1; continue; }
    declared=$(xargs -n1 <<< "${links[$dir]}" | sort -u | xargs)
    linked=$(cmake_links "$dir")
    if [ "$declared" != "$linked" ]; then
        echo "src/$dir/CMakeLists.txt links \"$linked\"; tools/check-layers.sh says \"$declared\""
        status=1
    fi
    allowed=$(below "$dir")
    while IFS=: read -r file line target; do
        folder=${target%%/*}
        [ "$folder" = "$dir" ] && continue
        if [ "$folder" = cli ] || ! grep -qx "$folder" <<< "$allowed"; then
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
if grep -rnE '(\.|->)(rooms|objects|mobs|mobprogs|resets)\s*(\.|->)\s*(push_back|emplace_back|erase|insert|clear|pop_back)\b|(\.|->)(rooms|objects|mobs|mobprogs)\[[^]]*\]\s*=[^=]' gui editors map commands app; then
    echo "the lines above change an area's records outside its operations"
    status=1
fi
[ $status -eq 0 ] && echo "layers: ok"
exit $status
