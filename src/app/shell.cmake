list(APPEND KORVEX_SHELL_SOURCES
    src/app/viewer_state.cpp
    src/app/startup.cpp
    src/app/center_window.cpp
    src/app/paint_nothing.cpp
    src/app/show_message.cpp
    src/app/edit_selection.cpp
    src/app/key_state.cpp
    src/app/main_dialog.cpp
    src/app/column_fonts.cpp
    src/app/version_dialog.cpp
    src/app/session_end.cpp
)
