#!/usr/bin/env bash
# CI stage for the X11 layer: builds the builder with its X11 window and box
# and checks them under Xvfb as a person would see them.
set -euo pipefail

# Checked: the window and its label in a screenshot, the run without a
# display, a display that dies mid-run, the message box pressed with the
# mouse. SCENARIO_BUILD_X11 names the build folder (default build-x11).
cd "$(dirname "$0")/.."
radice=$PWD

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
  cmake ninja-build g++ libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev \
  libx11-dev libxft-dev fonts-liberation2 fonts-dejavu-core xvfb x11-apps x11-utils netpbm xdotool >/dev/null

build=$radice/${SCENARIO_BUILD_X11:-build-x11}
lavoro=$(mktemp -d)
server=()
riusciti=0

chiudi() {
  local pid
  for pid in "${server[@]}"; do kill "$pid" 2>/dev/null || true; done
  rm -rf "$lavoro"
}
trap chiudi EXIT

fallisci() {
  echo "x11: FAILED: $*" >&2
  echo "x11: $riusciti passed, 1 failed"
  exit 1
}
riuscito() {
  riusciti=$((riusciti + 1))
  echo "x11: ok: $*"
}

# Starts an Xvfb on a free display; sets DISPLAY_NUOVO and PID_NUOVO.
avvia_xvfb() {
  local numero=$lavoro/display.$RANDOM
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$numero" >/dev/null 2>&1 &
  PID_NUOVO=$!
  server+=("$PID_NUOVO")
  for _ in $(seq 100); do
    [ -s "$numero" ] && break
    sleep 0.1
  done
  [ -s "$numero" ] || fallisci "Xvfb did not start"
  DISPLAY_NUOVO=":$(head -n1 "$numero")"
}

# Waits up to 10 s for a window named exactly $2 on display $1; prints its
# id, or nothing when none came.
attendi_finestra() {
  { DISPLAY=$1 timeout 10 xdotool search --sync --onlyvisible --name "^$2\$" 2>/dev/null || true; } | head -n1
}

# A display name no server answers on.
display_senza_server() {
  local n=900
  while [ -e "/tmp/.X11-unix/X$n" ]; do n=$((n + 1)); done
  echo ":$n"
}

# A fresh folder holding a copy of the builder and its display module beside
# it, as a person would place them.
cartella_con_costruttore() {
  mkdir -p "$lavoro/$1"
  cp "$build/bin/crea_scenario" "$build/lib/crea_scenario/crea_scenario_x11.so" "$lavoro/$1/"
  echo "$lavoro/$1"
}

# Every file one run left must be in the other, byte for byte, and no more.
stessi_file() {
  local x=(-x crea_scenario -x crea_scenario_x11.so)
  diff -r "${x[@]}" "$1" "$2" >/dev/null || { diff -r "${x[@]}" "$1" "$2" >&2 || true; return 1; }
}

# Pixels of a greyscale image darker than 96.
pixel_scuri() {
  pgmhist -machine "$1" | awk '$1 < 96 { n += $2 } END { print n + 0 }'
}

cmake -S "$radice" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
grep -q '^SCENARIO_SCHERMO:INTERNAL=x11$' "$build/CMakeCache.txt" || fallisci "the X11 layer was not built"
cmake --build "$build" --target crea_scenario scenario prova_messaggio platform_tests -j2 >/dev/null

# --- the layers' own tests
env -u DISPLAY timeout 120 "$build/tests/platform_tests" --gtest_brief=1 >/dev/null || fallisci "platform_tests"
riuscito "platform_tests"

# --- the console tool never links the display's layers
if ldd "$build/bin/scenario" | grep -q libX11; then fallisci "scenario links libX11"; fi
riuscito "the scenario tool has no window or box"

# --- the builder links no display library: it loads its module only with a display
if ldd "$build/bin/crea_scenario" | grep -q 'libX11\|libXft'; then fallisci "crea_scenario links libX11"; fi
caricate=$(cd "$(cartella_con_costruttore caricate)" && env -u DISPLAY LD_DEBUG=files timeout 120 ./crea_scenario 2>&1 >/dev/null |
  grep -c 'file=.*\(libX11\|libXft\|libfontconfig\|crea_scenario_x11\)' || true)
[ "$caricate" -eq 0 ] || fallisci "a run without DISPLAY loaded display libraries"
riuscito "without a display no display library is loaded"

