list(APPEND KORVEX_SHELL_SOURCES
    src/edit/key_filter.cpp
)
list(APPEND KORVEX_SHELL_SOURCES
    src/edit/write_back.cpp
)
list(APPEND KORVEX_SHELL_SOURCES
    src/edit/overwrite_edit.cpp
)
