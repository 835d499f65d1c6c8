#!/usr/bin/env bash
# CI stage for the page of `scenario plot`: draws the built-in scenario and
# opens the page in headless Debian chromium, as a person would, at the whole
# line and zoomed to one station (#da=M&a=M). Fails on a script error or a
# blocked request in the browser's log, on a script that did not run to its
# end or did not honour the zoom, and on a blank screenshot. The screenshots
# stay in build/pagina/ to be looked at.
set -euo pipefail
cd "$(dirname "$0")/.."
radice=$PWD

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends \
  cmake ninja-build g++ libgtest-dev libgmock-dev libcli11-dev nlohmann-json3-dev libxml2-dev \
  chromium netpbm fonts-liberation2 >/dev/null

uscita=$radice/build/pagina
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
riusciti=0

fallisci() {
  echo "pagina: FAILED: $*" >&2
  echo "pagina: $riusciti passed, 1 failed"
  exit 1
}
riuscito() {
  riusciti=$((riusciti + 1))
  echo "pagina: ok: $*"
}

cmake --preset default >/dev/null
cmake --build --preset default --target scenario crea_scenario -j2 >/dev/null || fallisci "build of scenario and crea_scenario"

# The builder's own files, in a folder of their own, drawn into a page.
mkdir -p "$lavoro/scenario" "$uscita"
cp "$radice/build/bin/crea_scenario" "$lavoro/scenario/"
(cd "$lavoro" && DISPLAY= ./scenario/crea_scenario >/dev/null 2>&1) || fallisci "crea_scenario"
"$radice/build/bin/scenario" plot "$lavoro/scenario" -o "$uscita/linea.html" >/dev/null || fallisci "scenario plot"
riuscito "scenario plot wrote $(wc -c <"$uscita/linea.html") bytes"

# chromium headless with a fresh profile; no name resolves, so nothing could leave the machine anyway.
chromium_senza_rete() {
  local profilo
  profilo=$(mktemp -d "$lavoro/profilo.XXXX")
  timeout 120 chromium --headless --no-sandbox --disable-gpu --disable-background-networking \
    --disable-component-update --disable-sync --no-first-run --user-data-dir="$profilo" --enable-logging --v=0 \
    --host-resolver-rules="MAP * ~NOTFOUND" --window-size=1400,900 "$@" 2>/dev/null
  cat "$profilo/chrome_debug.log" >>"$lavoro/registro.log" 2>/dev/null || true
}

# Distinct colours, and the share of pixels drawn in ink (luminance below
# 160, darker than any background of the page), in tenths of a percent.
colori() { pngtopnm "$1" | ppmhist -noheader | wc -l; }
inchiostro() {
  pngtopnm "$1" | ppmhist -noheader | awk '{ tot += $5; if ($4 < 160) n += $5 } END { print (tot ? int(1000 * n / tot) : 0) }'
}

# The zoomed view also marks a metre, which the script shows in both views.
for vista in "intera|" "stazione|#da=82200&a=85000&m=83600"; do
  nome=${vista%%|*}
  frammento=${vista#*|}
  : >"$lavoro/registro.log"
  chromium_senza_rete --screenshot="$uscita/$nome.png" "file://$uscita/linea.html$frammento" >/dev/null
  [ -s "$uscita/$nome.png" ] || fallisci "$nome: chromium wrote no screenshot"
  if grep -E 'CONSOLE|Uncaught|Content Security Policy|Refused to' "$lavoro/registro.log" >&2; then
    fallisci "$nome: the page logged a script error or a blocked request (above)"
  fi
  dom=$(chromium_senza_rete --virtual-time-budget=3000 --dump-dom "file://$uscita/linea.html$frammento")
  grep -q 'data-pronta="si"' <<<"$dom" || fallisci "$nome: the page's script did not run to its end"
  if [ -n "$frammento" ]; then
    grep -q 'data-vista="82200-85000"' <<<"$dom" || fallisci "$nome: the page did not open on the stretch in its address"
    grep -q 'id="cursore-profilo" class="cursore"' <<<"$dom" && grep -q 'metro 83600 · km 83,600' <<<"$dom" ||
      fallisci "$nome: the metre in the address is not marked in the profile"
    grep -Eq 'id="cursore-pianta" class="cursore" r="6" cx="[1-9]' <<<"$dom" ||
      fallisci "$nome: the metre in the address is not marked in the plan"
  fi
  n_colori=$(colori "$uscita/$nome.png")
  pieni=$(inchiostro "$uscita/$nome.png")
  [ "$n_colori" -ge 20 ] && [ "$pieni" -ge 10 ] ||
    fallisci "$nome: the screenshot looks blank ($n_colori colours, $pieni/1000 pixels in ink)"
  riuscito "$nome: no script error, $n_colori colours, $pieni/1000 pixels in ink ($uscita/$nome.png)"
done

echo "pagina: $riusciti passed, 0 failed"
