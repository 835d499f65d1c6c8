#!/usr/bin/env bash
# CI stage for the packages: `cmake --workflow --preset package`, then each
# package checked the way a user meets it. The ZIP is unpacked into a fresh
# folder and its crea_scenario.exe run there under wine; the .deb is
# installed with apt-get, its programs answer --version, a copy of the
# installed builder (with the installed display module in its place) runs
# in a scratch folder, and the package is purged again. The two runs must
# leave the same six files, byte for byte.
set -euo pipefail
cd "$(dirname "$0")/.."
radice=$PWD

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
# The configure step brings in the rest (mingw, dpkg-dev, CLI11, ...) itself.
apt-get install -y -qq --no-install-recommends cmake ninja-build g++ wine wine64 >/dev/null

costruzione=$radice/build-package
pacchetti=$costruzione/pacchetti
# A prefix of this stage's own, kept with its build.
export WINEPREFIX=$costruzione/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
unset DISPLAY
lavoro=$(mktemp -d)
installato=
riusciti=0

chiudi() {
  if [ -n "$installato" ]; then apt-get purge -y -qq crea-scenario >/dev/null 2>&1 || true; fi
  timeout 30 wineserver -k 2>/dev/null || true
  rm -rf "$lavoro"
}
trap chiudi EXIT

fallisci() {
  echo "packages: FAILED: $*" >&2
  echo "packages: $riusciti passed, 1 failed"
  exit 1
}
riuscito() {
  riusciti=$((riusciti + 1))
  echo "packages: ok: $* (${SECONDS} s)"
}

# The files a builder run leaves, as in the README.
scenario_file=(Vordano_Seli_4936_note.txt Vordano_Seli_4936_rallentamenti.txt Vordano_Seli_4936_scheda_treno.txt
  Vordano_Seli_linea.dat Vordano_Seli_4936.sim Vordano_Seli_4936.dat)

# Exactly one file matching $1 in the packages' folder.
unico() {
  local trovati=("$pacchetti"/$1)
  [ "${#trovati[@]}" -eq 1 ] && [ -f "${trovati[0]}" ] || fallisci "not exactly one $1 in $pacchetti: ${trovati[*]}"
  echo "${trovati[0]}"
}

# --- the packages, from scratch: no stale one is picked up
rm -rf "$pacchetti"
cmake --workflow --preset package >"$lavoro/workflow.log" 2>&1 || { tail -n 60 "$lavoro/workflow.log" >&2; fallisci "cmake --workflow --preset package"; }
zip=$(unico '*.zip')
deb=$(unico '*.deb')
riuscito "the workflow made $(basename "$zip") ($(du -k "$zip" | cut -f1) KiB) and $(basename "$deb") ($(du -k "$deb" | cut -f1) KiB)"

