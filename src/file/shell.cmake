list(APPEND KORVEX_SHELL_SOURCES
    src/file/mapped_file.cpp
    src/file/choose_file.cpp
    src/file/full_path.cpp
    src/file/view_guard.cpp
)
