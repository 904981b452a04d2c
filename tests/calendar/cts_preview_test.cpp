// The contact preview: the painted preview of the selected contact, the empty background for an
// unknown one, and the measuring pass that must leave the window alone.
#include <gtest/gtest.h>

#include "calendar/cts_preview.h"
#include "calendar/paint_helpers.h"
#include "calendar_fixture.h"
#include "core/cts_loading.h"
#include "core/id_index.h"
#include "core/theme_words.h"

namespace {

using caltest::Canvas;
using caltest::CalendarTest;

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kSky = 0xF0E0C0;

class CtsPreviewTest : public CalendarTest {
protected:
    CtsPreviewTest() {
        CtsRecord contact;
        contact.oid = 77;
        contact.firstName = u"Annabel";
        contact.lastName = u"Featherstonehaugh-Whittingham of the Long Name";
        contact.fileAs = contact.lastName + u", " + contact.firstName;
        contact.company = u"Quill & Ink";
        contact.defaultText = u"555 0100";
        g_CtsList.RemoveAll();
        g_CtsList.Append(contact);
        g_CtsIdIndex.RemoveAll();
        IdIndexInsert(77, 0, g_CtsIdIndex);
        AnnivArrAddSorted(g_AnnivList, Anniv(77, u"Annabel", 1985, 6, 2, kAnnivBirthday));
        g_CurItem.oid = 77;
        g_CurItem.kind = kItemContact;
        SetThemeWord(kThemeBackground, kSky);
    }
    ~CtsPreviewTest() override {
        g_CtsList.RemoveAll();
        g_CtsIdIndex.RemoveAll();
    }
};

TEST_F(CtsPreviewTest, PaintsTheSelectedContact) {
    Canvas canvas;
    EXPECT_EQ(DrawCtsPreview(canvas.dc(), true), 0);
    EXPECT_TRUE(canvas.Save(OutputFile("contact_preview.png")));
    // The view background covers the window.
    EXPECT_EQ(canvas.Pixel(1, 1), kSky);
    EXPECT_EQ(canvas.Pixel(220, 200), kSky);
}

TEST_F(CtsPreviewTest, UnknownContactShowsTheBackgroundOnly) {
    g_CurItem.oid = 12345;
    Canvas canvas;
    EXPECT_EQ(DrawCtsPreview(canvas.dc(), true), 0);
    EXPECT_EQ(canvas.Pixel(100, 100), kSky);
    EXPECT_EQ(canvas.Pixel(1, 1), kSky);
}

TEST_F(CtsPreviewTest, MeasuringPassLeavesTheWindowAsItWas) {
    Canvas canvas;
    EXPECT_EQ(DrawCtsPreview(canvas.dc(), false), 0);
    EXPECT_EQ(canvas.Pixel(1, 1), kWhite);
    EXPECT_EQ(canvas.Pixel(100, 100), kWhite);
}

}  // namespace
