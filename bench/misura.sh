#!/usr/bin/env bash
# The budgets of the builder and the compiler, each measured side by side with
# the least its run can cost: copying its outputs into a fresh folder and
# syncing them. Commands and limits alternate, run after run, so that a busy
# moment of the machine falls on both; medians of wall time, and peak resident
# memory from /usr/bin/time -v. Needs `cmake --workflow --preset bench`.
#
# Usage: bench/misura.sh [RUNS]   (default 15; SCENARIO_BUILD_BENCH names the build folder)
set -euo pipefail

cd "$(dirname "$0")/.."
build=$PWD/${SCENARIO_BUILD_BENCH:-build-bench}
giri=${1:-15}
for programma in crea_scenario scenario scrivi_generato; do
  [ -x "$build/bin/$programma" ] || { echo "misura: $build/bin/$programma missing: cmake --workflow --preset bench" >&2; exit 2; }
done

lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
mkdir "$lavoro/giro"

# A new empty folder for one run (removed after its round); prints its path.
cartella_nuova() { mktemp -d "$lavoro/giro/XXXXXX"; }
# One that stays for the whole measurement.
cartella_tenuta() { mktemp -d "$lavoro/XXXXXX"; }

# Wall milliseconds of one command (stdout and stderr dropped).
millisecondi() {
  local t0=$EPOCHREALTIME
  "$@" >/dev/null 2>&1
  local t1=$EPOCHREALTIME
  echo "(${t1/./} - ${t0/./}) / 1000" | bc -l
}

mediana() { sort -g | awk '{ v[NR] = $1 } END { m = int((NR + 1) / 2); if (NR % 2) print v[m]; else print (v[m] + v[m + 1]) / 2 }'; }

# Peak resident memory (MB), minor page faults and processor time (ms,
# user and system, from the shell's own accounting) of one command, as
# "MB FAULTS MS"; medians over five runs.
picco() {
  local i
  : >"$lavoro/picchi"
  for i in 1 2 3 4 5; do
    # A subshell of its own, so that `times` counts this command alone (not
    # through a pipe: a forked shell starts its counts afresh).
    (
      /usr/bin/time -v -o "$lavoro/tempo" "$@" >/dev/null 2>&1 || true
      times >"$lavoro/cpu"
    )
    awk -F': ' '/Maximum resident/ { mb = $2 / 1024 } /Minor/ { f = $2 } END { printf "%.1f %d ", mb, f }' \
      "$lavoro/tempo" >>"$lavoro/picchi"
    tail -n1 "$lavoro/cpu" | tr 'ms' '  ' | awk '{ printf "%.0f\n", ($2 + $4) * 1000 }' >>"$lavoro/picchi"
  done
  echo "$(cut -d' ' -f1 "$lavoro/picchi" | mediana) $(cut -d' ' -f2 "$lavoro/picchi" | mediana)" \
    "$(cut -d' ' -f3 "$lavoro/picchi" | mediana)"
}

# The builder alone in a fresh folder, as a person places it, with the
# display module beside it when the build has one.
costruttore_nuovo() {
  local d
  d=$(cartella_nuova)
  cp "$build/bin/crea_scenario" "$d/"
  modulo=$build/lib/crea_scenario/crea_scenario_x11.so
  if [ -e "$modulo" ]; then cp "$modulo" "$d/"; fi
  echo "$d"
}

