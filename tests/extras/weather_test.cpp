// Weather observations: the METAR groups read into the observation, the station file's lines, and
// the refresh from a local FTP server that the badge runs and shows.
#include <gtest/gtest.h>

#include <string>

#include "core/reg_key.h"
#include "extras/weather.h"
#include "extras/weather_badge.h"
#include "extras/weather_settings.h"
#include "frame/main_window.h"
#include "frame/settings_store.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_net.h"
#include "platform/testing_user.h"
#include "platform/time.h"
#include "platform/wininet.h"
#include "resources/quorvia_resources.h"
#include "tests/ui/draw_surface.h"
#include "ui/image_lists.h"

namespace {

using platform::testing::LocalNetServer;

constexpr char kStationPath[] = "/data/observations/metar/stations/KMSN.TXT";
constexpr char kStationFile[] = "2026/12/10 16:52\nKMSN 101652Z 27010KT 10SM -RA OVC008 12/10 A2992\n";
constexpr char16_t kLocalFile[] = u"\\Program Files\\Quorvia\\curwx.txt";

TEST(WeatherParse, ReportLines) {
    struct Case {
        const char16_t* line;
        bool ok;
        LONG day, hour, sector, intensity, condition, temperature;
    };
    const Case cases[] = {
        {u"KXXX 131652Z 27010KT 10SM -RA OVC008 12/10 A2992", true, 13, 16, 6, 0, 4, 53},
        {u"KXXX 131652Z 00000KT 10SM CLR M05/M07", true, 13, 16, 0, 0, 0, 23},
        {u"KXXX 131652Z VRB03KT 2SM +TSRA BKN010 20/18", true, 13, 16, 8, 2, 5, 68},
        {u"KXXX 131652Z 09005KT 10SM VCSH SCT030 25/20", true, 13, 16, 2, 1, 1, 77},
        // A second cloud layer stands where the temperature is read: "BK" reads as 0.
        {u"KXXX 131652Z 35010KT 10SM FEW020 BKN050 10/05", true, 13, 16, 0, 0, 1, 32},
        {u"KXXX 13165 27010KT 10SM CLR 10/05", false, 0, 0, 0, 0, 0, 0},
        {u"KXXX 131652Z 27010KT 10SM -RAX OVC008 12/10", false, 0, 0, 0, 0, 0, 0},
        {u"KXXX 131652Z 27010KT 10SM -RA", false, 0, 0, 0, 0, 0, 0},
    };
    for (const Case& c : cases) {
        WeatherObs obs;
        EXPECT_EQ(ParseMetar(c.line, obs), c.ok) << std::string(c.line, c.line + 20);
        if (!c.ok) continue;
        EXPECT_EQ(obs[kWxDay], c.day);
        EXPECT_EQ(obs[kWxHour], c.hour);
        EXPECT_EQ(obs[kWxWindSector], c.sector);
        EXPECT_EQ(obs[kWxIntensity], c.intensity);
        EXPECT_EQ(obs[kWxCondition], c.condition);
        EXPECT_EQ(obs[kWxTemperature], c.temperature);
        EXPECT_EQ(obs[kWxValid], 1);
    }
}

TEST(WeatherParse, WindSectorBounds) {
    const std::pair<LONG, LONG> cases[] = {{0, 0},   {20, 0},  {21, 1},  {70, 1},  {71, 2},  {160, 3},
                                           {161, 4}, {250, 5}, {290, 6}, {291, 7}, {340, 7}, {341, 0}};
    for (const auto& [degrees, sector] : cases) {
        WeatherObs obs;
        obs[kWxWindSector] = -5;
        WindDirToSector(obs, degrees);
        EXPECT_EQ(obs[kWxWindSector], sector) << degrees;
    }
    WeatherObs obs;
    obs[kWxWindSector] = 3;
    WindDirToSector(obs, -1);
    EXPECT_EQ(obs[kWxWindSector], 3);
}

class Weather : public ::testing::Test {
protected:
    Weather() {
        EXPECT_TRUE(RegisterQuorviaResources());
        g_Main.instance = GetModuleHandleW(nullptr);
        CreateAllImageLists();
        g_WeatherObs = WeatherObs();
        g_WeatherSettings = WeatherSettings();
        g_WeatherSettings.weather = 1;
        g_WxFailureShown = kWxStatusNone;
        device_.WriteFile(u"\\Program Files\\Quorvia\\quorvia.exe", "");  // the installed program
        ftp_.SetFile(kStationPath, kStationFile);
        platform::testing::RouteHost(device_, "tgftp.nws.noaa.gov", INTERNET_DEFAULT_FTP_PORT, ftp_.Port());
        platform::testing::ClearMessageBoxes();
    }
    ~Weather() override {
        DestroyAllImageLists();
        g_WeatherObs = WeatherObs();
        g_WeatherSettings = WeatherSettings();
        platform::testing::ThawClock();
    }
    static bool Drawn(const DrawSurface& surface, int left, int top, int right, int bottom) {
        for (int y = top; y < bottom; ++y)
            for (int x = left; x < right; ++x)
                if (surface.Pixel(x, y) != RGB(255, 255, 255)) return true;
        return false;
    }

