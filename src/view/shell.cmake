list(APPEND KORVEX_SHELL_SOURCES
    src/view/column_subclass.cpp
)
