# Benchmarks of the country family.
