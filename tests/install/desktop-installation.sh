#!/bin/sh
# Installs Pennoria into a temporary prefix and checks what a desktop needs of it:
# the validators, the program folder and launcher, the icons, the MIME type of
# topic documents and that they open in Pennoria.
set -u
build=${1:?build folder}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
prefix=$tmp/prefix
id=org.example.pennoria
typ=application/x-pennoria-tvl
fehler=0
pruefe() {
    if ! "$@"; then
        echo "FEHLER: $*"
        fehler=1
    fi
}
gleich() {
    if [ "$1" != "$2" ]; then
        echo "FEHLER: $3: erwartet \"$2\", erhalten \"$1\""
        fehler=1
    fi
}

if ! cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log"
    echo "FEHLER: cmake --install"
    exit 1
fi

pruefe desktop-file-validate "$prefix/share/applications/$id.desktop"
pruefe appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"

# The program folder with its content and writable folders, and the launcher.
pruefe test -x "$prefix/lib/pennoria/pennoria"
pruefe test -f "$prefix/lib/pennoria/flaggen-europa.tvl"
pruefe test -f "$prefix/lib/pennoria/data/pennor.png"
for ordner in protokolle bestenlisten kom setupbasissystem; do
    pruefe test -d "$prefix/lib/pennoria/$ordner"
done
pruefe test -x "$prefix/bin/pennoria"
ziel=$(sed -n 's/^exec "$hier\/\(.*\)" "$@"$/\1/p' "$prefix/bin/pennoria")
pruefe test -x "$prefix/bin/$ziel"
gleich "$(PATH="$prefix/bin:$PATH" command -v pennoria)" "$prefix/bin/pennoria" "Exec im PATH"

for groesse in 16 32 48 256; do
    pruefe test -s "$prefix/share/icons/hicolor/${groesse}x$groesse/apps/$id.png"
    pruefe test -s "$prefix/share/icons/hicolor/${groesse}x$groesse/mimetypes/application-x-pennoria-tvl.png"
done
pruefe test -s "$prefix/share/icons/hicolor/scalable/apps/$id.svg"
# The install step's trigger has built the MIME and desktop databases.
pruefe test -f "$prefix/share/mime/application/x-pennoria-tvl.xml"
pruefe grep -q "^$typ=$id.desktop" "$prefix/share/applications/mimeinfo.cache"

# A desktop that sees our prefix and the system, with a home of its own.
export HOME="$tmp/home"
export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config"
export XDG_DATA_DIRS="$prefix/share:/usr/local/share:/usr/share" XDG_CONFIG_DIRS="$tmp/etc"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION KDE_SESSION_VERSION GNOME_DESKTOP_SESSION_ID \
      MATE_DESKTOP_SESSION_ID XDG_SESSION_DESKTOP
cp "$prefix/lib/pennoria/flaggen-europa.tvl" "$tmp/Europa.tvl"
gleich "$(xdg-mime query filetype "$tmp/Europa.tvl")" "$typ" "xdg-mime query filetype"
gleich "$(xdg-mime query default "$typ")" "$id.desktop" "xdg-mime query default"
# The same through GIO, as GNOME-like desktops ask.
if command -v gio >/dev/null 2>&1; then
    gleich "$(XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$tmp/Europa.tvl")" "$typ" "gio: Dateityp"
fi

if [ "$fehler" -ne 0 ]; then
    exit 1
fi
echo "Installation in $prefix: alles geprüft"
