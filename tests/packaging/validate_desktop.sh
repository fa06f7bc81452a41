#!/usr/bin/env bash
# The desktop entry and the metainfo as desktop environments read them:
# both validators in pedantic mode, %F and the picture types for "Open with",
# and a translation for every language of the glossary.
set -euo pipefail
dfv=$1 asc=$2 dir=$3 glossary=$4
desktop="$dir/org.vistrel.Vistrel.desktop"
metainfo="$dir/org.vistrel.Vistrel.metainfo.xml"
out=$("$dfv" "$desktop" 2>&1) || { echo "$out"; exit 1; }
# Hints are advice; warnings and errors fail.
if grep -E ': (error|warning):' <<<"$out"; then exit 1; fi
"$asc" validate --no-net --pedantic "$metainfo"

grep -qx 'Exec=vistrel %F' "$desktop" || { echo "Exec without %F"; exit 1; }
grep -q '^MimeType=.*image/jpeg;' "$desktop" || { echo "no MimeType"; exit 1; }
grep -q '<screenshot ' "$metainfo" || { echo "no screenshot"; exit 1; }
grep -q '<url type="homepage">' "$metainfo" || { echo "no homepage"; exit 1; }
grep -q '<launchable type="desktop-id">org.vistrel.Vistrel.desktop</launchable>' "$metainfo" \
    || { echo "launchable is not the component id"; exit 1; }

# Every language column of the glossary: the desktop and AppStream names.
for code in $(head -1 "$glossary" | tr '\t' '\n' | grep -v -e '^en$' -e '^context$'); do
    case $code in zh) locale=zh_TW ;; pt) locale=pt_BR ;; *) locale=$code ;; esac
    grep -q "^Comment\[$locale\]=" "$desktop" || { echo "desktop entry lacks $locale"; exit 1; }
    grep -q "<summary xml:lang=\"$locale\">" "$metainfo" || { echo "metainfo lacks $locale"; exit 1; }
done
echo "desktop entry and metainfo valid, translated"