# --- without a display: the terminal layer, and the reference files
senza=$(cartella_con_costruttore senza)
(cd "$senza" && env -u DISPLAY timeout 120 ./crea_scenario 2>"$lavoro/senza.err") || fallisci "run without DISPLAY"
grep -qx Attendere "$lavoro/senza.err" || fallisci "no Attendere on standard error without a display"
[ "$(find "$senza" -type f ! -name 'crea_scenario*' | wc -l)" -gt 0 ] || fallisci "the run left no file"
for display in "" "$(display_senza_server)"; do
  altra=$(cartella_con_costruttore "display$display")
  (cd "$altra" && DISPLAY=$display timeout 120 ./crea_scenario 2>/dev/null) || fallisci "run with DISPLAY='$display'"
  stessi_file "$senza" "$altra" || fallisci "DISPLAY='$display' changed the files"
done
riuscito "without a display the run is the same (DISPLAY unset, empty, no server)"

# The first and last columns holding dark pixels in a greyscale image.
colonne_inchiostro() {
  pamtopnm -plain "$1" | awk '
    NR == 2 { w = $1; next }
    NR <= 3 { next }
    { for (i = 1; i <= NF; i++) { if ($i < 96) { x = n % w; if (min == "" || x < min) min = x; if (x > max) max = x } n++ } }
    END { print (min == "" ? -1 : min), max + 0 }'
}

# Runs the builder under the display $1 with the environment after it, and
# checks its window in a screenshot saved as $build/x11-$2.png: the whole
# word "Attendere" in the label, nothing cut at its right edge.
controlla_finestra() {
  local schermo=$1 nome=$2
  shift 2
  local con
  con=$(cartella_con_costruttore "$nome")
  (cd "$con" && env "$@" DISPLAY="$schermo" SCENARIO_HOLD_MS=5000 timeout 120 ./crea_scenario 2>"$lavoro/$nome.err") &
  local costruttore=$!
  local finestra
  finestra=$(attendi_finestra "$schermo" B)
  [ -n "$finestra" ] || fallisci "$nome: no window titled B"
  local geometria
  geometria=$(DISPLAY=$schermo xwininfo -id "$finestra")
  grep -q 'Width: 280$' <<<"$geometria" && grep -q 'Height: 179$' <<<"$geometria" ||
    fallisci "$nome: client area is not 280 x 179: $geometria"
  DISPLAY=$schermo xwd -id "$finestra" -silent | xwdtopnm 2>/dev/null >"$lavoro/finestra.ppm"
  pnmtopng "$lavoro/finestra.ppm" >"$build/x11-$nome.png"
  ppmtopgm "$lavoro/finestra.ppm" >"$lavoro/finestra.pgm"
  # Ink only inside the label's rectangle (64, 64, 177 x 53) ...
  pgmmake 1 177 53 | pnmpaste - 64 64 "$lavoro/finestra.pgm" >"$lavoro/fuori.pgm"
  [ "$(pixel_scuri "$lavoro/fuori.pgm")" -eq 0 ] || fallisci "$nome: dark pixels outside the label"
  # ... on a light background ...
  local fondo
  fondo=$(pamsumm -brief -mean "$lavoro/fuori.pgm" | cut -d. -f1)
  [ "$fondo" -ge 200 ] || fallisci "$nome: background not light (mean $fondo)"
  # ... and text across the label, from its left edge to its right part ...
  pamcut -left 64 -top 64 -width 177 -height 53 "$lavoro/finestra.pgm" >"$lavoro/etichetta.pgm"
  pamcut -left 64 -top 64 -width 24 -height 53 "$lavoro/finestra.pgm" >"$lavoro/sinistra.pgm"
  pamcut -left 184 -top 64 -width 57 -height 53 "$lavoro/finestra.pgm" >"$lavoro/destra.pgm"
  [ "$(pixel_scuri "$lavoro/etichetta.pgm")" -ge 300 ] || fallisci "$nome: too little text in the label"
  [ "$(pixel_scuri "$lavoro/sinistra.pgm")" -gt 0 ] || fallisci "$nome: no text at the label's left"
  [ "$(pixel_scuri "$lavoro/destra.pgm")" -gt 0 ] || fallisci "$nome: no text in the label's right part"
  # ... ending before the label's right edge, so no letter is cut there, and
  # as wide as nine letters of a readable size (no word cut short or shrunk away).
  local prima ultima
  read -r prima ultima < <(colonne_inchiostro "$lavoro/etichetta.pgm")
  [ "$ultima" -le $((177 - 3)) ] || fallisci "$nome: text reaches the label's right edge (column $ultima of 177): cut"
  [ $((ultima - prima + 1)) -ge 120 ] || fallisci "$nome: text only $((ultima - prima + 1)) pixels wide"
  riuscito "$nome: the window B, 280 x 179, the whole label text (columns $prima-$ultima of 177) inside its rectangle on a light background ($build/x11-$nome.png)"
  wait "$costruttore" || fallisci "$nome: run with a display"
  if grep -q Attendere "$lavoro/$nome.err"; then fallisci "$nome: the terminal layer served although a display was there"; fi
  [ -z "$(DISPLAY=$schermo xdotool search --name '^B$' 2>/dev/null)" ] || fallisci "$nome: window still there after the run"
  stessi_file "$senza" "$con" || fallisci "$nome: the window changed the files"
  riuscito "$nome: the window is gone after the run, files the same"
}

