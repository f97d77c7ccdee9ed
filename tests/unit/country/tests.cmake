# Unit tests of the country family.
ovle_unit_test(ovle_country_tests unit/country/country_table_test.cpp unit/country/country_services_test.cpp)
