#!/usr/bin/env bash
# Start-up: how long the program takes from exec to its first window on the
# display, and its peak memory, over several runs; again with 100 activity
# files of the teacher's own in the user's folder (start-up reads none of
# them); then the same for a bare Qt window showing one line of text, the
# yardstick. Run from the project folder
# after a build, on an X display (e.g. Xvfb :99):
#   DISPLAY=:99 bash bench/startup.sh [runs]
# (BUILD=<folder> times another build; WRITER=<myactivitiesbench> writes the files for one without it)
set -euo pipefail
runs="${1:-10}"
build="${BUILD:-build}"
: "${DISPLAY:?needs an X display}"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$(mktemp -d)}"
chmod 700 "$XDG_RUNTIME_DIR"
home="$(mktemp -d)"   # no remembered settings

measure() { # name, then the command
  local name="$1"; shift
  local total_ms=0 peak_kb=0
  for _ in $(seq "$runs"); do
    local start end pid rss
    start=$(date +%s%N)
    HOME="$home" /usr/bin/time -f %M -o "$home/rss" "$@" >/dev/null 2>&1 &
    pid=$!
    local child="" waited=0
    # Poll until the program (the child of `time`) maps a window; give up after 10 s.
    until [ -n "$child" ] && xdotool search --onlyvisible --pid "$child" >/dev/null 2>&1; do
      child=$(pgrep -n -P "$pid" || true)
      waited=$(( waited + 1 )); [ "$waited" -lt 2000 ] || { echo "$name: no window" >&2; break; }
      sleep 0.005
    done
    end=$(date +%s%N)
    sleep 0.3
    pkill -P "$pid" || true
    wait "$pid" 2>/dev/null || true
    rss=$(tail -1 "$home/rss")
    total_ms=$(( total_ms + (end - start) / 1000000 ))
    [ "$rss" -gt "$peak_kb" ] && peak_kb=$rss
  done
  printf '%-12s first window %4d ms (mean of %d)   peak memory %3d MB\n' \
    "$name" $(( total_ms / runs )) "$runs" $(( peak_kb / 1024 ))
}

measure program "$build/tavrenel"
activities="$home/.local/share/tavrenel/activities"
"${WRITER:-$build/bench/myactivitiesbench}" --write "$activities" 100
measure "+100 files" "$build/tavrenel"
rm -rf "$activities"
measure bare "$build/bench/barewindow"
