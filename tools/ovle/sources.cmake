# The ovle command-line tool: its core, objects that the unit tests link with ovle_core, and the
# executable, which links libovle.so like any caller. The help of each service is the
# comment of its prototype, taken from ovle.h at build time.
set(ovle_header_text ${CMAKE_CURRENT_BINARY_DIR}/tools/ovle/ovle_header_text.cpp)
add_custom_command(OUTPUT ${ovle_header_text}
  COMMAND ${CMAKE_COMMAND} -DINPUT=${CMAKE_CURRENT_SOURCE_DIR}/include/ovle/ovle.h -DOUTPUT=${ovle_header_text}
          -P ${CMAKE_CURRENT_SOURCE_DIR}/tools/ovle/embed_header.cmake
  DEPENDS include/ovle/ovle.h tools/ovle/embed_header.cmake
  COMMENT "Embedding ovle.h in the ovle tool's help")

add_library(ovle_tool_core OBJECT
  tools/ovle/cli.cpp
  tools/ovle/condition_decoder.cpp
  tools/ovle/entry_call.cpp
  tools/ovle/entry_registry.cpp
  tools/ovle/header_help.cpp
  tools/ovle/values.cpp
  ${ovle_header_text})
target_include_directories(ovle_tool_core PUBLIC include src tools/ovle)
target_link_libraries(ovle_tool_core PRIVATE ovle_warnings)

# The EBCDIC tables of the run-time layer are hidden inside libovle.so; the tool compiles its own copy.
add_executable(ovle_tool tools/ovle/main.cpp src/common/platform/codeset.cpp)
target_link_libraries(ovle_tool PRIVATE ovle_tool_core ovle ovle_warnings)
set_target_properties(ovle_tool PROPERTIES
  OUTPUT_NAME ovle
  RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin
  INSTALL_RPATH "$ORIGIN/../${CMAKE_INSTALL_LIBDIR}")
