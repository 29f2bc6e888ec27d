# zorvane_embed(<target> <symbol> <file> [DEPENDS <target-or-file>...])
# Compiles the bytes of <file> into <target> as a function `std::span<const unsigned char> <symbol>()`.
# <symbol> may be qualified with namespaces, e.g. zorvane::assets::shotPicture; declare it in a header.
function(zorvane_embed target symbol file)
  cmake_parse_arguments(PARSE_ARGV 3 EMBED "" "" "DEPENDS")
  string(MAKE_C_IDENTIFIER "${symbol}" id)
  set(out "${CMAKE_CURRENT_BINARY_DIR}/embedded/${id}.cpp")
  add_custom_command(
    OUTPUT "${out}"
    COMMAND embed_file "${file}" "${out}" "${symbol}"
    DEPENDS embed_file "${file}" ${EMBED_DEPENDS}
    COMMENT "Embedding ${file}"
    VERBATIM)
  target_sources(${target} PRIVATE "${out}")
endfunction()
