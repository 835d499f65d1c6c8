// The run's lock over the folder's, and the register of the folders this
// process holds, so its own changes of files never wait on it.
#include "platform/blocco_cartella.h"

#include <algorithm>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

#include "platform/guasto_file.h"
#include "platform/sistema_file.h"

namespace scenario {
namespace fs = std::filesystem;

namespace {

// The folders held by runs of this process, by identity, not spelling.
class Registro {
public:
    void aggiungi(const std::string& identita) {
        std::lock_guard chiave(m_);
        tenute_.push_back(identita);
    }
    void togli(const std::string& identita) {
        std::lock_guard chiave(m_);
        if (const auto i = std::ranges::find(tenute_, identita); i != tenute_.end()) tenute_.erase(i);
    }
    bool contiene(const std::string& identita) {
        std::lock_guard chiave(m_);
        return std::ranges::find(tenute_, identita) != tenute_.end();
    }
    // Keeps this process's own changes apart in a folder it holds: its
    // threads would otherwise mix their names there.
    std::mutex& cambi() { return cambi_; }

private:
    std::mutex m_;
    std::vector<std::string> tenute_;
    std::mutex cambi_;
};

Registro& registro() {
    static Registro r;
    return r;
}

class BloccoCorsa final : public BloccoCartella {
public:
    BloccoCorsa(std::unique_ptr<BloccoCartella> cartella, std::string identita)
        : cartella_(std::move(cartella)), identita_(std::move(identita)) {
        registro().aggiungi(identita_);
    }
    // Out of the register first: a change that starts now takes the folder's
    // lock and waits the moment it takes to release it.
    ~BloccoCorsa() override { registro().togli(identita_); }
    BloccoCorsa(const BloccoCorsa&) = delete;
    BloccoCorsa& operator=(const BloccoCorsa&) = delete;

private:
    std::unique_ptr<BloccoCartella> cartella_;
    std::string identita_;
};

class BloccoProcesso final : public BloccoCartella {
public:
    explicit BloccoProcesso(std::mutex& m) : chiave_(m) {}

private:
    std::unique_lock<std::mutex> chiave_;
};

}  // namespace

std::unique_ptr<BloccoCartella> blocca_per_la_corsa(const fs::path& cartella) {
    std::string identita;
    if (const std::error_code ec = sistema::identita_cartella(cartella, identita)) throw GuastoFile(ec, cartella);
    std::unique_ptr<BloccoCartella> blocco;
    if (const std::error_code ec = sistema::blocca(cartella, blocco)) throw GuastoFile(ec, cartella);
    if (!blocco) return nullptr;  // no locks here: nothing to wait on ourselves either
    return std::make_unique<BloccoCorsa>(std::move(blocco), std::move(identita));
}

std::error_code blocca_per_il_cambio(const fs::path& cartella, std::unique_ptr<BloccoCartella>& blocco) {
    std::string identita;
    if (sistema::identita_cartella(cartella, identita) || !registro().contiene(identita))
        return sistema::blocca(cartella, blocco);
    blocco = std::make_unique<BloccoProcesso>(registro().cambi());
    return {};
}

}  // namespace scenario
