# Compiler warnings for the project's own targets; OVLE_WERROR turns them into errors (CI does).
add_library(ovle_warnings INTERFACE)
target_compile_options(ovle_warnings INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wshadow -Wmissing-declarations)
# GCC 12 at -O3 reports -Wrestrict inside libstdc++'s own std::string concatenation (GCC bug
# 105329): a false positive in code that is not ours, so it is not allowed to fail a build.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(ovle_warnings INTERFACE -Wno-restrict)
endif()
if(OVLE_WERROR)
  target_compile_options(ovle_warnings INTERFACE -Werror)
endif()
