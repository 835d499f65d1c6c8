// The system's own number and words for a failure, as the person's system
// would say them: errno and strerror in the user's language on POSIX
// systems, the Windows error number and FormatMessage's text on Windows.
#pragma once

#include <string>
#include <system_error>

namespace scenario {

// The same failure in the system's own numbering: on Windows a code made
// from an errno value (by the C library or std::errc) becomes the Windows
// error the system itself reports for it, so one program never mixes the
// two numberings; on POSIX systems the code is errno already.
std::error_code codice_di_sistema(std::error_code ec);

// The system's text for the code, in the user's language, as UTF-8, without
// a line end or final period. Never empty.
std::string testo_errore_sistema(std::error_code ec);

}  // namespace scenario
