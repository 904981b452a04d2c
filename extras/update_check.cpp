// The online update check and the "Update Available" dialog (template 7296, list 3258). The FTP
// login of the update server is kept scrambled so that it does not stand in the program as text.
#include "extras/update_check.h"

#include <array>
#include <memory>
#include <string>
#include <string_view>

#include "core/app_settings.h"
#include "core/frame_state.h"
#include "core/program_folder.h"
#include "core/reg_key.h"
#include "core/res_string.h"
#include "core/screen_class.h"
#include "core/settings_key.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "core/theme.h"
#include "core/theme_record.h"
#include "platform/commctrl.h"
#include "platform/dialogs.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/owner_draw.h"
#include "platform/process.h"
#include "platform/system.h"
#include "platform/text.h"
#include "platform/user.h"
#include "resources/resource.h"
#include "ui/dialog_conventions.h"
#include "ui/dlg_services.h"
#include "ui/draw_prims.h"
#include "ui/frame_calls.h"
#include "ui/gdi_scope.h"
#include "ui/layout.h"
#include "ui/list_rows.h"
#include "ui/list_view_calls.h"
#include "ui/main_state.h"
#include "ui/view_focus.h"

UpdateDlgState g_UpdateDlg;

namespace {

constexpr const WCHAR* kAgentName = u"Vestral Agenda";
constexpr const WCHAR* kOpenFailedText = u"InternetOpen failed";
constexpr const WCHAR* kUnreachableText =
    u"Unable to Check for update at this time. Please check your internet connection.";
constexpr const WCHAR* kLatestText = u"You have the latest version available.";
constexpr const WCHAR* kColumnFailText = u"Item Contact - Column Add Problem";
constexpr const WCHAR* kNoFeaturesText = u"No New Features Listed.";
constexpr const WCHAR* kUpdateNowText = u"Update Now?";
constexpr const WCHAR* kNewFeaturesFormat = u"New Features of Version %s:";
constexpr const WCHAR* kUpdatedFoundText = u"An Updated Version was Found.";
constexpr const WCHAR* kBadPackageText =
    u"The downloaded update is incomplete or is not an installable package, so nothing was installed.";
constexpr const WCHAR* kNotStartedText = u"The update could not be started, so nothing was installed.";
// The cabinet header: its mark, and the whole cabinet's size as a little-endian number at byte 8.
constexpr std::string_view kCabinetMark = "MSCF";
constexpr std::size_t kCabinetSizeAt = 8;
constexpr std::size_t kCabinetHeaderBytes = 36;
constexpr const WCHAR* kKeepInfoValue = u"ZQKEEPINFO";
constexpr std::u16string_view kUpdateMarker = u"ZQUPDATE";
constexpr WCHAR kFieldEnd = u'|';
// The version file is read in pieces of this size, and no further than the limit: a longer
// answer is no version file.
constexpr DWORD kInfoBytes = 512;
constexpr std::size_t kInfoLimitBytes = 64 * 1024;
constexpr DWORD kHttpOk = 200;
constexpr int kColumnMargin = 6;
constexpr int kThemeBackground = 10;
constexpr int kThemePrimaryText = 8;
constexpr int kThemeNoteText = 13;
constexpr int kBandTextX = 28;
constexpr int kBandTextY = 4;
constexpr int kBandLeft = 8;
constexpr int kBandGap = 4;
constexpr int kIconSize = 16;
constexpr int kIconTopVga = 10;
constexpr int kIconTop = 6;
constexpr COLORREF kMagenta = 0xFF00FF;

// The login of the update server, each byte mixed with the key.
constexpr char kLoginKey = 0x5A;
constexpr std::array<char, 8> kScrambledUser = {0x20, 0x2B, 0x2F, 0x2A, 0x3E, 0x3B, 0x2E, 0x3F};
constexpr std::array<char, 7> kScrambledPassword = {0x32, 0x2C, 0x77, 0x69, 0x74, 0x6F, 0x6A};

template <std::size_t N>
std::u16string Unscramble(const std::array<char, N>& bytes) {
    std::u16string text;
    for (char c : bytes) text += static_cast<char16_t>(static_cast<unsigned char>(c ^ kLoginKey));
    return text;
}

struct InternetCloser {
    void operator()(void* handle) const { InternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, InternetCloser>;

std::u16string Trim(std::u16string_view text) {
    const std::size_t first = text.find_first_not_of(u' ');
    if (first == std::u16string_view::npos) return {};
    const std::size_t last = text.find_last_not_of(u' ');
    return std::u16string(text.substr(first, last - first + 1));
}

// Takes the text up to the next '|' off the front, trimmed; false when there is no '|'.
bool TakeField(std::u16string& text, std::u16string& field) {
    const std::size_t end = text.find(kFieldEnd);
    if (end == std::u16string::npos) return false;
    field = Trim(std::u16string_view(text).substr(0, end));
    text.erase(0, end + 1);
    return true;
}

LONG ToNumber(const std::u16string& text) { return static_cast<LONG>(_wtol(text.c_str())); }

std::u16string InfoUrl() { return std::u16string(u"http://") + kUpdateWebServer + kUpdateInfoPath; }

// A server that answers with an error page has no version file to give: that is reported like an
// unreachable one rather than silently parsed as a version file.
bool AnsweredOk(HINTERNET file) {
    DWORD status = 0;
    DWORD size = sizeof status;
    if (!HttpQueryInfoW(file, HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr)) return true;
    return status == kHttpOk;
}

// The answer comes in as many pieces as the network gives it: each is read until the end.
bool ReadWholeAnswer(HINTERNET file, std::string& bytes) {
    char piece[kInfoBytes] = {};
    DWORD read = 0;
    do {
        if (!InternetReadFile(file, piece, kInfoBytes, &read)) return false;
        bytes.append(piece, read);
        if (bytes.size() > kInfoLimitBytes) return false;
    } while (read > 0);
    return true;
}

HWND UpdateList(HWND dialog) { return GetDlgItem(dialog, IDC_UPDATE_LIST); }

int LineHeight(HDC dc) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    return metrics.tmHeight;
}

HFONT MakeBandFont() {
    LOGFONTW font{};
    InitLogFont(font, g_Settings.fontSize + 1, false, false);
    return CreateFontIndirectW(&font);
}

int BandHeight(HWND dialog) {
    const HDC dc = GetDC(dialog);
    OwnedFont font(MakeBandFont());
    int height = 0;
    {
        SelectScope scope(dc, font.Get());
        height = 2 * LineHeight(dc) + 2 * kBandGap;
    }
    ReleaseDC(dialog, dc);
    return height;
}

void InsertRow(HWND list, int row, const std::u16string& text) {
    std::u16string copy = text;
    LVITEMW item{};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = copy.data();
    SendMessageW(list, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
}


// The first entry is the version of the header, every later non-empty entry a row.
int FillFeatureRows(HWND list, const std::u16string& features) {
    std::u16string rest = features + u",";
    g_UpdateDlg.version.clear();
    int rows = 0;
    for (bool first = true;; first = false) {
        const std::size_t comma = rest.find(u',');
        if (comma == std::u16string::npos) break;
        const std::u16string entry = Trim(std::u16string_view(rest).substr(0, comma));
        rest.erase(0, comma + 1);
        if (first) {
            g_UpdateDlg.version = entry;
        } else if (!entry.empty()) {
            InsertRow(list, rows++, entry);
        }
    }
    if (rows == 0) InsertRow(list, rows++, kNoFeaturesText);
    return rows;
}

const std::u16string* g_PendingFeatures = nullptr;

BOOL OnUpdateInit(HWND dialog) {
    if (!InitDlgMenuBar(dialog, IDM_UPDATE_BAR, BackKey::kDefault)) {
        EndDialog(dialog, kDlgFailed);
        return TRUE;
    }
    SetTitleText(dialog, LoadResString(IDS_UPDATE_AVAILABLE).c_str());
    const HWND list = UpdateList(dialog);
    SubclassItemList(list, 0);
    SendMessageW(list, LVM_SETEXTENDEDLISTVIEWSTYLE, LVS_EX_FULLROWSELECT, LVS_EX_FULLROWSELECT);
    RECT client{};
    GetClientRect(dialog, &client);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = client.right - GetSystemMetrics(SM_CXVSCROLL) - kColumnMargin;
    if (SendMessageW(list, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column)) < 0) {
        MessageBoxW(dialog, kColumnFailText, nullptr, MB_OK | MB_ICONEXCLAMATION);
    }
    FitDlgListBelow(dialog, IDC_UPDATE_LIST, BandHeight(dialog));
    SendMessageW(list, LVM_DELETEALLITEMS, 0, 0);
    const int rows = g_PendingFeatures ? FillFeatureRows(list, *g_PendingFeatures) : 0;
    if (rows > 1) LvSelectRow(list, 1);
    SetFocus(list);
    if (SendMessageW(list, LVM_GETITEMCOUNT, 0, 0) == 0) EndDialog(dialog, kDlgFailed);
    return TRUE;
}

void PaintUpdateBand(HWND dialog) {
    PAINTSTRUCT paint{};
    const HDC dc = BeginPaint(dialog, &paint);
    RECT client{};
    GetClientRect(dialog, &client);
    const int band = BandHeight(dialog);
    OwnedBrush background(CreateSolidBrush(static_cast<COLORREF>(g_Theme.words[kThemeBackground])));
    const RECT bandRect{0, 0, client.right, band};
    FillRect(dc, &bandRect, background.Get());
    if (const HBITMAP icon = LoadBitmapW(g_Main.instance, MAKEINTRESOURCEW(IDB_UPDATE_ICON))) {
        const HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ previous = SelectObject(source, icon);
        TransparentImage(dc, kBandLeft, IsVgaScreen() ? kIconTopVga : kIconTop, kIconSize, kIconSize, source, 0, 0,
                         kIconSize, kIconSize, kMagenta);
        SelectObject(source, previous);
        DeleteDC(source);
        DeleteObject(icon);
    }
    OwnedFont font(MakeBandFont());
    SelectScope scope(dc, font.Get());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, static_cast<COLORREF>(g_Theme.words[kThemePrimaryText]));
    ExtTextOutW(dc, kBandTextX, kBandTextY, 0, nullptr, kUpdateNowText, 11, nullptr);
    std::u16string second = kUpdatedFoundText;
    if (!g_UpdateDlg.version.empty()) second = platform::FormatW(kNewFeaturesFormat, g_UpdateDlg.version.c_str());
    SetTextColor(dc, static_cast<COLORREF>(g_Theme.words[kThemeNoteText]));
    ExtTextOutW(dc, kBandLeft, LineHeight(dc) + kBandGap, 0, nullptr, second.c_str(), static_cast<UINT>(second.size()),
                nullptr);
    DrawSeparatorLine(dc, 0, client.right, band - 1);
    EndPaint(dialog, &paint);
}

}  // namespace

