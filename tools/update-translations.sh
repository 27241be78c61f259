#!/usr/bin/env bash
# Brings translation files up to date with the texts in the code, with Qt's lupdate: new texts
# are added as unfinished, texts no longer in the code are dropped, translations are kept.
#
#   bash tools/update-translations.sh            # every translations/quenvalor_*.ts
#   bash tools/update-translations.sh de pt_BR   # the languages named (a new one is created)
#   bash tools/update-translations.sh --to FILE  # the code's texts alone, into a new FILE
#
# LUPDATE names the lupdate to use; by default the one on the PATH, else Qt 6's.
set -euo pipefail
cd "$(dirname "$0")/.."
lupdate=${LUPDATE:-$(command -v lupdate || echo /usr/lib/qt6/bin/lupdate)}
files=()
if [ "${1:-}" = "--to" ]; then
    [ $# -eq 2 ] || { echo "usage: $0 --to FILE" >&2; exit 2; }
    rm -f "$2"
    files=("$2")
elif [ $# -eq 0 ]; then
    files=(translations/quenvalor_*.ts)
else
    for language in "$@"; do files+=("translations/quenvalor_${language}.ts"); done
fi
# Every folder whose code shows text to the user (the core marks its texts with
# QT_TRANSLATE_NOOP), and data/, whose header lists the desktop entry's texts. No line numbers,
# so a file changes only when its texts do.
"$lupdate" -silent -no-obsolete -locations none -extensions cpp,h -I . \
    app controls capture recording studio platform data -ts "${files[@]}"
