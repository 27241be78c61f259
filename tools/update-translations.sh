#!/usr/bin/env bash
# Brings translation files up to date with the texts in the code, with Qt's lupdate: new texts
# are added as unfinished, texts no longer in the code are dropped, translations are kept.
#
#   bash tools/update-translations.sh            # every translations/quenvalor_*.ts
#   bash tools/update-translations.sh de pt_BR   # the languages named (a new one is created)
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=$(command -v lupdate || true)
[ -n "$lupdate" ] || lupdate=/usr/lib/qt6/bin/lupdate
files=()
if [ $# -eq 0 ]; then
    files=(translations/quenvalor_*.ts)
else
    for language in "$@"; do files+=("translations/quenvalor_${language}.ts"); done
fi
# Every folder whose code shows text to the user; the core marks its texts with QT_TRANSLATE_NOOP.
# No line numbers, so a file changes only when its texts do.
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -I . \
    app controls capture recording studio platform data -ts "${files[@]}"
