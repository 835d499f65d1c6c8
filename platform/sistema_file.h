// The file calls that differ between POSIX and Windows, one implementation
// of each per system (sistema_file_posix.cpp, sistema_file_win32.cpp).
#pragma once

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <system_error>

#include "platform/operazioni_file.h"

namespace scenario::sistema {

// Exclusive creation that never goes through a link; EEXIST when the name is taken.
std::error_code crea_esclusivo(const std::filesystem::path& p, std::FILE*& f);
std::error_code sincronizza_file(std::FILE* f);
// See OperazioniFile::avvia_scrittura.
bool avvia_scrittura(std::FILE* f, std::uint64_t da, std::uint64_t quanti);
std::error_code rinomina(const std::filesystem::path& da, const std::filesystem::path& a);
// EEXIST when `a` is taken.
std::error_code collega(const std::filesystem::path& da, const std::filesystem::path& a);
std::error_code elimina(const std::filesystem::path& p);
std::error_code sincronizza_cartella(const std::filesystem::path& cartella);
std::error_code blocca(const std::filesystem::path& cartella, std::unique_ptr<BloccoCartella>& blocco);
// One text per folder however its path is spelt: two paths of one folder
// give the same, two folders never do.
std::error_code identita_cartella(const std::filesystem::path& cartella, std::string& identita);
std::FILE* apri_lettura(const std::filesystem::path& p);

// Around a C library call: clears the failure numbers before it, and after it
// gives the system's number for its failure (errno; on Windows the Windows
// error the library kept beside errno, so one numbering holds throughout).
// EIO, or its Windows counterpart, where the library gave none.
void azzera_errore_c();
std::error_code errore_c();

}  // namespace scenario::sistema
