// Weather observations: the settings, the FTP download of the station file, the METAR parse and
// the badge. Download and parse name the same station, so a fetched report is always accepted.
#include "extras/weather.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <memory>

#include "core/frame_state.h"
#include "core/program_folder.h"
#include "core/reg_key.h"
#include "core/settings_key.h"
#include "core/show_message.h"
#include "core/text_util.h"
#include "extras/weather_badge.h"
#include "extras/weather_settings.h"
#include "platform/commctrl.h"
#include "platform/files.h"
#include "platform/gdi.h"
#include "platform/text.h"
#include "platform/time.h"
#include "platform/wininet.h"
#include "ui/image_lists.h"

WeatherObs g_WeatherObs;
WeatherSettings g_WeatherSettings;
std::u16string g_WxStation = kWxDefaultStation;
LONG g_WxFailureShown = kWxStatusNone;

namespace {

constexpr const WCHAR* kAgentName = u"Vestral Agenda";
constexpr const WCHAR* kOpenFailedText = u"InternetOpen failed";
constexpr const WCHAR* kConnectFailedText = u"Weather: the report server could not be reached.";
constexpr const WCHAR* kFolderFailedText = u"Weather: the report server has no folder of station reports.";
constexpr const WCHAR* kTransferFailedText = u"Weather: the station's report could not be downloaded.";

const WCHAR* WxFailureText(LONG status) {
    switch (status) {
    case kWxOpenFailed: return kOpenFailedText;
    case kWxConnectFailed: return kConnectFailedText;
    case kWxFolderFailed: return kFolderFailedText;
    default: return kTransferFailedText;
    }
}
constexpr const WCHAR* kNoWxText = u"No Wx";
constexpr const WCHAR* kStationFileExt = u".TXT";
constexpr int kLineBytes = 512;
constexpr DWORD kMsPerHour = 3600000;
constexpr WCHAR kDegreeSign = 176;
constexpr int kBadgeTextOffset = 12;
constexpr int kBadgeIconDrop = 1;
constexpr std::size_t kStationChars = 4;

struct WeatherValueDef {
    const WCHAR* name;
    LONG WeatherSettings::*value;
};
// Read and written in this order.
constexpr WeatherValueDef kWeatherValues[] = {
    {u"WEATHER", &WeatherSettings::weather},
    {u"WXREADTIME", &WeatherSettings::wxReadTime},
    {u"FAHR", &WeatherSettings::fahr},
    {u"WXUPDATE", &WeatherSettings::wxUpdate},
};

struct SectorBound {
    LONG upTo;
    LONG sector;
};
// The sectors are not all of one width; above the last bound the wind is north again.
constexpr SectorBound kSectorBounds[] = {{20, 0},  {70, 1},  {110, 2}, {160, 3},
                                         {200, 4}, {250, 5}, {290, 6}, {340, 7}};
constexpr LONG kNorthSector = 0;

struct CodeValue {
    std::u16string_view code;
    LONG condition;
};
constexpr LONG kNoChange = -2;
constexpr CodeValue kDescriptors[] = {{u"MI", kNoChange}, {u"PR", kNoChange}, {u"BC", kNoChange},
                                      {u"DR", kNoChange}, {u"BL", 10},        {u"SH", 4},
                                      {u"TS", 5},         {u"FZ", kNoChange}};
constexpr LONG kThunderstorm = 5;
// Phenomena; `overThunder` false for those that a thunderstorm keeps.
struct Phenomenon {
    std::u16string_view code;
    LONG condition;
    bool overThunder;
};
constexpr Phenomenon kPhenomena[] = {
    {u"DZ", kNoChange, true}, {u"RA", 4, false}, {u"SN", 9, false}, {u"SG", 9, false}, {u"IC", 9, false},
    {u"PL", 7, false},        {u"GR", 7, false}, {u"GS", 7, false}, {u"UP", 6, true},  {u"BR", 6, true},
    {u"HZ", 6, true},         {u"FG", 8, true},
};
constexpr CodeValue kSkyCodes[] = {{u"CLR", 0}, {u"SKC", 0}, {u"FEW", 1}, {u"SCT", 1},
                                   {u"BKN", 2}, {u"OVC", 3}, {u"TCU", 3}, {u"TCB", 3}};
constexpr std::u16string_view kWxGroupStarts[] = {u"VC", u"MI", u"PR", u"BC", u"DR", u"BL", u"SH", u"TS",
                                                  u"FZ", u"DZ", u"RA", u"SN", u"SG", u"IC", u"PL", u"GR",
                                                  u"GS", u"UP", u"PO", u"SQ", u"FC", u"SS"};
constexpr LONG kIntensityLight = 0;
constexpr LONG kIntensityModerate = 1;
constexpr LONG kIntensityHeavy = 2;

struct InternetCloser {
    void operator()(void* handle) const { InternetCloseHandle(handle); }
};
using InternetHandle = std::unique_ptr<void, InternetCloser>;

struct FileCloser {
    void operator()(FILE* file) const { std::fclose(file); }
};

// The number at the start of the text as the runtime reads it: a sign, then digits up to the first
// other character; no digits give 0.
LONG LeadingNumber(std::u16string_view text) {
    bool negative = false;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) negative = text[i++] == u'-';
    LONG value = 0;
    for (; i < text.size() && text[i] >= u'0' && text[i] <= u'9'; ++i) value = value * 10 + (text[i] - u'0');
    return negative ? -value : value;
}

