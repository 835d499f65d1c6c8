#!/usr/bin/env bash
# CI stage for the fuzz targets: builds them with clang (libFuzzer,
# AddressSanitizer, UndefinedBehaviorSanitizer) in build-fuzz, replays every
# seed and regression input, then fuzzes the compiler for two minutes from a
# copy of the seeds, and each decoder of the compiled files and the
# decompiler for forty seconds from the files the compiler makes of them.
# Any crash, hang, leak or broken rule fails the stage.
set -euo pipefail
cd "$(dirname "$0")/.."
radice=$PWD

export DEBIAN_FRONTEND=noninteractive
apt-get update -qq
apt-get install -y -qq --no-install-recommends cmake ninja-build clang libclang-rt-14-dev >/dev/null

costruzione=$radice/build-fuzz
fuzz=$costruzione/bin/fuzz_compilatore
lavoro=$(mktemp -d)
trap 'rm -rf "$lavoro"' EXIT
riusciti=0

fallisci() {
  echo "fuzz: FAILED: $*" >&2
  echo "fuzz: $riusciti passed, 1 failed"
  exit 1
}

# A finding is printed whole (base64), so that it can be rebuilt from the log alone.
mostra_trovati() {
  for trovato in "$lavoro"/trovati/*; do
    [ -f "$trovato" ] || continue
    echo "fuzz: finding $(basename "$trovato") ($(wc -c <"$trovato") bytes), base64:" >&2
    base64 "$trovato" >&2
  done
}

cmake -S "$radice" -B "$costruzione" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++ -DSCENARIO_FUZZ=ON >/dev/null
cmake --build "$costruzione" --target fuzz_compilatore semi_decodifica fuzz_decodifica_celle fuzz_decodifica_tabella \
  fuzz_decodifica_tracciato fuzz_decompila -j2 >/dev/null || fallisci "clang build of the fuzz targets"
riusciti=$((riusciti + 1))

# --- every seed and regression input once, under the sanitizers
ctest --test-dir "$costruzione" --output-on-failure || fallisci "replay of tests/fuzz/semi and tests/fuzz/regressioni"
riusciti=$((riusciti + 1))

# --- two minutes of fuzzing; the seeds are copied, the corpus grows in the scratch folder
mkdir "$lavoro/corpus" "$lavoro/trovati"
cp "$radice"/tests/fuzz/semi/* "$lavoro/corpus/"
# Quick inputs are favoured: a long route with geometry takes a second, a short one a millisecond.
if ! "$fuzz" -max_total_time=120 -max_len=8192 -timeout=10 -rss_limit_mb=2048 -entropic_scale_per_exec_time=1 \
  -dict="$radice/tests/fuzz/dizionario.txt" -artifact_prefix="$lavoro/trovati/" -print_final_stats=1 \
  "$lavoro/corpus" >"$lavoro/fuzz.log" 2>&1; then
  tail -n 80 "$lavoro/fuzz.log" >&2
  mostra_trovati
  fallisci "the fuzzer found a crash, hang, leak or broken rule (see above; keep it in tests/fuzz/regressioni)"
fi
grep -E '^stat::number_of_executed_units|^Done' "$lavoro/fuzz.log" || true
riusciti=$((riusciti + 1))

# --- the decoders and the decompiler: their seeds are the compiled files of every seed and regression input
"$costruzione/bin/semi_decodifica" "$lavoro/semi_decodifica" "$radice"/tests/fuzz/semi/* "$radice"/tests/fuzz/regressioni/* ||
  fallisci "semi_decodifica"
for bersaglio in celle:32768 tabella:8192 tracciato:262144 decompila:262144; do
  formato=${bersaglio%%:*}
  corpus=$lavoro/corpus_$formato
  mkdir "$corpus"
  cp "$lavoro/semi_decodifica/$formato"/* "$corpus/"
  # A geometry seed of the built-in line is 2 MB: libFuzzer keeps its first max_len bytes.
  eseguibile=$costruzione/bin/fuzz_decodifica_$formato
  [ "$formato" = decompila ] && eseguibile=$costruzione/bin/fuzz_decompila
  if ! "$eseguibile" -max_total_time=40 -max_len="${bersaglio#*:}" -timeout=10 \
    -rss_limit_mb=2048 -artifact_prefix="$lavoro/trovati/" -print_final_stats=1 "$corpus" >"$lavoro/$formato.log" 2>&1; then
    tail -n 80 "$lavoro/$formato.log" >&2
    mostra_trovati
    fallisci "the $formato target broke a rule (see above)"
  fi
  echo "fuzz: $formato: $(grep -E '^stat::number_of_executed_units' "$lavoro/$formato.log" || true)"
  riusciti=$((riusciti + 1))
done

echo "fuzz: $riusciti passed, 0 failed"
