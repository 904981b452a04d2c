// The side files of categories and templates: "catinfo.dat" of version 1 and 2, appointment and task
// template elements of version 1 and 2, read from hand-written files and written back, and
// damaged files whose counts promise more than they hold.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>

#include "core/cat_file.h"
#include "core/program_folder.h"
#include "core/record_file.h"
#include "core/record_list_file.h"
#include "core/tsk_record.h"
#include "platform/files.h"
#include "platform/testing.h"

namespace {

std::string Fixture(const char* name) {
    std::ifstream in(std::string(QV_FIXTURES_DIR) + "/core/" + name, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

struct FileCloser {
    void operator()(FILE* f) const { std::fclose(f); }
};

// A text-mode record file over a device file, closed with the object.
class TextRecordFile {
public:
    TextRecordFile(const std::u16string& path, const char16_t* mode) : handle_(_wfopen(path.c_str(), mode)) {
        file_.file = handle_.get();
        file_.textMode = TRUE;
    }
    RecordFile& operator*() { return file_; }
    void Close() {
        handle_.reset();
        file_.file = nullptr;
    }

private:
    std::unique_ptr<FILE, FileCloser> handle_;
    RecordFile file_;
};

const std::u16string kTemplatePath = u"\\Program Files\\Quorvia\\tmp.dat";

template <class E, class F>
RecordArray<E> ReadList(const std::u16string& path, F serialize) {
    TextRecordFile file(path, u"r");
    return ReadRecordList<E>(*file, [&](E& record, RecordFile& f) { return serialize(record, f, false); });
}

template <class E, class F>
void WriteList(const std::u16string& path, RecordArray<E>& records, F serialize) {
    TextRecordFile file(path, u"w");
    WriteNumLine(*file, records.Size());
    for (E& record : records) serialize(record, *file, true);
}

class SideFileTest : public testing::Test {
protected:
    void SetUp() override {
        g_CatList = CatArray();
        // Test devices start bare; the program's folder exists on a real one.
        CreateDirectoryW(u"\\Program Files", nullptr);
        CreateDirectoryW(u"\\Program Files\\Quorvia", nullptr);
    }
    void TearDown() override { g_CatList = CatArray(); }
    platform::testing::TestDevice device_;
    const std::u16string catPath_ = ProgramFolderFile(kCatFileName);
};

TEST_F(SideFileTest, CategoryFileLiesInTheProgramFolder) {
    EXPECT_EQ(catPath_, u"\\Program Files\\Quorvia\\catinfo.dat");
}

TEST_F(SideFileTest, CategoryFileOfVersion1HasNoKindMarks) {
    device_.WriteFile(catPath_, Fixture("catinfo_v1.dat"));
    const CatArray records = ReadCategoriesFile();
    ASSERT_EQ(records.Size(), 2);
    EXPECT_EQ(records[0].name, u"Work");
    EXPECT_EQ(records[0].pimId, 3);
    EXPECT_EQ(records[0].icon, 5);
    EXPECT_EQ(records[0].colour, 255u);
    EXPECT_EQ(records[0].spareId, -1);
    EXPECT_EQ(records[0].sharedMark, 1u);
    EXPECT_EQ(records[1].name, u"Home");
    EXPECT_EQ(records[1].colour, 65280u);
    EXPECT_EQ(records[1].spareId, 12);
    for (const CatRecord& r : records) {
        EXPECT_EQ(r.calendarMark + r.taskMark + r.contactMark + r.walletMark + r.notesMark, 0u);
    }
}

TEST_F(SideFileTest, CategoryFileOfVersion2WithAnOlderRecordBetween) {
    device_.WriteFile(catPath_, Fixture("catinfo_v2.dat"));
    const CatArray records = ReadCategoriesFile();
    ASSERT_EQ(records.Size(), 3);
    EXPECT_EQ(records[0].calendarMark, 1u);
    EXPECT_EQ(records[0].contactMark, 1u);
    EXPECT_EQ(records[0].notesMark, 1u);
    EXPECT_EQ(records[0].taskMark + records[0].walletMark, 0u);
    EXPECT_EQ(records[1].name, u"Travel");
    EXPECT_EQ(records[1].sharedMark, 1u);
    EXPECT_EQ(records[2].name, u"Prj:Garden");
    EXPECT_EQ(records[2].colour, 7209984u);
    EXPECT_EQ(records[2].taskMark, 1u);
    EXPECT_EQ(records[2].walletMark, 1u);  // the wallet's mark is stored before the notes'
    EXPECT_EQ(records[2].notesMark, 0u);
}

TEST_F(SideFileTest, CategoryFileIsWrittenAsVersion2AndReadsBack) {
    device_.WriteFile(catPath_, Fixture("catinfo_v1.dat"));
    CopyCatList(ReadCategoriesFile(), g_CatList);
    g_CatList[1].walletMark = 1;
    g_CatList[1].name = std::u16string(300, u'x');  // names are stored up to 255 characters
    SaveCategoriesFile();
    const std::string text = device_.ReadFile(catPath_);
    EXPECT_EQ(text.rfind("2\nZQCAT2\n2\nWork\n3\n5\n255\n-1\n1\n0\n0\n0\n0\n0\n0\n0\n0\nZQCAT2\n", 0), 0u) << text;
    const CatArray back = ReadCategoriesFile();
    ASSERT_EQ(back.Size(), 2);
    EXPECT_EQ(back[0].sharedMark, 1u);
    EXPECT_EQ(back[1].walletMark, 1u);
    EXPECT_EQ(back[1].name, std::u16string(255, u'x'));
}

// A count larger than the records held used to append records without bound.
TEST_F(SideFileTest, DamagedCategoryCountStopsAtTheEndOfTheFile) {
    device_.WriteFile(catPath_, Fixture("catinfo_damaged.dat"));
    const CatArray records = ReadCategoriesFile();
    ASSERT_EQ(records.Size(), 1);  // the cut record is left out
    EXPECT_EQ(records[0].name, u"Work");
    device_.WriteFile(catPath_, "-5\nZQCAT2\n");
    EXPECT_EQ(ReadCategoriesFile().Size(), 0);
}

// A count damaged to a smaller number used to drop the records after it at the next save.
TEST_F(SideFileTest, CategoryCountTooSmallKeepsEveryRecordThroughASave) {
    std::string text = Fixture("catinfo_v1.dat");
    ASSERT_EQ(text.rfind("2\n", 0), 0u);
    for (const char* count : {"1\n", "0\n"}) {
        SCOPED_TRACE(count);
        device_.WriteFile(catPath_, std::string(count) + text.substr(2));
        CopyCatList(ReadCategoriesFile(), g_CatList);
        ASSERT_EQ(g_CatList.Size(), 2);
        SaveCategoriesFile();
        EXPECT_EQ(device_.ReadFile(catPath_).rfind("2\n", 0), 0u);
        EXPECT_EQ(ReadCategoriesFile().Size(), 2);
    }
}

TEST_F(SideFileTest, LoadMergesTheFileIntoTheStoreList) {
    device_.WriteFile(catPath_, Fixture("catinfo_v2.dat"));
    CatRecord fromStore;
    fromStore.name = u"WORK";  // the store's spelling stays
    fromStore.pimId = 40;
    g_CatList.Append(fromStore);
    fromStore.name = u"Unfiled";
    g_CatList.Append(fromStore);
    MergeCategoriesFromFile(CatArray());
    EXPECT_EQ(g_CatList[0].name, u"WORK");
    EXPECT_EQ(g_CatList[0].pimId, 40);
    EXPECT_EQ(g_CatList[0].colour, 255u);
    EXPECT_EQ(g_CatList[0].icon, 5);
    EXPECT_EQ(g_CatList[1].colour, kCatDefaultColour);

    device_.WriteFile(catPath_, "");
    MergeCategoriesFromFile(CatArray());  // a missing or empty file changes nothing
    EXPECT_EQ(g_CatList[0].colour, 255u);
}

TEST_F(SideFileTest, UnwritableCategoryFileIsSkipped) {
    g_CatList.Append(CatRecord{});
    device_.WriteFile(catPath_, Fixture("catinfo_v1.dat"));
    SetFileAttributesW(catPath_.c_str(), FILE_ATTRIBUTE_READONLY);
    SaveCategoriesFile();
    SetFileAttributesW(catPath_.c_str(), FILE_ATTRIBUTE_NORMAL);
    EXPECT_EQ(device_.ReadFile(catPath_), Fixture("catinfo_v1.dat"));
}

TEST_F(SideFileTest, AppointmentTemplatesReadAndWriteBack) {
    device_.WriteFile(kTemplatePath, Fixture("appttmp.dat"));
    ApptArray templates = ReadList<ApptRecord>(kTemplatePath, ApptSerialize);
    ASSERT_EQ(templates.Size(), 2);
    const ApptRecord& meeting = templates[0];
    EXPECT_EQ(meeting.subject, u"Team meeting");
    EXPECT_EQ(meeting.location, u"Room 4");
    EXPECT_EQ(meeting.notes, u"Bring the figures");
    EXPECT_EQ(meeting.reminderSet, 1);
    EXPECT_EQ(meeting.duration, 90);
    EXPECT_EQ(meeting.reminderMinutes, 15);
    EXPECT_EQ(meeting.icon, 3);
    EXPECT_EQ(meeting.start.wDay, 5);
    EXPECT_EQ(meeting.start.wMinute, 30);
    EXPECT_EQ(meeting.start.wDayOfWeek, 4);  // recomputed: the file said 0
    EXPECT_EQ(JoinApptCats(meeting), u"Work,Prj:Garden");
    EXPECT_EQ(templates[1].allDay, -1);
    EXPECT_EQ(templates[1].oid, 1234);
    EXPECT_EQ(templates[1].location, u"");
    EXPECT_EQ(templates[1].categories.Size(), 0);

    WriteList(kTemplatePath, templates, ApptSerialize);
    std::string written = device_.ReadFile(kTemplatePath);
    std::string original = Fixture("appttmp.dat");
    // Only the weekdays differ: they are written as recomputed.
    EXPECT_EQ(written.replace(written.find("2009\n3\n4\n5"), 10, "2009\n3\n0\n5"), original);
}

TEST_F(SideFileTest, LongTemplateStringsAreCutTo1027Characters) {
    ApptArray templates;
    templates.Append(ApptRecord{});
    templates[0].subject = std::u16string(2000, u's');
    templates[0].categories.Append(std::u16string(1500, u'c'));
    WriteList(kTemplatePath, templates, ApptSerialize);
    const ApptArray back = ReadList<ApptRecord>(kTemplatePath, ApptSerialize);
    ASSERT_EQ(back.Size(), 1);
    EXPECT_EQ(back[0].subject, std::u16string(1027, u's'));
    EXPECT_EQ(back[0].categories[0], std::u16string(1027, u'c'));
}

TEST_F(SideFileTest, TaskTemplateOfVersion1) {
    device_.WriteFile(kTemplatePath, Fixture("tasktmp_v1.dat"));
    TextRecordFile file(kTemplatePath, u"r");
    EXPECT_EQ(ReadNumLine(*file), 1);
    TskRecord task;
    task.prefixLetter = u'Q';
    task.prefixNumber = 4;
    ASSERT_TRUE(TskSerialize(task, *file, false));
    EXPECT_EQ(task.subject, u"Weekly report");
    EXPECT_EQ(task.notes, u"Send to Ann");
    EXPECT_EQ(task.hasDue, 1);
    EXPECT_EQ(task.sensitivity, 2);
    EXPECT_EQ(task.icon, -1);  // whatever was stored
    EXPECT_EQ(task.importance, 2);
    EXPECT_EQ(task.reserved, 5);
    EXPECT_EQ(task.due.wHour, 17);
    EXPECT_EQ(task.due.wDayOfWeek, 5);
    EXPECT_EQ(JoinCommaList(task), u"Work");
    EXPECT_EQ(task.prefixLetter, u'Q');  // not in a version-1 record
    EXPECT_EQ(task.prefixNumber, 4);
}

TEST_F(SideFileTest, TaskTemplateOfVersion2ReadsAndWritesBack) {
    device_.WriteFile(kTemplatePath, Fixture("tasktmp_v2.dat"));
    TskArray templates = ReadList<TskRecord>(kTemplatePath, TskSerialize);
    ASSERT_EQ(templates.Size(), 1);
    const TskRecord& task = templates[0];
    EXPECT_EQ(task.icon, 7);
    EXPECT_EQ(task.completed.wYear, kNoDateYear);
    EXPECT_EQ(JoinCommaList(task), u"Work,Home");
    EXPECT_EQ(task.prefixLetter, u'B');
    EXPECT_EQ(task.prefixNumber, 12);

    WriteList(kTemplatePath, templates, TskSerialize);
    std::string written = device_.ReadFile(kTemplatePath);
    const std::string original = Fixture("tasktmp_v2.dat");
    EXPECT_EQ(written.size(), original.size());
    EXPECT_EQ(ReadList<TskRecord>(kTemplatePath, TskSerialize)[0].prefixNumber, 12);
}

// Damaged template files: a cut record is left out and a huge category count stops at the end.
TEST_F(SideFileTest, DamagedTemplateCountsStopAtTheEndOfTheFile) {
    std::string cut = Fixture("tasktmp_v2.dat");
    cut.replace(0, 1, "999999");
    device_.WriteFile(kTemplatePath, cut);
    EXPECT_EQ(ReadList<TskRecord>(kTemplatePath, TskSerialize).Size(), 1);

    std::string hugeCategories = Fixture("appttmp.dat");
    hugeCategories.resize(hugeCategories.find("2\nWork"));
    hugeCategories += "2000000000\nWork\n";
    device_.WriteFile(kTemplatePath, hugeCategories);
    const ApptArray templates = ReadList<ApptRecord>(kTemplatePath, ApptSerialize);
    EXPECT_EQ(templates.Size(), 0);
}

}  // namespace
