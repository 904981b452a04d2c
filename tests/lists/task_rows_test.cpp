// Task rows as they are drawn: the row heights by screen and settings, the red of an overdue task,
// the struck-out subject of a completed one, and the colour of the task's first category.
#include <gtest/gtest.h>

#include <cstdlib>

#include "core/app_settings.h"
#include "core/cat_filter.h"
#include "core/cat_record.h"
#include "core/theme_words.h"
#include "lists/list_colors.h"
#include "lists/task_view.h"
#include "platform/gdi.h"
#include "platform/testing.h"
#include "platform/testing_draw.h"
#include "resources/quorvia_resources.h"
#include "ui/image_lists.h"
#include "ui/item_paint.h"
#include "ui/gdi_scope.h"

namespace {

constexpr int kRowWidth = 220;
constexpr int kRowHeight = 26;

class TaskRowsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(RegisterQuorviaResources());
        saved_ = g_Settings;
        g_Settings = AppSettings();
        SYSTEMTIME now{2026, 3, 2, 10, 9, 0, 0, 0};
        platform::testing::FreezeClock(now);
    }
    void TearDown() override {
        platform::testing::ThawClock();
        g_Settings = saved_;
        g_CatList.RemoveAll();
    }
    static TskRecord Task(bool due, WORD dueDay, bool complete) {
        TskRecord task;
        task.oid = 5;
        task.subject = u"Water the plants";
        task.hasDue = due ? 1 : 0;
        task.due = DateRec(2026, 3, dueDay);
        task.complete = complete ? 1 : 0;
        return task;
    }
    // Counts the pixels of the row that pass the test, left of the date column.
    template <class Test>
    static int CountPixels(const TskRecord& task, bool twoLines, Test&& test) {
        const HDC screen = GetDC(nullptr);
        MemoryDC memory(screen);
        OwnedBitmap bitmap(CreateCompatibleBitmap(screen, kRowWidth, kRowHeight * 2));
        ReleaseDC(nullptr, screen);
        SelectScope select(memory.Get(), bitmap.Get());
        const RECT rect{0, 0, kRowWidth, twoLines ? kRowHeight * 2 : kRowHeight};
        OwnedBrush white(CreateSolidBrush(0xFFFFFF));
        FillRect(memory.Get(), &rect, white.Get());
        DrawTskRow(memory.Get(), rect, task, false, true, false, twoLines);
        int count = 0;
        for (int y = 0; y < rect.bottom; ++y)
            for (int x = 30; x < 150; ++x) count += test(GetPixel(memory.Get(), x, y)) ? 1 : 0;
        return count;
    }
    AppSettings saved_;
    platform::testing::TestDevice device_;
};

bool IsRed(COLORREF c) { return GetRValue(c) > 170 && GetGValue(c) < 60 && GetBValue(c) < 60; }

TEST_F(TaskRowsTest, OnlyAnOverdueTaskIsRed) {
    struct Case {
        bool due;
        WORD day;
        LONG redOverdue;
        bool red;
    };
    const Case cases[] = {
        {true, 1, 1, true}, {true, 10, 1, false}, {true, 20, 1, false}, {false, 1, 1, false}, {true, 1, 0, false},
    };
    for (const Case& c : cases) {
        g_Settings.redOverdue = c.redOverdue;
        EXPECT_EQ(CountPixels(Task(c.due, c.day, false), false, IsRed) > 0, c.red)
            << "due " << c.due << " day " << c.day << " setting " << c.redOverdue;
    }
}

