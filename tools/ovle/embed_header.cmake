# Writes the text of ovle.h into a C++ source, for the tool's help: cmake -DINPUT= -DOUTPUT= -P
file(READ "${INPUT}" content HEX)
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
file(WRITE "${OUTPUT}.tmp"
  "// Generated from include/ovle/ovle.h by tools/ovle/embed_header.cmake; do not edit.\n"
  "#include \"header_help.hpp\"\n\n"
  "namespace ovle::tool {\nnamespace {\nconst unsigned char text[] = {${bytes}0};\n}  // namespace\n"
  "const std::string_view ovle_header_text{reinterpret_cast<const char*>(text), sizeof text - 1};\n"
  "}  // namespace ovle::tool\n")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
