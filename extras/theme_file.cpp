// Theme files (".zqth"): the current theme saved and restored as lines of a text record file,
// the default theme file beside the program, and the two theme-file commands.
#include "extras/theme.h"

#include <algorithm>
#include <cstdio>

#include "core/file_handle.h"
#include "core/frame_state.h"
#include "core/program_folder.h"
#include "core/record_file.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "core/theme.h"
#include "core/theme_record.h"
#include "platform/files.h"
#include "platform/user.h"
#include "ui/file_picker.h"
#include "ui/text_prompt.h"

namespace {

constexpr LONG kThemeFileVersion = 331;
constexpr char16_t kDefaultThemeFile[] = u"deftheme.zqth";
constexpr char16_t kDefaultThemeFileSaved[] = u"defTheme.zqth";
constexpr char16_t kThemeFileExtension[] = u".zqth";
constexpr char16_t kSaveThemeCaption[] = u"Save Theme File";
constexpr char16_t kSaveThemePrompt[] = u"Enter File Name:";
constexpr char16_t kNoQuestionMarkText[] = u"A '?' is not allowed in the file name.";
constexpr char16_t kThemeValuesReplacedText[] =
    u"The theme file has values that no theme can hold; those were replaced by the default theme's values.";

enum class ValueKind { Number, String };

// One line of the file: what it holds and the oldest version that has it.
struct ThemeLine {
    ValueKind kind;
    int word;
    LONG sinceVersion;
};

constexpr ThemeLine kThemeLines[] = {
    {ValueKind::Number, 33, 0},  {ValueKind::Number, 39, 0},  {ValueKind::Number, 34, 0},
    {ValueKind::Number, 35, 0},  {ValueKind::Number, 36, 0},  {ValueKind::Number, 38, 0},
    {ValueKind::String, 43, 0},  {ValueKind::String, 47, 0},  {ValueKind::String, 44, 0},
    {ValueKind::String, 46, 0},  {ValueKind::Number, 1, 0},   {ValueKind::Number, 0, 0},
    {ValueKind::Number, 2, 0},   {ValueKind::Number, 3, 0},   {ValueKind::Number, 10, 0},
    {ValueKind::Number, 11, 0},  {ValueKind::Number, 4, 0},   {ValueKind::Number, 5, 0},
    {ValueKind::Number, 7, 0},   {ValueKind::Number, 6, 0},   {ValueKind::Number, 8, 0},
    {ValueKind::Number, 12, 0},  {ValueKind::Number, 13, 0},  {ValueKind::Number, 14, 0},
    {ValueKind::Number, 15, 0},  {ValueKind::Number, 16, 0},  {ValueKind::Number, 17, 0},
    {ValueKind::Number, 18, 0},  {ValueKind::Number, 19, 0},  {ValueKind::Number, 20, 0},
    {ValueKind::Number, 21, 0},  {ValueKind::Number, 22, 0},  {ValueKind::Number, 23, 0},
    {ValueKind::Number, 24, 0},  {ValueKind::Number, 25, 0},  {ValueKind::Number, 40, 225},
    {ValueKind::Number, 26, 226}, {ValueKind::Number, 27, 226}, {ValueKind::Number, 28, 226},
    {ValueKind::Number, 29, 226}, {ValueKind::Number, 50, 227}, {ValueKind::Number, 51, 227},
    {ValueKind::Number, 52, 227}, {ValueKind::String, 48, 227}, {ValueKind::String, 49, 227},
    {ValueKind::String, 45, 227}, {ValueKind::Number, 30, 227}, {ValueKind::Number, 31, 227},
    {ValueKind::Number, 37, 227}, {ValueKind::Number, 54, 228}, {ValueKind::Number, 41, 228},
    {ValueKind::Number, 53, 310}, {ValueKind::Number, 9, 325},  {ValueKind::Number, 32, 331},
    {ValueKind::Number, 55, 331},
};

// What each number may hold; a value outside (a damaged or hand-made file) would paint with no
// colour or index past a table of choices, so it is replaced by the default.
struct ThemeRange {
    int first;
    int last;
    LONG min;
    LONG max;
};
constexpr ThemeRange kThemeRanges[] = {
    {0, 32, 0, 0xFFFFFF},  // colours
    {33, 33, 0, 5},        // list background
    {35, 35, 0, 4},        // gradient
    {36, 36, 0, 3},        // title bars
    {37, 37, 0, 5},        // drop buttons
    {50, 52, 0, 25},       // margins
    {53, 53, 0, 3},        // default spin centre
    {54, 54, 0, 3},        // selection style
};
// Longer picture names than a device path holds are no picture names.
constexpr std::size_t kMaxPictureName = 259;

int ReplaceOutOfRange(ThemeRec& theme) {
    const ThemeRec defaults;
    int replaced = 0;
    for (const ThemeRange& range : kThemeRanges)
        for (int word = range.first; word <= range.last; ++word) {
            LONG& value = theme.words[static_cast<std::size_t>(word)];
            if (value >= range.min && value <= range.max) continue;
            value = defaults.words[static_cast<std::size_t>(word)];
            ++replaced;
        }
    for (int word = kThemeName + 1; word < kThemeFirstString + kThemeStringCount; ++word) {
        std::u16string& text = theme.String(word);
        const bool control = std::any_of(text.begin(), text.end(), [](char16_t c) { return c < u' '; });
        if (text.size() <= kMaxPictureName && !control) continue;
        text.clear();
        ++replaced;
    }
    return replaced;
}

// An earlier release wrote this grey for some colours; it is read as the grey meant.
constexpr LONG kOldGrey = 0xEAEBEB;
constexpr LONG kFixedGrey = 0xECECEC;
constexpr int kGreyFixedWords[] = {3, 5, 7, 11, 14, 15, 21, 22};

void FixOldGreys(ThemeRec& theme) {
    for (const int word : kGreyFixedWords) {
        LONG& value = theme.words[static_cast<std::size_t>(word)];
        if (value == kOldGrey) value = kFixedGrey;
    }
}

std::u16string DefaultThemePath(bool saving) {
    return ProgramFolderFile(saving ? kDefaultThemeFileSaved : kDefaultThemeFile);
}

}  // namespace