char16_t Upper(char16_t c) { return c >= u'a' && c <= u'z' ? static_cast<char16_t>(c - u'a' + u'A') : c; }

bool SameNoCase(std::u16string_view a, std::u16string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (Upper(a[i]) != Upper(b[i])) return false;
    return true;
}

// The present-weather group: intensity, descriptor and phenomenon; false when it is malformed.
bool ParseWxGroup(std::u16string group, WeatherObs& obs) {
    obs[kWxIntensity] = kIntensityModerate;
    if (group.starts_with(u'+') || group.starts_with(u'-')) {
        obs[kWxIntensity] = group[0] == u'+' ? kIntensityHeavy : kIntensityLight;
        group.erase(0, 1);
    }
    if (group.starts_with(u"VC")) {
        group.erase(0, 2);
        if (group.size() < 2) return false;
    }
    if (group.size() == 4) {
        const std::u16string_view descriptor = std::u16string_view(group).substr(0, 2);
        for (const CodeValue& entry : kDescriptors)
            if (entry.code == descriptor && entry.condition != kNoChange) obs[kWxCondition] = entry.condition;
        group.erase(0, 2);
    }
    if (group.size() != 2) return false;
    for (const Phenomenon& entry : kPhenomena) {
        if (entry.code != group || entry.condition == kNoChange) continue;
        if (entry.overThunder || obs[kWxCondition] != kThunderstorm) obs[kWxCondition] = entry.condition;
    }
    return true;
}

void ReadSky(std::u16string_view sky, WeatherObs& obs) {
    if (obs[kWxCondition] != kWxNoCondition) return;
    for (const CodeValue& entry : kSkyCodes)
        if (sky.substr(0, 3) == entry.code) obs[kWxCondition] = entry.condition;
}

std::u16string WeatherFilePath() { return ProgramFolderFile(kWxFileName); }

// One line of at most 512 bytes as wide text, without its line end; false at the end of the file.
bool ReadWideLine(FILE* file, std::u16string& line) {
    char bytes[kLineBytes + 1] = {};
    if (!std::fgets(bytes, sizeof bytes, file)) return false;
    const int length = static_cast<int>(std::strlen(bytes));
    std::u16string wide(static_cast<std::size_t>(length), u'\0');
    const int chars = MultiByteToWideChar(CP_ACP, 0, bytes, length, wide.data(), length);
    wide.resize(static_cast<std::size_t>(chars > 0 ? chars : 0));
    while (!wide.empty() && (wide.back() == u'\n' || wide.back() == u'\r')) wide.pop_back();
    line = std::move(wide);
    return true;
}

}  // namespace

