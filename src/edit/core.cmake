list(APPEND KORVEX_CORE_SOURCES
    src/edit/key_filter_rule.cpp
    src/edit/hex_pair.cpp
    src/edit/overwrite_text.cpp
    src/edit/page_parse.cpp
    src/edit/paste_parse.cpp
)
