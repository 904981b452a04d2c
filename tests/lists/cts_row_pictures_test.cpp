// The pictures of the contact rows and of the call history, in the program's window over a store
// with linked, noted and categorised contacts: which glyph, category icon and field icon each row
// draws and where, the row backgrounds of the selection styles, and the call kinds told apart.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "core/cat_file.h"
#include "core/cat_record.h"
#include "core/cts_loading.h"
#include "core/cur_item.h"
#include "core/link_table.h"
#include "core/screen_class.h"
#include "core/theme_record.h"
#include "core/theme_words.h"
#include "core/view_id.h"
#include "lists/cts_list.h"
#include "lists/list_colors.h"
#include "platform/phone.h"
#include "platform/testing_dialogs.h"
#include "platform/testing_display.h"
#include "platform/testing_draw.h"
#include "platform/testing_phone.h"
#include "resources/resource.h"
#include "tests/frame/program_fixture.h"
#include "ui/draw_prims.h"

namespace {

namespace pt = platform::testing;

constexpr int kLinkGlyph = 20;
constexpr int kNotesGlyph = 9;
constexpr int kProjectGlyph = 19;
constexpr int kGolfIcon = 37;
constexpr int kMobileField = 2;

struct Screen {
    int width, height;
    int statusStrip;  // the strip the link, notes and project glyphs come from
    int catStrip;     // the custom-icon strip of the category icons
    int fieldStrip;
};

constexpr Screen kScreens[] = {
    {240, 320, IDB_STATUS_ICONS_8, IDB_CUSTOM_ICONS_8, IDB_FIELD_KINDS_16},
    {480, 640, IDB_STATUS_ICONS_24, IDB_CUSTOM_ICONS_24, IDB_FIELD_KINDS_24},
};

const pt::DrawnPicture* Find(const std::vector<pt::DrawnPicture>& pictures, int resource, int index) {
    const auto found = std::find_if(pictures.begin(), pictures.end(), [&](const pt::DrawnPicture& p) {
        return p.resourceId == resource && p.index == index;
    });
    return found == pictures.end() ? nullptr : &*found;
}

class CtsRowPictures : public frametest::ProgramTest {
protected:
    CtsRowPictures() : savedTheme_(g_Theme) {}
    ~CtsRowPictures() override {
        CloseProgram();
        g_Theme = savedTheme_;
        g_CatList.RemoveAll();
        g_LinkTable.RemoveAll();
        g_CurItem = CurItem{};
    }

    LONG AddContact(const char16_t* first, const char16_t* last, const char16_t* categories, const char16_t* notes,
                    const char16_t* mobile) {
        PoomPtr<IContact> contact = Store::Create<IContact>(olContactItem, IID_IContact);
        contact->put_FirstName(first);
        contact->put_LastName(last);
        contact->put_FileAs((std::u16string(last) + u", " + first).c_str());
        contact->put_Categories(categories);
        contact->put_Body(notes);
        contact->put_MobileTelephoneNumber(mobile);
        EXPECT_EQ(contact->Save(), S_OK);
        LONG oid = -1;
        contact->get_Oid(&oid);
        return oid;
    }

    // Anna is linked, has notes, a project and a category with an icon, and her mobile number as the
    // default field; Carl has none of it. The category's icon and the link are the side files the
    // program reads at start.
    void FillStore() {
        Store store;
        anna_ = AddContact(u"Anna", u"Berg", u"Prj:Garden, Golf", u"Met at the club", u"555-0101");
        carl_ = AddContact(u"Carl", u"Dahl", u"", u"", u"");
        long_ = AddContact(u"Anna", u"Lindqvistsson", u"Prj:Garden, Golf", u"Long name", u"555-0199");
        CatRecord golf;
        golf.name = u"Golf";
        golf.icon = kGolfIcon;
        g_CatList.RemoveAll();
        g_CatList.Append(golf);
        SaveCategoriesFile();
        g_CatList.RemoveAll();
        g_LinkTable.RemoveAll();
        AddLinkToText(g_LinkTable, anna_, u"http://example.org", kLinkWeb);
        AddLinkToText(g_LinkTable, long_, u"http://example.org", kLinkWeb);
        SaveLinkInfoFile();
        g_LinkTable.RemoveAll();
    }

    void OpenContacts(const Screen& screen) {
        UseScreen(screen.width, screen.height);
        WriteSetting(u"STARTON30", kStartContacts);
        WriteSetting(u"CTSICON", 0);
        WriteSetting(u"ABCTB", 0);
        WriteSetting(u"PHOTO", 0);
        Open();
        ASSERT_EQ(ViewId, kViewContacts);
        ASSERT_NE(g_CtsListWnd, nullptr);
    }

