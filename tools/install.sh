#!/bin/sh
# Installs Trovanta for a rider, or takes it away again.
#
#   tools/install.sh install <built program>
#   tools/install.sh uninstall
#
# PREFIX (default ~/.local) says where; DESTDIR stages the files for a
# package. Under PREFIX:
#
#   lib/trovanta/trovanta          the program, in a folder of its own: it
#                                  keeps its settings files and race log
#                                  exports beside itself
#   bin/trovanta                   the launcher, a link to the program
#   share/applications/trovanta.desktop
#   share/icons/hicolor/scalable/apps/trovanta.svg
#   share/mime/packages/trovanta.xml   the .tva file type, with the MIME
#                                  database made again from it
#   share/metainfo/org.example.trovanta.metainfo.xml
#
# Uninstalling removes exactly these and makes the MIME database again (or
# takes it away when the install made it and no other type is left in it).
# What the rider made in the program folder stays, and is named.
set -eu

here=$(cd "$(dirname "$0")/.." && pwd)
PREFIX=${PREFIX:-$HOME/.local}
DESTDIR=${DESTDIR:-}

case $PREFIX in
/*) ;;
*) echo "PREFIX must be an absolute path, not '$PREFIX'." >&2; exit 2 ;;
esac
# The launcher's path goes into the desktop entry's Exec line, which only
# takes plain characters and blanks inside its quotes.
case $PREFIX in
*[\"\`\$\\%]* | *'
'*) echo "PREFIX must not contain \" \` \$ \\ % or a line break: '$PREFIX'." >&2; exit 2 ;;
esac
while [ "$PREFIX" != / ] && [ "${PREFIX%/}" != "$PREFIX" ]; do PREFIX=${PREFIX%/}; done
[ "$PREFIX" = / ] && PREFIX=

root=$DESTDIR$PREFIX
progdir=$root/lib/trovanta
program=$progdir/trovanta
launcher=$root/bin/trovanta
link=../lib/trovanta/trovanta
entry=$root/share/applications/trovanta.desktop
icon=$root/share/icons/hicolor/scalable/apps/trovanta.svg
mime_dir=$root/share/mime
mime_xml=$mime_dir/packages/trovanta.xml
metainfo=$root/share/metainfo/org.example.trovanta.metainfo.xml
# The folders the install made, so that uninstall takes away those alone.
manifest=$progdir/.installed-folders

is_our_launcher() {
    [ -L "$launcher" ] && [ "$(readlink "$launcher")" = "$link" ]
}

created=
make_dir() {
    [ -d "$1" ] && return 0
    make_dir "$(dirname "$1")"
    mkdir "$1"
    created="$created$1
"
}

refresh_icon_cache() {
    # Only a cache that is already there; a new one would outlive us.
    cache_dir=$root/share/icons/hicolor
    if [ -z "$DESTDIR" ] && [ -f "$cache_dir/icon-theme.cache" ] && command -v gtk-update-icon-cache >/dev/null; then
        gtk-update-icon-cache -q -t "$cache_dir" || true
    fi
}

# Unlike the icon cache, the two indexes below are needed: GIO's file
# managers take the applications of a file type from mimeinfo.cache alone,
# and every desktop knows file types from the MIME database alone. A
# packager's triggers make both for a DESTDIR.
apps_dir=$(dirname "$entry")
refresh_desktop_database() {
    [ -z "$DESTDIR" ] && [ -d "$apps_dir" ] || return 0
    if ! command -v update-desktop-database >/dev/null; then
        echo "update-desktop-database is missing (Debian package desktop-file-utils): file managers" \
            "offer Trovanta for .tva files only once $apps_dir is indexed." >&2
        return 0
    fi
    update-desktop-database -q "$apps_dir" ||
        echo "update-desktop-database failed on $apps_dir: file managers may not offer Trovanta for .tva files." >&2
}

# After uninstalling: an index left with no file type in it tells nothing,
# so it goes.
drop_desktop_index() {
    refresh_desktop_database
    index=$apps_dir/mimeinfo.cache
    if [ -z "$DESTDIR" ] && [ -f "$index" ] && ! grep -qv '^\[MIME Cache\]$' "$index"; then
        rm -f "$index"
    fi
}

# The names update-mime-database writes beside packages/.
mime_generated="XMLnamespaces aliases generic-icons globs globs2 icons magic mime.cache subclasses treemagic types version"

refresh_mime_database() {
    [ -z "$DESTDIR" ] || return 0
    if ! command -v update-mime-database >/dev/null; then
        echo "update-mime-database is missing (Debian package shared-mime-info): the desktop learns" \
            "the .tva file type only once $mime_dir is updated." >&2
        return 0
    fi
    update-mime-database "$mime_dir" ||
        echo "update-mime-database failed on $mime_dir: the desktop may not know .tva files." >&2
}

# After uninstalling: a database the install made and that now holds no
# type goes with its folders; any other is made again without ours.
drop_mime_type() {
    folders=$1
    if [ -d "$mime_dir/packages" ] && [ -z "$(ls -A "$mime_dir/packages")" ] &&
        printf '%s\n' "$folders" | grep -qxF "$mime_dir"; then
        for f in $mime_generated application/x-trovanta-gear.xml; do rm -f "$mime_dir/$f"; done
        # The media type folders update-mime-database made, now empty.
        for d in "$mime_dir"/*/; do
            [ "$d" != "$mime_dir/packages/" ] && rmdir "$d" 2>/dev/null || true
        done
    elif [ -d "$mime_dir/packages" ]; then
        refresh_mime_database
    fi
}

