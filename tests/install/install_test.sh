#!/bin/sh
# Install into a scratch prefix, check the desktop's view of it (menu entry,
# metainfo, the .tva file type), run the program through its launcher, and
# uninstall: the rider's files stay, everything else goes, and what was
# there before is untouched.
#   install_test.sh <tools/install.sh> <built program>
set -eu

script=$1
built=$2
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# A blank in the prefix, and a folder of the desktop that holds another
# program's entry already.
prefix="$tmp/pre fix"
mkdir -p "$prefix/share/applications"
echo "[Desktop Entry]" >"$prefix/share/applications/other.desktop"
before=$(cd "$prefix" && find . | sort)

inst() { PREFIX=$prefix sh "$script" "$@" >"$tmp/out" 2>&1 || { cat "$tmp/out" >&2; return 1; }; }
need() {
    command -v "$1" >/dev/null && return 0
    echo "SKIP: $1 is missing (Debian package $2): $3 not checked."
    return 1
}

# The desktop sees the prefix alone besides the system; a file manager asks
# either File::MimeInfo (a generic desktop) or GIO (GNOME and most others).
in_desktop() {
    XDG_DATA_HOME=$tmp/data-home XDG_CONFIG_HOME=$tmp/config XDG_DATA_DIRS="$prefix/share:/usr/share" "$@"
}
desktops=
if need update-mime-database shared-mime-info "the .tva file type" && need xdg-mime xdg-utils "the .tva file type"; then
    need mimetype libfile-mimeinfo-perl "the generic desktop's file type" && desktops=X-Generic
    need gio libglib2.0-bin "GIO's file type and its application" && desktops="$desktops GNOME"
fi
expect_type() {
    want=$1
    shift
    for f; do
        for d in $desktops; do
            got=$(XDG_CURRENT_DESKTOP=$d in_desktop xdg-mime query filetype "$tmp/files/$f" 2>&1) || true
            [ "$got" = "$want" ] || fail "$d takes $f for '$got', not $want"
        done
    done
}
# Gear data files as the program writes them: a length-prefixed title and
# zeros; 192 bytes, an older one 184, named as on another system.
mkdir "$tmp/files"
{ printf '\012Hockenheim'; head -c 181 /dev/zero; } >"$tmp/files/hockenheim.tva"
{ printf '\003Alt'; head -c 180 /dev/zero; } >"$tmp/files/ALT.TVA"

inst install "$built"
progdir="$prefix/lib/trovanta"
entry="$prefix/share/applications/trovanta.desktop"
[ -x "$progdir/trovanta" ] || fail "no program in $progdir"
[ "$(readlink -f "$prefix/bin/trovanta")" = "$(readlink -f "$progdir/trovanta")" ] || fail "launcher does not lead to the program"
[ -s "$prefix/share/icons/hicolor/scalable/apps/trovanta.svg" ] || fail "no icon"
grep -qx "Exec=\"$prefix/bin/trovanta\" %f" "$entry" || fail "Exec line: $(grep ^Exec "$entry")"
grep -qx 'Icon=trovanta' "$entry" || fail "Icon line"
grep -qx 'MimeType=application/x-trovanta-gear;' "$entry" || fail "MimeType line"
if need desktop-file-validate desktop-file-utils "the desktop entry"; then
    desktop-file-validate "$entry" || fail "desktop entry does not validate"
fi
# The metainfo, with the menu entry it names, as a software centre reads it.
if need appstreamcli appstream "the metainfo"; then
    for how in "validate $prefix/share/metainfo/org.example.trovanta.metainfo.xml" "validate-tree $prefix"; do
        appstreamcli ${how%% *} --no-net "${how#* }" >"$tmp/as.out" 2>&1 ||
            { cat "$tmp/as.out" >&2; fail "appstreamcli $how does not pass"; }
    done
fi
expect_type application/x-trovanta-gear hockenheim.tva ALT.TVA
# A double click opens it with Trovanta.
case $desktops in
*GNOME*)
    in_desktop gio mime application/x-trovanta-gear >"$tmp/apps" 2>&1 || true
    grep -q 'trovanta\.desktop' "$tmp/apps" || fail "no application for the .tva type: $(cat "$tmp/apps")"
    ;;
esac

