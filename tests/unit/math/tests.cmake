ovle_unit_test(ovle_bits_random_tests unit/math/bits_test.cpp unit/math/random_test.cpp)
