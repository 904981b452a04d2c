// devicectl: the device's own tool. Changes PIM items and registry values of the device in
// QUORVIA_DEVICE as another program on the device would.
#include <iostream>

#include "devicectl/commands.h"

namespace {

constexpr const char* kUsage =
    "usage: devicectl pim import [--strict] FILE.ics|FILE.vcf   (exit 3: some items left out and named;\n"
    "                                                  --strict: then nothing is imported)\n"
    "       devicectl pim list appointments|tasks|contacts [--from YYYY-MM-DD --to YYYY-MM-DD]\n"
    "       devicectl pim add appointment|task|contact [--field value]...\n"
    "       devicectl pim set OID [--field value]...\n"
    "       devicectl pim delete OID\n"
    "       devicectl reg get KEY [VALUE] | reg set KEY VALUE dword|sz DATA | reg list KEY\n"
    "       devicectl install [--hook LIB.so] [--dir DEVICE-FOLDER] [FILE]...   (no FILE: the program and its\n"
    "                                                  help page as built)\n"
    "       devicectl remove [--hook LIB.so] [--dir DEVICE-FOLDER] [--yes|--no]\n"
    "       devicectl screenshot FILE.png   (of the program running on the same device)\n";

void WriteUsage() {
    std::cerr << kUsage << "\n";
    devicectl::WritePimFields(std::cerr);
    std::cerr << "\n";
    devicectl::WriteRegRoots(std::cerr);
}


}  // namespace

int main(int argc, char** argv) {
    devicectl::Args args(argv + 1, argv + argc);
    if (args.empty()) {
        WriteUsage();
        return 2;
    }
    const std::string group = args.front();
    args.erase(args.begin());
    int result = 2;
    if (group == "pim") result = devicectl::RunPim(args, std::cout, std::cerr);
    else if (group == "reg") result = devicectl::RunReg(args, std::cout, std::cerr);
    else if (group == "screenshot") result = devicectl::RunScreenshot(args, std::cout, std::cerr);
    else if (group == "install" || group == "remove") result = devicectl::RunSetup(group, args, std::cout, std::cerr);
    if (result == 2) WriteUsage();
    return result;
}
