#!/usr/bin/env bash
# Takes the README's pictures (docs/panel.png, docs/about.png,
# docs/changelog.png) of the stand-in host under Xvfb. Needs a finished
# `bash tools/test.sh` build and ImageMagick (`apt-get install imagemagick`).
set -euo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
source "$root/tools/wine-session.sh"
start_wine_session 1100x700x24
mkdir -p docs
declare -A titles=([panel]="Korvex test host" [about]="Over Korvex editor" [changelog]="Changelog")
for scene in panel about changelog; do
    wine build/win64/bin/KorvexShowcase.exe "$scene" &
    showcase=$!
    sleep 4
    import -window "${titles[$scene]}" "docs/$scene.png" || import -window root "docs/$scene.png"
    wait "$showcase" || true
done
echo "Wrote docs/panel.png docs/about.png docs/changelog.png"
