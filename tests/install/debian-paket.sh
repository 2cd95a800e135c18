#!/bin/sh
# Builds the Debian package with CPack, unpacks it into a scratch root and
# checks it as a machine would see it after apt install: the layout under
# /usr, the desktop entry, the metainfo, the MIME magic against a document
# without extension, the dependencies and the program's version.
set -u
build=${1:?build folder}
. "$(dirname "$0")/pruefhilfen.sh"

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/paket" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FEHLER: cpack"
    exit 1
fi
set -- "$tmp"/paket/pennoria_*.deb
if [ "$#" -ne 1 ] || [ ! -f "$1" ]; then
    echo "FEHLER: kein pennoria_*.deb gebaut"
    exit 1
fi
deb=$1
wurzel=$tmp/wurzel
dpkg-deb -x "$deb" "$wurzel"
share=$wurzel/usr/share

# Name, version and architecture as Debian writes them.
version=$(dpkg-deb -f "$deb" Version)
gleich "$(basename "$deb")" "pennoria_${version}_$(dpkg-deb -f "$deb" Architecture).deb" "Dateiname"
gleich "$("$wurzel/usr/bin/pennoria" --version)" "Brinvale Pennoria $version" "pennoria --version"
# The libraries dpkg-shlibdeps found, and nothing outside /usr.
depends=$(dpkg-deb -f "$deb" Depends)
for paket in libqt6widgets6 libqt6gui6 libc6 libasound2; do
    case "$depends" in
    *"$paket"*) ;;
    *) echo "FEHLER: Depends ohne $paket: $depends"; fehler=1 ;;
    esac
done
gleich "$(dpkg-deb -c "$deb" | awk '{print $6}' | grep -v '^\./$' | grep -v '^\./usr/' | head -n 1)" "" "Dateien außerhalb /usr"
# Stripped programs.
for programm in pennoria tvl; do
    pruefe test -x "$wurzel/usr/bin/$programm"
    if file "$wurzel/usr/bin/$programm" | grep -q 'not stripped'; then
        echo "FEHLER: /usr/bin/$programm ist nicht gestrippt"
        fehler=1
    fi
done

pruefe desktop-file-validate "$share/applications/$id.desktop"
gleich "$(sed -n 's/^Exec=//p' "$share/applications/$id.desktop")" "/usr/bin/pennoria %f" "Exec"
pruefe appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml"
pruefe test -f "$share/pennoria/flaggen-der-welt.tvl"
pruefe test -s "$share/icons/hicolor/16x16/apps/$id.png"
pruefe gzip -t "$share/man/man1/pennoria.1.gz"
pruefe gzip -t "$share/man/man1/tvl.1.gz"
pruefe test -s "$share/doc/pennoria/copyright"

# The MIME database of the scratch root only, as dpkg's trigger builds it.
update-mime-database "$share/mime" >/dev/null 2>&1
export HOME="$tmp/home"
export XDG_DATA_HOME="$HOME/.local/share" XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_DIRS="$share"
mkdir -p "$XDG_DATA_HOME" "$XDG_CONFIG_HOME"
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION KDE_FULL_SESSION KDE_SESSION_VERSION GNOME_DESKTOP_SESSION_ID \
      MATE_DESKTOP_SESSION_ID XDG_SESSION_DESKTOP
cp "$share/pennoria/flaggen-der-welt.tvl" "$tmp/Welt"
gleich "$(xdg-mime query filetype "$tmp/Welt")" "$typ" "xdg-mime: Dokument ohne Endung"

if [ "$fehler" -ne 0 ]; then
    exit 1
fi
echo "Paket $(basename "$deb"): alles geprüft"
