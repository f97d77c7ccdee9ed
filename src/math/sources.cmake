# Math, bit and random number services.
target_sources(ovle_core PRIVATE
  # math
  src/math/math_core.cpp
  src/math/math_entries.cpp
  # bits and random numbers
  src/math/random_number.cpp
)
