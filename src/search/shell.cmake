list(APPEND KORVEX_SHELL_SOURCES
    src/search/search_dialog.cpp
    src/search/search_buffer.cpp
    src/search/incremental_search.cpp
    src/search/hit_list_dialog.cpp
)
