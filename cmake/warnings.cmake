# Compiler warnings for the project's own targets; OVLE_WERROR turns them into errors (CI does).
add_library(ovle_warnings INTERFACE)
target_compile_options(ovle_warnings INTERFACE -Wall -Wextra -Wpedantic -Wconversion -Wshadow)
if(OVLE_WERROR)
  target_compile_options(ovle_warnings INTERFACE -Werror)
endif()
