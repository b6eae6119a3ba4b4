// The texts the program shows in message boxes and titles, in code page 932 like every literal of the program.
#pragma once

constexpr char kProductName[] = "Korvane";

constexpr char kSavePromptFormat[] = "%s%s への変更を保存しますか?";
constexpr char kDeleteSettingsPrompt[] = "ﾚｼﾞｽﾄﾘを削除してもよろしいですか？";
constexpr char kFileMissingText[] = "The file doesn't exist!";
constexpr char kNameTooLongText[] = "The file name is too long!";
constexpr char kLoadErrorText[] = "Loading error!";
constexpr char kCreateErrorText[] = "Creating error!";
constexpr char kSaveErrorText[] = "Saving error!";
constexpr char kTitleFormat[] = "%s - [%s%s]";
constexpr char kChangedTitleFormat[] = "%s - [%s%s *]";

// The colour-table editor.
constexpr char kEditorTitle[] = "カラーテーブル一覧";
constexpr char kEditorChangedTitle[] = "カラーテーブル一覧 *";
constexpr char kApplyPrompt[] = "カラーテーブルの変更を画像に反映しますか？\n（保存ではありません）";
constexpr char kRevertPrompt[] = "最終保存時からの変更がすべて失われます。よろしいですか？";
constexpr char kTooFewEntriesText[] = "ｴﾝﾄﾘ数が少ないです.";
constexpr char kActTooLargeText[] = "An Adobe colour table holds at most 256 entries!";
// The tip over a cell: the entry's number, its red, green and blue and hex code, then how many
// pixels use it and their share of the image, or that none does.
constexpr char kEntryTipFormat[] = "項目 %u\r\nR %u  G %u  B %u  %s\r\n";
constexpr char kEntryUsedFormat[] = "%s 画素 (%s%%)";
constexpr char kEntryUnusedText[] = "使用している画素はありません";
constexpr char kPasteEmptyText[] = "貼り付ける色がありません.";
constexpr char kPasteRefusedText[] =
    "色として読めない文字があります.\n#RRGGBB, RRGGBB, #RGB を空白・改行・ｶﾝﾏで区切ってください.";

// The options dialog: the smallest and the largest value of the field that failed.
constexpr char kRangeFormat[] = "%dから%dまでの整数を指定してください.";