# --- the ZIP: two stripped programs and the documents, in one folder
cmake -E make_directory "$lavoro/zip"
(cd "$lavoro/zip" && cmake -E tar xf "$zip") || fallisci "unpacking the ZIP"
cartelle=("$lavoro"/zip/*)
[ "${#cartelle[@]}" -eq 1 ] && [ -d "${cartelle[0]}" ] || fallisci "the ZIP does not hold one folder"
finestre=${cartelle[0]}
contenuto=$(cd "$finestre" && find . -type f | sort | tr '\n' ' ')
[ "$contenuto" = "./README.md ./crea_scenario.exe ./docs/FORMATO.md ./scenario.exe " ] || fallisci "ZIP contents: $contenuto"
for programma in "$finestre"/*.exe; do
  if x86_64-w64-mingw32-objdump -h "$programma" | grep -q '\.debug'; then fallisci "$(basename "$programma") has debug sections"; fi
  x86_64-w64-mingw32-nm "$programma" 2>&1 | grep -q 'no symbols' || fallisci "$(basename "$programma") has a symbol table"
done
riuscito "the ZIP holds crea_scenario.exe, scenario.exe (stripped), README.md and docs/FORMATO.md"

# --- the .deb: where each file goes, stripped, and what it depends on
dpkg-deb -x "$deb" "$lavoro/deb" || fallisci "dpkg-deb -x"
for file in usr/bin/crea_scenario usr/bin/scenario usr/lib/crea_scenario/crea_scenario_x11.so \
  usr/share/doc/crea-scenario/README.md usr/share/doc/crea-scenario/docs/FORMATO.md; do
  [ -f "$lavoro/deb/$file" ] || fallisci "the .deb lacks /$file"
done
for file in usr/bin/crea_scenario usr/bin/scenario usr/lib/crea_scenario/crea_scenario_x11.so; do
  if readelf -S "$lavoro/deb/$file" | grep -q '\.debug\|\.symtab'; then fallisci "/$file is not stripped"; fi
done
dipende=$(dpkg-deb -f "$deb" Depends)
for libreria in libc6 libstdc++6 libx11-6 libxft2; do
  grep -q "\b$libreria\b" <<<"$dipende" || fallisci "Depends lacks $libreria: $dipende"
done
riuscito "the .deb puts the programs in /usr/bin and the module in /usr/lib/crea_scenario, stripped; Depends: $dipende"

# --- the .deb installed, asked, removed
apt-get install -y -qq "$deb" >"$lavoro/apt.log" 2>&1 || fallisci "apt-get install $deb: $(cat "$lavoro/apt.log")"
installato=1
[ "$(command -v crea_scenario)" = /usr/bin/crea_scenario ] || fallisci "crea_scenario is not /usr/bin/crea_scenario"
for programma in scenario crea_scenario; do
  versione=$("$programma" --version 2>&1) || fallisci "$programma --version"
  grep -q 1 <<<"$versione" || fallisci "$programma --version: $versione"
done
riuscito "installed: scenario --version and crea_scenario --version answer"

# The builder writes beside itself, so the installed one never runs in
# /usr/bin: a copy runs in a scratch folder, with the installed module
# where it looks (../lib/crea_scenario/). A DISPLAY no server answers makes
# it load the module (and the libraries the package declares) and then
# fall back to the terminal.
linux=$lavoro/linux
mkdir -p "$linux/bin" "$linux/lib"
cp /usr/bin/crea_scenario "$linux/bin/"
ln -s /usr/lib/crea_scenario "$linux/lib/crea_scenario"
numero=900
while [ -e "/tmp/.X11-unix/X$numero" ]; do numero=$((numero + 1)); done
(cd "$linux/bin" && DISPLAY=":$numero" timeout 120 ./crea_scenario </dev/null >/dev/null 2>"$lavoro/linux.err") ||
  fallisci "the installed builder's run: $(cat "$lavoro/linux.err")"
if grep -q 'non trovato' "$lavoro/linux.err"; then fallisci "the installed module was not loaded: $(cat "$lavoro/linux.err")"; fi

apt-get purge -y -qq crea-scenario >"$lavoro/apt.log" 2>&1 || fallisci "apt-get purge crea-scenario: $(cat "$lavoro/apt.log")"
installato=
[ ! -e /usr/bin/crea_scenario ] && [ ! -e /usr/lib/crea_scenario ] || fallisci "files left after apt-get purge"
! dpkg -s crea-scenario >/dev/null 2>&1 || fallisci "dpkg still knows crea-scenario after apt-get purge"
riuscito "the installed builder ran from a copy with the installed module; the package is purged again"

# --- the ZIP's builder under wine, where it was unpacked
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  timeout 180 wineboot -i >/dev/null 2>&1 || fallisci "wine prefix"
  timeout 60 wineserver -w || true
fi
(cd "$finestre" && timeout -k 10 120 wine crea_scenario.exe </dev/null >/dev/null 2>"$lavoro/finestre.err") ||
  fallisci "crea_scenario.exe under wine: $(cat "$lavoro/finestre.err")"
for file in "${scenario_file[@]}"; do
  [ -f "$linux/bin/$file" ] || fallisci "the Linux run left no $file"
  cmp "$linux/bin/$file" "$finestre/$file" || fallisci "$file differs between the ZIP's and the .deb's builders"
done
nuovi=$(find "$linux/bin" "$finestre" -type f ! -name 'crea_scenario*' ! -name scenario.exe ! -name '*.md' | wc -l)
[ "$nuovi" -eq $((2 * ${#scenario_file[@]})) ] || fallisci "the runs left other files besides the six"
riuscito "the ZIP's crea_scenario.exe leaves the .deb builder's six files, byte for byte"

echo "packages: $riusciti passed, 0 failed (${SECONDS} s)"
