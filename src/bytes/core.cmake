list(APPEND KORVEX_CORE_SOURCES
    src/bytes/crc32.cpp
    src/bytes/checksum_text.cpp
)