    static int ListRowOf(LONG oid) {
        for (int i = 0; i < g_CtsRows.Size(); ++i) {
            if (g_CtsRows[i].kind == kRowItem && g_CtsRows[i].id == oid) return i;
        }
        return -1;
    }

    static RECT RowOnScreen(int row) {
        RECT r{};
        r.left = LVIR_BOUNDS;
        SendMessageW(g_CtsListWnd, LVM_GETITEMRECT, static_cast<WPARAM>(row), reinterpret_cast<LPARAM>(&r));
        POINT topLeft{r.left, r.top};
        POINT bottomRight{r.right, r.bottom};
        ClientToScreen(g_CtsListWnd, &topLeft);
        ClientToScreen(g_CtsListWnd, &bottomRight);
        return RECT{topLeft.x, topLeft.y, bottomRight.x, bottomRight.y};
    }

    static void Repaint() {
        InvalidateRect(g_CtsListWnd, nullptr, TRUE);
        UpdateWindow(g_CtsListWnd);
        pt::PumpUntilIdle();
    }

    static void Shot(const char* name, const Screen& screen) {
        const std::string file = std::string(name) + "_" + std::to_string(screen.width) + "x" +
                                 std::to_string(screen.height) + ".png";
        EXPECT_TRUE(pt::SaveScreenshot(std::filesystem::path(QV_TEST_OUTPUT_DIR) / file));
    }

    ThemeRec savedTheme_;
    LONG anna_ = -1;
    LONG carl_ = -1;
    LONG long_ = -1;  // as much as Anna, with a longer name
};

TEST_F(CtsRowPictures, RowsShowLinkNotesProjectCategoryAndFieldPictures) {
    FillStore();
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
        OpenContacts(screen);
        pt::DrawRecord record;
        Repaint();
        const int annaRow = ListRowOf(anna_);
        const int carlRow = ListRowOf(carl_);
        ASSERT_GE(annaRow, 0);
        ASSERT_GE(carlRow, 0);

        const std::vector<pt::DrawnPicture> anna = record.ScreenPicturesIn(RowOnScreen(annaRow));
        const pt::DrawnPicture* link = Find(anna, screen.statusStrip, kLinkGlyph);
        const pt::DrawnPicture* notes = Find(anna, screen.statusStrip, kNotesGlyph);
        const pt::DrawnPicture* project = Find(anna, screen.statusStrip, kProjectGlyph);
        const pt::DrawnPicture* golf = Find(anna, screen.catStrip, kGolfIcon);
        const pt::DrawnPicture* field = Find(anna, screen.fieldStrip, kMobileField);
        ASSERT_NE(link, nullptr);
        ASSERT_NE(notes, nullptr);
        ASSERT_NE(project, nullptr);
        ASSERT_NE(golf, nullptr) << "the category's icon, not its name";
        ASSERT_NE(field, nullptr);
        EXPECT_FALSE(record.ScreenShows(u"Golf")) << "no category name as text";
        // Name, then link, notes, project and the category in that order, the field icon before the number.
        const std::vector<pt::DrawnText> name = record.ScreenTextsContaining(u"Berg");
        const std::vector<pt::DrawnText> number = record.ScreenTextsContaining(u"555-0101");
        ASSERT_FALSE(name.empty());
        ASSERT_FALSE(number.empty());
        EXPECT_LT(name[0].rect.right, link->rect.left);
        EXPECT_LT(link->rect.left, notes->rect.left);
        EXPECT_LT(notes->rect.left, project->rect.left);
        EXPECT_LT(project->rect.left, golf->rect.left);
        EXPECT_LT(golf->rect.right, field->rect.left);
        EXPECT_LE(field->rect.right, number[0].rect.left);

        const std::vector<pt::DrawnPicture> carl = record.ScreenPicturesIn(RowOnScreen(carlRow));
        EXPECT_EQ(Find(carl, screen.statusStrip, kLinkGlyph), nullptr);
        EXPECT_EQ(Find(carl, screen.statusStrip, kNotesGlyph), nullptr);
        EXPECT_EQ(Find(carl, screen.statusStrip, kProjectGlyph), nullptr);
        EXPECT_EQ(Find(carl, screen.catStrip, kGolfIcon), nullptr);
        for (int kind = 0; kind < 13; ++kind) EXPECT_EQ(Find(carl, screen.fieldStrip, kind), nullptr);

        // A longer name leaves less room: what does not fit drops from the right, and nothing
        // reaches the number.
        const std::vector<pt::DrawnPicture> crowded = record.ScreenPicturesIn(RowOnScreen(ListRowOf(long_)));
        const bool drawn[] = {Find(crowded, screen.statusStrip, kLinkGlyph) != nullptr,
                              Find(crowded, screen.statusStrip, kNotesGlyph) != nullptr,
                              Find(crowded, screen.statusStrip, kProjectGlyph) != nullptr,
                              Find(crowded, screen.catStrip, kGolfIcon) != nullptr};
        for (int i = 1; i < 4; ++i) EXPECT_TRUE(drawn[i - 1] || !drawn[i]) << "picture " << i << " without the one before";
        if (screen.width == 240) {
            EXPECT_TRUE(drawn[0]) << "the link still fits";
            EXPECT_FALSE(drawn[3]) << "the category icon no longer fits";
        }
        const std::vector<pt::DrawnText> crowdedNumber = record.ScreenTextsContaining(u"555-0199");
        ASSERT_FALSE(crowdedNumber.empty());
        for (const pt::DrawnPicture& p : crowded) {
            if (p.resourceId == screen.fieldStrip) continue;
            EXPECT_LT(p.rect.right, crowdedNumber[0].rect.left) << p.resourceId << " " << p.index;
        }
        Shot("lists_contact_rows", screen);
        CloseProgram();
    }
}

