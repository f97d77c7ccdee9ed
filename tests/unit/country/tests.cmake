# Unit tests of the country family.
ovle_unit_test(ovle_country_tests unit/country/country_test.cpp)
