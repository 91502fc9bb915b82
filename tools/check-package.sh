#!/usr/bin/env bash
# Builds the Debian package in a build tree and checks it: the files it must
# hold, the dependencies dpkg-shlibdeps found, stripped programs, and that its
# tolvex-cli, unpacked anywhere or installed to another prefix, finds the
# configuration shipped beside it.
#   bash tools/check-package.sh BUILD_DIR
set -euo pipefail
build=$(cd "$1" && pwd)
(cd "$build" && cpack -G DEB > cpack.log 2>&1) || { cat "$build/cpack.log"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/tolvex_${version}_$(dpkg --print-architecture).deb"
listing=$(dpkg-deb -c "$deb" | awk '{print $6}')

expected=(usr/bin/tolvex usr/bin/tolvex-cli
    usr/share/tolvex/tolvex.cfg usr/share/tolvex/configs/rom24-default.cfg
    usr/share/tolvex/configs/quendar-example.cfg usr/share/tolvex/examples/midden.are usr/share/tolvex/guide.html
    usr/share/applications/tolvex.desktop usr/share/mime/packages/tolvex.xml
    usr/share/icons/hicolor/scalable/apps/tolvex.svg usr/share/icons/hicolor/scalable/mimetypes/text-x-rom-area.svg
    usr/share/man/man1/tolvex.1.gz usr/share/man/man1/tolvex-cli.1.gz
    usr/share/doc/tolvex/copyright usr/share/doc/tolvex/changelog.gz)
for size in 16 22 24 32 48 64 128 256; do
    expected+=("usr/share/icons/hicolor/${size}x$size/apps/tolvex.png"
        "usr/share/icons/hicolor/${size}x$size/mimetypes/text-x-rom-area.png")
done
status=0
for path in "${expected[@]}"; do
    grep -qx "\./$path" <<< "$listing" || { echo "package: $path missing from $deb"; status=1; }
done
grep -qE '^\./usr/share/metainfo/.+\.metainfo\.xml$' <<< "$listing" || { echo "package: no AppStream metainfo"; status=1; }
dpkg-deb -f "$deb" Depends | grep -q libqt6widgets6 || { echo "package: no Qt dependency found"; status=1; }

unpacked=$(mktemp -d)
trap 'rm -rf "$unpacked"' EXIT
dpkg-deb -x "$deb" "$unpacked/root"
for program in tolvex tolvex-cli; do
    file "$unpacked/root/usr/bin/$program" | grep -q ', stripped' || { echo "package: $program is not stripped"; status=1; }
done
mkdir "$unpacked/elsewhere"
(cd "$unpacked/elsewhere" && XDG_CONFIG_HOME=/nonexistent XDG_DATA_HOME=/nonexistent XDG_DATA_DIRS=/nonexistent \
    "$unpacked/root/usr/bin/tolvex-cli" config > /dev/null) || { echo "package: tolvex-cli does not find its configuration"; status=1; }
# The same from a plain install to a prefix that is not the configured one.
cmake --install "$build" --prefix "$unpacked/prefix" > "$build/install.log" 2>&1 || { cat "$build/install.log"; status=1; }
(cd "$unpacked/elsewhere" && XDG_CONFIG_HOME=/nonexistent XDG_DATA_HOME=/nonexistent XDG_DATA_DIRS=/nonexistent \
    "$unpacked/prefix/bin/tolvex-cli" config > /dev/null) || { echo "install: tolvex-cli under another prefix does not find its configuration"; status=1; }
[ $status -eq 0 ] && echo "package: ok ($(basename "$deb"), ${#expected[@]} files checked)"
exit $status
