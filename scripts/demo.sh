#!/usr/bin/env bash
# Builds torvaval, lays out a ready demo installation in demo/ (profile "1234",
# local folders with a few validation files of today, the server at
# 127.0.0.1:2121), starts the service simulator (tools/torva_sim.py) in the
# background and the program in front, and stops the simulator when the
# program ends, however it ends.
#
# Without a display the demo runs on a virtual one (xvfb-run): the script
# enters the profile and presses Iniciar itself, saves a screenshot of the
# main window after the first pass and another once the responses are in,
# prints their paths and closes the program.
set -euo pipefail
cd "$(dirname "$0")/.."
repo="$PWD"
port=2121

if [ "${1:-}" != "--virtual-display" ]; then
    bash scripts/install-deps.sh
    bash scripts/build.sh
    /usr/bin/python3 tools/make_demo.py demo
    cp build/src/app/torvaval demo/torvaval
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
        echo "No display found: running the demo on a virtual X display (xvfb-run)."
        exec xvfb-run -a -s "-screen 0 1280x1024x24" bash "$repo/scripts/demo.sh" --virtual-display
    fi
fi

# The simulator, in the background, stopped on the way out.
workdir="$(mktemp -d "${TMPDIR:-/tmp}/torva-demo.XXXXXX")"
sim_pid=""
app_pid=""
cleanup() {
    if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
        kill "$app_pid" 2>/dev/null || true
        wait "$app_pid" 2>/dev/null || true
    fi
    if [ -n "$sim_pid" ] && kill -0 "$sim_pid" 2>/dev/null; then
        kill "$sim_pid" 2>/dev/null || true
        wait "$sim_pid" 2>/dev/null || true
        echo "Service simulator stopped."
    fi
    rm -rf "$workdir"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

mkdir -p demo/servidor
/usr/bin/python3 tools/torva_sim.py --root demo/servidor --port "$port" --user demo1234 \
    --password demo --delay "${TORVA_SIM_DELAY:-3}" >"$workdir/port" &
sim_pid=$!
for _ in $(seq 100); do
    grep -q '^PORT ' "$workdir/port" 2>/dev/null && break
    kill -0 "$sim_pid" 2>/dev/null || { echo "The service simulator did not start (is port $port in use?)." >&2; exit 1; }
    sleep 0.1
done
grep -q '^PORT ' "$workdir/port" || { echo "The service simulator did not answer." >&2; exit 1; }
echo "Service simulator on 127.0.0.1:$port (files in demo/servidor)."

cd demo
if [ "${1:-}" != "--virtual-display" ]; then
    echo "Choose the profile 1234, press Entrar, then Iniciar."
    status=0
    ./torvaval || status=$?
    exit "$status"
fi

# On the virtual display: drive the windows with xdotool.
export XDG_RUNTIME_DIR="$workdir/runtime"
mkdir -m 700 "$XDG_RUNTIME_DIR"
log="rec/1234$(date +%-j).log"
count() {
    local n
    n="$(grep -c "^$1 - " "$log" 2>/dev/null)" || true
    echo "${n:-0}"
}
sent_before=$(count E)
received_before=$(count R)

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
    local seconds="$1"
    shift
    local end=$((SECONDS + seconds))
    until "$@"; do
        [ "$SECONDS" -lt "$end" ] || return 1
        kill -0 "$app_pid" 2>/dev/null || { echo "torvaval ended early." >&2; exit 1; }
        sleep 0.5
    done
}
window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1; }
has_window() { [ -n "$(window "$1")" ]; }
press() {
    local id
    id="$(window "$1")"
    xdotool windowfocus --sync "$id" key --clearmodifiers "$2"
}
grown() { [ "$(count "$1")" -ge $(($2 + 3)) ]; }
shot() {
    import -window "$(window 'Patente')" "$1"
    echo "Screenshot: $PWD/$1"
}

./torvaval &
app_pid=$!
# The title without its accented letter: xdotool's patterns are read in the
# locale, and a machine without one reads them byte by byte.
wait_for 30 has_window '^TORVA - Centro de Prevalidaci.*n$' ||
    { echo "The start-up window did not appear within 30 seconds." >&2; exit 1; }
press '^TORVA - Centro de Prevalidaci.*n$' alt+e
wait_for 30 has_window 'Patente' ||
    { echo "The main window did not appear within 30 seconds." >&2; exit 1; }
sleep 1
press 'Patente' alt+i
echo "Iniciar pressed: the first pass sends the files of today."
if wait_for 60 grown E "$sent_before"; then
    sleep 2
    shot torvaval-first-pass.png
else
    echo "No file went out within a minute." >&2
fi
if wait_for 90 grown R "$received_before"; then
    sleep 2
    shot torvaval-responses.png
else
    echo "No response came back within 90 seconds." >&2
fi
press 'Patente' alt+s
for _ in $(seq 30); do
    kill -0 "$app_pid" 2>/dev/null || break
    sleep 0.5
done
status=0
wait "$app_pid" || status=$?
app_pid=""
echo "torvaval closed."
exit "$status"