bool ParseUpdateInfo(std::u16string text, std::u16string& package, LONG& version, std::u16string& features) {
    std::u16string field;
    if (!TakeField(text, field) || field.find(kUpdateMarker) == std::u16string::npos) return false;
    if (!TakeField(text, field)) return false;
    version = ToNumber(field);
    if (!TakeField(text, field)) return false;
    package = field;
    if (!TakeField(text, field)) return false;
    features = field;
    return true;
}

std::u16string GetUpdatePackagePath() { return ProgramFolderFile(kUpdatePackageName); }

bool UpdatePackageExists() { return FileExists(GetUpdatePackagePath()); }

void DeleteLeftoverUpdate() {
    if (UpdatePackageExists()) DeleteFileW(GetUpdatePackagePath().c_str());
}

bool DownloadUpdatePackage(HINTERNET internet, const std::u16string& package) {
    const std::u16string user = Unscramble(kScrambledUser);
    const std::u16string password = Unscramble(kScrambledPassword);
    const InternetHandle session(InternetConnectW(internet, kUpdateFtpServer, INTERNET_DEFAULT_FTP_PORT, user.c_str(),
                                                  password.c_str(), INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 0));
    if (!session) return false;
    return FtpGetFileW(session.get(), package.c_str(), GetUpdatePackagePath().c_str(), FALSE, FILE_ATTRIBUTE_NORMAL,
                       FTP_TRANSFER_TYPE_BINARY, 0) != FALSE;
}

