# cmake -P EmbedFile.cmake: writes a C++ source that holds a file's bytes.
#   -DINPUT=file -DOUTPUT=source.cpp -DNAMESPACE=ns -DSYMBOL=name
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" length)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
string(REGEX REPLACE "(0x[0-9a-f][0-9a-f],){16}" "\\0\n    " bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp"
"// Generated from ${INPUT}; do not edit.\n"
"#include <span>\n\n"
"namespace ${NAMESPACE} {\n"
"namespace {\n"
"const unsigned char kBytes[] = {\n    ${bytes}\n};\n"
"}  // namespace\n"
"extern const std::span<const unsigned char> ${SYMBOL};\n"
"const std::span<const unsigned char> ${SYMBOL}(kBytes);\n"
"}  // namespace ${NAMESPACE}\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