TEST_F(TaskRowsTest, CompletedTaskIsStruckOutInBothLayouts) {
    const COLORREF ink = ListColor(kListText);
    const auto inkRun = [ink](const TskRecord& task, bool twoLines) {
        // The longest run of ink along one line: a strike-out runs through the whole subject.
        const HDC screen = GetDC(nullptr);
        MemoryDC memory(screen);
        OwnedBitmap bitmap(CreateCompatibleBitmap(screen, kRowWidth, kRowHeight * 2));
        ReleaseDC(nullptr, screen);
        SelectScope select(memory.Get(), bitmap.Get());
        const RECT rect{0, 0, kRowWidth, twoLines ? kRowHeight * 2 : kRowHeight};
        OwnedBrush white(CreateSolidBrush(0xFFFFFF));
        FillRect(memory.Get(), &rect, white.Get());
        DrawTskRow(memory.Get(), rect, task, false, true, false, twoLines);
        int longest = 0;
        for (int y = 0; y < rect.bottom; ++y) {
            int run = 0;
            for (int x = 0; x < kRowWidth; ++x) {
                run = GetPixel(memory.Get(), x, y) == ink ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        return longest;
    };
    g_Settings.crossOut = 1;
    for (bool twoLines : {false, true}) {
        EXPECT_GT(inkRun(Task(false, 1, true), twoLines), 60) << "two lines " << twoLines;
        EXPECT_LT(inkRun(Task(false, 1, false), twoLines), 30) << "two lines " << twoLines;
    }
}

TEST_F(TaskRowsTest, CategoryColourComesFromTheFirstCategoryWhenTheTableKnowsIt) {
    CatRecord golf;
    golf.name = u"Golf";
    golf.colour = 0x00AA00;
    g_CatList.Append(golf);
    TskRecord task;
    task.categories.Append(u"golf");
    task.categories.Append(u"Work");
    EXPECT_EQ(GetTskCatColor(task), 0x00AA00u);
    TskRecord unknown;
    unknown.categories.Append(u"Work");
    unknown.categories.Append(u"Golf");
    EXPECT_EQ(GetTskCatColor(unknown), ListColor(kListText));
}

// The icon strip sits on the row's centre line in every icon size, and the subject keeps 4 pixels
// clear of the strip's place even when the task has no icons.
TEST_F(TaskRowsTest, IconStripIsCentredAndTheSubjectKeepsItsGap) {
    struct Case {
        int width, height, dpi;
        LONG fontSize;
    } const cases[] = {{240, 320, 96, 14}, {240, 320, 96, 15}, {480, 640, 192, 22}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.width * 100 + c.fontSize);
        platform::DeviceProfile profile;
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        profile.dpi = c.dpi;
        device_.SetProfile(profile);
        DestroyAllImageLists();
        CreateAllImageLists();
        g_Settings.fontSize = c.fontSize;
        const HDC screen = GetDC(nullptr);
        MemoryDC memory(screen);
        OwnedBitmap bitmap(CreateCompatibleBitmap(screen, kRowWidth, 60));
        ReleaseDC(nullptr, screen);
        SelectScope select(memory.Get(), bitmap.Get());
        const RECT rect{0, 0, kRowWidth, 60};
        TskRecord task = Task(false, 1, false);
        task.reminderSet = 1;
        {
            platform::testing::DrawRecord record;
            DrawTskRow(memory.Get(), rect, task, false, true, false, false);
            int alarms = 0;
            for (const auto& picture : record.PicturesDrawn()) {
                if (picture.index != kIconAlarm) continue;
                ++alarms;
                EXPECT_LE(std::abs(picture.rect.top + picture.rect.bottom - rect.bottom), 1);
            }
            EXPECT_EQ(alarms, 1);
        }
        task.reminderSet = 0;
        task.subject = std::u16string(200, u'i');
        platform::testing::DrawRecord record;
        DrawTskRow(memory.Get(), rect, task, false, true, false, false);
        const auto texts = record.TextsDrawn();
        ASSERT_FALSE(texts.empty());
        EXPECT_LE(texts.back().rect.right, rect.right - 6 - 4);
    }
    DestroyAllImageLists();
}

TEST_F(TaskRowsTest, RowHeightsByScreenFontAndLayout) {
    struct Case {
        int width, height;
        LONG fontSize, twoLine, preview;
        UINT rowHeight;
    };
    const Case cases[] = {
        {240, 320, 14, 0, 0, 20}, {240, 320, 14, 1, 0, 31}, {240, 320, 16, 0, 0, 26}, {240, 320, 22, 1, 0, 46},
        {240, 320, 18, 0, 0, 24}, {320, 240, 18, 0, 0, 23}, {320, 240, 18, 0, 1, 24}, {320, 320, 18, 1, 0, 46},
        {480, 640, 24, 0, 0, 52}, {480, 640, 26, 1, 0, 76}, {176, 220, 18, 1, 0, 40},
    };
    for (const Case& c : cases) {
        platform::DeviceProfile profile;
        profile.screenWidth = c.width;
        profile.screenHeight = c.height;
        device_.SetProfile(profile);
        g_Settings.fontSize = c.fontSize;
        g_Settings.taskTwoLine = c.twoLine;
        g_Settings.taskPreview = c.preview;
        MEASUREITEMSTRUCT measure{};
        GetTskListMetrics(measure);
        EXPECT_EQ(measure.itemHeight, c.rowHeight) << c.width << "x" << c.height << " font " << c.fontSize;
    }
}

}  // namespace
