# The run-time environment: OVLEINIT, OV-PIPI.
target_sources(ovle_core PRIVATE
  src/environment/environment_entries.cpp
  src/environment/initialization.cpp
  src/environment/sysout.cpp
)
