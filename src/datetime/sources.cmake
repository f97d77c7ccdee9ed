# Calendar date services, timestamps and the clock.
target_sources(ovle_core PRIVATE
  src/datetime/clock.cpp
  src/datetime/date_engine.cpp
  src/datetime/datetime_entries.cpp
  src/datetime/formatter.cpp
  src/datetime/picture.cpp
  src/datetime/timestamp.cpp
)
