list(APPEND KORVEX_SHELL_SOURCES
    src/bytes/checksum_lanes.cpp
    src/bytes/checksum_run.cpp
    src/bytes/checksum_dialog.cpp
)
