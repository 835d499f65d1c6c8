# Writes a C++ source that holds a text file of the sources as one string
# constant, so that the page `scenario plot` writes carries its script and
# style inline. Run as: cmake -DINGRESSO=file -DUSCITA=file.cpp -DNOME=name -P this
file(READ "${INGRESSO}" testo)
if(testo MATCHES "\\)incorporato\"")
  message(FATAL_ERROR "${INGRESSO} holds the raw string's end marker")
endif()
file(WRITE "${USCITA}.nuovo"
     "// Generated from ${INGRESSO} by cmake/incorpora_testo.cmake; edit that file instead.\n"
     "namespace scenario::pagina {\n"
     "extern const char* const ${NOME};\n"
     "const char* const ${NOME} = R\"incorporato(${testo})incorporato\";\n"
     "}  // namespace scenario::pagina\n")
file(COPY_FILE "${USCITA}.nuovo" "${USCITA}" ONLY_IF_DIFFERENT)
file(REMOVE "${USCITA}.nuovo")
