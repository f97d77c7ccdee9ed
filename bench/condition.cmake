# Benchmarks of the condition family.
