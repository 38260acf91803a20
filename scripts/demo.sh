#!/usr/bin/env bash
# Builds the optimised release binaries, starts the application server on this machine and
# runs a round trip of server methods through the client's proxy against it.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
BUILD=${BUILD_DIR:-build/release}
export CCACHE_DIR=${CCACHE_DIR:-$PWD/.cache/ccache}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DB2B_BUILD_TESTS=OFF -DB2B_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)"

PORT=${DORVENA_PORT:-9090}
"$BUILD/appserver/dorvena-appserver" --listen 127.0.0.1 --port "$PORT" &
SERVER=$!
trap 'kill $SERVER 2>/dev/null; wait $SERVER 2>/dev/null || true' EXIT
for _ in $(seq 50); do
    curl -fs "http://127.0.0.1:$PORT/datasnap/rest/DSAdmin/Ping" >/dev/null && break
    sleep 0.1
done
"$BUILD/app/dorvena-roundtrip" --host 127.0.0.1 --port "$PORT"
