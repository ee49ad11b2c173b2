#!/usr/bin/env bash
# The core folders are layered, top to bottom: drill, strategy, engine,
# stats, settings. A folder may include its own headers and those of the
# folders below it; an include that reaches up (or into Qt) is reported.
set -u
cd "$(dirname "$0")/.."
status=0
check() {  # folder, the folders it must not include
    local folder=$1; shift
    [ -d "$folder" ] || return 0
    for banned in "$@"; do
        hits=$(grep -rn --include='*.h' --include='*.cpp' -E "#include [<\"]${banned}" "$folder")
        if [ -n "$hits" ]; then
            echo "$folder/ must not include $banned:"
            echo "$hits"
            status=1
        fi
    done
}
check settings stats/ engine/ strategy/ drill/ Q
check stats engine/ strategy/ drill/ Q
check engine strategy/ drill/ Q
check strategy drill/ Q
check drill Q
[ $status -eq 0 ] && echo "core layers: every include points down"
exit $status