TEST_F(CtsRowPictures, TwoLineRowsKeepTheGlyphStripAtTheRight) {
    FillStore();
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
        WriteSetting(u"PHOTO", 1);
        UseScreen(screen.width, screen.height);
        WriteSetting(u"STARTON30", kStartContacts);
        WriteSetting(u"CTSICON", 0);
        Open();
        ASSERT_NE(g_CtsListWnd, nullptr);
        pt::DrawRecord record;
        Repaint();
        const RECT row = RowOnScreen(ListRowOf(anna_));
        const std::vector<pt::DrawnPicture> anna = record.ScreenPicturesIn(row);
        const pt::DrawnPicture* link = Find(anna, screen.statusStrip, kLinkGlyph);
        const pt::DrawnPicture* golf = Find(anna, screen.catStrip, kGolfIcon);
        ASSERT_NE(link, nullptr);
        ASSERT_NE(golf, nullptr);
        ASSERT_NE(Find(anna, screen.fieldStrip, kMobileField), nullptr);
        EXPECT_GE(row.right - golf->rect.right, 4) << "the strip ends at the row's right";
        EXPECT_LT(row.right - golf->rect.right, 12);
        const std::vector<pt::DrawnText> name = record.ScreenTextsContaining(u"Berg");
        ASSERT_FALSE(name.empty());
        EXPECT_LE(name[0].rect.right, link->rect.left);
        Shot("lists_contact_rows_photo", screen);
        CloseProgram();
    }
}

