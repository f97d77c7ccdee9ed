ovle_unit_test(ovle_datetime_calendar_tests unit/datetime/calendar_test.cpp)
ovle_unit_test(ovle_datetime_engine_tests unit/datetime/picture_test.cpp unit/datetime/date_engine_test.cpp)
ovle_unit_test(ovle_datetime_timestamp_tests unit/datetime/timestamp_test.cpp unit/datetime/format_test.cpp
               unit/datetime/clock_test.cpp)
