list(APPEND KORVEX_CORE_SOURCES
    src/bytes/copy_format.cpp
    src/bytes/crc32.cpp
    src/bytes/checksum_text.cpp
)
