#!/usr/bin/env bash
# Checks the Debian package that `make package` made, without installing it:
# its metadata and contents (dpkg-deb), lintian, the desktop files of the
# unpacked tree, and the unpacked program itself, started offscreen with an
# empty home and no system data folders, finding its help and sounds beside
# it and showing a help topic.
#
#   scripts/check-package.sh [BUILD]   (default: build-release)
set -euo pipefail
cd "$(dirname "$0")/.."
BUILD=${1:-build-release}
VERSION=$(sed -nE 's/^project\(Tavexo VERSION ([0-9.]+).*/\1/p' CMakeLists.txt)
ARCH=$(dpkg --print-architecture)
DEB=$BUILD/tavexo_${VERSION}_${ARCH}.deb
[ -f "$DEB" ] || { echo "$DEB is missing: make package first" >&2; exit 1; }

WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }
pass() { echo "ok: $*"; }

# --- metadata ---------------------------------------------------------------
field() { dpkg-deb --field "$DEB" "$1"; }
[ "$(field Package)" = tavexo ] && pass "Package: tavexo" || fail "Package is '$(field Package)'"
[ "$(field Version)" = "$VERSION" ] && pass "Version: $VERSION" || fail "Version is '$(field Version)'"
[ "$(field Architecture)" = "$ARCH" ] && pass "Architecture: $ARCH" || fail "Architecture is '$(field Architecture)'"
depends=$(field Depends)
# Worked out from the linked libraries, plus the plugins Qt loads at run time.
for lib in libc6 'libstdc\+\+6' libqt6core6 libqt6widgets6 libqt6network6 libqt6help6 \
           libqt6multimedia6 libqt6charts6 'libxlsxwriter[0-9]+' libqt6sql6-sqlite libqt6svg6; do
    grep -qE "(^|, )$lib( |,|$)" <<<"$depends" && pass "depends on $lib" || fail "Depends lacks $lib: $depends"
done

# --- contents ---------------------------------------------------------------
dpkg-deb --contents "$DEB" | awk '{print $6}' | sed 's|^\./|/|' | sort > "$WORK/contents"
expected=(
    /usr/bin/tavexo /usr/bin/tavexo-sim
    /usr/share/tavexo/help/mentaxHilfe.qch
    /usr/share/applications/example.tavexo.Tavexo.desktop
    /usr/share/metainfo/example.tavexo.Tavexo.metainfo.xml
    /usr/share/icons/hicolor/scalable/apps/tavexo.svg
    /usr/share/man/man1/tavexo.1.gz /usr/share/man/man1/tavexo-sim.1.gz
    /usr/share/doc/tavexo/copyright /usr/share/doc/tavexo/changelog.gz
)
for sound in bj card coin1 coin2 minus mischen null piep plus; do
    expected+=("/usr/share/tavexo/sounds/$sound.wav")
done
for size in 16 22 24 32 48 64 128 256 512; do
    expected+=("/usr/share/icons/hicolor/${size}x${size}/apps/tavexo.png")
done
for path in "${expected[@]}"; do
    grep -qxF "$path" "$WORK/contents" || fail "the package lacks $path"
done
pass "${#expected[@]} expected files present"
stray=$(grep -vE '^/usr/(bin|share)/' "$WORK/contents" | grep -vE '^/(usr/?|usr/share/?)?$' || true)
[ -z "$stray" ] && pass "nothing outside /usr/bin and /usr/share" || fail "unexpected paths: $stray"

# --- lintian ----------------------------------------------------------------
if lintian --fail-on error --tag-display-limit 0 "$DEB" > "$WORK/lintian" 2>&1; then
    pass "lintian: no errors ($(grep -c '^W:' "$WORK/lintian" || true) warnings)"
else
    fail "lintian reports errors"
fi
grep -v "running with root privileges" "$WORK/lintian" | sed "s/^/    /" || true

# --- the unpacked tree -------------------------------------------------------
TREE=$WORK/tree
dpkg-deb -x "$DEB" "$TREE"
desktop-file-validate "$TREE/usr/share/applications/example.tavexo.Tavexo.desktop" > "$WORK/desktop" 2>&1 || true
if grep -qE 'error:|warning:' "$WORK/desktop"; then fail "desktop-file-validate: $(cat "$WORK/desktop")"; else pass "desktop file valid"; fi
appstreamcli validate --no-net "$TREE/usr/share/metainfo/example.tavexo.Tavexo.metainfo.xml" > "$WORK/metainfo" 2>&1 &&
    pass "metainfo valid" || fail "appstreamcli: $(cat "$WORK/metainfo")"
for size in 16 48 256; do
    got=$(file -b "$TREE/usr/share/icons/hicolor/${size}x${size}/apps/tavexo.png" | grep -oE '[0-9]+ x [0-9]+')
    [ "$got" = "$size x $size" ] && pass "icon ${size}x${size}" || fail "icon ${size}x${size} is $got"
done

# The simulator plays a short run from the unpacked tree.
if "$TREE/usr/bin/tavexo-sim" --rounds 20000 --seed 1 --json > "$WORK/sim.json" &&
   grep -q '"rounds"' "$WORK/sim.json"; then
    pass "tavexo-sim plays"
else
    fail "tavexo-sim from the package does not run"
fi

# The program, offscreen, with a fresh home and no system data folders: only
# the data beside it (../share/tavexo) can be found. It opens the help at the
# update window's topic and reports what it found.
HOME_DIR=$WORK/home
mkdir -p "$HOME_DIR" && mkdir -m 700 "$HOME_DIR/runtime"
env -i PATH=/usr/bin:/bin HOME="$HOME_DIR" XDG_DATA_HOME="$HOME_DIR/data" \
    XDG_CONFIG_HOME="$HOME_DIR/config" XDG_CACHE_HOME="$HOME_DIR/cache" \
    XDG_RUNTIME_DIR="$HOME_DIR/runtime" XDG_DATA_DIRS="$WORK/none" LANG=C.UTF-8 \
    QT_QPA_PLATFORM=offscreen TAVEXO_SCREENSHOT=0 TAVEXO_SCREENSHOT_WINDOW=hilfe:1100 \
    "$TREE/usr/bin/tavexo" > "$WORK/run.log" 2>&1 &
pid=$!
for _ in $(seq 1 300); do
    grep -q TAVEXO_READY "$WORK/run.log" && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
help_file=$(sed -n 's/^TAVEXO_HELP_FILE //p' "$WORK/run.log")
topic=$(sed -n 's/^TAVEXO_HELP_TOPIC //p' "$WORK/run.log")
sounds=$(sed -n 's/^TAVEXO_SOUNDS //p' "$WORK/run.log")
if [ "$help_file" = "$TREE/usr/share/tavexo/help/mentaxHilfe.qch" ] && [ -n "$topic" ]; then
    pass "the unpacked tavexo finds its help beside it and shows \"$topic\""
else
    fail "the unpacked tavexo's help: file '$help_file', topic '$topic'"
    sed 's/^/    /' "$WORK/run.log" >&2
fi
if [ "$sounds" = "9/9 $TREE/usr/share/tavexo/sounds" ]; then
    pass "the unpacked tavexo finds its nine sounds beside it"
else
    fail "the unpacked tavexo's sounds: '$sounds'"
fi

if [ "$failures" -gt 0 ]; then
    echo "$DEB: $failures checks failed" >&2
    exit 1
fi
echo "$DEB: all checks passed"
