#!/usr/bin/env bash
# The shutdown message ends every process of its Wine session, the test's own
# included. So the test runs in a copy of the build tree's prefix with a
# wineserver of its own, and this script judges it from outside: the driver
# must report that it sent the message, must be ended before its own
# deadline, and the copied session must have no process left.
#
# usage: shutdown_in_own_prefix.sh SOURCE_PREFIX COPY_PREFIX DRIVER_EXE
set -uo pipefail
source_prefix=$1
copy=$2
driver=$3

export WINEPREFIX=$copy
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="

cleanup() {
    wineserver -k 2>/dev/null
    rm -rf "$copy"
}
trap cleanup EXIT

rm -rf "$copy"
cp -a "$source_prefix" "$copy" || exit 1

output=$(timeout 60 wine "$driver" 2>&1 | grep -v '^ALSA')
echo "$output"
if ! grep -q "shutdown message sent" <<<"$output"; then
    echo "FAILED: the driver did not get as far as sending the shutdown message"
    exit 1
fi
if grep -q "still running" <<<"$output"; then
    echo "FAILED: the shutdown message did not end the session"
    exit 1
fi
if ! timeout 20 wineserver -w; then
    echo "FAILED: processes of the session still run"
    exit 1
fi
echo "the shutdown message ended every process of the session"
