// The compiler's benchmarks: the built-in scenario in memory and to files,
// generated scenarios of three lengths (their cost should grow in proportion),
// and each encoder of the compiled files alone. Each reports time per run,
// bytes of output per second and the memory the run added at its peak.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <filesystem>
#include <string>

#include "app/righe.h"
#include "bench/archivio_conteggio.h"
#include "bench/generatore/generatore_scenari.h"
#include "bench/memoria_processo.h"
#include "bench/nomi_generati.h"
#include "compiler/codifica.h"
#include "compiler/compilatore.h"
#include "compiler/nomi_file.h"
#include "platform/archivio_disco.h"
#include "source_text/testi_sorgente.h"

namespace scenario::bench {
namespace {

struct Testi {
    std::string percorso, treno, linea, testo_treno;
};

const Testi& incorporati() {
    static const Testi t{nome_percorso_incorporato, numero_treno_incorporato,
                         testo_da_righe(riempi_righe(righe_linea())), testo_da_righe(riempi_righe(righe_treno()))};
    return t;
}

const Testi& generati(std::int32_t lunghezza) {
    static std::map<std::int32_t, Testi> fatti;
    auto [it, nuovo] = fatti.try_emplace(lunghezza);
    if (nuovo) {
        auto g = generatore::genera(generatore::misura_proporzionata(lunghezza), {1});
        it->second = {percorso_generato, treno_generato, std::move(g.linea), std::move(g.treno)};
    }
    return it->second;
}

Stato stato_per(const Testi& t) {
    Stato s;
    s.nome_percorso = t.percorso;
    s.numero_treno = t.treno;
    return s;
}

// One compile whose outputs are counted, not kept; the texts are put back
// before each run, since the compile consumes them.
void compila_contando(benchmark::State& state, const Testi& t) {
    ArchivioConteggio archivio;
    PiccoMemoria picco;
    for (auto _ : state) {
        Stato s = stato_per(t);
        archivio.metti(nome_testo_linea(s), t.linea);
        archivio.metti(nome_testo_treno(s), t.testo_treno);
        std::int32_t geometria = 1;
        benchmark::DoNotOptimize(memorizza_percorso(s, archivio, geometria));
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(archivio.byte_scritti()));
    state.counters["picco_MB"] = picco.aggiunti_mb();
}

void Incorporato_InMemoria(benchmark::State& state) { compila_contando(state, incorporati()); }
BENCHMARK(Incorporato_InMemoria)->Unit(benchmark::kMillisecond);

// Through the disk archive into a folder of its own: temporaries, sync,
// the folder's lock and renames, as the builder writes them.
void Incorporato_SuFile(benchmark::State& state) {
    const Testi& t = incorporati();
    const auto cartella = std::filesystem::temp_directory_path() / ("bench_compilatore_" + std::to_string(::getpid()));
    std::filesystem::create_directories(cartella);
    ArchivioDisco archivio(cartella);
    std::int64_t byte = 0;
    PiccoMemoria picco;
    for (auto _ : state) {
        state.PauseTiming();
        Stato s = stato_per(t);
        archivio.scrivi(nome_testo_linea(s), t.linea);
        archivio.scrivi(nome_testo_treno(s), t.testo_treno);
        state.ResumeTiming();
        std::int32_t geometria = 1;
        benchmark::DoNotOptimize(memorizza_percorso(s, archivio, geometria));
        byte += static_cast<std::int64_t>(std::filesystem::file_size(cartella / nome_tracciato(s)) +
                                          std::filesystem::file_size(cartella / nome_tabella(s)) +
                                          std::filesystem::file_size(cartella / nome_file_celle(s)));
    }
    state.SetBytesProcessed(byte);
    state.counters["picco_MB"] = picco.aggiunti_mb();
    std::filesystem::remove_all(cartella);
}
BENCHMARK(Incorporato_SuFile)->Unit(benchmark::kMillisecond);

// Generated scenarios of 10 km, 100 km and 1000 km: the fitted line shows
// whether the cost grows in proportion to the length (and record count).
void Generato(benchmark::State& state) {
    const auto lunghezza = static_cast<std::int32_t>(state.range(0));
    compila_contando(state, generati(lunghezza));
    state.SetComplexityN(lunghezza);
}
BENCHMARK(Generato)->Arg(10000)->Arg(100000)->Arg(1000000)->Complexity(benchmark::oN)->Unit(benchmark::kMillisecond);

// The compiled state of the 1,000,000 m scenario, for the encoders alone.
const Stato& stato_compilato() {
    static const Stato s = [] {
        const Testi& t = generati(1000000);
        Stato c = stato_per(t);
        ArchivioConteggio archivio;
        archivio.metti(nome_testo_linea(c), t.linea);
        archivio.metti(nome_testo_treno(c), t.testo_treno);
        std::int32_t geometria = 1;
        memorizza_percorso(c, archivio, geometria);
        return c;
    }();
    return s;
}

template <void (*codifica)(const Stato&, Destinazione&)>
void Codifica(benchmark::State& state) {
    const Stato& s = stato_compilato();
    DestinazioneConteggio conta;
    PiccoMemoria picco;
    for (auto _ : state) codifica(s, conta);
    state.SetBytesProcessed(static_cast<std::int64_t>(conta.byte()));
    state.counters["picco_MB"] = picco.aggiunti_mb();
}
BENCHMARK(Codifica<codifica_celle>)->Name("Codifica_Celle_1000km")->Unit(benchmark::kMillisecond);
BENCHMARK(Codifica<codifica_voci>)->Name("Codifica_Voci_1000km")->Unit(benchmark::kMicrosecond);
BENCHMARK(Codifica<codifica_tracciato>)->Name("Codifica_Tracciato_1000km")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace scenario::bench

BENCHMARK_MAIN();
