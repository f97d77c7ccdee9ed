# Math, bit and random number services.
target_sources(ovle_core PRIVATE
  src/math/math_core.cpp
  src/math/math_entries.cpp
)
