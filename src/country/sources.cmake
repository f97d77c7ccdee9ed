# Country and language services.
target_sources(ovle_core PRIVATE
  src/country/country_entries.cpp
  src/country/country_services.cpp
  src/country/country_table.cpp
)
