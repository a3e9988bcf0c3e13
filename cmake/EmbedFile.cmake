# Writes a C++ source holding the bytes of a file as an array, for data built
# into the program (a font). Run as a script:
#   cmake -DINPUT=FILE -DOUTPUT=SOURCE -DSYMBOL=NAME -P EmbedFile.cmake
# The source defines `extern const unsigned char NAME[]` and
# `extern const size_t NAMESize` in namespace tolvane::embedded.
file(READ "${INPUT}" _hex HEX)
string(LENGTH "${_hex}" _digits)
math(EXPR _size "${_digits} / 2")
# Thirty-two bytes a line.
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," _bytes "${_hex}")
string(REGEX REPLACE "((0x..,){32})" "\\1\n" _bytes "${_bytes}")
file(WRITE "${OUTPUT}.new"
     "// Generated from ${INPUT} by cmake/EmbedFile.cmake; do not edit.\n"
     "#include <cstddef>\n\nnamespace tolvane::embedded {\n\n"
     "extern const unsigned char ${SYMBOL}[];\nextern const size_t ${SYMBOL}Size;\n"
     "const unsigned char ${SYMBOL}[] = {\n${_bytes}\n};\nconst size_t ${SYMBOL}Size = ${_size};\n\n"
     "}  // namespace tolvane::embedded\n")
file(RENAME "${OUTPUT}.new" "${OUTPUT}")
