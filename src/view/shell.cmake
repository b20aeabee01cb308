list(APPEND KORVEX_SHELL_SOURCES
    src/view/column_subclass.cpp
    src/view/load_page.cpp
    src/view/char_page.cpp
    src/view/scroll_handlers.cpp
    src/view/column_key_handlers.cpp
    src/view/caret_status.cpp
    src/view/caret_place.cpp
    src/view/goto_dialog.cpp
    src/view/overwrite_bytes.cpp
    src/view/caret_bytes.cpp
    src/view/select_bytes.cpp
)
