// Appointment and task templates: their sorted lists and the side files they are kept in.
#include "editors/item_templates.h"

#include <gtest/gtest.h>

#include "core/program_folder.h"
#include "tests/editors/program_device.h"

namespace {

class ItemTemplatesTest : public ::testing::Test {
protected:
    void SetUp() override { Clear(); }
    void TearDown() override { Clear(); }
    static void Clear() {
        g_ApptTemplateList.RemoveAll();
        g_TskTemplateList.RemoveAll();
    }
    static ApptRecord Appt(const char16_t* subject) {
        ApptRecord appt;
        appt.subject = subject;
        return appt;
    }
    static std::vector<std::u16string> ApptSubjects() {
        std::vector<std::u16string> subjects;
        for (const ApptRecord& appt : g_ApptTemplateList) subjects.push_back(appt.subject);
        return subjects;
    }

    ProgramDevice device;
};

TEST_F(ItemTemplatesTest, InsertKeepsSubjectOrderAndEqualSubjectsGoAfter) {
    EXPECT_EQ(InsertApptTemplate(Appt(u"Lunch")), 0);
    EXPECT_EQ(InsertApptTemplate(Appt(u"dinner")), 0);
    EXPECT_EQ(InsertApptTemplate(Appt(u"Meeting")), 2);
    ApptRecord second = Appt(u"lunch");
    second.location = u"second";
    EXPECT_EQ(InsertApptTemplate(second), 2);
    EXPECT_EQ(ApptSubjects(), (std::vector<std::u16string>{u"dinner", u"Lunch", u"lunch", u"Meeting"}));
    EXPECT_EQ(g_ApptTemplateList[2].location, u"second");
}

TEST_F(ItemTemplatesTest, BothFilesRoundTripAndLongSubjectsAreCut) {
    ApptRecord appt = Appt(u"Dentist");
    appt.location = u"Main St";
    appt.duration = 45;
    appt.reminderSet = 1;
    appt.reminderMinutes = 15;
    appt.start = DateRec(2022, 3, 22, 9, 30, 0);
    appt.categories.Append(u"Health");
    InsertApptTemplate(appt);
    InsertApptTemplate(Appt(std::u16string(1500, u'x').c_str()));
    TskRecord task;
    task.subject = u"File taxes";
    task.importance = 2;
    task.prefixLetter = 1;
    task.prefixNumber = 4;
    InsertTskTemplate(task);
    SaveApptTemplates();
    SaveTskTemplates();
    Clear();

    LoadTemplates();
    ASSERT_EQ(g_ApptTemplateList.Size(), 2);
    const ApptRecord& back = g_ApptTemplateList[0];
    EXPECT_EQ(back.subject, u"Dentist");
    EXPECT_EQ(back.location, u"Main St");
    EXPECT_EQ(back.duration, 45);
    EXPECT_EQ(back.reminderMinutes, 15);
    EXPECT_EQ(back.start.wHour, 9);
    ASSERT_EQ(back.categories.Size(), 1);
    EXPECT_EQ(back.categories[0], u"Health");
    EXPECT_EQ(g_ApptTemplateList[1].subject.size(), 1027u);
    ASSERT_EQ(g_TskTemplateList.Size(), 1);
    EXPECT_EQ(g_TskTemplateList[0].subject, u"File taxes");
    EXPECT_EQ(g_TskTemplateList[0].importance, 2);
    EXPECT_EQ(g_TskTemplateList[0].prefixNumber, 4);

    // Removing writes the file again.
    EXPECT_TRUE(RemoveTemplateAt(kTemplateKindAppt, 0));
    EXPECT_FALSE(RemoveTemplateAt(kTemplateKindAppt, 5));
    Clear();
    LoadApptTemplates();
    EXPECT_EQ(g_ApptTemplateList.Size(), 1);
}

TEST_F(ItemTemplatesTest, MissingFilesLeaveTheListsAlone) {
    InsertApptTemplate(Appt(u"Kept"));
    LoadTemplates();
    EXPECT_EQ(ApptSubjects(), (std::vector<std::u16string>{u"Kept"}));
    EXPECT_EQ(TemplateCount(kTemplateKindTask), 0);
}

TEST_F(ItemTemplatesTest, TaskFileWithoutMarkerLoads) {
    // One record of the first format: no marker, no icon, no prefix values.
    std::string file = "1\nOld task\nnotes\n0\n0\n0\n0\n0\n7\n1\n42\n";
    for (int date = 0; date < 4; ++date) file += "2021\n5\n0\n3\n1\n0\n0\n0\n";
    file += "0\n";
    device.WriteFile(ProgramFolderFile(kTskTemplateFile), file);
    LoadTskTemplates();
    ASSERT_EQ(g_TskTemplateList.Size(), 1);
    EXPECT_EQ(g_TskTemplateList[0].subject, u"Old task");
    EXPECT_EQ(g_TskTemplateList[0].icon, -1);
    EXPECT_EQ(g_TskTemplateList[0].prefixLetter, TskRecord().prefixLetter);
    EXPECT_EQ(g_TskTemplateList[0].prefixNumber, TskRecord().prefixNumber);
}

}  // namespace
