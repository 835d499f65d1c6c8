#!/usr/bin/env bash
# Runs one Windows program of the cross build under wine, for ctest and for
# GoogleTest's discovery: wine_emulatore.sh PREFIX PROGRAM.exe ARGS...
set -euo pipefail

# The prefix is made on first use; every run is cut off after
# SCENARIO_WINE_TIMEOUT seconds (default 300), since a modal box would wait
# for a person forever.

prefisso=$(realpath -m "$1")
shift
export WINEPREFIX="${WINEPREFIX:-$prefisso}"
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko installer dialogs: nothing here needs them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$(dirname "$WINEPREFIX")"
  # Two tests may start at once: one makes the prefix, the other waits.
  flock "$WINEPREFIX.lock" bash -c \
    '[ -f "$WINEPREFIX/system.reg" ] || { timeout 180 wineboot -i && timeout 60 wineserver -w; }' >/dev/null 2>&1
fi

# A server that outlives each test by a while: with the default 3 s, a test
# starting as the server shuts down fails with "recvmsg: Connection reset".
# When one already runs this only says so.
wineserver -p60 >/dev/null 2>&1 || true

# Output goes through files, never a pipe: the first program of a fresh
# server starts wine's own services, which inherit its output and would hold
# a pipe open, and whoever reads it (ctest) would wait for them forever.
# Console output of Windows programs ends its lines with CR LF; ctest and
# GoogleTest's discovery read Unix lines.
uscita=$(mktemp)
errori=$(mktemp)
trap 'rm -f "$uscita" "$errori"' EXIT
stato=0
timeout -k 10 "${SCENARIO_WINE_TIMEOUT:-300}" wine "$@" </dev/null >"$uscita" 2>"$errori" || stato=$?
tr -d '\r' <"$uscita"
tr -d '\r' <"$errori" >&2
exit "$stato"
