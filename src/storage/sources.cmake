# Storage: user heaps, the storage report and the heap dump.
target_sources(ovle_core PRIVATE
)
