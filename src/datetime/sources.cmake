# Calendar date services.
target_sources(ovle_core PRIVATE
  src/datetime/datetime_entries.cpp
)
