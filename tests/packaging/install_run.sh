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
export QT_QPA_PLATFORM=offscreen
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
echo "installed program started and ended cleanly"
