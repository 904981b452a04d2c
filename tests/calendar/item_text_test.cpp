// Row text and icons: fitting and wrapping text, category and status icons, and the overdue task
// line.
#include <gtest/gtest.h>

#include <string>

#include "calendar/item_text.h"
#include "calendar/paint_helpers.h"
#include "calendar_fixture.h"
#include "core/cat_record.h"
#include "platform/text.h"

namespace {

using caltest::Canvas;
using caltest::CalendarTest;

class ItemTextTest : public CalendarTest {
protected:
    ~ItemTextTest() override { g_CatList.RemoveAll(); }

    int Width(std::u16string_view text, HFONT font) {
        HDC dc = GetDC(g_Frame.mainWnd);
        const SelectScope select(dc, font);
        const int width = TextExtent(dc, text).cx;
        ReleaseDC(g_Frame.mainWnd, dc);
        return width;
    }
    static void AddCat(const char16_t* name, LONG icon) {
        CatRecord cat;
        cat.name = name;
        cat.icon = icon;
        g_CatList.Append(cat);
    }
};

TEST_F(ItemTextTest, FitTextToWidthShortensWithEllipsis) {
    const std::u16string longText(1000, u'W');
    const int ellipsis = Width(u"...", TextFont());
    struct Case {
        std::u16string text;
        int maxWidth;
        std::u16string expectedPrefix;
        bool ellipsisEnd;
    } cases[] = {
        {u"Lunch\r\nwith Ann", 1000, u"Lunch  with Ann", false},
        {longText, 100, u"WW", true},
        {u"Lunch with Ann", ellipsis - 1, u"", false},
        {u"Lunch", 0, u"", false},
    };
    for (const Case& c : cases) {
        const std::u16string fitted = FitTextToWidth(g_Frame.mainWnd, c.text, c.maxWidth, false, false, false);
        SCOPED_TRACE(c.maxWidth);
        EXPECT_EQ(fitted.substr(0, c.expectedPrefix.size()), c.expectedPrefix);
        if (c.expectedPrefix.empty()) {
            EXPECT_TRUE(fitted.empty());
        }
        EXPECT_EQ(fitted.size() > 3 && fitted.substr(fitted.size() - 3) == u"...", c.ellipsisEnd);
        EXPECT_LE(Width(fitted, TextFont()), c.maxWidth > 0 ? c.maxWidth : 0);
    }
    // Only the first 256 characters are ever considered.
    EXPECT_LE(FitTextToWidth(g_Frame.mainWnd, longText, 100000, false, false, false).size(), 1000u);
    EXPECT_LE(FitTextToWidth(g_Frame.mainWnd, longText, Width(longText.substr(0, 300), TextFont()), false, false,
                             false)
                  .size(),
              256u);
}

TEST_F(ItemTextTest, SplitFirstLineBreaksAtReturnBlankOrCharacter) {
    HDC dc = GetDC(g_Frame.mainWnd);
    {
        const SelectScope select(dc, TextFont());
        const int wide = 1000;
        const int twoWords = TextExtent(dc, u"alpha beta").cx;
        const int letter = TextExtent(dc, u"a").cx;
        struct Case {
            std::u16string text;
            int maxWidth;
            std::u16string line;
            std::u16string rest;
        } cases[] = {
            {u"first line  \r\n  second", wide, u"first line", u"second"},
            {u"alpha beta gamma delta", twoWords + 2, u"alpha beta", u"gamma delta"},
            {u"abcdefgh", letter * 3 + 1, u"abc", u"defgh"},
            // Nothing fits: one character still moves on, so a wrap cannot stall.
            {u"abc", 0, u"a", u"bc"},
        };
        for (const Case& c : cases) {
            std::u16string line, rest;
            SplitFirstLine(dc, c.text, line, rest, 0, c.maxWidth);
            EXPECT_EQ(line, c.line);
            EXPECT_EQ(rest, c.rest);
        }
    }
    ReleaseDC(g_Frame.mainWnd, dc);
}

TEST_F(ItemTextTest, DrawWrappedTextStopsAtLineLimit) {
    Canvas canvas;
    const SelectScope select(canvas.dc(), TextFont());
    const int h = TextExtent(canvas.dc(), u"word").cy;
    const std::u16string text = u"word word word word word word word word word word word word";
    const int width = TextExtent(canvas.dc(), u"word word").cx + 2;
    int y = 10;
    DrawWrappedText(canvas.dc(), text, 0, y, width, width, kNoLimit, true, 2, 0, false, 3);
    EXPECT_EQ(y, 10 + 2 * (h + 3));
    y = 10;
    DrawWrappedText(canvas.dc(), text, 0, y, width, width, kNoLimit, false, kNoLimit, 0, false, 0);
    EXPECT_EQ(y, 10 + 6 * h);
    y = 10;
    EXPECT_EQ(DrawWrappedText(canvas.dc(), text, 0, y, 0, width, kNoLimit, true, 2, 0, false, 0), 0);
    EXPECT_EQ(y, 10);
}

TEST_F(ItemTextTest, CategoryIconsTakeRoomOnlyWhenKnownWithIcon) {
    AddCat(u"Work", 3);
    AddCat(u"Home", -1);
    AddCat(u"prj:Garden", 4);
    ApptRecord appt;
    const struct {
        std::u16string cats;
        int width;
    } cases[] = {
        {u"work", 10}, {u"Home", 0}, {u"Missing", 0}, {u"prj:Garden", 0}, {u"Work,Missing,WORK", 20},
    };
    Canvas canvas;
    for (const auto& c : cases) {
        appt.categories.RemoveAll();
        std::u16string cats = c.cats;
        for (std::size_t at; (at = cats.find(u',')) != std::u16string::npos; cats.erase(0, at + 1))
            appt.categories.Append(cats.substr(0, at));
        appt.categories.Append(cats);
        EXPECT_EQ(DrawItemCatIcons(canvas.dc(), 0, 0, 1000, appt, false, true, false), c.width)
            << platform::ToUtf8(c.cats);
    }
}

TEST_F(ItemTextTest, ItemIconsLeaveOutCategoriesThatDoNotFitUnlessForced) {
    AddCat(u"Work", 3);
    ApptRecord appt;
    appt.reminderSet = 1;
    appt.recurring = 1;
    appt.categories.Append(u"Work");
    appt.categories.Append(u"Work");
    Canvas canvas;
    bool done = false;
    const int status = DrawItemIcons(canvas.dc(), 0, 0, 1000, appt, false, true, false, true, done);
    EXPECT_TRUE(done);
    const int statusOnly = status - 20;
    done = false;
    EXPECT_EQ(DrawItemIcons(canvas.dc(), 0, 0, statusOnly + 15, appt, false, true, false, false, done), statusOnly);
    EXPECT_FALSE(done);
    EXPECT_EQ(DrawItemIcons(canvas.dc(), 0, 0, statusOnly + 15, appt, false, true, false, true, done), status);
    EXPECT_TRUE(done);
    g_Settings.showCat = 0;
    done = false;
    EXPECT_EQ(DrawItemIcons(canvas.dc(), 0, 0, 1000, appt, true, true, true, false, done), 0);
    EXPECT_TRUE(done);
}

TEST_F(ItemTextTest, OverdueTaskIsRedWithItsDueDay) {
    Canvas canvas;
    const RECT rect{0, 0, 240, 40};
    const DateRec today(2026, 3, 10);
    const auto redPixels = [&](const TskRecord& task, bool dueHere) {
        Canvas fresh;
        const SelectScope select(fresh.dc(), ViewFont());
        SetBkMode(fresh.dc(), TRANSPARENT);
        DrawTskLine(fresh.dc(), 2, 2, 30, rect, today, task, dueHere, false, false);
        int red = 0;
        for (int y = 0; y < 30; ++y)
            for (int x = 0; x < 240; ++x) {
                const COLORREF c = fresh.Pixel(x, y);
                red += GetRValue(c) - GetGValue(c) > 60;  // red text, smoothed edges included
            }
        return red;
    };
    const TskRecord overdue = Task(1, u"Taxes", 2026, 3, 5);
    const TskRecord dueToday = Task(2, u"Taxes", 2026, 3, 10);
    EXPECT_GT(redPixels(overdue, false), redPixels(overdue, true));  // "(3/5)" follows the subject
    EXPECT_GT(redPixels(overdue, true), 0);
    EXPECT_EQ(redPixels(dueToday, true), 0);
    g_Settings.redOverdue = 0;
    EXPECT_EQ(redPixels(overdue, false), 0);
}

}  // namespace

namespace {

TEST_F(ItemTextTest, SelectedAppointmentIsFramedOnItsDayOnly) {
    const ApptRecord appt = Appt(7, u"Dentist", DateRec(2026, 3, 10, 9, 0), 60);
    const RECT rect{0, 0, 200, 100};
    g_CurItem.oid = 7;
    g_CurItem.kind = kItemAppt;
    const auto framed = [&](const DateRec& hitDate) {
        HitItemDate = hitDate;
        Canvas canvas;
        int lineBottom = 30;
        DrawAgendaEntry(canvas.dc(), 0, 10, lineBottom, rect, appt, DateRec(2026, 3, 10), false, false, false);
        // The right part of the clip's top edge lies clear of the text.
        return canvas.Pixel(180, 10) != 0xFFFFFFu;
    };
    EXPECT_TRUE(framed(DateRec(2026, 3, 10, 9, 0)));
    EXPECT_FALSE(framed(DateRec(2026, 3, 11)));
    g_CurItem.oid = 8;
    EXPECT_FALSE(framed(DateRec(2026, 3, 10, 9, 0)));
}

}  // namespace
