// The settings record: the table's order, names and defaults, and the view switches.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "core/app_settings.h"
#include "platform/text.h"

namespace {

TEST(AppSettings, TableHoldsEveryValueOnceInSaveOrder) {
    EXPECT_EQ(std::size(kSettingTable), 101u);
    std::set<std::u16string> names;
    for (const SettingDef& def : kSettingTable) {
        EXPECT_TRUE(names.insert(platform::FoldCase(def.name)).second) << platform::ToUtf8(def.name);
        EXPECT_EQ(def.field == nullptr, def.kind == SettingKind::Text);
    }
    EXPECT_EQ(std::u16string(kSettingTable[0].name), u"FIRSTTIME");
    EXPECT_EQ(std::u16string(kSettingTable[95].name), u"NOTEDIR");
    EXPECT_EQ(std::u16string(kSettingTable[100].name), u"SEARCHAPPTS");
    int filterFlags = 0;
    for (const SettingDef& def : kSettingTable) filterFlags += def.kind == SettingKind::FilterOn ? 1 : 0;
    EXPECT_EQ(filterFlags, 6);
}

TEST(AppSettings, NewRecordHoldsTheDefaults) {
    const AppSettings s;
    struct Case {
        LONG AppSettings::*field;
        LONG value;
    };
    constexpr Case cases[] = {
        {&AppSettings::firstRun, 1},   {&AppSettings::agendaFmt, 1},    {&AppSettings::startOn30, 10},
        {&AppSettings::barEnd, 24},    {&AppSettings::barWorkStart, 8}, {&AppSettings::barWorkEnd, 17},
        {&AppSettings::taskSort, 1},   {&AppSettings::taskSort3, 4},    {&AppSettings::taskSortAsc1, 0},
        {&AppSettings::dateFormat, 1}, {&AppSettings::hours24, 0},      {&AppSettings::viewMenu3, 2},
        {&AppSettings::apptLength, 60}, {&AppSettings::fontSize, 14},   {&AppSettings::photo, 0},
        {&AppSettings::lastForStart, -1},
    };
    for (const Case& c : cases) EXPECT_EQ(s.*c.field, c.value);
    EXPECT_EQ(s.noteDir, u"\\My Documents");
    EXPECT_EQ(s.curNoteDir, u"\\My Documents");
}

TEST(AppSettings, ViewSwitchesAreOnExceptTheYear) {
    const ViewShownFlags flags;
    for (int i = 0; i < static_cast<int>(ShownView::Count); ++i) {
        EXPECT_EQ(flags.flags[i], i == static_cast<int>(ShownView::Year) ? 0 : 1) << i;
    }
    std::set<ShownView> saved(std::begin(kViewShownSaveOrder), std::end(kViewShownSaveOrder));
    EXPECT_EQ(saved.size(), static_cast<std::size_t>(ShownView::Count));
    EXPECT_EQ(kViewShownSaveOrder[2], ShownView::TimelineWeek);
}

}  // namespace
