// The setup library as the device's installer runs it: an update keeps everything, a removal asks
// and on Yes deletes the data files, the theme files and the settings key and gives back the
// buttons that still start the program.
#include <cstring>
#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "platform/registry.h"
#include "platform/testing.h"

namespace {

constexpr const char16_t* kFolder = u"\\Program Files\\Quorvia";
constexpr const char16_t* kSettings = u"\\Software\\Hollyfen\\Quorvia\\Settings";

std::string Quote(const std::string& s) {
    std::string q = "'";
    for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

class CabhookTest : public ::testing::Test {
protected:
    int Devicectl(const std::vector<std::string>& args) {
        const std::filesystem::path tool = std::filesystem::path(QV_TEST_OUTPUT_DIR) / ".." / "tools" / "devicectl";
        std::string command = "QUORVIA_DEVICE=" + Quote(device_.Root().string()) + " ASAN_OPTIONS=detect_leaks=0 " +
                              Quote(tool.string());
        for (const auto& a : args) command += " " + Quote(a);
        command += " >/dev/null 2>&1";
        const int status = std::system(command.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    std::u16string InFolder(const std::u16string& name) const { return std::u16string(kFolder) + u"\\" + name; }

    void Touch(const std::u16string& name) { device_.WriteFile(InFolder(name), "data\n"); }

    // The DWORD or text of a value; nullopt-like empty text when missing.
    std::u16string Text(HKEY root, const char16_t* path, const char16_t* name) {
        HKEY key = nullptr;
        if (RegOpenKeyExW(root, path, 0, 0, &key) != ERROR_SUCCESS) return u"<no key>";
        WCHAR text[256] = {};
        DWORD bytes = sizeof(text) - sizeof(WCHAR);
        DWORD type = 0;
        const LONG status = RegQueryValueExW(key, name, nullptr, &type, reinterpret_cast<BYTE*>(text), &bytes);
        RegCloseKey(key);
        if (status != ERROR_SUCCESS) return u"<no value>";
        if (type == REG_DWORD) {
            DWORD value = 0;
            std::memcpy(&value, text, sizeof value);
            return std::u16string(1, static_cast<char16_t>(u'0' + value));
        }
        return text;
    }

    void SetText(const char16_t* path, const std::u16string& text, HKEY root = HKEY_LOCAL_MACHINE,
                 const char16_t* value = u"1") {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(root, path, 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS);
        RegSetValueExW(key, value, 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                       static_cast<DWORD>((text.size() + 1) * sizeof(char16_t)));
        RegCloseKey(key);
    }

    // Installed, with the program's data and a second program's data beside it.
    void InstallWithData() {
        const std::filesystem::path package = device_.Root() / "quorvia";
        std::ofstream(package) << "program";
        ASSERT_EQ(Devicectl({"install", package.string()}), 0);
        for (const char16_t* name : {u"catinfo.dat", u"linkinfo.dat", u"savedviews.dat", u"quickspin.dat", u"Night.zqth",
                                     u"deftheme.zqth"})
            Touch(name);
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExW(HKEY_CURRENT_USER, kSettings, 0, nullptr, 0, 0, nullptr, &key, nullptr), ERROR_SUCCESS);
        RegCloseKey(key);
        SetText(u"\\Software\\Microsoft\\Shell\\RAI\\:MSCALENDAR", u"\"\\Program Files\\Quorvia\\Quorvia.exe\"");
        SetText(u"\\Software\\Microsoft\\Shell\\RAI\\:MSTASKS", u"\\windows\\quorvia.exe -tasks");
        SetText(u"\\Software\\Microsoft\\Shell\\RAI\\:MSCONTACTS", u"\\windows\\other.exe");
    }

    platform::testing::TestDevice device_;
};

TEST_F(CabhookTest, InstallLeavesTheKeepMarkOffAndCopiesThePackage) {
    const std::filesystem::path package = device_.Root() / "package.txt";
    std::ofstream(package) << "payload";
    ASSERT_EQ(Devicectl({"install", package.string()}), 0);
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kSettings, u"ZQKEEPINFO"), u"0");
    EXPECT_EQ(device_.ReadFile(InFolder(u"package.txt")), "payload");
}

// Without file names the install copied nothing yet said "installed", and a removal left the
// copied files behind.
TEST_F(CabhookTest, WithoutNamesTheBuiltProgramAndHelpAreInstalledAndRemovalTakesThemAway) {
    const std::u16string program = InFolder(u"quorvia");
    const std::u16string help = u"\\Windows\\VestralAgenda.htm";
    ASSERT_EQ(Devicectl({"install"}), 0);
    ASSERT_TRUE(device_.FileExists(program));
    ASSERT_TRUE(device_.FileExists(help));
    EXPECT_EQ(std::filesystem::file_size(device_.Root() / "files" / "Program Files" / "Quorvia" / "quorvia"),
              std::filesystem::file_size(QV_QUORVIA_BINARY));
    std::ifstream page(std::filesystem::path(QV_FIXTURES_DIR) / ".." / ".." / "resources" / "VestralAgenda.htm",
                       std::ios::binary);
    EXPECT_EQ(device_.ReadFile(help), std::string(std::istreambuf_iterator<char>(page), {}));
    Touch(u"catinfo.dat");

    // An update puts them back; the data stay.
    ASSERT_EQ(Devicectl({"install"}), 0);
    EXPECT_TRUE(device_.FileExists(program));
    EXPECT_TRUE(device_.FileExists(InFolder(u"catinfo.dat")));

    ASSERT_EQ(Devicectl({"remove", "--no"}), 0);
    EXPECT_FALSE(device_.FileExists(program));
    EXPECT_FALSE(device_.FileExists(help));
    EXPECT_TRUE(device_.FileExists(InFolder(u"catinfo.dat")));
}

TEST_F(CabhookTest, RemovalDeletesThePackageItCopiedAndAnEmptyFolder) {
    const std::filesystem::path package = device_.Root() / "package.txt";
    std::ofstream(package) << "payload";
    ASSERT_EQ(Devicectl({"install", package.string()}), 0);
    ASSERT_TRUE(device_.FileExists(InFolder(u"package.txt")));
    ASSERT_EQ(Devicectl({"remove", "--yes"}), 0);
    EXPECT_FALSE(device_.FileExists(InFolder(u"package.txt")));
    EXPECT_FALSE(std::filesystem::exists(device_.Root() / "files" / "Program Files" / "Quorvia"));
}

TEST_F(CabhookTest, UpdateRemovesNothingAndAsksNothing) {
    InstallWithData();
    // A box would be answered Yes here, and Yes deletes: the keep mark must stop it before.
    ASSERT_EQ(Devicectl({"install", "--yes", (device_.Root() / "quorvia").string()}), 0);
    EXPECT_TRUE(device_.FileExists(InFolder(u"catinfo.dat")));
    EXPECT_TRUE(device_.FileExists(InFolder(u"Night.zqth")));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kSettings, u"ZQKEEPINFO"), u"0");
}

