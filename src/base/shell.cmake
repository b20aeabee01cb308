list(APPEND KORVEX_SHELL_SOURCES
    src/base/viewer_state.cpp
    src/base/show_message.cpp
    src/base/edit_selection.cpp
    src/base/key_state.cpp
    src/base/center_window.cpp
    src/base/paint_nothing.cpp
    src/base/clipboard_text.cpp
    src/base/program_icon.cpp
    src/base/dialog_focus.cpp
)