# Started through the launcher from another folder, the program keeps its
# settings beside itself. It ends on SIGTERM once it has taken the signal
# over, which /proc tells; no waiting on the clock.
mkdir "$tmp/cwd" "$tmp/run"
chmod 700 "$tmp/run"
(cd "$tmp/cwd" && HOME=$tmp XDG_RUNTIME_DIR=$tmp/run QT_QPA_PLATFORM=offscreen exec "$prefix/bin/trovanta") \
    >"$tmp/run.log" 2>&1 &
pid=$!
tries=0
while :; do
    kill -0 "$pid" 2>/dev/null || { cat "$tmp/run.log" >&2; fail "program ended by itself"; }
    if [ "$(readlink "/proc/$pid/exe")" = "$progdir/trovanta" ]; then
        caught=$(sed -n 's/^SigCgt:[[:space:]]*//p' "/proc/$pid/status")
        [ $((0x$caught & 0x4000)) -ne 0 ] && break
    fi
    tries=$((tries + 1))
    [ "$tries" -lt 3000 ] || fail "program never took over SIGTERM"
    sleep 0.1
done
kill -TERM "$pid"
wait "$pid" || fail "program ended with status $?"
[ -s "$progdir/Trovanta.ini" ] || fail "no Trovanta.ini beside the program"
[ -z "$(ls -A "$tmp/cwd")" ] || fail "the program wrote into the working folder: $(ls -A "$tmp/cwd")"
[ ! -e "$prefix/bin/Trovanta.ini" ] || fail "settings beside the launcher"

# A reinstall leaves the rider's files alone.
echo "Strecke" >"$progdir/Hockenheim.txt"
sum=$(cat "$progdir/Trovanta.ini" "$progdir/Hockenheim.txt" | cksum)
inst install "$built"
[ "$(cat "$progdir/Trovanta.ini" "$progdir/Hockenheim.txt" | cksum)" = "$sum" ] || fail "reinstall changed the rider's files"

# Uninstall: the program goes, the rider's files stay and are named.
inst uninstall
grep -q 'Trovanta.ini' "$tmp/out" && grep -q 'Hockenheim.txt' "$tmp/out" || { cat "$tmp/out"; fail "kept files not named"; }
left=$(cd "$prefix" && find . | sort)
expected=$(printf '%s\n' "$before" ./lib ./lib/trovanta ./lib/trovanta/.installed-folders \
    ./lib/trovanta/Hockenheim.txt ./lib/trovanta/Trovanta.ini | sort)
[ "$left" = "$expected" ] || fail "after uninstall:
$left"

# Once the rider has cleared the folder, install and uninstall leave the
# prefix as it was.
rm "$progdir/Trovanta.ini" "$progdir/Hockenheim.txt"
inst install "$built"
inst uninstall
[ "$(cd "$prefix" && find . | sort)" = "$before" ] || fail "prefix not as before:
$(cd "$prefix" && find . | sort)"

# Another program's bin/trovanta is never replaced.
mkdir -p "$prefix/bin"
echo "not ours" >"$prefix/bin/trovanta"
if inst install "$built"; then fail "installed over a foreign launcher"; fi
[ "$(cat "$prefix/bin/trovanta")" = "not ours" ] || fail "foreign launcher changed"
[ ! -e "$progdir/trovanta" ] || fail "program installed beside a foreign launcher"

# A MIME database that holds another program's type stays, without ours.
if [ -n "$desktops" ]; then
    prefix="$tmp/other prefix"
    mkdir -p "$prefix/share/mime/packages"
    cat >"$prefix/share/mime/packages/laps.xml" <<'EOF'
<?xml version="1.0" encoding="UTF-8"?>
<mime-info xmlns="http://www.freedesktop.org/standards/shared-mime-info">
  <mime-type type="application/x-lap-times"><comment>Lap times</comment><glob pattern="*.laps"/></mime-type>
</mime-info>
EOF
    update-mime-database "$prefix/share/mime" 2>/dev/null
    echo "1 1:42.3" >"$tmp/files/today.laps"
    before=$(cd "$prefix" && find . | sort)
    inst install "$built"
    expect_type application/x-trovanta-gear hockenheim.tva
    expect_type application/x-lap-times today.laps
    inst uninstall
    expect_type application/octet-stream hockenheim.tva
    expect_type application/x-lap-times today.laps
    [ "$(cd "$prefix" && find . | sort)" = "$before" ] || fail "other prefix not as before:
$(cd "$prefix" && find . | sort)"
fi
echo "ok"
