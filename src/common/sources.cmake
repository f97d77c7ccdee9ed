# The service frame, the conditions, the shared area and the run-time layer.
target_sources(ovle_core PRIVATE
  src/common/binary_arguments.cpp
  src/common/common_entries.cpp
  src/common/entry_arguments.cpp
  src/common/entry_checks.cpp
  src/common/frame.cpp
  src/common/platform/call.cpp
  src/common/platform/chain.cpp
  src/common/platform/cob_bridge.cpp
  src/common/platform/codeset.cpp
  src/common/platform/external.cpp
  src/common/platform/ide_link.cpp
  src/common/platform/intrinsics.cpp
  src/common/platform/line_file.cpp
  src/common/platform/random.cpp
  src/common/platform/storage.cpp
  src/common/platform/system.cpp
)
