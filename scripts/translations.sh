#!/usr/bin/env bash
# Brings the translation catalogues up to date with the code, keeping every translation already
# made: qt/translations/oructrl_en.ts holds the panels' own texts (found by driving every
# control, tools/tsgen), qt/translations/oructrl_qt_en.ts the Qt layer's (found by lupdate in
# its sources), apps/demo/translations/oru-demo_en.ts the demo host's (found by lupdate in
# apps/demo). New texts come in unfinished, for a translator to fill in with Qt Linguist
# (linguist qt/translations/*.ts) or by hand; the tests fail until they are.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/qt-packages.sh
bash scripts/deps.sh "${QT_PACKAGES[@]}"
cmake --preset dev >/dev/null
cmake --build --preset dev --target oru_tsgen oru_sample_pictures
tables="$(mktemp -d)"
trap 'rm -rf "$tables"' EXIT
mkdir -p "$tables/user"
cp data/threads/Filet_E.dat data/threads/Filet_I.dat "$tables/user/"
./build/dev/tools/tsgen/oru-tsgen --pictures build/dev/data/pictures --data "$tables" \
    --ts qt/translations/oructrl_en.ts
lupdate="$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)"
"$lupdate" -silent -no-obsolete -locations none -source-language fr -target-language en \
    qt/*.cpp qt/*.hpp qt/designer/*.cpp -ts qt/translations/oructrl_qt_en.ts
"$lupdate" -silent -no-obsolete -locations none -source-language fr -target-language en \
    apps/demo/*.cpp apps/demo/*.hpp -ts apps/demo/translations/oru-demo_en.ts
grep -c 'type="unfinished"' qt/translations/*.ts apps/demo/translations/*.ts || true
