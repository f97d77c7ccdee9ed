# Unit tests of the storage family. The heap model's random sequences run through the heap fuzz
# harness's interpreter, linked in.
ovle_unit_test(ovle_storage_tests unit/storage/heap_model_test.cpp unit/storage/heap_services_test.cpp
               unit/storage/storage_report_test.cpp ${CMAKE_SOURCE_DIR}/fuzz/heap_fuzz.cpp)
target_include_directories(ovle_storage_tests PRIVATE ${CMAKE_SOURCE_DIR}/fuzz)