WeatherObs::WeatherObs() {
    words[kWxDay] = -1;
    words[kWxHour] = -1;
    words[kWxStatus] = kWxStatusNone;
}

LONG ReadWeatherSettings() {
    RegKey key;
    const LONG status = key.Open(HKEY_CURRENT_USER, kSettingsKey);
    if (status != ERROR_SUCCESS) return status;
    for (const WeatherValueDef& def : kWeatherValues) key.ReadNumber(def.name, g_WeatherSettings.*def.value);
    return ERROR_SUCCESS;
}

LONG SaveWeatherSettings() {
    RegKey key;
    LONG status = key.Create(HKEY_CURRENT_USER, kSettingsKey);
    if (status != ERROR_SUCCESS) return status;
    for (const WeatherValueDef& def : kWeatherValues) {
        status = key.WriteNumber(def.name, g_WeatherSettings.*def.value);
        if (status != ERROR_SUCCESS) return status;
    }
    return ERROR_SUCCESS;
}

bool WeatherBadgeOn() { return g_WeatherSettings.weather != 0; }

bool DownloadMetar(const std::u16string& station, const std::u16string& localPath, LONG& status) {
    const InternetHandle internet(InternetOpenW(kAgentName, INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0));
    if (!internet) {
        status = kWxOpenFailed;
        return false;
    }
    const InternetHandle session(InternetConnectW(internet.get(), kWxServer, INTERNET_DEFAULT_FTP_PORT, u"anonymous",
                                                  u"", INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 0));
    if (!session) {
        status = kWxConnectFailed;
        return false;
    }
    if (!FtpSetCurrentDirectoryW(session.get(), kWxFolder)) status = kWxFolderFailed;
    const std::u16string remote = station + kStationFileExt;
    if (!FtpGetFileW(session.get(), remote.c_str(), localPath.c_str(), FALSE, FILE_ATTRIBUTE_NORMAL,
                     FTP_TRANSFER_TYPE_BINARY, 0)) {
        status = kWxTransferFailed;
        return false;
    }
    return true;
}

bool FetchWeatherReport() {
    g_WxStation = kWxDefaultStation;
    return DownloadMetar(g_WxStation, WeatherFilePath(), g_WeatherObs[kWxStatus]);
}

bool ReadWeatherReport() {
    g_WxStation = kWxDefaultStation;
    return LoadWeatherFile(g_WeatherObs, g_WxStation, WeatherFilePath());
}

bool LoadWeatherFile(WeatherObs& obs, const std::u16string& station, const std::u16string& path) {
    const std::unique_ptr<FILE, FileCloser> file(_wfopen(path.c_str(), u"rt"));
    if (!file) return false;
    // The station's line is the first or, after the date line, the second.
    for (int attempt = 0; attempt < 2; ++attempt) {
        std::u16string line;
        if (!ReadWideLine(file.get(), line) || line.size() < kStationChars) return false;
        if (SameNoCase(std::u16string_view(line).substr(0, kStationChars), station)) return ParseMetar(line, obs);
    }
    return false;
}

bool NextMetarToken(std::u16string_view& line, std::u16string& token) {
    const std::size_t start = line.find_first_not_of(u' ');
    if (start == std::u16string_view::npos) {
        line = {};
        token.clear();
        return false;
    }
    line.remove_prefix(start);
    const std::size_t end = std::min(line.find(u' '), line.size());
    token.assign(line.substr(0, end));
    line.remove_prefix(end);
    return !token.empty();
}

bool IsWxGroup(std::u16string_view token) {
    if (token.starts_with(u'+') || token.starts_with(u'-')) return true;
    if (token.size() < 2) return false;
    for (std::u16string_view start : kWxGroupStarts)
        if (SameNoCase(token.substr(0, 2), start)) return true;
    return false;
}

void WindDirToSector(WeatherObs& obs, LONG degrees) {
    if (degrees < 0) return;
    for (const SectorBound& bound : kSectorBounds) {
        if (degrees <= bound.upTo) {
            obs[kWxWindSector] = bound.sector;
            return;
        }
    }
    obs[kWxWindSector] = kNorthSector;
}

