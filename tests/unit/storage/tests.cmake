# Unit tests of the storage family.
ovle_unit_test(ovle_storage_tests unit/storage/heap_model_test.cpp unit/storage/heap_services_test.cpp
               unit/storage/storage_report_test.cpp)
