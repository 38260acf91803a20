#!/usr/bin/env bash
# Builds the optimised release binaries, starts the application server with demo data on this
# machine, runs a round trip of server methods through the client's proxy, then starts the
# desktop client signed in as the demo dealer's computer (on the screen you have, or on a
# virtual one when there is none).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
BUILD=${BUILD_DIR:-build/release}
export CCACHE_DIR=${CCACHE_DIR:-$PWD/.cache/ccache}
cmake -S . -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DB2B_BUILD_TESTS=OFF -DB2B_BUILD_BENCH=OFF >/dev/null
cmake --build "$BUILD" -j "$(nproc)"

PORT=${DORVENA_SERVER_PORT:-9090}
WEB_PORT=${DORVENA_WEB_PORT:-8080}
DATA=${DORVENA_DATA:-$PWD/build/demo-data}
SERVER_BIN="$BUILD/appserver/dorvena-appserver"
if [ ! -f "$DATA/dorvena.sqlite" ]; then
    "$SERVER_BIN" --data "$DATA" --seed-demo --items "${DORVENA_ITEMS:-20000}"
fi
"$SERVER_BIN" --data "$DATA" --listen 127.0.0.1 --port "$PORT" --web-port "$WEB_PORT" &
SERVER=$!
XVFB=""
cleanup() {
    kill "$SERVER" 2>/dev/null || true
    [ -n "$XVFB" ] && kill "$XVFB" 2>/dev/null || true
    wait 2>/dev/null || true
}
trap cleanup EXIT
for _ in $(seq 50); do
    curl -fs "http://127.0.0.1:$PORT/datasnap/rest/DSAdmin/Ping" >/dev/null && break
    sleep 0.1
done
"$BUILD/app/dorvena-roundtrip" --host 127.0.0.1 --port "$PORT" --machine DEMO-PC-0000

# The client: every address points at this machine; the computer counts as the demo dealer's.
export DORVENA_WEB_HOST=127.0.0.1 DORVENA_LAN_ADDRESS=127.0.0.1 DORVENA_PUBLIC_ADDRESS=127.0.0.1
export DORVENA_SERVER_PORT=$PORT DORVENA_WEB_PORT=$WEB_PORT
export DORVENA_IP_ECHO_URL=http://127.0.0.1:$WEB_PORT/ip.php DORVENA_PUBLIC_IP_ECHO_URL=http://127.0.0.1:$WEB_PORT/ip
export DORVENA_DOWNLOAD_HOST=http://127.0.0.1:$WEB_PORT DORVENA_WEB_ADDRESS=http://127.0.0.1:$WEB_PORT/
export DORVENA_MACHINE_ID=${DORVENA_MACHINE_ID:-DEMO-PC-0000}
echo
echo "Sign in as BAYI / 1234 (other demo users: SATICI, YETKILI, CARI3, CARI4 with DORVENA_MACHINE_ID=DEMO-PC-0001..4)."
if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]; then
    # No screen: a virtual one, so the client runs all the same; a screenshot shows it.
    export DISPLAY=:77
    Xvfb :77 -screen 0 1600x900x24 >/dev/null 2>&1 &
    XVFB=$!
    sleep 1
    "$BUILD/app/dorvena-b2b" &
    CLIENT=$!
    sleep 4
    import -window root build/demo-screen.png 2>/dev/null && echo "The client runs on a virtual screen: build/demo-screen.png"
    if [ -t 0 ]; then
        read -r -p "Press Enter to end the demo. " _
    else
        sleep 2
    fi
    kill "$CLIENT" 2>/dev/null || true
else
    "$BUILD/app/dorvena-b2b" || true
fi
