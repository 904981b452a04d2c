// The diagnostic logs in the program's folder: one growing log and one holding the last entry.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/log_file.h"
#include "platform/testing.h"

namespace {

constexpr const char16_t* kLog = u"\\Program Files\\Quorvia\\quorvialog.txt";
constexpr const char16_t* kSingleLog = u"\\Program Files\\Quorvia\\zqsinglelog.txt";

class LogFileTest : public ::testing::Test {
protected:
    void SetUp() override { std::filesystem::create_directories(device_.HostPath(u"\\Program Files\\Quorvia")); }
    platform::testing::TestDevice device_;
};

TEST_F(LogFileTest, WriteLogAppendsOneLineAnEntry) {
    device_.WriteFile(kLog, "earlier\n");
    WriteLog(u"first entry");
    WriteLog(u"second \u00E9ntry");
    EXPECT_EQ(device_.ReadFile(kLog), "earlier\nfirst entry\nsecond \xC3\xA9ntry\n");
}

TEST_F(LogFileTest, WriteSingleLogKeepsOnlyTheLastEntry) {
    WriteSingleLog(u"first");
    WriteSingleLog(u"second");
    EXPECT_EQ(device_.ReadFile(kSingleLog), "second\n");
}

TEST_F(LogFileTest, LongEntriesAreCutToTheirLimits) {
    WriteLog(std::u16string(600, u'a'));
    EXPECT_EQ(device_.ReadFile(kLog), std::string(kLogLineBytes, 'a') + "\n");
    WriteSingleLog(std::u16string(300, u'b'));
    EXPECT_EQ(device_.ReadFile(kSingleLog), std::string(kSingleLogLineBytes, 'b') + "\n");
    // A character that would not fit whole is left out rather than split.
    WriteSingleLog(std::u16string(255, u'c') + u"\u00E9");
    EXPECT_EQ(device_.ReadFile(kSingleLog), std::string(255, 'c') + "\n");
}

TEST(LogFileNoFolder, AMissingProgramFolderLosesTheEntryQuietly) {
    platform::testing::TestDevice device;
    WriteLog(u"lost");
    WriteSingleLog(u"lost");
    EXPECT_FALSE(device.FileExists(kLog));
}

}  // namespace
