#!/usr/bin/env bash
# Builds the contact sheet program and renders every picture resource into docs/resources.png.
set -euo pipefail
cd "$(dirname "$0")/.." && cmake --preset dev >/dev/null && cmake --build --preset dev --target oru_contact_sheet && QT_QPA_PLATFORM=offscreen ./build/dev/apps/oru_contact_sheet docs/resources.png
