// Texts shown to the user. The sources are UTF-8; the compiler stores every
// string in code page 932, the ANSI code page the program runs under.
#ifndef KORVEX_MESSAGES_H
#define KORVEX_MESSAGES_H

#define MSG_CAPTION "ﾒｯｾｰｼﾞ"
#define MSG_HOOK_FAILED "ﾌｯｸ失敗。"
#define MSG_UNHOOK_FAILED "ﾌｯｸ解除に失敗。"
#define MSG_CANNOT_OPEN "ﾌｧｲﾙを開けません。"
#define MSG_TOO_LARGE "4096(GB)を超えたﾌｧｲﾙは、扱えません。"
#define MSG_EMPTY_FILE "空ﾌｧｲﾙは、扱えません。"
#define MSG_MAPPING_FAILED "CreateFileMappingに失敗しました。"
#define MSG_VIEW_FAILED "MapViewOfFileに失敗しました。"
#define MSG_FILE_ACCESS_FAILED "ﾌｧｲﾙの読み書きに失敗しました。"
#define MSG_NOT_FOUND "検索文字が見つかりませんでした。"
#define MSG_BAD_OFFSET "ｱﾄﾞﾚｽが正しくありません。"
#define MSG_PASTE_NOT_HEX "16進数として貼り付けできません。"
#define MSG_PASTE_READ_ONLY "読み取り専用のため、貼り付けできません。"
#define MSG_PASTE_PAST_END "ﾌｧｲﾙの終わりを超えるため、貼り付けできません。"
#define MSG_PASTE_TOO_LARGE "貼り付けられるのは 16MB までです。"
#define MSG_BAD_RANGE "範囲が正しくありません。"
#define MSG_COPY_TOO_LARGE "ｸﾘｯﾌﾟﾎﾞｰﾄﾞにｺﾋﾟｰできるのは 16MB までです。"
#define MSG_SAVE_OVER_OPEN_FILE "開いているﾌｧｲﾙには保存できません。"
#define MSG_SAVED "保存しました。"
#define RANGE_SAVE_PROGRESS_FORMAT "範囲の保存 (%u%%)"
#define MSG_BAD_VALUE "値が正しくありません。"
// The checksum dialog: its caption, "ﾁｪｯｸｻﾑ (37%)" while a sum runs, and
// its close button's two texts.
#define CHECKSUM_CAPTION "ﾁｪｯｸｻﾑ"
#define CHECKSUM_PROGRESS_FORMAT "ﾁｪｯｸｻﾑ (%u%%)"
#define CHECKSUM_STOP_TEXT "中止"
#define CHECKSUM_CLOSE_TEXT "閉じる"
// The system could not give memory, a thread or a hash algorithm.
#define MSG_CHECKSUM_FAILED "ﾁｪｯｸｻﾑを計算できませんでした。"
#define FILE_SIZE_FORMAT "ﾌｧｲﾙｻｲｽﾞ：0x%08X %08X(byte)"
#define SEARCH_START_TEXT "検索開始"
#define SEARCH_STOP_TEXT "検索中止"
#define SEARCH_CAPTION "単語検索"
#define SEARCH_PROGRESS_FORMAT "単語検索 (%u%%)"
#define MSG_SEARCH_NOT_HEX "16進数として検索できません。"
#define MSG_SEARCH_NOT_CONVERTIBLE "検索文字を変換できません。"
// The string search's encodings, as the search dialog lists them and the
// hit list names the one that matched.
#define ENCODING_NAME_SHIFT_JIS "ｼﾌﾄJIS"
#define ENCODING_NAME_UTF8 "UTF-8"
#define ENCODING_NAME_UTF16LE "UTF-16LE"
#define ENCODING_NAME_UTF16BE "UTF-16BE"
#define ENCODING_NAME_ALL "すべて"
// The search dialog's search and the list of every hit share one scan.
#define MSG_SEARCH_BUSY "ほかの検索を実行中です。中止してから開始してください。"
// The list of every hit: "検索結果 (37%)" while it runs, "検索結果 (1,234 件)"
// when done, "検索結果 (100,000 件以上)" once the list is full.
#define HITS_CAPTION "検索結果"
#define HITS_CAPTION_OPEN " ("
#define HITS_CAPTION_CLOSE ")"
#define HITS_COUNT_UNIT " 件"
#define HITS_AT_LEAST " 件以上"
// Between a row's offset and the encoding that matched there.
#define HIT_ENCODING_GAP "  "
// The status line: "ｱﾄﾞﾚｽ 00000000 0001A2B3", and with a selection
// "ｱﾄﾞﾚｽ 00000000 0001A2B3  選択 12 ﾊﾞｲﾄ".
#define CARET_OFFSET_LABEL "ｱﾄﾞﾚｽ "
#define CARET_SELECTION_LABEL "  選択 "
#define CARET_SELECTION_UNIT " ﾊﾞｲﾄ"
// The status line's longest text, its terminating zero included, fits.
#define CARET_OFFSET_TEXT_SIZE 64

#define FONT_FACE_GOTHIC "ＭＳ ゴシック"

#endif
