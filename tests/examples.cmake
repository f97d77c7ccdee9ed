# The example batch suite of examples/: each program compiled and run with a static and a dynamic
# CALL, the clock fixed, its output compared with examples/expected/<program>.txt.
if(COBC)
  file(GLOB example_programs CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/examples/*.cbl)
  foreach(program IN LISTS example_programs)
    get_filename_component(stem ${program} NAME_WE)
    foreach(binding static dynamic)
      add_test(NAME example_${stem}_${binding}
        COMMAND ${CMAKE_CURRENT_SOURCE_DIR}/cobol/run_example.sh ${COBC} ${binding} ${program}
                $<TARGET_FILE:ovle> ${CMAKE_SOURCE_DIR}/copybook ${CMAKE_CURRENT_BINARY_DIR}/examples
                ${OVLE_GENERATED_COPYBOOK_DIR} ${CMAKE_SOURCE_DIR}/examples/expected/${stem}.txt)
      set_tests_properties(example_${stem}_${binding} PROPERTIES LABELS examples)
    endforeach()
  endforeach()
endif()
