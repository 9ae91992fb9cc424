#!/usr/bin/env bash
# Installs Glyphwright for the current user on a Linux desktop: the program
# and its help under $XDG_DATA_HOME/glyphwright (by default
# ~/.local/share/glyphwright), a menu entry, the program's icon at the usual
# sizes and the .glw file type, so that the editor is in the desktop's menu
# and a double-click on a .glw file opens it. Run it again after a rebuild to
# install the new program. --remove takes all of it away again, except the
# Wine prefix that holds the preferences (glyphwright/wine) and the file type
# registered there.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
data=${XDG_DATA_HOME:-$HOME/.local/share}
program=$data/glyphwright/program
entry=$data/applications/glyphwright.desktop
mime=$data/mime/packages/glyphwright.xml
sizes=(16 32 48 64 128 256)

# The desktops read these caches rather than the files themselves.
refresh() {
    update-mime-database "$data/mime"
    update-desktop-database "$data/applications"
    if [[ -f "$data/icons/hicolor/index.theme" ]] && command -v gtk-update-icon-cache >/dev/null; then
        gtk-update-icon-cache -q "$data/icons/hicolor"
    fi
}

if [[ ${1:-} == --remove ]]; then
    rm -rf "$program"
    rm -f "$entry" "$mime"
    for size in "${sizes[@]}"; do rm -f "$data/icons/hicolor/${size}x$size/apps/glyphwright.png"; done
    refresh
    exit 0
fi

"$root/scripts/install-deps.sh"
"$root/scripts/build.sh" win
build=$root/build/win
mkdir -p "$program" "$(dirname "$entry")" "$(dirname "$mime")"
cp "$build/installer/glyphwright.exe" "$build/app/glyphwright.html" "$program/"
cp "$root/scripts/launch.sh" "$root/scripts/wine-run.sh" "$root/scripts/wine-prefix.sh" "$program/"
for size in "${sizes[@]}"; do
    install -D -m 644 "$build/resources/glyphwright-$size.png" "$data/icons/hicolor/${size}x$size/apps/glyphwright.png"
done

cp "$root/installer/glyphwright-mime.xml" "$mime"

# In the entry's Exec line a path is quoted, with \ " ` $ escaped and % doubled.
quote() {
    local text=${1//\\/\\\\}
    text=${text//\"/\\\"}
    text=${text//\`/\\\`}
    text=${text//\$/\\\$}
    printf '"%s"' "${text//%/%%}"
}
cat >"$entry" <<DESKTOP
[Desktop Entry]
Type=Application
Name=Glyphwright
GenericName=Character Picture Editor
Comment=Draw pictures made of characters for plain-text e-mail
Exec=$(quote "$program/launch.sh") $(quote "$program/glyphwright.exe") %f
Icon=glyphwright
Terminal=false
Categories=Graphics;2DGraphics;
MimeType=application/x-glyphwright;
StartupWMClass=glyphwright.exe
DESKTOP
desktop-file-validate "$entry"
refresh

# In the user's Wine prefix (the one launch.sh uses), the file type names the
# installed program, as the Windows installer leaves it, so that the program's
# own check at start finds it in place and asks nothing.
export WINEPREFIX=${WINEPREFIX:-$data/glyphwright/wine}
"$program/wine-prefix.sh"
windows=$(printf 'Z:%s' "$program/glyphwright.exe" | tr / '\\')
windows=${windows//\\/\\\\}
cat >"$program/file-type.reg" <<REG
REGEDIT4

[HKEY_CURRENT_USER\Software\Classes\.glw]
@="GLWfile"

[HKEY_CURRENT_USER\Software\Classes\GLWfile]
@="Glyphwright File"

[HKEY_CURRENT_USER\Software\Classes\GLWfile\DefaultIcon]
@="$windows, 1"

[HKEY_CURRENT_USER\Software\Classes\GLWfile\Shell\open\command]
@="\\"$windows\\" %1"
REG
"$program/wine-run.sh" regedit /S "$program/file-type.reg"
echo "Installed Glyphwright for $(id -un): $entry"