do_install() {
    built=$1
    [ -x "$built" ] || { echo "No built program at $built." >&2; exit 1; }
    if { [ -e "$launcher" ] || [ -L "$launcher" ]; } && ! is_our_launcher; then
        echo "$launcher exists and is not Trovanta's launcher; nothing installed." >&2
        exit 1
    fi

    for d in "$progdir" "$(dirname "$launcher")" "$(dirname "$entry")" "$(dirname "$icon")" \
        "$(dirname "$mime_xml")" "$(dirname "$metainfo")"; do
        make_dir "$d"
    done

    # A copy beside the old program, then a rename: a running Trovanta keeps
    # its file, and an interrupted install leaves no half program.
    if [ -z "$DESTDIR" ]; then
        install -m 0755 -s "$built" "$progdir/.trovanta.new"
    else
        install -m 0755 "$built" "$progdir/.trovanta.new" # the packager strips
    fi
    mv -f "$progdir/.trovanta.new" "$program"
    ln -sf "$link" "$launcher"

    while IFS= read -r line; do
        case $line in
        *@EXEC@*) line="${line%%@EXEC@*}\"$PREFIX/bin/trovanta\"${line#*@EXEC@}" ;;
        *@TRYEXEC@*) line="${line%%@TRYEXEC@*}$PREFIX/bin/trovanta${line#*@TRYEXEC@}" ;;
        esac
        printf '%s\n' "$line"
    done <"$here/data/trovanta.desktop.in" >"$entry.new"
    chmod 0644 "$entry.new"
    mv -f "$entry.new" "$entry"
    install -m 0644 "$here/data/trovanta.svg" "$icon"
    install -m 0644 "$here/data/trovanta-mime.xml" "$mime_xml"
    install -m 0644 "$here/data/org.example.trovanta.metainfo.xml" "$metainfo"

    if [ -z "$DESTDIR" ]; then
        { [ -f "$manifest" ] && cat "$manifest"; printf '%s' "$created"; } | sort -u >"$manifest.new"
        mv -f "$manifest.new" "$manifest"
        # Installed with sudo: the rider who asked owns the program folder,
        # or the program could not write its settings files there.
        if [ "$(id -u)" = 0 ] && [ -n "${SUDO_USER:-}" ]; then
            chown "$SUDO_USER" "$progdir"
        fi
    fi
    refresh_icon_cache
    refresh_desktop_database
    refresh_mime_database

    echo "Installed Trovanta:"
    echo "  program   $program"
    echo "  launcher  $launcher"
    echo "  menu      $entry"
    echo "  icon      $icon"
    echo "  file type $mime_xml"
    echo "  metainfo  $metainfo"
    echo "Its settings files and race log exports are kept in $progdir."
    [ -n "$DESTDIR" ] && return 0
    if [ "$(id -u)" = 0 ] && [ -z "${SUDO_USER:-}" ]; then
        case $PREFIX/ in
        "$HOME"/*) ;;
        *) echo "Installed as root: only root can write there unless the folder is given to the rider." ;;
        esac
    fi
    case ":$PATH:" in
    *":$PREFIX/bin:"*) ;;
    *)
        if [ "$PREFIX" = "$HOME/.local" ]; then
            echo "$PREFIX/bin is not on your PATH yet; Debian's ~/.profile adds it at the next login."
        else
            echo "$PREFIX/bin is not on your PATH; add it to start Trovanta by name."
        fi
        ;;
    esac
}

do_uninstall() {
    if ! [ -e "$program" ] && ! is_our_launcher && ! [ -e "$entry" ] && ! [ -e "$icon" ] &&
        ! [ -e "$mime_xml" ] && ! [ -e "$metainfo" ]; then
        echo "Trovanta is not installed under ${PREFIX:-/}."
        return 0
    fi
    folders=
    if [ -f "$manifest" ]; then
        folders=$(sort -r "$manifest")
        rm -f "$manifest"
    fi

    if is_our_launcher; then
        rm -f "$launcher"
        echo "Removed $launcher"
    elif [ -e "$launcher" ] || [ -L "$launcher" ]; then
        echo "Left $launcher: it is not Trovanta's launcher."
    fi
    for f in "$entry" "$icon" "$mime_xml" "$metainfo" "$program"; do
        if [ -e "$f" ]; then
            rm -f "$f"
            echo "Removed $f"
        fi
    done
    rm -f "$progdir/.trovanta.new" "$entry.new"
    refresh_icon_cache
    drop_desktop_index
    drop_mime_type "$folders"

    # Folders the install made, deepest first, as far as they are empty.
    printf '%s\n' "$folders" | while IFS= read -r d; do
        [ -n "$d" ] && [ "$d" != "$progdir" ] && rmdir "$d" 2>/dev/null || true
    done

    if [ -d "$progdir" ] && [ -n "$(ls -A "$progdir")" ]; then
        echo "Kept the rider's own files in $progdir:"
        ls -A "$progdir" | sed 's/^/  /'
        echo "Delete that folder yourself once they are no longer needed."
        # A later install and uninstall still know which folders were ours.
        printf '%s\n' "$folders" | while IFS= read -r d; do
            [ -n "$d" ] && [ -d "$d" ] && printf '%s\n' "$d"
        done >"$manifest" || true
    elif [ -d "$progdir" ]; then
        rmdir "$progdir"
        # lib/ too, when the install made it and nothing else lives there.
        printf '%s\n' "$folders" | while IFS= read -r d; do
            [ -n "$d" ] && rmdir "$d" 2>/dev/null || true
        done
    fi
}

case ${1:-} in
install) [ $# -eq 2 ] || { echo "usage: $0 install <built program>" >&2; exit 2; }; do_install "$2" ;;
uninstall) do_uninstall ;;
*) echo "usage: $0 install <built program> | uninstall" >&2; exit 2 ;;
esac