TEST_F(CabhookTest, AnsweringNoKeepsFilesKeyAndButtons) {
    InstallWithData();
    ASSERT_EQ(Devicectl({"remove", "--no"}), 0);
    EXPECT_TRUE(device_.FileExists(InFolder(u"catinfo.dat")));
    EXPECT_TRUE(device_.FileExists(InFolder(u"Night.zqth")));
    EXPECT_NE(Text(HKEY_CURRENT_USER, kSettings, u"ZQKEEPINFO"), u"<no key>");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, u"\\Software\\Microsoft\\Shell\\RAI\\:MSCALENDAR", u"1"),
              u"\"\\Program Files\\Quorvia\\Quorvia.exe\"");
}

TEST_F(CabhookTest, AnsweringYesRemovesTheDataAndGivesBackOurButtonsOnly) {
    InstallWithData();
    ASSERT_EQ(Devicectl({"remove", "--yes"}), 0);
    for (const char16_t* gone : {u"catinfo.dat", u"linkinfo.dat", u"savedviews.dat", u"Night.zqth", u"deftheme.zqth"})
        EXPECT_FALSE(device_.FileExists(InFolder(gone)));
    EXPECT_TRUE(device_.FileExists(InFolder(u"quickspin.dat")));
    EXPECT_EQ(Text(HKEY_CURRENT_USER, kSettings, u"ZQKEEPINFO"), u"<no key>");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, u"\\Software\\Hollyfen\\Quorvia", u"x"), u"<no key>");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, u"\\Software\\Microsoft\\Shell\\RAI\\:MSCALENDAR", u"1"), u":MSPOUTLOOK calendar");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, u"\\Software\\Microsoft\\Shell\\RAI\\:MSTASKS", u"1"), u":MSPOUTLOOK tasks");
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, u"\\Software\\Microsoft\\Shell\\RAI\\:MSCONTACTS", u"1"), u"\\windows\\other.exe");
    // Removed: a second removal finds nothing installed.
    EXPECT_EQ(Devicectl({"remove", "--yes"}), 1);
}

// Button 4 was left naming the removed program, and a launch text in the older "VestralAgenda"
// form was not taken for ours.
TEST_F(CabhookTest, YesGivesBackButtonFourAndTheOlderFormOfOurLaunchText) {
    InstallWithData();
    SetText(u"\\Software\\Microsoft\\Shell\\RAI\\:MSTASKS", u"\\Program Files\\VestralAgenda\\Agenda.exe /TASKS");
    SetText(u"\\ControlPanel\\Keybd", u"\"\\Program Files\\Quorvia\\Quorvia.exe\" /SCHEDULE", HKEY_CURRENT_USER,
            u"APP4_Path");
    ASSERT_EQ(Devicectl({"remove", "--yes"}), 0);
    EXPECT_EQ(Text(HKEY_LOCAL_MACHINE, u"\\Software\\Microsoft\\Shell\\RAI\\:MSTASKS", u"1"), u":MSPOUTLOOK tasks");
    EXPECT_EQ(Text(HKEY_CURRENT_USER, u"\\ControlPanel\\Keybd", u"APP4_Path"), u":MSPOUTLOOK calendar");
}

}  // namespace