TEST_F(CtsRowPictures, SelectedRowBackgroundFollowsTheSelectionStyle) {
    const Screen& screen = kScreens[0];
    FillStore();
    OpenContacts(screen);
    const int row = ListRowOf(carl_);
    ASSERT_GE(row, 0);
    TapListRow(g_CtsListWnd, row);
    const RECT r = RowOnScreen(row);
    // Inside the row box, away from the name; its bottom line; the box's top and bottom inside.
    const int x = r.right - 20;
    const int middle = (r.top + r.bottom) / 2;
    const COLORREF selection = ListColor(kListSelection);
    const COLORREF background = ListColor(kListBackground);
    struct Case {
        LONG style;
        bool picture;
        const char* what;
    };
    const Case cases[] = {
        {0, false, "filled with the highlight"},
        {1, false, "filled with the highlight, outlined"},
        {2, false, "the bar inset's separator"},
        {4, false, "a gradient"},
        {0, true, "over a picture only the outline"},
        {3, false, "the theme's selection, where the style draws nothing of its own"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        g_Theme.words[kThemeListBackground] = c.style;
        g_Theme.String(kThemeBackgroundPicture) = c.picture ? u"\\My Documents\\none.bmp" : u"";
        Repaint();
        const COLORREF inside = pt::ReadScreenPixel(x, middle);
        const COLORREF top = pt::ReadScreenPixel(x, r.top + 2);
        const COLORREF bottom = pt::ReadScreenPixel(x, r.bottom - 3);
        const COLORREF lastLine = pt::ReadScreenPixel(x, r.bottom - 1);
        const COLORREF outline = pt::ReadScreenPixel(r.left + 2, middle);
        switch (c.style) {
        case 0:
            if (c.picture) {
                EXPECT_NE(inside, selection);
                EXPECT_EQ(outline, DarkenColor(selection, 40));
            } else {
                EXPECT_EQ(inside, selection);
            }
            break;
        case 1:
            EXPECT_EQ(inside, selection);
            EXPECT_EQ(outline, ListColor(kListHeaderBand));
            break;
        case 2: EXPECT_NE(lastLine, background); break;
        case 4: EXPECT_NE(top, bottom) << "the panel runs from one colour to the other"; break;
        default:
            EXPECT_NE(inside, background) << "the current row stands out from the rest";
            break;
        }
    }
}

class CallHistoryPictures : public CtsRowPictures {
protected:
    static pt::TestCall Call(IOM iom, DWORD flags, const char16_t* number, const char16_t* nameType) {
        pt::TestCall call;
        call.start = FILETIME{0, 30000000};
        call.end = FILETIME{600000000, 30000000};
        call.iom = iom;
        call.flags = flags;
        call.name = u"Berg, Anna";
        call.number = number;
        call.nameType = nameType;
        return call;
    }
};

TEST_F(CallHistoryPictures, CallKindsAndNameKindsAreToldApart) {
    constexpr DWORD kEnded = CALLLOG_ENDED;
    constexpr DWORD kConnected = CALLLOG_CONNECTED;
    constexpr DWORD kOutgoing = CALLLOG_OUTGOING;
    struct Expect {
        const char16_t* number;
        int kind;       // call icon
        int nameGlyph;  // field-kind icon, -1 none
    };
    const Expect expected[] = {
        {u"555-0001", 0, 0},   // outgoing, got through, home
        {u"555-0002", 1, 1},   // incoming, answered, work
        {u"555-0003", 2, 2},   // outgoing, not through, mobile
        {u"555-0004", 3, -1},  // missed, no name kind
    };
    FillStore();
    for (const Screen& screen : kScreens) {
        SCOPED_TRACE(std::to_string(screen.width) + "x" + std::to_string(screen.height));
        pt::InstallPhoneLibrary(device_, {Call(IOM_OUTGOING, kOutgoing | kConnected | kEnded, u"555-0001", u"h"),
                                          Call(IOM_INCOMING, kConnected | kEnded, u"555-0002", u"W"),
                                          Call(IOM_OUTGOING, kOutgoing | kEnded, u"555-0003", u"m"),
                                          Call(IOM_MISSED, kEnded, u"555-0004", u"")});
        OpenContacts(screen);
        TapListRow(g_CtsListWnd, ListRowOf(anna_));
        bool shown = false;
        pt::ActInsideDialog([&](HWND dialog) {
            shown = true;
            pt::DrawRecord record;
            const HWND list = GetDlgItem(dialog, IDC_CALL_LIST);
            InvalidateRect(dialog, nullptr, TRUE);
            InvalidateRect(list, nullptr, TRUE);
            UpdateWindow(dialog);
            UpdateWindow(list);
            pt::PumpUntilIdle();
            for (int i = 0; i < 4; ++i) {
                SCOPED_TRACE(i);
                RECT r{};
                r.left = LVIR_BOUNDS;
                SendMessageW(list, LVM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
                MapWindowPoints(list, nullptr, reinterpret_cast<POINT*>(&r), 2);
                const std::vector<pt::DrawnPicture> row = record.ScreenPicturesIn(r);
                for (int kind = 0; kind < 4; ++kind) {
                    EXPECT_EQ(Find(row, IDB_CALL_HISTORY_32, kind) != nullptr, kind == expected[i].kind) << kind;
                }
                const pt::DrawnPicture* glyph =
                    expected[i].nameGlyph >= 0 ? Find(row, screen.fieldStrip, expected[i].nameGlyph) : nullptr;
                EXPECT_EQ(glyph != nullptr, expected[i].nameGlyph >= 0);
                // No assertion may leave the lambda early: the dialog must still be closed.
                const std::vector<pt::DrawnText> number = record.ScreenTextsContaining(expected[i].number);
                EXPECT_EQ(number.size(), 1u);
                if (glyph && !number.empty()) {
                    EXPECT_LE(glyph->rect.right, number[0].rect.left);
                }
                // The details line: under the glyph in portrait.
                const std::vector<pt::DrawnText> inRow = record.ScreenTextsIn(r);
                EXPECT_EQ(inRow.size(), 2u);
                if (inRow.size() == 2) {
                    EXPECT_GT(inRow[1].rect.top, inRow[0].rect.top);
                    EXPECT_EQ(inRow[1].rect.left - r.left, 48);
                }
            }
            // The band: the count and each direction after its icon.
            RECT band{};
            GetWindowRect(dialog, &band);
            RECT listRect{};
            GetWindowRect(list, &listRect);
            band.bottom = listRect.top;
            const std::vector<pt::DrawnPicture> top = record.ScreenPicturesIn(band);
            for (int icon = 0; icon < 3; ++icon) EXPECT_NE(Find(top, IDB_CALL_SUMMARY_16, icon), nullptr) << icon;
            EXPECT_TRUE(record.ScreenShows(u"In: 00:02:00"));
            EXPECT_TRUE(record.ScreenShows(u"Out: 00:02:00"));
            Shot("lists_call_history", screen);
            SendMessageW(dialog, WM_COMMAND, IDM_DLG_DONE, 0);
        });
        Command(IDM_CALL_HISTORY);
        EXPECT_TRUE(shown);
        CloseProgram();
    }
}

}  // namespace
