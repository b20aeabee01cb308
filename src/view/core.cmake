list(APPEND KORVEX_CORE_SOURCES
    src/view/page_math.cpp
    src/view/column_format.cpp
    src/view/char_column.cpp
    src/view/jump_parse.cpp
    src/view/scroll_math.cpp
    src/view/column_keys.cpp
    src/view/caret_offset.cpp
    src/view/offset_text.cpp
)
