#!/usr/bin/env bash
# Takes the documentation's screenshot of the example form (examples/designer-form) open in Qt
# Designer with the project's plugin, on an X server of its own (Xvfb): the widget box shows the
# "ORU_Ctrl" group, the form shows the real controls. Writes docs/screenshots/designer-form.png.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/qt-packages.sh
bash scripts/deps.sh "${QT_PACKAGES[@]}" "${X_PACKAGES[@]}" designer-qt6 xdotool
cmake --preset dev >/dev/null
cmake --build --preset dev --target oru_designer_plugin oru_screengrab oru_sample_pictures
designer="$(command -v designer 2>/dev/null || echo /usr/lib/qt6/bin/designer)"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
# A Designer of its own: fresh settings, its main window docked and maximised on the screen.
mkdir -p "$work/config/QtProject"
cat >"$work/config/QtProject/designer.conf" <<'CONF'
[UI]
currentMode=1
CONF
export XDG_CONFIG_HOME="$work/config" HOME="$work"
export QT_PLUGIN_PATH="$PWD/build/dev/plugins" QT_QPA_PLATFORM=xcb
xvfb-run -a -s "-screen 0 1600x900x24" bash -c '
    "$0" -geometry 1600x900+0+0 examples/designer-form/operationdialog.ui >"$1/designer.log" 2>&1 &
    pid=$!
    sleep 8
    # Designer opens the form scrolled partly out of its area: drag the form window by its
    # title bar into full view.
    xdotool mousemove 330 70 mousedown 1 mousemove 480 75 mousemove 630 80 mouseup 1
    sleep 1
    # The controls in the widget box, and the Avalant toggle'"'"'s value in the property editor.
    xdotool mousemove 126 91 click 1 type oru
    xdotool mousemove 1174 201 click 1
    xdotool mousemove 1286 355 click 1 type value
    sleep 1
    ./build/dev/tools/screengrab/oru-screengrab docs/screenshots/designer-form.png
    kill "$pid"
' "$designer" "$work"
echo "docs/screenshots/designer-form.png"
