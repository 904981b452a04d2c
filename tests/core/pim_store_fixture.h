// A device whose PIM store is filled by the device's own tool from fixture files, as another
// program would fill it, and the program's POOM session on it.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/cat_record.h"
#include "core/poom_session.h"
#include "platform/testing.h"
#include "platform/testing_pim.h"
#include "tests/support/devicectl_run.h"

namespace pimfixture {

// Runs devicectl on the device; its exit code.
inline int Devicectl(const platform::testing::TestDevice& device, const std::vector<std::string>& args) {
    return testsupport::RunDevicectl(device.Root(), args).status;
}

inline std::string Fixture(const char* name) { return std::string(QV_FIXTURES_DIR) + "/core/pim/" + name; }

// A contact saved through the session's application object, its default-communication property set
// to the id given (none for 0) and its mobile number to the text given; its OID.
inline LONG SaveContact(const char16_t* fileAs, DWORD smartProp, const std::u16string& mobile = u"") {
    PoomPtr<IDispatch> object;
    EXPECT_EQ(GetPoomApp()->CreateItem(olContactItem, object.Out()), S_OK);
    const PoomPtr<IContact> contact = QueryPoom<IContact>(object.Get(), IID_IContact);
    contact->put_FileAs(fileAs);
    if (!mobile.empty()) contact->put_MobileTelephoneNumber(mobile.c_str());
    if (smartProp != 0) {
        const PoomPtr<IItem> item = QueryPoom<IItem>(object.Get(), IID_IItem);
        CEPROPVAL prop{};
        prop.propid = PIMPR_SMARTPROP;
        prop.val.ulVal = smartProp;
        EXPECT_EQ(item->SetProps(0, 1, &prop), S_OK);
    }
    EXPECT_EQ(contact->Save(), S_OK);
    LONG oid = 0;
    contact->get_Oid(&oid);
    return oid;
}

// The agenda and the people fixtures imported; the session is started by the test.
class PimStoreTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(Devicectl(device, {"pim", "import", Fixture("agenda.ics")}), 0);
        ASSERT_EQ(Devicectl(device, {"pim", "import", Fixture("people.vcf")}), 0);
        g_CatList.RemoveAll();
    }
    void TearDown() override {
        EndPoomSession();
        g_PimFolderIds = PimFolderIdSet{};
        g_CatList.RemoveAll();
        platform::testing::ClearPimFailures();
        EXPECT_EQ(platform::testing::LivePimObjects(), 0) << "object-model objects left alive";
    }

    platform::testing::TestDevice device;
};

}  // namespace pimfixture
