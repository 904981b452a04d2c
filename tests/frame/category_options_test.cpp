// A category's colour changed in the options reaches the appointments already shown in that category.
#include <gtest/gtest.h>

#include "core/cat_record.h"
#include "core/month_cache.h"
#include "core/view_id.h"
#include "editors/field_list.h"
#include "options/options_dlg.h"
#include "options/options_state.h"
#include "platform/testing_dialogs.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

namespace pt = platform::testing;

class CategoryOptions : public frametest::ProgramTest {};

COLORREF CachedColour(LONG oid) {
    if (!g_ApptCache.curAppts) return 0;
    for (const ApptRecord& appt : *g_ApptCache.curAppts)
        if (appt.oid == oid) return appt.colour;
    return 0;
}

// The month kept the colours its appointments were read with until the month was read again.
TEST_F(CategoryOptions, ANewCategoryColourRecoloursTheShownAppointments) {
    FreezeTestDay();
    LONG oid = -1;
    {
        Store store;
        oid = store.Appt(u"Review", DateRec(2026, 12, 10, 10, 0), 60);
        PoomPtr<IAppointment> appt = GetPoomItem<IAppointment>(GetPoomApp(), oid, IID_IAppointment);
        appt->put_Categories(u"Work");
        ASSERT_EQ(appt->Save(), S_OK);
    }
    WriteSetting(u"STARTON30", kStartMonth);
    Open();
    ASSERT_EQ(ViewId, kViewMonth);
    ASSERT_EQ(g_CatList.Size(), 1);
    ASSERT_EQ(CachedColour(oid), g_CatList[0].colour);

    constexpr COLORREF kNewColour = 0x123456;
    pt::ActInsideDialog([&](HWND dialog) {
        SelectOptionsPage(dialog, kPageCategory);
        // Row 0 is the header; row 1 the one category.
        ValSnap row = FieldListRows()[1];
        row.numberValue = static_cast<LONG>(kNewColour);
        StoreFieldRow(GetDlgItem(dialog, IDC_OPTIONS_LIST), 1, row);
        g_Options.optionsChanged = 1;
        SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
    });
    Command(IDM_OPTIONS);
    EXPECT_EQ(g_CatList[0].colour, kNewColour);
    EXPECT_EQ(CachedColour(oid), kNewColour);
}

}  // namespace
