list(APPEND KORVEX_CORE_SOURCES
    src/file/file_geometry.cpp
    src/file/window_math.cpp
    src/file/page_copy.cpp
    src/file/command_line.cpp
    src/file/long_path.cpp
)
