# Math, bit and random number services.
target_sources(ovle_core PRIVATE
  # bits and random numbers
  src/math/bit_entries.cpp
  src/math/random_entries.cpp
  src/math/random_number.cpp
)
