list(APPEND KORVEX_CORE_SOURCES
    src/search/search_pattern.cpp
    src/search/search_match.cpp
    src/search/search_filter.cpp
    src/search/search_progress.cpp
    src/search/search_scan.cpp
    src/search/hit_list_text.cpp
)
