// Links in drawn text: which words are links, and where the link colour and underline land when a
// sentence is drawn word by word.
#include <gtest/gtest.h>

#include <string>

#include "core/app_settings.h"
#include "core/cts_name_index.h"
#include "core/cts_record.h"
#include "draw_surface.h"
#include "platform/testing.h"
#include "platform/text.h"
#include "ui/draw_prims.h"
#include "ui/gdi_scope.h"
#include "ui/text_links.h"

namespace {

TEST(TextLinks, MailAddresses) {
    struct Case {
        const char16_t* text;
        bool mail;
    } const cases[] = {
        {u"ann@example.com", true},  {u"@example.com", true},     {u"ann@.com", false},
        {u"ann@example.", false},    {u"ann.lee@example", false}, {u"", false},
        {u"ann@ex ample.com", false}, {u"no at sign.com", false},  {u"a@b.c", true},
    };
    for (const Case& c : cases) EXPECT_EQ(IsMailAddress(c.text), c.mail) << platform::ToUtf8(c.text);
}

TEST(TextLinks, WebAddresses) {
    struct Case {
        const char16_t* text;
        bool web;
    } const cases[] = {
        {u"www.example.com", true}, {u"example.com", true},  {u"www..com", false},     {u"www.a.com", false},
        {u"example.co", false},     {u"example.c", false},   {u"example.com.", false}, {u"nodots", false},
        {u"shop.example", false},   {u"", false},
    };
    for (const Case& c : cases) EXPECT_EQ(IsWebAddress(c.text), c.web) << platform::ToUtf8(c.text);
}

TEST(TextLinks, ClassifyInOrder) {
    struct Case {
        const char16_t* text;
        bool link;
        int kind;
    } const cases[] = {
        {u"555 1234", true, kLinkPhone},
        {u"ann@example.com", true, kLinkMail},
        {u"www.example.com", true, kLinkWeb},
        {u"[Nobody Loaded]", false, kLinkNone},
        {u"hello", false, kLinkNone},
    };
    for (const Case& c : cases) {
        int kind = kLinkNone;
        EXPECT_EQ(ClassifyLinkText(c.text, kind), c.link) << platform::ToUtf8(c.text);
        EXPECT_EQ(kind, c.kind) << platform::ToUtf8(c.text);
    }
}

class LinkDrawing : public ::testing::Test {
protected:
    LinkDrawing() : surface_(kWidth, kHeight) {
        LOGFONTW logFont{};
        InitLogFont(logFont, kFontHeight, false, false);
        font_.Reset(CreateFontIndirectW(&logFont));
        previousFont_ = SelectObject(surface_.dc(), font_.Get());
        SetTextColor(surface_.dc(), RGB(0, 0, 0));
        SetBkMode(surface_.dc(), TRANSPARENT);
    }
    ~LinkDrawing() override {
        SelectObject(surface_.dc(), previousFont_);
        g_Settings.shadowText = 0;
    }

    int Width(std::u16string_view text) const {
        SIZE size{};
        GetTextExtentExPointW(surface_.dc(), text.data(), static_cast<int>(text.size()), 0, nullptr, nullptr, &size);
        return size.cx;
    }

    // The columns that hold a pixel of the link colour: first and one past the last, or {0, 0}.
    std::pair<int, int> LinkColumns() const {
        int first = -1;
        int last = -1;
        for (int x = 0; x < kWidth; ++x) {
            for (int y = 0; y < kHeight; ++y) {
                if (surface_.Pixel(x, y) == kLinkColor) {
                    if (first < 0) first = x;
                    last = x;
                }
            }
        }
        return first < 0 ? std::pair{0, 0} : std::pair{first, last + 1};
    }

    static constexpr int kWidth = 400;
    static constexpr int kHeight = 24;
    static constexpr int kFontHeight = 14;
    static constexpr int kX = 4;

    platform::testing::TestDevice device_;
    DrawSurface surface_;
    OwnedFont font_;
    HGDIOBJ previousFont_ = nullptr;
};

TEST_F(LinkDrawing, LinkColourCoversOnlyTheLink) {
    struct Case {
        const char16_t* text;
        const char16_t* before;  // what is drawn plainly ahead of the link
        const char16_t* link;    // empty: no link at all
    } const cases[] = {
        {u"call 555 1234 now", u"call ", u"555 1234"},
        {u"ann@example.com", u"", u"ann@example.com"},
        {u"write to ann@example.com today", u"write to ", u"ann@example.com"},
        {u"see www.example.com ", u"see ", u"www.example.com"},
        {u"nothing to open here", u"", u""},
    };
    for (const Case& c : cases) {
        const RECT all{0, 0, kWidth, kHeight};
        const HBRUSH white = CreateSolidBrush(RGB(255, 255, 255));
        FillRect(surface_.dc(), &all, white);
        DeleteObject(white);
        DrawStrAt(surface_.dc(), kX, 2, c.text, kWithLinks);
        const auto [first, end] = LinkColumns();
        const std::u16string link = c.link;
        if (link.empty()) {
            EXPECT_EQ(end, 0) << platform::ToUtf8(c.text);
            continue;
        }
        // The underline runs the whole width of the link, so its columns are the link's.
        const int start = kX + Width(c.before);
        EXPECT_NEAR(first, start, 1) << platform::ToUtf8(c.text);
        EXPECT_NEAR(end, start + Width(link), 1) << platform::ToUtf8(c.text);
        // The font is put back: the next plain text is not underlined in the link colour.
        EXPECT_EQ(GetTextColor(surface_.dc()), RGB(0, 0, 0));
        EXPECT_EQ(GetCurrentObject(surface_.dc(), OBJ_FONT), font_.Get());
    }
}

TEST_F(LinkDrawing, TwoWordContactNameIsOneLink) {
    CtsRecord ann;
    ann.oid = 0x80000001;
    ann.firstName = u"Ann";
    ann.lastName = u"Lee";
    g_CtsList.Append(ann);
    AddToNameIndex(u"Lee", 0, g_CtsNameIndexes.lastNames);
    AddToNameIndex(u"Ann", 0, g_CtsNameIndexes.firstNames);
    DrawStrAt(surface_.dc(), kX, 2, u"meet [Ann Lee] today", kWithLinks);
    const auto [first, end] = LinkColumns();
    g_CtsList.RemoveAll();
    g_CtsNameIndexes = CtsNameIndexes{};
    const int start = kX + Width(u"meet ");
    EXPECT_NEAR(first, start, 1);
    EXPECT_NEAR(end, start + Width(u"[Ann Lee]"), 1);
}

TEST_F(LinkDrawing, ShadowedTextMarksNoLinks) {
    g_Settings.shadowText = 1;
    DrawStrAt(surface_.dc(), kX, 2, u"call 555 1234 now", kWithLinks);
    EXPECT_EQ(LinkColumns().second, 0);
    int shadow = 0;
    for (int x = 0; x < kWidth; ++x)
        for (int y = 0; y < kHeight; ++y) shadow += surface_.Pixel(x, y) == kShadowGrey;
    EXPECT_GT(shadow, 0);
}

TEST_F(LinkDrawing, PlainRequestDrawsNoLinks) {
    DrawStrAt(surface_.dc(), kX, 2, u"ann@example.com", kPlainText);
    EXPECT_EQ(LinkColumns().second, 0);
}

}  // namespace
