ovle_unit_test(ovle_datetime_calendar_tests unit/datetime/calendar_test.cpp)
ovle_unit_test(ovle_datetime_engine_tests unit/datetime/picture_test.cpp unit/datetime/date_engine_test.cpp)
ovle_unit_test(ovle_datetime_timestamp_tests unit/datetime/timestamp_test.cpp unit/datetime/format_test.cpp
               unit/datetime/clock_test.cpp)
# The services without their arguments are called through the tool's entry registry; the timestamp
# round trips take the fuzz harnesses' pictures.
target_link_libraries(ovle_datetime_timestamp_tests PRIVATE ovle_tool_core)
target_include_directories(ovle_datetime_timestamp_tests PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)
