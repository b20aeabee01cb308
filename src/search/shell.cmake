list(APPEND KORVEX_SHELL_SOURCES
    src/search/search_dialog.cpp
    src/search/search_view.cpp
    src/search/incremental_search.cpp
)
