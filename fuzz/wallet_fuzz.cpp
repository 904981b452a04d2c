// Wallet files: a ".zqw" file opened as the wallet; damaged files load nothing and say so in a box.
#include <cstddef>
#include <cstdint>

#include "fuzz/fuzz_device.h"
#include "platform/testing_user.h"
#include "wallet/wlt_file.h"
#include "wallet/wlt_item.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    g_Wlt.path = fuzz::WriteDeviceFile(u"\\My Documents\\fuzz.zqw", data, size);
    g_Wlt.password = u"secret";
    ReadWalletFile();
    g_Wlt.items.RemoveAll();
    platform::testing::ClearMessageBoxes();
    return 0;
}
