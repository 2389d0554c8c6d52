# kumora_gzip(FILE VARIABLE): compresses FILE, a file of the build directory,
# into FILE.gz at build time the way Debian compresses manual pages and
# documentation (best compression, no name or time stamp, so the same input
# gives the same bytes); VARIABLE receives the compressed file's path.
find_program(KUMORA_GZIP gzip REQUIRED)

function(kumora_gzip file variable)
  add_custom_command(
    OUTPUT ${file}.gz
    COMMAND ${KUMORA_GZIP} -9 -n -k -f ${file}
    DEPENDS ${file}
    VERBATIM)
  set(${variable} ${file}.gz PARENT_SCOPE)
endfunction()
