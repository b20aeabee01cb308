list(APPEND KORVEX_CORE_SOURCES
    src/app/column_wrap.cpp
)
