#!/bin/sh
# Installs Pennoria into a temporary prefix and checks what a desktop needs of it:
# the validators, the programs, content and documents, one version everywhere,
# the icons, the MIME type of topic documents and that they open in Pennoria.
set -u
build=${1:?build folder}
. "$(dirname "$0")/pruefhilfen.sh"
prefix=$tmp/prefix

if ! cmake --install "$build" --prefix "$prefix" >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log"
    echo "FEHLER: cmake --install"
    exit 1
fi

pruefe desktop-file-validate "$prefix/share/applications/$id.desktop"
pruefe appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml"

# The programs in bin, the shared content under share/pennoria, the documents.
pruefe test -x "$prefix/bin/pennoria"
pruefe test -x "$prefix/bin/tvl"
pruefe test -f "$prefix/share/pennoria/flaggen-europa.tvl"
pruefe test -f "$prefix/share/pennoria/data/pennor.png"
pruefe test -f "$prefix/share/pennoria/sound/Richtig1.wav"
pruefe test -f "$prefix/share/pennoria/hilfe/index.html"
for seite in pennoria tvl; do
    pruefe gzip -t "$prefix/share/man/man1/$seite.1.gz"
done
pruefe gzip -t "$prefix/share/doc/pennoria/changelog.gz"
pruefe test -s "$prefix/share/doc/pennoria/copyright"
# The entry names the program by its full path, so no PATH is needed.
gleich "$(sed -n 's/^Exec=//p' "$prefix/share/applications/$id.desktop")" "$prefix/bin/pennoria %f" "Exec"
gleich "$(sed -n 's/^TryExec=//p' "$prefix/share/applications/$id.desktop")" "$prefix/bin/pennoria" "TryExec"

# One version everywhere: the program, the metainfo's newest release, the changelog.
version=$("$prefix/bin/pennoria" --version)
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' "$prefix/share/metainfo/$id.metainfo.xml" | head -n 1)
gleich "$version" "Brinvale Pennoria $release" "pennoria --version"
gleich "$(gzip -dc "$prefix/share/doc/pennoria/changelog.gz" | sed -n '1s/^pennoria (\(.*\)).*/\1/p')" "$release" "changelog"
"$prefix/bin/pennoria" --help >"$tmp/hilfe.txt"
pruefe grep -q "^Aufruf: pennoria" "$tmp/hilfe.txt"

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
cp "$prefix/share/pennoria/flaggen-europa.tvl" "$tmp/Europa.tvl"
# The content tells a topic document from a text that only starts with the
# mark: the file name has no extension to go by.
cp "$prefix/share/pennoria/flaggen-europa.tvl" "$tmp/Europa"
printf 'KMF-1.01 ist die Kennung der Themendokumente.\n' >"$tmp/notiz"
gleich "$(xdg-mime query filetype "$tmp/Europa.tvl")" "$typ" "xdg-mime query filetype"
gleich "$(xdg-mime query filetype "$tmp/Europa")" "$typ" "xdg-mime: Dokument ohne Endung"
if [ "$(xdg-mime query filetype "$tmp/notiz")" = "$typ" ]; then
    echo "FEHLER: xdg-mime: ein Text mit der Kennung gilt als Themendokument"
    fehler=1
fi
gleich "$(xdg-mime query default "$typ")" "$id.desktop" "xdg-mime query default"
# The same through GIO, as GNOME-like desktops ask, with the prefix's bin
# not on PATH (a per-user install): the entry must still count.
if command -v gio >/dev/null 2>&1; then
    gleich "$(XDG_CURRENT_DESKTOP=GNOME xdg-mime query filetype "$tmp/Europa.tvl")" "$typ" "gio: Dateityp"
    gleich "$(gio info -a standard::content-type "$tmp/Europa" | sed -n 's/^ *standard::content-type: //p')" \
        "$typ" "gio: Dokument ohne Endung"
    gleich "$(PATH=/usr/bin:/bin gio mime "$typ" | sed -n 's/^Default application for .*: //p')" "$id.desktop" \
        "gio mime"
else
    echo "FEHLER: gio fehlt"
    fehler=1
fi

if [ "$fehler" -ne 0 ]; then
    exit 1
fi
echo "Installation in $prefix: alles geprüft"
