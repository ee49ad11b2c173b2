#!/usr/bin/env bash
# Checks the manual pages: man formats them without a warning, and the page
# of tavexo-sim describes exactly the options its --help lists, so that a
# new or renamed option cannot leave the page behind.
#
#   scripts/check-man-pages.sh TAVEXO_SIM PAGE...   (the last page: tavexo-sim's)
set -euo pipefail
sim=$1
shift
status=0

for page in "$@"; do
    warnings=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 \
        man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null || true)
    if [ -n "$warnings" ]; then
        echo "$page: man warns:" >&2
        echo "$warnings" >&2
        status=1
    fi
done

sim_page=${!#}
from_help=$("$sim" --help | grep -oE '^  --[a-z][a-z-]*' | sed 's/^ *//' | sort -u)
# In the page an option is a tagged paragraph (.TP) whose tag starts "\-\-".
from_page=$(grep -A1 '^\.TP' "$sim_page" | grep -oE '^\.B[IR]? \\-\\-[a-z\\-]*' |
    sed -E 's/^\.B[IR]? //; s/\\-/-/g' | sort -u)
if [ "$from_help" != "$from_page" ]; then
    echo "$sim_page and '$sim --help' list different options:" >&2
    diff <(echo "$from_help") <(echo "$from_page") >&2 || true
    status=1
fi
[ "$status" -eq 0 ] && echo "man pages: $# formatted cleanly, $(echo "$from_help" | wc -l) options of tavexo-sim described"
exit $status
