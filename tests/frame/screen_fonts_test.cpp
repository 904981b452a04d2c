// The view fonts when the device's screen changes between starts: a size the user never chose
// follows the new screen, a chosen size stays.
#include <gtest/gtest.h>

#include <string>

#include "core/cmd_line.h"
#include "core/view_id.h"
#include "platform/registry.h"
#include "platform/testing_draw.h"
#include "program_fixture.h"
#include "resources/resource.h"

namespace {

namespace pt = platform::testing;

constexpr const char16_t* kSubject = u"Seed order";
constexpr const char16_t* kLastName = u"Berglund";

// The heights of the appointment's line in the Day and Dates views and of the contact's name.
struct Heights {
    int day = 0;
    int dates = 0;
    int contact = 0;
    bool operator==(const Heights&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Heights& h) {
    return out << "day " << h.day << ", dates " << h.dates << ", contact " << h.contact;
}

class ScreenFonts : public frametest::ProgramTest {
protected:
    ScreenFonts() {
        FreezeTestDay();
        Store store;
        store.Appt(kSubject, DateRec(2026, 12, 10, 10, 0), 60);
        PoomPtr<IContact> contact = Store::Create<IContact>(olContactItem, IID_IContact);
        contact->put_FirstName(u"Bea");
        contact->put_LastName(kLastName);
        EXPECT_EQ(contact->Save(), S_OK);
    }

    static int ShownHeight(const pt::DrawRecord& record, const char16_t* text) {
        const auto shown = record.ScreenTextsContaining(text);
        if (shown.empty()) return 0;
        return shown.front().rect.bottom - shown.front().rect.top;
    }
    static int HeightAfter(UINT command, const char16_t* text) {
        pt::DrawRecord record;
        Command(command);
        InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
        pt::PumpUntilIdle();
        return ShownHeight(record, text);
    }

    // A start on a screen of that size, the views measured, the program closed again.
    Heights StartAndMeasure(int width, int height) {
        UseScreen(width, height);
        WriteSetting(u"STARTON30", kStartDay);
        Heights h;
        {
            pt::DrawRecord record;
            Open();
            EXPECT_EQ(ViewId, kViewDay);
            InvalidateRect(g_Frame.mainWnd, nullptr, TRUE);
            pt::PumpUntilIdle();
            h.day = ShownHeight(record, kSubject);
        }
        h.dates = HeightAfter(IDM_VIEW_DATES, kSubject);
        h.contact = HeightAfter(IDM_VIEW_CONTACTS, kLastName);
        // The options' Done writes every setting, as any use of the options does.
        pt::ActInsideDialog([](HWND dialog) {
            if (dialog) SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        Command(IDM_OPTIONS);
        CloseProgram();
        return h;
    }
    static void ForgetSettings() { RegDeleteKeyW(HKEY_CURRENT_USER, kSettingsKey); }
};

// A device first used at 240x320 kept the small font at 480x640.
TEST_F(ScreenFonts, SizesNeverChosenFollowTheScreen) {
    const Heights freshVga = StartAndMeasure(480, 640);
    ASSERT_GT(freshVga.day, 0);
    ASSERT_GT(freshVga.dates, 0);
    ASSERT_GT(freshVga.contact, 0);
    ForgetSettings();

    const Heights qvga = StartAndMeasure(240, 320);
    ASSERT_GT(qvga.day, 0);
    EXPECT_LT(qvga.day, freshVga.day);
    EXPECT_EQ(StartAndMeasure(480, 640), freshVga) << "after a start at 240x320";
    EXPECT_EQ(StartAndMeasure(240, 320), qvga) << "and back";
}

TEST_F(ScreenFonts, AChosenSizeStaysOnAnotherScreen) {
    const Heights freshVga = StartAndMeasure(480, 640);
    ForgetSettings();
    WriteSetting(u"FONTSIZE", 16);  // chosen on the small screen
    const Heights chosen = StartAndMeasure(240, 320);
    EXPECT_EQ(ReadSetting(u"FONTSIZE"), 16);
    const Heights later = StartAndMeasure(480, 640);
    EXPECT_EQ(ReadSetting(u"FONTSIZE"), 16);
    EXPECT_EQ(later, chosen);
    EXPECT_NE(later, freshVga);
}

}  // namespace
