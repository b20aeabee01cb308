list(APPEND KORVEX_SHELL_SOURCES
    src/view/column_subclass.cpp
)
list(APPEND KORVEX_SHELL_SOURCES
    src/view/load_page.cpp
)
list(APPEND KORVEX_SHELL_SOURCES
    src/view/scroll_handlers.cpp
    src/view/column_key_handlers.cpp
    src/view/caret_status.cpp
    src/view/caret_place.cpp
    src/view/values_shown.cpp
    src/view/goto_dialog.cpp
    src/view/overwrite_bytes.cpp
    src/view/copy_paste.cpp
    src/view/range_boxes.cpp
    src/view/range_dialog.cpp
    src/view/range_save.cpp
    src/view/caret_bytes.cpp
    src/view/values_window.cpp
)
