// The system calls behind disk files, behind one small interface: the disk
// archive uses the real ones, and a test can hand it others that fail on cue.
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <system_error>

namespace scenario {

// What the writer must know of whatever holds a final name before it
// replaces it. A symbolic link is looked at, never followed.
struct StatoFile {
    bool esiste = false;
    bool regolare = false;
    bool cartella = false;
    bool sola_lettura = false;  // a regular file without write permission for anyone
};

// Held while the files of one change take their names; dropping it lets the
// next program in. It leaves no file behind.
class BloccoCartella {
public:
    virtual ~BloccoCartella() = default;
};

// Every operation returns an empty error_code on success, or the system's
// number for the failure.
class OperazioniFile {
public:
    virtual ~OperazioniFile() = default;

    // A missing file is not a failure: it leaves `esiste` false.
    virtual std::error_code esamina(const std::filesystem::path& p, StatoFile& stato) = 0;
    // Creates p for writing only when nothing at all has that name, a link
    // included (EEXIST otherwise); `f` is set only on success.
    virtual std::error_code crea_nuovo(const std::filesystem::path& p, std::FILE*& f) = 0;
    virtual std::error_code scrivi(std::FILE* f, std::string_view dati) = 0;
    // Pushes what was written down to the device.
    virtual std::error_code sincronizza(std::FILE* f) = 0;
    // Starts the device writes of bytes [da, da + quanti) of f without
    // waiting for them, so that the sync finds less to do; a failure shows
    // at the sync. False where the system has no such call.
    virtual bool avvia_scrittura(std::FILE* f, std::uint64_t da, std::uint64_t quanti) {
        (void)f, (void)da, (void)quanti;
        return false;
    }
    // Releases `f` whatever the result.
    virtual std::error_code chiudi(std::FILE* f) = 0;
    // Puts `da` in the place of `a` in one step, replacing any file there.
    virtual std::error_code rinomina(const std::filesystem::path& da, const std::filesystem::path& a) = 0;
    // Gives the file `da` a second name `a`, which must be new (EEXIST otherwise).
    virtual std::error_code collega(const std::filesystem::path& da, const std::filesystem::path& a) = 0;
    // Removes a file (never a folder); a missing file is not a failure.
    virtual std::error_code elimina(const std::filesystem::path& p) = 0;
    // The whole content of p.
    virtual std::error_code leggi(const std::filesystem::path& p, std::string& dati) = 0;
    // Pushes the folder's names down to the device, so renames survive a power cut.
    virtual std::error_code sincronizza_cartella(const std::filesystem::path& cartella) = 0;
    // Waits until no other program of ours is changing names in the folder,
    // then keeps them out until `blocco` is dropped.
    virtual std::error_code blocca(const std::filesystem::path& cartella, std::unique_ptr<BloccoCartella>& blocco) = 0;
};

// The real system calls. Stateless, so one instance serves every archive.
OperazioniFile& operazioni_di_sistema();

}  // namespace scenario
