// The internet functions against a local server reached through the profile's host routes: FTP
// logins, folders and whole-file fetches, HTTP reads and status, and servers that are not there.
#include <gtest/gtest.h>

#include <string>

#include "platform/system.h"
#include "platform/testing.h"
#include "platform/testing_net.h"
#include "platform/wininet.h"

namespace {

using platform::testing::LocalNetServer;

constexpr char kFtpHost[] = "ftp.example.net";
constexpr char kWebHost[] = "www.example.net";

struct HandleCloser {
    void operator()(void* handle) const {
        if (handle) InternetCloseHandle(handle);
    }
};
using Internet = std::unique_ptr<void, HandleCloser>;

class InternetFunctions : public ::testing::Test {
protected:
    InternetFunctions() : root_(InternetOpenW(u"Test Agent", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0)) {
        ftp_.SetFile("/pub/data/report.txt", "line one\nline two\n");
        ftp_.AddLogin("maker", "s3cret");
        web_.SetFile("/info.dat", "hello web");
        platform::testing::RouteHost(device_, kFtpHost, INTERNET_DEFAULT_FTP_PORT, ftp_.Port());
        platform::testing::RouteHost(device_, kWebHost, INTERNET_DEFAULT_HTTP_PORT, web_.Port());
    }
    Internet Connect(const char16_t* user, const char16_t* password) {
        return Internet(InternetConnectW(root_.get(), u"ftp.example.net", INTERNET_DEFAULT_FTP_PORT, user, password,
                                         INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 0));
    }
    std::string ReadAll(HINTERNET file) {
        std::string text;
        char buffer[4];
        DWORD read = 0;
        while (InternetReadFile(file, buffer, sizeof buffer, &read) && read > 0) text.append(buffer, read);
        return text;
    }

    platform::testing::TestDevice device_;
    LocalNetServer ftp_{LocalNetServer::Kind::kFtp};
    LocalNetServer web_{LocalNetServer::Kind::kHttp};
    Internet root_;
};

TEST_F(InternetFunctions, FtpFetchesAFileFromTheCurrentFolderWhole) {
    device_.WriteFile(u"\\My Documents\\other.txt", "");
    Internet session = Connect(u"anonymous", u"");
    ASSERT_TRUE(session);
    ASSERT_TRUE(FtpSetCurrentDirectoryW(session.get(), u"/pub/data/"));
    ASSERT_TRUE(FtpGetFileW(session.get(), u"report.txt", u"\\My Documents\\copy.txt", FALSE, 0,
                            FTP_TRANSFER_TYPE_BINARY, 0));
    EXPECT_EQ(device_.ReadFile(u"\\My Documents\\copy.txt"), "line one\nline two\n");
}

TEST_F(InternetFunctions, FtpRefusalsLeaveTheLocalFileAsItWas) {
    device_.WriteFile(u"\\My Documents\\copy.txt", "old");
    Internet session = Connect(u"anonymous", u"");
    ASSERT_TRUE(session);
    EXPECT_FALSE(FtpSetCurrentDirectoryW(session.get(), u"/nowhere/"));
    EXPECT_FALSE(FtpGetFileW(session.get(), u"missing.txt", u"\\My Documents\\copy.txt", FALSE, 0,
                             FTP_TRANSFER_TYPE_BINARY, 0));
    EXPECT_TRUE(FtpSetCurrentDirectoryW(session.get(), u"/pub/data"));
    EXPECT_FALSE(FtpGetFileW(session.get(), u"report.txt", u"\\My Documents\\copy.txt", TRUE, 0,
                             FTP_TRANSFER_TYPE_BINARY, 0));
    EXPECT_EQ(GetLastError(), static_cast<DWORD>(ERROR_FILE_EXISTS));
    EXPECT_EQ(device_.ReadFile(u"\\My Documents\\copy.txt"), "old");
}

TEST_F(InternetFunctions, FtpLoginIsCheckedWhenConnecting) {
    EXPECT_TRUE(Connect(u"maker", u"s3cret"));
    EXPECT_FALSE(Connect(u"maker", u"wrong"));
}

TEST_F(InternetFunctions, UrlReadsBodyAndStatus) {
    struct Case {
        const char16_t* url;
        std::string body;
        DWORD status;
    };
    const Case cases[] = {
        {u"http://www.example.net/info.dat", "hello web", 200},
        {u"http://www.example.net/none.dat", "", 404},
    };
    for (const Case& c : cases) {
        Internet file(InternetOpenUrlW(root_.get(), c.url, nullptr, 0, INTERNET_FLAG_RELOAD, 0));
        ASSERT_TRUE(file);
        DWORD status = 0;
        DWORD size = sizeof status;
        ASSERT_TRUE(HttpQueryInfoW(file.get(), HTTP_QUERY_STATUS_CODE | HTTP_QUERY_FLAG_NUMBER, &status, &size, nullptr));
        EXPECT_EQ(status, c.status);
        EXPECT_EQ(ReadAll(file.get()), c.body);
    }
}

TEST_F(InternetFunctions, ServersThatAreNotThereFail) {
    const int closed = platform::testing::ClosedLocalPort();
    platform::testing::RouteHost(device_, "gone.example.net", INTERNET_DEFAULT_FTP_PORT, closed);
    platform::testing::RouteHost(device_, "gone.example.net", INTERNET_DEFAULT_HTTP_PORT, closed);
    EXPECT_EQ(InternetConnectW(root_.get(), u"gone.example.net", INTERNET_DEFAULT_FTP_PORT, nullptr, nullptr,
                               INTERNET_SERVICE_FTP, INTERNET_FLAG_PASSIVE, 0),
              nullptr);
    EXPECT_EQ(InternetOpenUrlW(root_.get(), u"http://gone.example.net/x", nullptr, 0, 0, 0), nullptr);
    EXPECT_EQ(GetLastError(), ERROR_INTERNET_CANNOT_CONNECT);
    EXPECT_EQ(InternetOpenUrlW(root_.get(), u"gopher://www.example.net/x", nullptr, 0, 0, 0), nullptr);
}

TEST_F(InternetFunctions, HandlesOfTheWrongKindOrClosedAreRefused) {
    DWORD read = 0;
    char buffer[4];
    EXPECT_FALSE(InternetReadFile(root_.get(), buffer, sizeof buffer, &read));
    HINTERNET extra = InternetOpenW(u"x", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    EXPECT_TRUE(InternetCloseHandle(extra));
    EXPECT_FALSE(InternetCloseHandle(extra));
}

}  // namespace
