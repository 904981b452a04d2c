// The commands of devicectl: each takes the words after its group name and gives the exit code
// (0 done, 1 failed, 2 wrong use), writing results to `out` and complaints to `err`.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace devicectl {

using Args = std::vector<std::string>;

int RunPim(const Args& args, std::ostream& out, std::ostream& err);
int RunReg(const Args& args, std::ostream& out, std::ostream& err);
// For the usage: the fields that pim add and pim set take, per kind, and the registry roots.
void WritePimFields(std::ostream& out);
void WriteRegRoots(std::ostream& out);
// The running program's screen as a PNG file.
int RunScreenshot(const Args& args, std::ostream& out, std::ostream& err);
// "install" or "remove" through the program's setup library.
int RunSetup(const std::string& command, const Args& args, std::ostream& out, std::ostream& err);

}  // namespace devicectl
