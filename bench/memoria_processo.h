// The memory a benchmark's runs add to the process at their peak: the
// kernel's high-water mark of resident memory, reset when the measure starts
// (Linux with glibc).
#pragma once

#include <malloc.h>

#include <fstream>
#include <string>

namespace scenario::bench {

class PiccoMemoria {
public:
    // Memory freed by earlier runs goes back to the system first: a run that
    // reused it would fault nothing in and seem to cost nothing.
    PiccoMemoria() {
        malloc_trim(0);
        std::ofstream("/proc/self/clear_refs") << "5";  // resets VmHWM to the present VmRSS
        inizio_kb_ = campo_kb("VmRSS:");
    }

    // Megabytes above the resident memory at the start, at the highest point since.
    double aggiunti_mb() const { return static_cast<double>(campo_kb("VmHWM:") - inizio_kb_) / 1024.0; }

private:
    static long campo_kb(const std::string& nome) {
        std::ifstream stato("/proc/self/status");
        std::string parola;
        while (stato >> parola) {
            if (parola == nome) {
                long kb = 0;
                stato >> kb;
                return kb;
            }
        }
        return 0;
    }

    long inizio_kb_ = 0;
};

}  // namespace scenario::bench
