# Storage: user heaps, the storage report and the heap dump.
target_sources(ovle_core PRIVATE
  src/storage/heap_index.cpp
  src/storage/heaps.cpp
  src/storage/storage_entries.cpp
  src/storage/storage_report.cpp
)
