list(APPEND KORVEX_SHELL_SOURCES
    src/inspector/inspector_rows.cpp
    src/inspector/inspector_window.cpp
)
