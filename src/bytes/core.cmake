list(APPEND KORVEX_CORE_SOURCES
    src/bytes/copy_format.cpp
)
