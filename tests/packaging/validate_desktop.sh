#!/usr/bin/env bash
# The desktop entry and the metainfo as desktop environments read them.
set -euo pipefail
dfv=$1 asc=$2 dir=$3
"$dfv" "$dir/vistrel.desktop"
"$asc" validate --no-net "$dir"/*.metainfo.xml
