ovle_unit_test(ovle_math_tests unit/math/math_test.cpp)
ovle_unit_test(ovle_bits_random_tests unit/math/bits_random_test.cpp)
