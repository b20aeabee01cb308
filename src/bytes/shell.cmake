list(APPEND KORVEX_SHELL_SOURCES
    src/bytes/copy_paste.cpp
    src/bytes/range_boxes.cpp
    src/bytes/range_dialog.cpp
    src/bytes/range_save.cpp
    src/bytes/checksum_lanes.cpp
    src/bytes/checksum_run.cpp
    src/bytes/checksum_dialog.cpp
)
