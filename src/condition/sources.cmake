# Condition tokens, messages, abend and the fixed-answer services.
target_sources(ovle_core PRIVATE
)
