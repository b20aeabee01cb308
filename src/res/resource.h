// Control and command identifiers shared by the resource script and the code.
// The dialog and menu names (IDD_MAIN, IDD_SEARCH, IDD_VERSION, IDD_GOTO,
// IDD_HITS, IDD_RANGE, IDD_RANGE_SAVE, IDD_INSPECTOR, IDM_FORM_MENU) are
// deliberately not defined: they stay string names and are loaded by name.
#ifndef KORVEX_RESOURCE_H
#define KORVEX_RESOURCE_H

#define IDI_KORVEX 500

// IDD_MAIN
#define IDC_HEX 100
#define IDC_JUMP 101
#define IDC_TEXT 102
#define IDC_JUMP_UNIT 103
#define IDC_READONLY 104
#define IDC_SCROLL 105
#define IDC_ADDRESS 106
#define IDC_TEXT_RULER 107
#define IDC_FILESIZE 108
#define IDC_GO 109
#define IDC_HEX_RULER 110
#define IDC_SEPARATOR 111
#define IDC_CARET_OFFSET 112

// IDM_FORM_MENU
#define IDM_OPEN 200
#define IDM_EXIT 201
#define IDM_SEARCH 202
#define IDM_VERSION 203
#define IDM_GOTO 204
#define IDM_COPY 205
#define IDM_PASTE 206
#define IDM_INSPECTOR 207
#define IDM_RANGE 208
// No menu item: F3 in the hex column opens the search with the text kept.
#define IDM_SEARCH_AGAIN 210
// No menu item: Shift+F3 in the hex column searches backward with the text kept.
#define IDM_SEARCH_BACK 211

// IDD_VERSION
#define IDC_VERSION_NAME 300
#define IDC_VERSION_NOTICE 301

// IDD_SEARCH
#define IDC_SEARCH_TEXT 400
#define IDC_SEARCH_START 401
#define IDC_SEARCH_HEX 402
#define IDC_SEARCH_STRING 403
#define IDC_SEARCH_LABEL 404
#define IDC_SEARCH_GROUP 405
#define IDC_SEARCH_BACKWARD 406
#define IDC_SEARCH_ALL 407
#define IDC_SEARCH_ENCODING 408
#define IDC_SEARCH_IGNORE_CASE 409
#define IDC_SEARCH_ENCODING_LABEL 410

// IDD_HITS
#define IDC_HITS_LIST 900
#define IDC_HITS_STOP 901

// IDD_GOTO
#define IDC_GOTO_OFFSET 600

// IDD_RANGE
#define IDC_RANGE_START 700
#define IDC_RANGE_SIZE 701
#define IDC_RANGE_HEX 702
#define IDC_RANGE_C 703
#define IDC_RANGE_SAVE 704

// IDD_RANGE_SAVE
#define IDC_RANGE_SAVE_TEXT 710

// IDD_INSPECTOR: one edit a row, IDC_INSPECT_BINARY + the row in InspectRow's order.
#define IDC_INSPECT_BINARY 800
#define IDC_INSPECT_INT8 801
#define IDC_INSPECT_UINT8 802
#define IDC_INSPECT_INT16 803
#define IDC_INSPECT_UINT16 804
#define IDC_INSPECT_INT32 805
#define IDC_INSPECT_UINT32 806
#define IDC_INSPECT_INT64 807
#define IDC_INSPECT_UINT64 808
#define IDC_INSPECT_FLOAT 809
#define IDC_INSPECT_DOUBLE 810
#define IDC_INSPECT_TIME32 811
#define IDC_INSPECT_TIME64 812
#define IDC_INSPECT_FILETIME 813
#define IDC_INSPECT_DOS_TIME 814
#define IDC_INSPECT_SHIFT_JIS 815
#define IDC_INSPECT_UTF8 816
#define IDC_INSPECT_BIG_ENDIAN 830

#endif
