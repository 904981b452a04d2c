// The appointment form's field pictures: each layout shows a picture beside every field, in the
// size of the screen, keeps them when the device turns, and lays them out so that no control
// covers another and every text is shown whole.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/editors/appt_form_fixture.h"

#include "platform/controls.h"
#include "platform/device.h"
#include "platform/gdi.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "resources/resource.h"

namespace {

namespace pt = platform::testing;

struct Field {
    int small;
    int large;
    int beside;  // the control the picture stands before
};

constexpr Field kFields[] = {
    {IDB_APPT_FIELD_SUBJECT, IDB_APPT_FIELD_SUBJECT_VGA, kApptSubjectId},
    {IDB_APPT_FIELD_LOCATION, IDB_APPT_FIELD_LOCATION_VGA, kApptLocationId},
    {IDB_APPT_FIELD_START, IDB_APPT_FIELD_START_VGA, 1611},
    {IDB_APPT_FIELD_RECUR, IDB_APPT_FIELD_RECUR_VGA, kApptOccursLabelId},
    {IDB_APPT_FIELD_END, IDB_APPT_FIELD_END_VGA, 1612},
    {IDB_APPT_FIELD_REMINDER, IDB_APPT_FIELD_REMINDER_VGA, 1022},
    {IDB_APPT_FIELD_STATUS, IDB_APPT_FIELD_STATUS_VGA, kApptStatusId},
    {IDB_APPT_FIELD_CATEGORIES, IDB_APPT_FIELD_CATEGORIES_VGA, 1027},
    {IDB_APPT_FIELD_NOTES, IDB_APPT_FIELD_NOTES_VGA, kApptNotesId},
    {IDB_APPT_FIELD_ALLDAY, IDB_APPT_FIELD_ALLDAY_VGA, kApptAllDayId},
    {IDB_APPT_FIELD_PRIVATE, IDB_APPT_FIELD_PRIVATE_VGA, kApptPrivateId},
};

RECT ScreenRectOf(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    return r;
}

// The width of a text in the control's own font.
int TextWidthIn(HWND control, const std::u16string& text) {
    HDC dc = GetDC(control);
    const HGDIOBJ keep = SelectObject(dc, reinterpret_cast<HGDIOBJ>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
    SelectObject(dc, keep);
    ReleaseDC(control, dc);
    return size.cx;
}

// True when the control shows the text in full: drawn inside it, and no narrower than the text
// (a clipped text is noted only as far as it shows).
bool ShowsWhole(const pt::DrawRecord& record, HWND control, const std::u16string& text) {
    RECT box{};
    GetWindowRect(control, &box);
    const int width = TextWidthIn(control, text);
    const std::vector<pt::DrawnText> shown = record.ScreenTextsIn(box);
    return std::any_of(shown.begin(), shown.end(), [&](const pt::DrawnText& t) {
        return t.text == text && t.rect.right - t.rect.left >= width;
    });
}

// The form and its pictures painted again while the record listens.
void Repaint(HWND dialog) {
    InvalidateRect(dialog, nullptr, TRUE);
    UpdateWindow(dialog);
    for (int id = IDC_APPT_SUBJECT_PICTURE; id <= IDC_APPT_PRIVATE_PICTURE; ++id) {
        if (const HWND picture = GetDlgItem(dialog, id)) {
            InvalidateRect(picture, nullptr, TRUE);
            UpdateWindow(picture);
        }
    }
    pt::PumpUntilIdle();
}

class ApptFormPictures : public ApptFormTest {
protected:
    void UseScreen(int width, int height) {
        platform::DeviceProfile profile = platform::Profile();
        profile.screenWidth = width;
        profile.screenHeight = height;
        profile.dpi = width >= 480 && height >= 480 ? 192 : 96;
        device_.SetProfile(profile);
    }

    // Every picture shows its own field's bitmap in the screen's size, inside its own control and
    // left of its field.
    static void ExpectPictures(HWND dialog, const pt::DrawRecord& record, bool vga) {
        const std::vector<pt::DrawnPicture> pictures = record.ScreenPictures();
        int control = IDC_APPT_SUBJECT_PICTURE;
        for (const Field& field : kFields) {
            const int id = vga ? field.large : field.small;
            SCOPED_TRACE(id);
            const RECT own = ScreenRectOf(dialog, control++);
            // The portrait form runs past the bottom of a landscape VGA screen.
            if (own.bottom > GetSystemMetrics(SM_CYSCREEN)) continue;
            EXPECT_EQ(std::count_if(pictures.begin(), pictures.end(),
                                    [id](const pt::DrawnPicture& p) { return p.resourceId == id; }),
                      1);
            EXPECT_FALSE(record.ScreenShowsPicture(vga ? field.small : field.large)) << "the other screen's size";
            const auto found = std::find_if(pictures.begin(), pictures.end(),
                                            [id](const pt::DrawnPicture& p) { return p.resourceId == id; });
            if (found == pictures.end()) continue;
            RECT inside{};
            EXPECT_TRUE(IntersectRect(&inside, &found->rect, &own) && EqualRect(&inside, &found->rect))
                << "drawn in its own control";
            const RECT beside = ScreenRectOf(dialog, field.beside);
            EXPECT_LE(found->rect.right, beside.left);
            EXPECT_LT(found->rect.top, beside.bottom);
            EXPECT_GT(found->rect.bottom, beside.top);
            EXPECT_EQ(found->rect.right - found->rect.left, vga ? 18 : 9);
        }
    }

    // No two shown controls of the form share a pixel.
    static void ExpectNoOverlap(HWND dialog) {
        std::vector<std::pair<int, RECT>> controls;
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (!IsWindowVisible(child)) continue;
            RECT r{};
            GetWindowRect(child, &r);
            if (r.right > r.left && r.bottom > r.top) controls.emplace_back(GetDlgCtrlID(child), r);
        }
        ASSERT_GE(controls.size(), 30u);
        for (std::size_t i = 0; i < controls.size(); ++i) {
            for (std::size_t j = i + 1; j < controls.size(); ++j) {
                RECT both{};
                EXPECT_FALSE(IntersectRect(&both, &controls[i].second, &controls[j].second))
                    << controls[i].first << " and " << controls[j].first;
            }
        }
    }

    // A date or time picker draws its fields one by one: together, inside the picker and each no
    // narrower than its text (a clipped text is noted only as far as it shows), they make its text.
    static void ExpectPickerWhole(const pt::DrawRecord& record, HWND picker) {
        char16_t text[64]{};
        GetWindowTextW(picker, text, 64);
        RECT box{};
        GetWindowRect(picker, &box);
        std::u16string shown;
        for (const pt::DrawnText& field : record.ScreenTextsIn(box)) {
            EXPECT_GE(field.rect.right - field.rect.left, TextWidthIn(picker, field.text))
                << std::string(field.text.begin(), field.text.end()) << " cut in a picker";
            shown += field.text;
        }
        EXPECT_EQ(shown, std::u16string(text));
    }

    // Every label is shown whole inside its control, and so is each choice of the reminder and
    // status lists when chosen; so is each picker's date or time.
    static void ExpectTextsFit(HWND dialog, pt::DrawRecord& record) {
        for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            char16_t name[32]{};
            GetClassNameW(child, name, 32);
            const std::u16string kind(name);
            if (kind == DATETIMEPICK_CLASSW) {
                ExpectPickerWhole(record, child);
                continue;
            }
            if (kind != u"Static" && kind != u"Button") continue;
            char16_t text[64]{};
            GetWindowTextW(child, text, 64);
            const std::u16string label(text);
            if (label.empty()) continue;
            EXPECT_TRUE(ShowsWhole(record, child, label)) << std::string(label.begin(), label.end());
        }
        for (const int list : {1022, kApptStatusId}) {
            const LRESULT count = SendDlgItemMessageW(dialog, list, LB_GETCOUNT, 0, 0);
            ASSERT_GT(count, 0) << list;
            for (LRESULT i = 0; i < count; ++i) {
                char16_t text[64]{};
                SendDlgItemMessageW(dialog, list, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
                const std::u16string choice(text);
                SendDlgItemMessageW(dialog, list, LB_SETCURSEL, i, 0);
                record.Clear();
                Repaint(dialog);
                EXPECT_TRUE(ShowsWhole(record, GetDlgItem(dialog, list), choice))
                    << std::string(choice.begin(), choice.end()) << " shown whole in " << list;
            }
        }
    }

    // Opens a new appointment's form and checks its pictures and layout.
    static void ExpectLayout(bool vga, const char* shot) {
        bool shown = false;
        ActInsideForm([&](HWND dialog) {
            shown = true;
            pt::DrawRecord record;
            Repaint(dialog);
            ExpectPictures(dialog, record, vga);
            ExpectNoOverlap(dialog);
            if (shot) {
                EXPECT_TRUE(pt::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / shot));
            }
            ExpectTextsFit(dialog, record);
            Press(dialog, IDM_DLG_CANCEL);
        });
        NewApptDlg();
        EXPECT_TRUE(shown);
    }
};

