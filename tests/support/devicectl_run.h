// devicectl run as its own process on a test's device, as another program on the device runs it.
#pragma once

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace testsupport {

// A word for the shell, quoted whole.
inline std::string ShellQuote(const std::string& s) {
    std::string q = "'";
    for (const char c : s) q += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return q + "'";
}

struct DevicectlRun {
    int status = -1;   // the exit status, -1 when it did not exit
    std::string out;   // standard output and standard error, in order
};

inline DevicectlRun RunDevicectl(const std::filesystem::path& device, const std::vector<std::string>& args) {
    const std::filesystem::path tool = std::filesystem::path(QV_TEST_OUTPUT_DIR) / ".." / "tools" / "devicectl";
    const std::filesystem::path out = device / "devicectl.out";
    std::string command = "QUORVIA_DEVICE=" + ShellQuote(device.string()) + " ASAN_OPTIONS=detect_leaks=0 " +
                          ShellQuote(tool.string());
    for (const auto& a : args) command += " " + ShellQuote(a);
    command += " > " + ShellQuote(out.string()) + " 2>&1";
    const int status = std::system(command.c_str());
    DevicectlRun run;
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream in(out);
    std::stringstream text;
    text << in.rdbuf();
    run.out = text.str();
    return run;
}

}  // namespace testsupport
