list(APPEND KORVEX_SHELL_SOURCES
    src/bytes/copy_paste.cpp
    src/bytes/range_dialog.cpp
    src/bytes/range_save.cpp
)