# --- the window under Xvfb, caught during the test-only hold
avvia_xvfb
schermo=$DISPLAY_NUOVO
controlla_finestra "$schermo" finestra
# A machine with neither MS Sans Serif nor Liberation Sans: fontconfig sees
# DejaVu alone, whose bold is too wide for the label at 32 px.
mkdir -p "$lavoro/fontconfig"
cat >"$lavoro/fontconfig/fonts.conf" <<FINE
<?xml version="1.0"?>
<!DOCTYPE fontconfig SYSTEM "fonts.dtd">
<fontconfig>
  <dir>/usr/share/fonts/truetype/dejavu</dir>
  <cachedir>$lavoro/fontconfig/cache</cachedir>
</fontconfig>
FINE
controlla_finestra "$schermo" finestra-dejavu FONTCONFIG_FILE="$lavoro/fontconfig/fonts.conf"

# --- a display that dies mid-run does not kill the run
avvia_xvfb
morente=$DISPLAY_NUOVO
pid_morente=$PID_NUOVO
perso=$(cartella_con_costruttore display_perso)
(cd "$perso" && DISPLAY=$morente SCENARIO_HOLD_MS=3000 timeout 120 ./crea_scenario 2>/dev/null) &
costruttore=$!
[ -n "$(attendi_finestra "$morente" B)" ] || fallisci "no window on the dying display"
kill "$pid_morente"
wait "$costruttore" || fallisci "the run ended with the display"
stessi_file "$senza" "$perso" || fallisci "the lost display changed the files"
riuscito "a display that dies mid-run: run completes, files the same"

# --- the message box: shown, read (screenshot), pressed with the mouse
DISPLAY=$schermo timeout 60 "$build/tests/prova_messaggio" 2>"$lavoro/scatola.err" &
scatola_pid=$!
scatola=$(attendi_finestra "$schermo" crea_scenario)
[ -n "$scatola" ] || fallisci "no message box titled crea_scenario"
DISPLAY=$schermo xwd -id "$scatola" -silent | xwdtopnm 2>/dev/null >"$lavoro/scatola.ppm"
pnmtopng "$lavoro/scatola.ppm" >"$build/x11-messaggio.png"
[ "$(ppmtopgm "$lavoro/scatola.ppm" | pgmhist -machine | awk '$1 < 96 { n += $2 } END { print n + 0 }')" -ge 50 ] ||
  fallisci "the box shows no text"
eval "$(DISPLAY=$schermo xdotool getwindowgeometry --shell "$scatola")"
# The OK button: 75 x 23, centred, 12 pixels above the bottom edge.
DISPLAY=$schermo xdotool mousemove --window "$scatola" $((WIDTH / 2)) $((HEIGHT - 12 - 11)) click 1
wait "$scatola_pid" || fallisci "the box program did not end after OK"
[ ! -s "$lavoro/scatola.err" ] || fallisci "the box fell back to standard error: $(cat "$lavoro/scatola.err")"
riuscito "the message box shows its text and ends with OK ($build/x11-messaggio.png)"

env -u DISPLAY timeout 60 "$build/tests/prova_messaggio" 2>"$lavoro/scatola.err" || fallisci "box without display"
[ "$(cat "$lavoro/scatola.err")" = " Errore n. 1250" ] || fallisci "box text not on standard error without display"
avvia_xvfb
DISPLAY=$DISPLAY_NUOVO timeout 60 "$build/tests/prova_messaggio" 2>"$lavoro/scatola.err" &
scatola_pid=$!
[ -n "$(attendi_finestra "$DISPLAY_NUOVO" crea_scenario)" ] || fallisci "no box on the dying display"
kill "$PID_NUOVO"
wait "$scatola_pid" || fallisci "the box program died with its display"
[ "$(cat "$lavoro/scatola.err")" = " Errore n. 1250" ] || fallisci "the lost box's text not on standard error"
riuscito "the box falls back to standard error without a display, or when its display dies"

echo "x11: $riusciti passed, 0 failed"