    platform::testing::TestDevice device_;
    LocalNetServer ftp_{LocalNetServer::Kind::kFtp};
};

TEST_F(Weather, StationLineIsTheFirstOrSecondOfTheFile) {
    struct Case {
        std::string file;
        bool ok;
    };
    const Case cases[] = {
        {"KMSN 101652Z 27010KT 10SM CLR 12/10\n", true},
        {"2026/12/10 16:52\nkmsn 101652Z 27010KT 10SM CLR 12/10\n", true},
        {"2026/12/10 16:52\nKLSE 101652Z 27010KT 10SM CLR 12/10\n", false},
        {"x\nKMSN 101652Z 27010KT 10SM CLR 12/10\n", false},
    };
    for (const Case& c : cases) {
        device_.WriteFile(kLocalFile, c.file);
        WeatherObs obs;
        EXPECT_EQ(LoadWeatherFile(obs, u"KMSN", kLocalFile), c.ok) << c.file;
    }
}

TEST_F(Weather, RefreshFetchesParsesAndTheBadgeShowsTheReport) {
    DrawSurface surface(80, 20);
    DrawWeatherBadge(surface.dc(), 2, 2);
    EXPECT_TRUE(ftp_.Fetched().empty()) << "painting never fetches";
    EXPECT_TRUE(RefreshWeather(nullptr));
    DrawWeatherBadge(surface.dc(), 2, 2);
    EXPECT_EQ(device_.ReadFile(kLocalFile), kStationFile);
    EXPECT_EQ(g_WeatherObs[kWxValid], 1);
    EXPECT_EQ(g_WeatherObs[kWxCondition], 4);
    EXPECT_EQ(g_WeatherObs[kWxTemperature], 53);
    EXPECT_NE(g_WeatherSettings.wxReadTime, 0);
    EXPECT_TRUE(Drawn(surface, 2, 3, 12, 13));   // the rain icon
    EXPECT_TRUE(Drawn(surface, 14, 2, 60, 18));  // "53°"
    RegKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
    LONG stored = 0;
    EXPECT_TRUE(key.ReadNumber(u"WXREADTIME", stored));
    EXPECT_EQ(stored, g_WeatherSettings.wxReadTime);
}

TEST_F(Weather, ARecentReportIsNotFetchedAgain) {
    platform::testing::FreezeClock(SYSTEMTIME{2026, 12, 4, 10, 12, 0, 0, 0});
    platform::testing::AdvanceClock(5 * 3600000);
    device_.WriteFile(kLocalFile, kStationFile);
    g_WeatherSettings.wxUpdate = 3;
    g_WeatherSettings.wxReadTime = static_cast<LONG>(GetTickCount() - 2 * 3600000);
    EXPECT_FALSE(UpdateWeatherIfDue(false));
    EXPECT_TRUE(ftp_.Fetched().empty());
    platform::testing::AdvanceClock(2 * 3600000);
    EXPECT_TRUE(UpdateWeatherIfDue(false));
    EXPECT_EQ(ftp_.Fetched().size(), 1u);
}

// A message box came from inside painting on every repaint, and a valid report was never renewed.
TEST_F(Weather, AFailureIsToldOnceOutsidePaintingAndTheReportIsRenewedByTheInterval) {
    platform::testing::FreezeClock(SYSTEMTIME{2026, 12, 4, 10, 12, 0, 0, 0});
    platform::testing::AdvanceClock(5 * 3600000);
    platform::testing::RouteHost(device_, "tgftp.nws.noaa.gov", INTERNET_DEFAULT_FTP_PORT,
                                 platform::testing::ClosedLocalPort());
    g_WeatherSettings.wxUpdate = 1;
    DrawSurface surface(80, 20);
    for (int i = 0; i < 3; ++i) {
        RefreshWeather(nullptr);
        DrawWeatherBadge(surface.dc(), 2, 2);
    }
    EXPECT_EQ(g_WeatherObs[kWxStatus], kWxConnectFailed);
    EXPECT_EQ(g_WeatherObs[kWxValid], 0);
    EXPECT_TRUE(Drawn(surface, 2, 2, 60, 18));  // "No Wx"
    const auto boxes = platform::testing::MessageBoxesShown();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, u"Weather: the report server could not be reached.");

