# Condition tokens, messages, abend and the fixed-answer services.
target_sources(ovle_core PRIVATE
  src/condition/condition_entries.cpp
  src/condition/condition_token.cpp
  src/condition/message.cpp
  src/condition/symbolic_names.cpp
)

# The copybooks of symbolic feedback codes, written by the build from the table of conditions into
# <build>/copybook and installed beside the copybooks of copybook/.
set(OVLE_GENERATED_COPYBOOK_DIR ${CMAKE_BINARY_DIR}/copybook)
set(ovle_generated_copybooks ${OVLE_GENERATED_COPYBOOK_DIR}/OVLECOND.cpy ${OVLE_GENERATED_COPYBOOK_DIR}/OVLECNDE.cpy)
add_executable(ovle_generate_copybooks src/condition/generate_copybooks.cpp)
target_link_libraries(ovle_generate_copybooks PRIVATE ovle_core ovle_warnings)
add_custom_command(OUTPUT ${ovle_generated_copybooks}
  COMMAND ovle_generate_copybooks ${OVLE_GENERATED_COPYBOOK_DIR}
  DEPENDS ovle_generate_copybooks
  COMMENT "Writing the copybooks of symbolic feedback codes")
add_custom_target(ovle_copybooks ALL DEPENDS ${ovle_generated_copybooks})
include(GNUInstallDirs)
install(FILES ${ovle_generated_copybooks} DESTINATION ${CMAKE_INSTALL_DATADIR}/ovle/copybook)
