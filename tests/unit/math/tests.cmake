ovle_unit_test(ovle_math_tests unit/math/domain_test.cpp unit/math/accuracy_test.cpp unit/math/math_frame_test.cpp)
ovle_unit_test(ovle_bits_random_tests unit/math/bits_test.cpp unit/math/random_test.cpp)
