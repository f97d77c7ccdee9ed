ovle_unit_test(ovle_common_tests unit/common/codeset_test.cpp unit/common/frame_test.cpp unit/common/platform_test.cpp)
