list(APPEND KORVEX_SHELL_SOURCES
    src/app/startup.cpp
    src/app/main_dialog.cpp
    src/app/file_life.cpp
    src/app/column_fonts.cpp
    src/app/version_dialog.cpp
    src/app/session_end.cpp
)
