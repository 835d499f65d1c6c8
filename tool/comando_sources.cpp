// The built-in source texts, written through the builder's own writers.
#include "tool/comando_sources.h"

#include "app/form1.h"
#include "platform/archivio_disco.h"
#include "platform/finestra.h"

namespace scenario {
namespace {

// The writers belong to the run record; this one never shows anything.
class FinestraNascosta final : public Finestra {
public:
    void mostra() override {}
    void ridisegna() override {}
    void distruggi() override {}
};

}  // namespace

void scrivi_sorgenti(const std::filesystem::path& cartella) {
    FinestraNascosta finestra;
    ArchivioDisco archivio(cartella);
    Form1 form(finestra, archivio);
    form.nome_percorso = "Vordano_Seli";
    form.numero_treno = "4936";
    form.dati_linea();
    form.dati_treno();
}

}  // namespace scenario