bool UpdatePackageIsWhole() {
    FILE* file = _wfopen(GetUpdatePackagePath().c_str(), u"rb");
    if (!file) return false;
    std::string header(kCabinetHeaderBytes, '\0');
    const std::size_t got = std::fread(header.data(), 1, header.size(), file);
    const bool sized = std::fseek(file, 0, SEEK_END) == 0;
    const long size = sized ? std::ftell(file) : -1;
    std::fclose(file);
    if (got != header.size() || header.compare(0, kCabinetMark.size(), kCabinetMark) != 0) return false;
    unsigned long declared = 0;
    for (std::size_t i = 0; i < 4; ++i)
        declared |= static_cast<unsigned long>(static_cast<unsigned char>(header[kCabinetSizeAt + i])) << (8 * i);
    return size > 0 && declared == static_cast<unsigned long>(size);
}

bool RunUpdatePackage() {
    RegKey key;
    if (key.Create(HKEY_CURRENT_USER, kSettingsKey) == ERROR_SUCCESS) key.WriteNumber(kKeepInfoValue, 1);
    const std::u16string path = GetUpdatePackagePath();
    SHELLEXECUTEINFOW info{};
    info.cbSize = sizeof info;
    info.fMask = SEE_MASK_NOCLOSEPROCESS;
    info.lpFile = path.c_str();
    info.nShow = SW_SHOWNORMAL;
    if (!ShellExecuteExW(&info)) {
        // No installer runs: the next removal must ask about the data again.
        if (key.IsOpen()) key.WriteNumber(kKeepInfoValue, 0);
        return false;
    }
    if (info.hProcess) CloseHandle(info.hProcess);
    return true;
}