LONG CelsiusToFahr(LONG celsius) { return static_cast<LONG>(celsius * 1.8 + 32.0); }

bool ParseMetar(std::u16string_view line, WeatherObs& obs) {
    std::u16string token;
    NextMetarToken(line, token);  // the station
    if (NextMetarToken(line, token)) {  // ddhhmmZ
        if (token.size() < 6) return false;
        obs[kWxDay] = LeadingNumber(std::u16string_view(token).substr(0, 2));
        obs[kWxHour] = LeadingNumber(std::u16string_view(token).substr(2, 2));
    }
    if (NextMetarToken(line, token)) {  // wind
        if (token.size() < 3) return false;
        if (token.starts_with(u"VRB")) obs[kWxWindSector] = kWxVariableWind;
        else WindDirToSector(obs, LeadingNumber(std::u16string_view(token).substr(0, 3)));
    }
    NextMetarToken(line, token);  // visibility
    obs[kWxCondition] = kWxNoCondition;
    token.clear();
    if (NextMetarToken(line, token)) {
        if (token.size() < 2) return false;
        if (IsWxGroup(token)) {
            if (!ParseWxGroup(token, obs)) return false;
            if (!NextMetarToken(line, token)) return false;
        }
    }
    if (token.size() < 3) return false;
    ReadSky(token, obs);
    if (NextMetarToken(line, token)) {  // temperature/dew point
        obs[kWxTemperature] = -1;
        if (token.size() < 2) return false;
        std::u16string degrees = token.starts_with(u'M') ? u"-" + token.substr(1, 2) : token.substr(0, 2);
        obs[kWxTemperature] = CelsiusToFahr(LeadingNumber(degrees));
    }
    obs[kWxValid] = 1;
    obs[kWxStatus] = kWxStatusNone;
    return true;
}

bool WeatherFileExists() { return FileExists(WeatherFilePath()); }

bool UpdateWeatherIfDue(bool force) {
    if (g_WeatherSettings.weather == 0) return false;
    const DWORD now = GetTickCount();
    const DWORD last = static_cast<DWORD>(g_WeatherSettings.wxReadTime);
    const bool due = force || last == 0 ||
                     now - last > static_cast<DWORD>(g_WeatherSettings.wxUpdate) * kMsPerHour;
    if (!due) return false;
    // A failed try waits for the next interval too, rather than asking the server every minute.
    g_WeatherSettings.wxReadTime = static_cast<LONG>(now);
    SaveWeatherSettings();
    if (!FetchWeatherReport()) return false;
    ReadWeatherReport();
    return true;
}

bool RefreshWeather(HWND owner) {
    if (g_WeatherSettings.weather == 0) return false;
    bool changed = g_WeatherObs[kWxValid] == 0 && ReadWeatherReport();
    if (UpdateWeatherIfDue(false)) changed = true;
    const LONG status = g_WeatherObs[kWxStatus];
    if (status == kWxStatusNone) {
        g_WxFailureShown = kWxStatusNone;
    } else if (status != g_WxFailureShown) {
        g_WxFailureShown = status;
        ShowMessage(owner, WxFailureText(status), MB_OK | MB_ICONEXCLAMATION);
    }
    return changed;
}

void DrawWeatherBadge(HDC dc, int x, int y) {
    if (g_WeatherSettings.weather == 0) return;
    // Painting only shows what is known: fetching and its messages belong to RefreshWeather.
    if (g_WeatherObs[kWxValid] == 0) {
        ExtTextOutW(dc, x, y, 0, nullptr, kNoWxText, 5, nullptr);
        return;
    }
    const LONG condition = g_WeatherObs[kWxCondition];
    if (condition >= 0) ImageList_Draw(g_ImageLists.weather, condition, dc, x, y + kBadgeIconDrop, ILD_TRANSPARENT);
    const std::u16string text = platform::FormatW(u"%d%c", static_cast<int>(g_WeatherObs[kWxTemperature]), kDegreeSign);
    ExtTextOutW(dc, x + kBadgeTextOffset, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}
