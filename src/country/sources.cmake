# Country and language services.
target_sources(ovle_core PRIVATE
)
