# Benchmarks of the storage family.
