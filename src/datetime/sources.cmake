# Calendar date services.
target_sources(ovle_core PRIVATE
  src/datetime/calendar_entries.cpp
  src/datetime/datetime_entries.cpp
)
