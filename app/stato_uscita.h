// Exit statuses of both programs, in one place.
#pragma once

namespace scenario::uscita {

inline constexpr int successo = 0;
inline constexpr int guasto_registrato = 1;  // a fault in the scenario data was recorded
inline constexpr int uso_errato = 2;         // the scenario tool's command line was wrong
inline constexpr int errore_fatale = 3;      // `errore` ended the run: no compiled file
inline constexpr int guasto_file = 4;        // a file could not be read or written

}  // namespace scenario::uscita
