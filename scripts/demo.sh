#!/usr/bin/env bash
# Builds torvaval, lays out a ready demo installation in demo/ (profile "1234"
# with local folders and the server at 127.0.0.1) and starts the program there.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh

/usr/bin/python3 tools/make_demo.py demo
cp build/src/app/torvaval demo/torvaval

cd demo
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
    echo "No display found: starting torvaval on a virtual X display (xvfb-run)."
    exec xvfb-run -a -s "-screen 0 1280x1024x24" ./torvaval
fi
exec ./torvaval
