// The appointment form's field pictures: each layout shows the pictures it has room for beside
// their fields, in the size of the screen, and keeps them when the device turns.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "tests/editors/appt_form_fixture.h"

#include "platform/controls.h"
#include "platform/device.h"
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

constexpr Field kSubject{IDB_APPT_FIELD_SUBJECT, IDB_APPT_FIELD_SUBJECT_VGA, kApptSubjectId};
constexpr Field kLocation{IDB_APPT_FIELD_LOCATION, IDB_APPT_FIELD_LOCATION_VGA, kApptLocationId};
constexpr Field kStart{IDB_APPT_FIELD_START, IDB_APPT_FIELD_START_VGA, 1611};
constexpr Field kRecur{IDB_APPT_FIELD_RECUR, IDB_APPT_FIELD_RECUR_VGA, kApptOccursLabelId};
constexpr Field kEnd{IDB_APPT_FIELD_END, IDB_APPT_FIELD_END_VGA, 1612};

RECT ScreenRectOf(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    return r;
}

// The form and its pictures painted again while the record listens.
void Repaint(HWND dialog) {
    InvalidateRect(dialog, nullptr, TRUE);
    UpdateWindow(dialog);
    for (int id = IDC_APPT_SUBJECT_PICTURE; id <= IDC_APPT_END_PICTURE; ++id) {
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

    // Opens a new appointment's form and checks the pictures shown beside their fields.
    static void ExpectPictures(const std::vector<Field>& fields, bool vga, const char* shot) {
        bool shown = false;
        ActInsideForm([&](HWND dialog) {
            shown = true;
            pt::DrawRecord record;
            Repaint(dialog);
            const std::vector<pt::DrawnPicture> pictures = record.ScreenPictures();
            for (const Field& field : fields) {
                const int id = vga ? field.large : field.small;
                const auto found = std::find_if(pictures.begin(), pictures.end(),
                                                [id](const pt::DrawnPicture& p) { return p.resourceId == id; });
                EXPECT_NE(found, pictures.end()) << id;
                const int other = vga ? field.small : field.large;
                EXPECT_FALSE(record.ScreenShowsPicture(other)) << "the other screen's size " << other;
                if (found == pictures.end()) continue;
                const RECT beside = ScreenRectOf(dialog, field.beside);
                EXPECT_LE(found->rect.right, beside.left) << id;
                EXPECT_LT(found->rect.top, beside.bottom) << id;
                EXPECT_GT(found->rect.bottom, beside.top) << id;
                EXPECT_EQ(found->rect.right - found->rect.left, vga ? 18 : 9) << id;
            }
            if (shot) {
                EXPECT_TRUE(pt::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / shot));
            }
            Press(dialog, IDM_DLG_CANCEL);
        });
        NewApptDlg();
        EXPECT_TRUE(shown);
    }
};

TEST_F(ApptFormPictures, EachLayoutShowsItsFieldPicturesInTheScreensSize) {
    const std::vector<Field> portrait = {kStart, kRecur, kEnd};
    struct Case {
        int width, height;
        LONG compress;
        std::vector<Field> fields;
        bool vga;
        const char* shot;
    };
    const Case cases[] = {
        {240, 320, 0, portrait, false, "editors_appt_form_pictures_240x320.png"},
        {480, 640, 0, portrait, true, "editors_appt_form_pictures_480x640.png"},
        {320, 240, 0, portrait, false, nullptr},
        {320, 240, 1, {kSubject, kLocation, kStart, kRecur, kEnd}, false, nullptr},
        {640, 480, 1, portrait, true, nullptr},  // VGA keeps the full layout
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.width) + "x" + std::to_string(c.height) + " compressed " +
                     std::to_string(c.compress));
        UseScreen(c.width, c.height);
        g_Settings.compressDlg = c.compress;
        ExpectPictures(c.fields, c.vga, c.shot);
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

}  // namespace
