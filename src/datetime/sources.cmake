# Calendar date services.
target_sources(ovle_core PRIVATE
  src/datetime/date_engine.cpp
  src/datetime/datetime_entries.cpp
  src/datetime/picture.cpp
)
