#!/usr/bin/env bash
# Sets up, builds and starts Lumora on the bundled sample course.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build="$root/build-release"
"$root/scripts/setup.sh" "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DLUMORA_TESTS=OFF

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    cat <<'MSG'
No display is available here, so Lumora is shown on a VNC display instead:
connect a VNC viewer to this machine, port 5900 (e.g. `vncviewer localhost:5900`).
Alternatively run it on a virtual X display and take screenshots:
    xvfb-run -a -s "-screen 0 1024x768x24" build-release/bin/Lumora
MSG
    export QT_QPA_PLATFORM="vnc:size=1024x768:port=5900"
fi
exec "$build/bin/Lumora"
