#!/usr/bin/env bash
# Refreshes the controller's translation sources (kivlfb/translations/
# kivtr_<code>.ts) from the QML and C++ sources with lupdate. Existing
# translations are kept; texts that no longer appear in the sources are
# dropped. With arguments, only those language codes are refreshed:
#   scripts/update-translations.sh            # all fifteen
#   scripts/update-translations.sh deu fra    # just these two
set -euo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
cd "$here"

LUPDATE="${LUPDATE:-}"
if [ -z "$LUPDATE" ]; then
  for c in /usr/lib/qt5/bin/lupdate "$(command -v lupdate-qt5 || true)" "$(command -v lupdate || true)"; do
    if [ -n "$c" ] && [ -x "$c" ]; then LUPDATE="$c"; break; fi
  done
fi
if [ -z "$LUPDATE" ]; then
  echo "lupdate not found: run scripts/setup.sh (qttools5-dev-tools)" >&2
  exit 1
fi

# Language code of the file name -> locale lrelease and translators expect.
declare -A locale=(
  [eng_USA]=en_US [spa]=es_ES [fra]=fr_FR [spa_mx]=es_MX [fra_ca]=fr_CA
  [deu]=de_DE [ita]=it_IT [nld]=nl_NL [pol]=pl_PL [por]=pt_PT [rus]=ru_RU
  [ara]=ar [kor]=ko_KR [zh_cn]=zh_CN [jpn]=ja_JP
)
all=(eng_USA spa fra spa_mx fra_ca deu ita nld pol por rus ara kor zh_cn jpn)

codes=("$@")
[ ${#codes[@]} -eq 0 ] && codes=("${all[@]}")

for code in "${codes[@]}"; do
  if [ -z "${locale[$code]:-}" ]; then
    echo "unknown language code: $code (one of: ${all[*]})" >&2
    exit 1
  fi
done

for code in "${codes[@]}"; do
  "$LUPDATE" -silent -no-obsolete -locations none -extensions qml,js,cpp,h \
    -source-language en_US -target-language "${locale[$code]}" \
    kivlfb -ts "kivlfb/translations/kivtr_${code}.ts"
done