# The limit: the files copied into a fresh folder, each synced, and the folder.
copia_e_sincronizza() {
  local d=$1
  shift
  cp "$@" "$d/" && sync "$d"/* "$d"
}

# Runs "command" and "limit" alternately $giri times; prints the medians and
# their ratio. $1 a label, $2 and $3 functions that prepare one run and
# print the command line to time (as words).
confronta() {
  local nome=$1 prepara_comando=$2 prepara_limite=$3 i
  : >"$lavoro/comando" && : >"$lavoro/limite"
  for ((i = 0; i < giri; i++)); do
    # shellcheck disable=SC2046
    millisecondi $($prepara_comando) >>"$lavoro/comando"
    # shellcheck disable=SC2046
    millisecondi $($prepara_limite) >>"$lavoro/limite"
    rm -rf "$lavoro/giro" && mkdir "$lavoro/giro"
  done
  local c l
  c=$(mediana <"$lavoro/comando")
  l=$(mediana <"$lavoro/limite")
  printf '%-34s %8.1f ms   limit %6.1f ms   ratio %5.2f\n' "$nome" "$c" "$l" "$(echo "$c / $l" | bc -l)"
  RAPPORTO=$(echo "$c / $l" | bc -l)
}

echo "machine: $(nproc) cores, $(awk '/MemTotal/ { printf "%.0f MB", $2 / 1024 }' /proc/meminfo), $(lscpu | sed -n 's/^Model name: *//p')"
echo "load before: $(cut -d' ' -f1-3 /proc/loadavg)   runs: $giri"
echo

# --- the builder's whole run, no display: six files written and synced
riferimento=$(costruttore_nuovo)
mv "$riferimento" "$lavoro/riferimento" && riferimento=$lavoro/riferimento
(cd "$riferimento" && env -u DISPLAY ./crea_scenario 2>/dev/null)
uscite_costruttore=()
for f in "$riferimento"/*; do
  case ${f##*/} in crea_scenario | crea_scenario_x11.so) ;; *) uscite_costruttore+=("$f") ;; esac
done
[ "${#uscite_costruttore[@]}" -eq 6 ] || { echo "misura: the builder left ${#uscite_costruttore[@]} files, not 6" >&2; exit 1; }

comando_costruttore() { echo env -u DISPLAY "$(costruttore_nuovo)/crea_scenario"; }
limite_costruttore() { echo copia_e_sincronizza "$(cartella_nuova)" "${uscite_costruttore[@]}"; }
confronta "builder, whole run" comando_costruttore limite_costruttore
rapporto_costruttore=$RAPPORTO
read -r mb_costruttore pf_costruttore ms_costruttore < <(picco env -u DISPLAY "$(costruttore_nuovo)/crea_scenario")
echo "    peak ${mb_costruttore} MB, ${pf_costruttore} page faults, processor ${ms_costruttore} ms"

# --- scenario compile of generated texts at three sizes
declare -A rapporti mb pf ms
for lunghezza in 10000 100000 1000000; do
  testi=$(cartella_tenuta)
  "$build/bin/scrivi_generato" "$lunghezza" "$testi"
  compilati=$(cartella_tenuta)
  "$build/bin/scenario" compile "$testi/Generato_linea.txt" "$testi/Generato_1-.txt" -o "$compilati" >/dev/null 2>&1 ||
    [ $? -eq 1 ] || { echo "misura: the compile of $lunghezza m failed" >&2; exit 1; }
  uscite=("$compilati"/*)
  comando_compile() { echo "$build/bin/scenario" compile "$testi/Generato_linea.txt" "$testi/Generato_1-.txt" -o "$(cartella_nuova)"; }
  limite_compile() { echo copia_e_sincronizza "$(cartella_nuova)" "${uscite[@]}"; }
  confronta "compile of $lunghezza m ($(du -cb "${uscite[@]}" | tail -n1 | cut -f1) B)" comando_compile limite_compile
  rapporti[$lunghezza]=$RAPPORTO
  read -r "mb[$lunghezza]" "pf[$lunghezza]" "ms[$lunghezza]" < <(picco $(comando_compile))
  echo "    peak ${mb[$lunghezza]} MB, ${pf[$lunghezza]} page faults, processor ${ms[$lunghezza]} ms"
done

echo
echo "load after: $(cut -d' ' -f1-3 /proc/loadavg)"
echo
echo "budgets:"
verdetto() { if [ "$(echo "$1" | bc -l)" = 1 ]; then echo ok; else echo OVER; fi; }
printf '  builder run            %5.2f x limit (at most 1.30)   %s\n' "$rapporto_costruttore" "$(verdetto "$rapporto_costruttore <= 1.3")"
printf '  1,000,000 m compile    %5.2f x limit (at most 1.50)   %s\n' "${rapporti[1000000]}" "$(verdetto "${rapporti[1000000]} <= 1.5")"
printf '  1,000,000 m peak       %5.1f MB (at most 24)          %s\n' "${mb[1000000]}" "$(verdetto "${mb[1000000]} <= 24")"
printf '  processor time by size %s ms, %s ms, %s ms (10 km, 100 km, 1000 km)\n' "${ms[10000]}" "${ms[100000]}" "${ms[1000000]}"
