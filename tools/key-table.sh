#!/usr/bin/env bash
# Writes the README's table of keys from the command table
# (src/app/CommandTable.cpp) and the map window's own keys
# (src/app/HelpCommands.cpp), the rows Help > Keyboard Shortcuts shows,
# between the README's "keys:begin" and "keys:end" marks.
set -euo pipefail
cd "$(dirname "$0")/.."
table=$(awk -F'"' '
    FNR == NR && /^    \{ "menu[A-Za-z]+", "/ { order[++menus] = $2; title[$2] = $4; gsub("&", "", title[$2]); next }
    FNR == NR { next }
    /^    \{ Command::/ && $8 != "" { n++; menu[n] = $2; text[n] = $6; keys[n] = $8 }
    END {
        print "| Menu | Command | Keys |"
        print "|---|---|---|"
        for (m = 1; m <= menus; m++)
            for (i = 1; i <= n; i++)
                if (menu[i] == order[m]) {
                    t = text[i]; gsub("&", "", t); k = keys[i]; gsub("; ", ", ", k)
                    print "| " title[menu[i]] " | " t " | " k " |"
                }
    }' src/app/CommandTable.cpp src/app/CommandTable.cpp
    awk -F'"' '/^    \{ "[^"]+", "[^"]+" \},$/ && mapKeys { print "| Map window | " $2 " | " $4 " |" }
               /MapKeys\[\]/ { mapKeys = 1 } /^};/ { mapKeys = 0 }' src/app/HelpCommands.cpp)
awk -v table="$table" '/<!-- keys:begin -->/ { print; print table; skip = 1; next }
    /<!-- keys:end -->/ { skip = 0 } !skip' README.md > README.md.new
mv README.md.new README.md
echo "README: key table written ($(grep -c '^| ' <<< "$table") lines)"
