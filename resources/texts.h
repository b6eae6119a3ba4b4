// The texts the program shows in message boxes and titles, in code page 932 like every literal of the program.
#pragma once

constexpr char kSavePromptFormat[] = "%s%s への変更を保存しますか?";
constexpr char kDeleteSettingsPrompt[] = "ﾚｼﾞｽﾄﾘを削除してもよろしいですか？";
constexpr char kFileMissingText[] = "The file doesn't exist!";
constexpr char kNameTooLongText[] = "The file name is too long!";
constexpr char kLoadErrorText[] = "Loading error!";
constexpr char kCreateErrorText[] = "Creating error!";
constexpr char kSaveErrorText[] = "Saving error!";
constexpr char kTitleFormat[] = "%s - [%s%s]";
constexpr char kChangedTitleFormat[] = "%s - [%s%s *]";
