ovle_unit_test(ovle_math_tests unit/math/domain_test.cpp unit/math/accuracy_test.cpp unit/math/math_frame_test.cpp)
