# Writes versione.cpp: the project version, with `git describe` of the
# sources where they are a git checkout. Run by the build every time
# (app/CMakeLists.txt); the file is touched only when its text changes.
# In: VERSIONE, GIT (the program, may be empty or NOTFOUND), SORGENTI, USCITA.
set(testo "${VERSIONE}")
if(GIT)
  execute_process(COMMAND ${GIT} describe --always --dirty --tags
    WORKING_DIRECTORY ${SORGENTI}
    OUTPUT_VARIABLE descrizione
    RESULT_VARIABLE esito
    ERROR_QUIET OUTPUT_STRIP_TRAILING_WHITESPACE)
  if(esito EQUAL 0 AND NOT descrizione STREQUAL "")
    string(APPEND testo " (git ${descrizione})")
  endif()
endif()
file(WRITE ${USCITA}.nuovo
  "// Written by cmake/versione.cmake at build time.\n"
  "#include \"app/versione.h\"\n\n"
  "namespace scenario {\n\n"
  "std::string_view versione() { return \"${testo}\"; }\n\n"
  "}  // namespace scenario\n")
file(COPY_FILE ${USCITA}.nuovo ${USCITA} ONLY_IF_DIFFERENT)
file(REMOVE ${USCITA}.nuovo)
