#!/bin/bash
# Reads every screen of the program through AT-SPI, as a screen reader does,
# on an X server, session bus and accessibility bus of its own:
#
#   bash bench/atspi-read.sh [build/tavrenel] [screen ids...] [-v] [--no-keys]
#
# Needs xvfb, dbus (dbus-run-session), at-spi2-core (the accessibility bus)
# and python3-pyatspi. Settings, and the activities My Activities is read
# with (the teacher's own and a school's), go to a folder of the run's own,
# never the user's. Exits as bench/atspi-read.py does: 0 when every screen
# reads right.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
program=$(realpath "${1:-$here/../build/tavrenel}")
shift || true

for tool in Xvfb dbus-run-session /usr/libexec/at-spi-bus-launcher; do
    command -v "$tool" >/dev/null || { echo "atspi-read: $tool is missing" >&2; exit 2; }
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || { echo "atspi-read: python3-pyatspi is missing" >&2; exit 2; }

work=$(mktemp -d)
xvfb=""
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT

# A display number of its own: Xvfb picks a free one and tells it.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
[ -s "$work/display" ] || { echo "atspi-read: Xvfb did not start" >&2; cat "$work/xvfb.log" >&2; exit 2; }

mkdir -m 700 "$work/runtime"
mkdir "$work/home"
# The school's folder comes first among the system's data folders, which stay readable.
export DISPLAY=":$(cat "$work/display")" XDG_RUNTIME_DIR="$work/runtime" HOME="$work/home" \
       XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" \
       XDG_DATA_DIRS="$work/school:${XDG_DATA_DIRS:-/usr/local/share/:/usr/share/}" NO_AT_BRIDGE=0

dbus-run-session -- bash -c '
    /usr/libexec/at-spi-bus-launcher --launch-immediately &
    launcher=$!
    sleep 0.5
    /usr/bin/python3 "$0" "$@"
    status=$?
    kill $launcher 2>/dev/null
    exit $status
' "$here/atspi-read.py" --activities "$XDG_DATA_HOME/tavrenel/activities" \
    --school "$work/school/tavrenel/activities" "$program" "$@"
