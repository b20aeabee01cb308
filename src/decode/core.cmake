list(APPEND KORVEX_CORE_SOURCES
    src/decode/civil_time.cpp
    src/decode/char_codes.cpp
    src/decode/char_split.cpp
    src/decode/inspector_text.cpp
    src/decode/inspector_parse.cpp
)
