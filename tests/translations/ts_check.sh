#!/bin/sh
# The translations are complete and up to date: lupdate over the sources
# leaves the committed .ts files as they are (no text added or gone), and
# no entry is unfinished or vanished.
#   ts_check.sh <lupdate> <source folder> <translations folder> [lupdate options]
lupdate=$1 src=$2 ts=$3
shift 3
tmp=$(mktemp -d) || exit 1
trap 'rm -rf "$tmp"' EXIT
cp "$ts"/trovanta_*.ts "$tmp"/ || exit 1
if ! "$lupdate" "$@" "$src" -ts "$tmp"/trovanta_*.ts >"$tmp/log" 2>&1; then
    cat "$tmp/log"
    exit 1
fi
grep -i "warning\|cannot\|found" "$tmp/log"
fail=0
for f in "$tmp"/trovanta_*.ts; do
    name=$(basename "$f")
    if ! cmp -s "$f" "$ts/$name"; then
        echo "$name: the code's texts differ from the file (run the update_translations target):"
        diff "$ts/$name" "$f" | head -40
        fail=1
    fi
    open=$(grep -c 'type="unfinished"\|type="vanished"\|type="obsolete"' "$f")
    if [ "$open" -ne 0 ]; then
        echo "$name: $open entries unfinished or vanished"
        grep -B2 'type="unfinished"\|type="vanished"\|type="obsolete"' "$f" | grep '<source>' | head -20
        fail=1
    fi
done
exit $fail
