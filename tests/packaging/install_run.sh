#!/usr/bin/env bash
# Installs into a temporary prefix and runs the installed program headless.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
home=$(mktemp -d)
trap 'rm -rf "$prefix" "$home"' EXIT
cmake --install "$build" --prefix "$prefix" > /dev/null
exe="$prefix/bin/vistrel"
test -x "$exe"

export HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$home/run"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=offscreen QT_LOGGING_RULES="vistrel.lang.debug=true"
"$exe" --demo-camera > "$home/out.log" 2>&1 &
pid=$!
sleep 5
kill -TERM "$pid"
rc=0
wait "$pid" || rc=$?
if [ $rc != 0 ]; then
    echo "the installed program ended with $rc"
    cat "$home/out.log"
    exit 1
fi
# Nothing may be written beside the installed program.
if [ -e "$prefix/bin/Measure.config" ] || [ -e "$prefix/bin/save" ]; then
    echo "the installed program wrote into its own folder"
    exit 1
fi
# The settings went to the user's configuration folder...
if [ ! -s "$XDG_CONFIG_HOME/vistrel/Measure.config" ]; then
    echo "no settings file in $XDG_CONFIG_HOME/vistrel"
    find "$home" "$prefix" -name Measure.config
    exit 1
fi
# ...and the English texts came from the installed translations.
if ! grep -q "loaded $prefix/share/vistrel/lang/vistrel_en.qm" "$home/out.log" \
   && ! grep -q "loaded $prefix/bin/../share/vistrel/lang/vistrel_en.qm" "$home/out.log"; then
    echo "the installed translations were not loaded"
    cat "$home/out.log"
    exit 1
fi
echo "installed program started, used $XDG_CONFIG_HOME/vistrel and its translations, and ended cleanly"