TEST_F(ApptFormPictures, EachLayoutShowsEveryFieldPictureInTheScreensSizeWithoutOverlap) {
    struct Case {
        int width, height;
        LONG compress;
        bool vga;
        const char* shot;
    };
    const Case cases[] = {
        {240, 320, 0, false, "editors_appt_form_pictures_240x320.png"},
        {480, 640, 0, true, "editors_appt_form_pictures_480x640.png"},
        {320, 240, 0, false, "editors_appt_form_pictures_320x240.png"},
        {320, 240, 1, false, "editors_appt_form_pictures_320x240_compressed.png"},
        {640, 480, 1, true, "editors_appt_form_pictures_640x480.png"},  // VGA keeps the full layout
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " compressed " +
                     std::to_string(c.compress));
        UseScreen(c.width, c.height);
        g_Settings.compressDlg = c.compress;
        ExpectLayout(c.vga, c.shot);
    }
    g_Settings.compressDlg = 0;
}

TEST_F(ApptFormPictures, TurningTheDeviceKeepsTheLargePictures) {
    UseScreen(480, 640);
    bool shown = false;
    ActInsideForm([&](HWND dialog) {
        shown = true;
        UseScreen(640, 480);
        SendMessageW(dialog, WM_SIZE, 0, MAKELPARAM(640, 480));
        pt::PumpUntilIdle();
        pt::DrawRecord record;
        Repaint(dialog);
        EXPECT_TRUE(record.ScreenShowsPicture(IDB_APPT_FIELD_START_VGA));
        EXPECT_FALSE(record.ScreenShowsPicture(IDB_APPT_FIELD_START));
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewApptDlg();
    EXPECT_TRUE(shown);
}

// The start-date picker's place inside the form, apart from where the form itself stands.
RECT StartPickerInForm(HWND dialog) {
    RECT r = ScreenRectOf(dialog, kApptStartDateId);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(ApptFormPictures, TurningBackToPortraitLaysTheFormOutForPortraitAgain) {
    UseScreen(240, 320);
    bool shown = false;
    ActInsideForm([&](HWND dialog) {
        shown = true;
        const RECT portrait = StartPickerInForm(dialog);
        for (int turn = 0; turn < 2; ++turn) {
            SCOPED_TRACE(turn);
            UseScreen(320, 240);
            SendMessageW(dialog, WM_SIZE, 0, MAKELPARAM(320, 240));
            pt::PumpUntilIdle();
            const RECT landscape = StartPickerInForm(dialog);
            EXPECT_FALSE(EqualRect(&portrait, &landscape)) << "laid out for landscape";
            UseScreen(240, 320);
            SendMessageW(dialog, WM_SIZE, 0, MAKELPARAM(240, 320));
            pt::PumpUntilIdle();
            const RECT back = StartPickerInForm(dialog);
            EXPECT_TRUE(EqualRect(&portrait, &back)) << "laid out for portrait again";
        }
        Press(dialog, IDM_DLG_CANCEL);
    });
    NewApptDlg();
    EXPECT_TRUE(shown);
}

// How many shown labels of the form read the text.
int ShownLabels(HWND dialog, const std::u16string& text) {
    int found = 0;
    for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        RECT r{};
        GetWindowRect(child, &r);
        char16_t own[32]{};
        GetWindowTextW(child, own, 32);
        if (IsWindowVisible(child) && r.right > r.left && r.bottom > r.top && own == text) ++found;
    }
    return found;
}

TEST_F(ApptFormPictures, TurningTheDeviceKeepsTheSubjectAndLocationLabelsApart) {
    for (const LONG compress : {0, 1}) {
        SCOPED_TRACE(compress);
        g_Settings.compressDlg = compress;
        UseScreen(240, 320);
        bool shown = false;
        ActInsideForm([&](HWND dialog) {
            shown = true;
            UseScreen(320, 240);
            SendMessageW(dialog, WM_SIZE, 0, MAKELPARAM(320, 240));
            pt::PumpUntilIdle();
            const int each = compress ? 0 : 1;  // the compressed layout has no such labels
            EXPECT_EQ(ShownLabels(dialog, u"Subject:"), each);
            EXPECT_EQ(ShownLabels(dialog, u"Location:"), each);
            if (!compress) ExpectNoOverlap(dialog);
            UseScreen(240, 320);
            SendMessageW(dialog, WM_SIZE, 0, MAKELPARAM(240, 320));
            pt::PumpUntilIdle();
            EXPECT_EQ(ShownLabels(dialog, u"Subject:"), 1);
            EXPECT_EQ(ShownLabels(dialog, u"Location:"), 1);
            Press(dialog, IDM_DLG_CANCEL);
        });
        NewApptDlg();
        EXPECT_TRUE(shown);
    }
    g_Settings.compressDlg = 0;
}

}  // namespace
