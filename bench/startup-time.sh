#!/usr/bin/env bash
# Time from starting Lumora to its identification window being mapped on a
# virtual X display, over several runs. usage: bench/startup-time.sh BUILD_DIR [RUNS]
set -euo pipefail
build=${1:?build folder}
runs=${2:-10}
command -v xdotool >/dev/null || DEBIAN_FRONTEND=noninteractive apt-get install -y -qq xdotool >/dev/null
Xvfb :91 -screen 0 1024x768x24 >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb 2>/dev/null' EXIT
sleep 1
for ((i = 0; i < runs; i++)); do
    start=$(date +%s%N)
    DISPLAY=:91 "$build/bin/Lumora" >/dev/null 2>&1 &
    app=$!
    # Poll briskly: xdotool's own --sync waits in half-second steps.
    until DISPLAY=:91 xdotool search --onlyvisible --name "Идентификация" >/dev/null 2>&1; do sleep 0.005; done
    end=$(date +%s%N)
    echo "run $((i + 1)): $(((end - start) / 1000000)) ms"
    kill $app; wait $app 2>/dev/null || true
done