    // The server is back: the next interval fetches, and a later one renews the valid report.
    platform::testing::RouteHost(device_, "tgftp.nws.noaa.gov", INTERNET_DEFAULT_FTP_PORT, ftp_.Port());
    RefreshWeather(nullptr);
    EXPECT_TRUE(ftp_.Fetched().empty()) << "a failed try waits for the interval too";
    platform::testing::AdvanceClock(3600000 + 1);
    EXPECT_TRUE(RefreshWeather(nullptr));
    EXPECT_EQ(g_WeatherObs[kWxValid], 1);
    EXPECT_EQ(ftp_.Fetched().size(), 1u);
    platform::testing::AdvanceClock(3600000 + 1);
    EXPECT_TRUE(RefreshWeather(nullptr));
    EXPECT_EQ(ftp_.Fetched().size(), 2u);
    EXPECT_EQ(platform::testing::MessageBoxesShown().size(), 1u);
    platform::testing::ThawClock();
}

TEST_F(Weather, AFailedRefreshKeepsTheEarlierReport) {
    platform::testing::RouteHost(device_, "tgftp.nws.noaa.gov", INTERNET_DEFAULT_FTP_PORT,
                                 platform::testing::ClosedLocalPort());
    device_.WriteFile(kLocalFile, kStationFile);
    ASSERT_TRUE(ReadWeatherReport());
    EXPECT_FALSE(UpdateWeatherIfDue(true));
    EXPECT_EQ(g_WeatherObs[kWxValid], 1);
    EXPECT_EQ(device_.ReadFile(kLocalFile), kStationFile);
}

TEST_F(Weather, SettingsRoundTripWithDefaults) {
    g_WeatherSettings = WeatherSettings();
    ReadWeatherSettings();
    EXPECT_EQ(g_WeatherSettings.weather, 0);
    EXPECT_EQ(g_WeatherSettings.fahr, 1);
    EXPECT_EQ(g_WeatherSettings.wxUpdate, 1);
    g_WeatherSettings = WeatherSettings{1, 1234, 0, 6};
    ASSERT_EQ(SaveWeatherSettings(), ERROR_SUCCESS);
    g_WeatherSettings = WeatherSettings();
    ReadWeatherSettings();
    EXPECT_EQ(g_WeatherSettings.weather, 1);
    EXPECT_EQ(g_WeatherSettings.wxReadTime, 1234);
    EXPECT_EQ(g_WeatherSettings.fahr, 0);
    EXPECT_EQ(g_WeatherSettings.wxUpdate, 6);
}

}  // namespace