bool UpdateAvailDlg(HWND owner, const std::u16string& features) {
    g_PendingFeatures = &features;
    const INT_PTR result = RunProgramDialog(IDD_UPDATE_AVAIL, owner, UpdateAvailDlgProc);
    g_PendingFeatures = nullptr;
    return result == kDlgAccept;
}

INT_PTR CALLBACK UpdateAvailDlgProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_INITDIALOG: return OnUpdateInit(dialog);
    case WM_COMMAND:
        switch (LOWORD(wParam)) {
        case IDOK:
        case IDM_DLG_DONE: EndDialog(dialog, kDlgAccept); return TRUE;
        case IDM_DLG_CANCEL: EndDialog(dialog, kDlgCancel); return TRUE;
        }
        return FALSE;
    case WM_SIZE: FitDlgListBelow(dialog, IDC_UPDATE_LIST, BandHeight(dialog)); return FALSE;
    case WM_MEASUREITEM:
        if (wParam == IDC_UPDATE_LIST) MeasureItemListRow(*reinterpret_cast<MEASUREITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_DRAWITEM:
        if (wParam == IDC_UPDATE_LIST) DrawItemListRow(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), UpdateList(dialog), 0);
        return TRUE;
    case WM_PAINT: PaintUpdateBand(dialog); return TRUE;
    case kMsgEndDialog: EndDialog(dialog, kDlgCancel); return TRUE;
    case WM_DESTROY: SetTitleText(GetParent(dialog), nullptr); return FALSE;
    }
    return FALSE;
}

bool CheckForUpdate() {
    const InternetHandle internet(InternetOpenW(kAgentName, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!internet) {
        ShowMessage(g_Frame.mainWnd, kOpenFailedText, MB_OK);
        return false;
    }
    bool started = false;
    InternetHandle file;
    {
        const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        file.reset(InternetOpenUrlW(internet.get(), InfoUrl().c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0));
        SetCursor(previous);
    }
    if (!file || !AnsweredOk(file.get())) {
        MessageBoxW(g_Frame.mainWnd, kUnreachableText, nullptr, MB_OK);
        return true;
    }
    std::string bytes;
    if (!ReadWholeAnswer(file.get(), bytes)) return true;
    std::u16string text(bytes.size(), u'\0');
    const int chars = MultiByteToWideChar(CP_ACP, 0, bytes.data(), static_cast<int>(bytes.size()), text.data(),
                                          static_cast<int>(text.size()));
    text.resize(static_cast<std::size_t>(chars > 0 ? chars : 0));
    std::u16string package, features;
    LONG version = 0;
    if (!ParseUpdateInfo(text, package, version, features)) return true;
    if (version <= kProgramVersion) {
        ShowMessage(g_Frame.mainWnd, kLatestText, MB_OK | MB_ICONINFORMATION);
        return true;
    }
    if (UpdateAvailDlg(g_Frame.mainWnd, features)) {
        const HCURSOR previous = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
        const bool fetched = DownloadUpdatePackage(internet.get(), package) && UpdatePackageExists();
        SetCursor(previous);
        if (fetched && !UpdatePackageIsWhole()) {
            DeleteLeftoverUpdate();
            ShowMessage(g_Frame.mainWnd, kBadPackageText, MB_OK | MB_ICONEXCLAMATION);
        } else if (fetched) {
            started = RunUpdatePackage();
            if (!started) ShowMessage(g_Frame.mainWnd, kNotStartedText, MB_OK | MB_ICONEXCLAMATION);
        }
    }
    file.reset();
    if (started && g_Frame.mainWnd) CloseMainWindowCmd(g_Frame.mainWnd);
    return true;
}
