// The online update check against local servers: the version file's fields, the answers for the
// same, a newer and an unreadable version, the "Update Available" rows, the package fetched and
// started, and a leftover package removed at start.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/reg_key.h"
#include "extras/update_check.h"
#include "frame/main_window.h"
#include "frame/settings_store.h"
#include "platform/commctrl.h"
#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_net.h"
#include "platform/testing_user.h"
#include "platform/user.h"
#include "platform/wininet.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"

namespace {

using platform::testing::LocalNetServer;

constexpr char16_t kPackage[] = u"\\Program Files\\Quorvia\\zqupdate.cab";
// A cabinet as the installer takes it: the mark, and at byte 8 the cabinet's whole size.
std::string Cabinet(std::size_t size) {
    std::string bytes(size, '\0');
    bytes.replace(0, 4, "MSCF");
    for (std::size_t i = 0; i < 4; ++i) bytes[8 + i] = static_cast<char>((size >> (8 * i)) & 0xFF);
    return bytes;
}
const std::string kPackageBytes = Cabinet(64);
constexpr char16_t kLatest[] = u"You have the latest version available.";
constexpr char16_t kUnreachable[] =
    u"Unable to Check for update at this time. Please check your internet connection.";

TEST(UpdateInfo, Fields) {
    struct Case {
        const char16_t* text;
        bool ok;
        const char16_t* package;
        LONG version;
        const char16_t* features;
    };
    const Case cases[] = {
        {u"ZQUPDATE|350|pkg.cab|3.60,a,b|", true, u"pkg.cab", 350, u"3.60,a,b"},
        {u" xZQUPDATEx | 361 |  new.cab | 3.61 , c | tail", true, u"new.cab", 361, u"3.61 , c"},
        {u"ZQUPDATE|351|pkg.cab|3.60,a,b", false, u"", 0, u""},
        {u"UPDATE|351|pkg.cab|3.60|", false, u"", 0, u""},
        {u"", false, u"", 0, u""},
    };
    for (const Case& c : cases) {
        std::u16string package, features;
        LONG version = 0;
        EXPECT_EQ(ParseUpdateInfo(c.text, package, version, features), c.ok);
        if (!c.ok) continue;
        EXPECT_EQ(package, c.package);
        EXPECT_EQ(version, c.version);
        EXPECT_EQ(features, c.features);
    }
}

class UpdateCheck : public ::testing::Test {
protected:
    UpdateCheck() {
        EXPECT_TRUE(RegisterQuorviaResources());
        InitCommonControls();  // the list view class of the dialog
        g_Main.instance = GetModuleHandleW(nullptr);
        ftp_.AddLogin("zqupdate", "hv-3.50");
        device_.WriteFile(u"\\Program Files\\Quorvia\\quorvia.exe", "");  // the installed program
        ftp_.SetFile("/pkg.cab", kPackageBytes);
        platform::testing::RouteHost(device_, "www.hollyfen.com", INTERNET_DEFAULT_HTTP_PORT, web_.Port());
        platform::testing::RouteHost(device_, "ftp.hollyfen.com", INTERNET_DEFAULT_FTP_PORT, ftp_.Port());
        platform::testing::ClearMessageBoxes();
        platform::testing::ClearStartedPrograms();
        platform::testing::ClearDialogs();
    }
    ~UpdateCheck() override {
        platform::testing::ClearMessageBoxes();
        platform::testing::ClearStartedPrograms();
    }
    void ServeVersion(const std::string& text) { web_.SetFile("/zqupdatep.dat", text); }
    std::vector<std::u16string> Boxes() {
        std::vector<std::u16string> texts;
        for (const auto& box : platform::testing::MessageBoxesShown()) texts.push_back(box.text);
        return texts;
    }
    // Runs the check; inside the "Update Available" dialog reads its rows and ends it by `command`.
    std::vector<std::u16string> CheckAndAnswer(WPARAM command) {
        std::vector<std::u16string> rows;
        platform::testing::ActInsideDialog([&](HWND dialog) {
            const HWND list = GetDlgItem(dialog, IDC_UPDATE_LIST);
            const int count = static_cast<int>(SendMessageW(list, LVM_GETITEMCOUNT, 0, 0));
            for (int i = 0; i < count; ++i) {
                WCHAR text[128] = {};
                LVITEMW item{};
                item.iSubItem = 0;
                item.pszText = text;
                item.cchTextMax = 128;
                SendMessageW(list, LVM_GETITEMTEXTW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
                rows.push_back(text);
            }
            SendMessageW(dialog, WM_COMMAND, command, 0);
        });
        EXPECT_TRUE(CheckForUpdate());
        return rows;
    }

    platform::testing::TestDevice device_;
    platform::testing::TestScreen screen_;
    LocalNetServer web_{LocalNetServer::Kind::kHttp};
    LocalNetServer ftp_{LocalNetServer::Kind::kFtp};
};

TEST_F(UpdateCheck, SameVersionIsTheLatest) {
    ServeVersion("ZQUPDATE|350|pkg.cab|3.60,a,b|");
    EXPECT_TRUE(CheckForUpdate());
    EXPECT_EQ(Boxes(), std::vector<std::u16string>{kLatest});
    EXPECT_TRUE(platform::testing::DialogsShown().empty());
}

TEST_F(UpdateCheck, NewerVersionOffersTheFeaturesAndStartsThePackage) {
    ServeVersion("ZQUPDATE|351|pkg.cab|3.60, a ,b|");
    const std::vector<std::u16string> rows = CheckAndAnswer(IDM_DLG_DONE);
    EXPECT_EQ(rows, (std::vector<std::u16string>{u"a", u"b"}));
    EXPECT_EQ(g_UpdateDlg.version, u"3.60");
    EXPECT_EQ(device_.ReadFile(kPackage), kPackageBytes);
    const auto started = platform::testing::StartedPrograms();
    ASSERT_EQ(started.size(), 1u);
    EXPECT_NE(started[0].program.find(u"zqupdate.cab"), std::u16string::npos);
    RegKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
    LONG keep = 0;
    EXPECT_TRUE(key.ReadNumber(u"ZQKEEPINFO", keep));
    EXPECT_EQ(keep, 1);
    EXPECT_TRUE(Boxes().empty());
}

// A cut or foreign download was run all the same, and the program quit even when nothing started.
TEST_F(UpdateCheck, OnlyAWholeCabinetIsRunAndTheProgramStaysWhenNothingStarts) {
    ServeVersion("ZQUPDATE|351|pkg.cab|3.60,a|");
    const std::string bad[] = {kPackageBytes.substr(0, 50), "<html>404</html>", Cabinet(64) + "trailing"};
    for (const std::string& bytes : bad) {
        SCOPED_TRACE(bytes.size());
        platform::testing::ClearMessageBoxes();
        ftp_.SetFile("/pkg.cab", bytes);
        CheckAndAnswer(IDM_DLG_DONE);
        EXPECT_TRUE(platform::testing::StartedPrograms().empty());
        EXPECT_FALSE(device_.FileExists(kPackage));
        EXPECT_EQ(Boxes(), std::vector<std::u16string>{
                               u"The downloaded update is incomplete or is not an installable package, so nothing was installed."});
    }

    ftp_.SetFile("/pkg.cab", kPackageBytes);
    platform::testing::ClearMessageBoxes();
    platform::testing::RefuseProgramStarts(true);
    CheckAndAnswer(IDM_DLG_DONE);
    platform::testing::RefuseProgramStarts(false);
    EXPECT_EQ(Boxes(), std::vector<std::u16string>{u"The update could not be started, so nothing was installed."});
    RegKey key;
    ASSERT_EQ(key.Open(HKEY_CURRENT_USER, kSettingsKey), ERROR_SUCCESS);
    LONG keep = 1;
    EXPECT_TRUE(key.ReadNumber(u"ZQKEEPINFO", keep));
    EXPECT_EQ(keep, 0);
}

TEST_F(UpdateCheck, OnlyTheVersionTextListsNoFeaturesAndCancelFetchesNothing) {
    ServeVersion("ZQUPDATE|400|pkg.cab|4.00|");
    const std::vector<std::u16string> rows = CheckAndAnswer(IDM_DLG_CANCEL);
    EXPECT_EQ(rows, std::vector<std::u16string>{u"No New Features Listed."});
    EXPECT_FALSE(device_.FileExists(kPackage));
    EXPECT_TRUE(ftp_.Fetched().empty());
    EXPECT_TRUE(platform::testing::StartedPrograms().empty());
}

TEST_F(UpdateCheck, MissingPackageStartsNothing) {
    ServeVersion("ZQUPDATE|400|gone.cab|4.00,x|");
    CheckAndAnswer(IDM_DLG_DONE);
    EXPECT_FALSE(device_.FileExists(kPackage));
    EXPECT_TRUE(platform::testing::StartedPrograms().empty());
    EXPECT_TRUE(Boxes().empty());
}

TEST_F(UpdateCheck, UnreadableOrUnreachableVersionFile) {
    ServeVersion("ZQUPDATE|351|pkg.cab|3.60,a,b");
    EXPECT_TRUE(CheckForUpdate());
    EXPECT_TRUE(Boxes().empty());
    EXPECT_TRUE(platform::testing::DialogsShown().empty());

    platform::testing::RouteHost(device_, "www.hollyfen.com", INTERNET_DEFAULT_HTTP_PORT,
                                 platform::testing::ClosedLocalPort());
    EXPECT_TRUE(CheckForUpdate());
    EXPECT_EQ(Boxes(), std::vector<std::u16string>{kUnreachable});
}

TEST_F(UpdateCheck, MissingVersionFileIsReportedLikeAnUnreachableServer) {
    EXPECT_TRUE(CheckForUpdate());  // the server answers 404
    EXPECT_EQ(Boxes(), std::vector<std::u16string>{kUnreachable});
    EXPECT_TRUE(platform::testing::DialogsShown().empty());
}

// The answer was read with one read of 512 bytes: a longer version file lost its end, and with it
// the last features and the closing '|'.
TEST_F(UpdateCheck, ALongVersionFileIsReadToItsEnd) {
    std::string features = "3.60";
    std::vector<std::u16string> expected;
    for (int i = 0; i < 60; ++i) {
        const std::string feature = "Feature number " + std::to_string(i);
        features += "," + feature;
        expected.emplace_back(feature.begin(), feature.end());
    }
    const std::string file = "ZQUPDATE|351|pkg.cab|" + features + "|";
    ASSERT_GT(file.size(), 512u * 2);
    ServeVersion(file);
    const std::vector<std::u16string> rows = CheckAndAnswer(IDM_DLG_CANCEL);
    EXPECT_EQ(rows, expected);

    // An answer far beyond any version file is not taken for one.
    ServeVersion("ZQUPDATE|351|pkg.cab|3.60," + std::string(200 * 1024, 'x') + "|");
    platform::testing::ClearDialogs();
    EXPECT_TRUE(CheckForUpdate());
    EXPECT_TRUE(platform::testing::DialogsShown().empty());
}

TEST_F(UpdateCheck, LeftoverPackageIsDeletedAtStart) {
    device_.WriteFile(kPackage, kPackageBytes);
    ASSERT_TRUE(UpdatePackageExists());
    DeleteLeftoverUpdate();
    EXPECT_FALSE(device_.FileExists(kPackage));
}

}  // namespace