int ThemeSerialize(ThemeRec& theme, RecordFile& file, bool writing) {
    if (writing) {
        WriteNumLine(file, kThemeFileVersion);
        for (const ThemeLine& line : kThemeLines) {
            if (line.kind == ValueKind::Number) WriteNumLine(file, theme.words[static_cast<std::size_t>(line.word)]);
            else WriteStrLine(file, theme.String(line.word));
        }
        return 0;
    }
    const LONG version = ReadNumLine(file);
    for (const ThemeLine& line : kThemeLines) {
        if (version < line.sinceVersion) continue;
        // A file cut short keeps what the record held for the values it lacks.
        if (line.kind == ValueKind::Number) {
            const LONG value = ReadNumLine(file);
            if (file.endOfFile) break;
            theme.words[static_cast<std::size_t>(line.word)] = value;
        } else {
            std::u16string text = ReadStrLine(file);
            if (file.endOfFile) break;
            theme.String(line.word) = std::move(text);
        }
    }
    FixOldGreys(theme);
    return ReplaceOutOfRange(theme);
}

void LoadThemeFile(const std::u16string& path, ThemeRec& theme) {
    const std::u16string name = path.empty() ? DefaultThemePath(false) : path;
    const FileHandle handle(_wfopen(name.c_str(), u"r"));
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    if (ThemeSerialize(theme, file, false) > 0) ShowMessage(g_Frame.mainWnd, kThemeValuesReplacedText, MB_OK | MB_ICONEXCLAMATION);
}

void SaveThemeFile(const std::u16string& path) {
    const std::u16string name = path.empty() ? DefaultThemePath(true) : path;
    const FileHandle handle(_wfopen(name.c_str(), u"w"));
    if (!handle) return;
    RecordFile file;
    file.file = handle.get();
    file.textMode = TRUE;
    ThemeSerialize(g_Theme, file, true);
}

void SaveThemeAsDefault() { SaveThemeFile(u""); }

bool OpenThemeFileCmd(HWND owner) {
    // The picker starts in the program folder, where the theme files are kept.
    std::u16string folder = ProgramFolderFile(u"");
    if (!folder.empty() && folder.back() == u'\\') folder.pop_back();
    g_FilePicker.chosenPath = folder;
    if (!ShowFilePickerDlg(owner, kPickThemeFile) || g_FilePicker.chosenPath.empty()) return false;
    LoadThemeFile(g_FilePicker.chosenPath);
    SaveThemeAsDefault();
    return true;
}

void SaveThemeAsCmd(HWND owner) {
    g_PromptText.clear();
    if (PromptText(owner, kSaveThemeCaption, kSaveThemePrompt) != kPromptAccepted) return;
    const std::u16string name = TrimSpaces(g_PromptText);
    if (name.empty()) return;
    if (name.find(u'?') != std::u16string::npos) {
        ShowMessage(owner, kNoQuestionMarkText, MB_ICONEXCLAMATION);
        return;
    }
    SaveThemeFile(ProgramFolderFile(name + kThemeFileExtension));
}
