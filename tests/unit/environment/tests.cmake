ovle_unit_test(ovle_environment_tests
  unit/environment/configuration_test.cpp
  unit/environment/environment_test.cpp
  unit/environment/exit_test.cpp
  unit/environment/queries_test.cpp
  unit/environment/runtime_options_test.cpp
  unit/environment/settings_test.cpp)
