# The run-time environment: OVLEINIT, OV-PIPI and its settings, the run-time options, OVLE-CFG,
# the SYSOUT writers, the product queries and exit processing.
target_sources(ovle_core PRIVATE
  src/environment/configuration.cpp
  src/environment/environment_entries.cpp
  src/environment/exit_processing.cpp
  src/environment/initialization.cpp
  src/environment/product_queries.cpp
  src/environment/runtime_options.cpp
  src/environment/settings.cpp
  src/environment/sysout.cpp
)
