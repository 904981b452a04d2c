// The contact array's order: company order that keeps equal companies in place, insertion by
// file-as name within a range, the checked array operations and the sorted insert of a reload.
#include <gtest/gtest.h>

#include <string>

#include "core/cts_loading.h"
#include "core/cts_order.h"
#include "lists/cts_view.h"

namespace {

CtsRecord Contact(LONG oid, const char16_t* fileAs, const char16_t* company = u"") {
    CtsRecord record;
    record.oid = oid;
    record.fileAs = fileAs;
    record.company = company;
    return record;
}

std::u16string Oids(const CtsArray& contacts) {
    std::u16string text;
    for (const CtsRecord& record : contacts) text += static_cast<char16_t>(u'0' + record.oid);
    return text;
}

TEST(CtsOrder, CompanyOrderIgnoresCaseAndIsStable) {
    CtsArray contacts;
    contacts.Append(Contact(1, u"a", u"zeta"));
    contacts.Append(Contact(2, u"b", u"Acme"));
    contacts.Append(Contact(3, u"c", u""));
    contacts.Append(Contact(4, u"d", u"acme"));
    contacts.Append(Contact(5, u"e", u"Beta"));
    SortCtsRecs(contacts);
    EXPECT_EQ(Oids(contacts), u"32451");
}

TEST(CtsOrder, InsertByNameStaysInsideTheRange) {
    CtsArray contacts;
    for (LONG oid = 1; oid <= 4; ++oid) contacts.Append(Contact(oid, oid % 2 ? u"b" : u"d"));  // b d b d
    EXPECT_EQ(InsertCtsRecByName(contacts, Contact(5, u"C"), 0, 3), 1);
    EXPECT_EQ(InsertCtsRecByName(contacts, Contact(6, u"a"), 3, 4), 3);
    EXPECT_EQ(InsertCtsRecByName(contacts, Contact(7, u"z"), 0, 99), 6);
    EXPECT_EQ(InsertCtsRecByName(contacts, Contact(8, u"a"), -1, 2), -1);
    EXPECT_EQ(Oids(contacts), u"1526347");
}

TEST(CtsOrder, ArrayOperationsRefuseIndexesOutside) {
    CtsArray contacts;
    EXPECT_EQ(CtsRecArrInsertAt(contacts, 1, Contact(1, u"a")), -1);
    EXPECT_EQ(CtsRecArrInsertAt(contacts, 0, Contact(1, u"a")), 0);
    EXPECT_EQ(CtsRecArrInsertAt(contacts, 1, Contact(2, u"b")), 1);
    EXPECT_EQ(CtsRecArrSetAt(contacts, 2, Contact(3, u"c")), -1);
    EXPECT_EQ(CtsRecArrSetAt(contacts, 1, Contact(3, u"c")), 1);
    EXPECT_EQ(CtsRecArrRemoveAt(contacts, 2), -1);
    EXPECT_EQ(CtsRecArrRemoveAt(contacts, -1), -1);
    EXPECT_EQ(Oids(contacts), u"13");
    EXPECT_EQ(CtsRecArrSetSize(contacts, -1), -1);
    EXPECT_EQ(CtsRecArrSetSize(contacts, 1), 1);
    EXPECT_EQ(Oids(contacts), u"1");
}

TEST(CtsOrder, SortedInsertFollowsTheLoadedOrder) {
    const CtsArray saved = g_CtsList;
    const LONG savedMode = g_CtsSortedByCompany;
    g_CtsList.RemoveAll();
    g_CtsList.Append(Contact(1, u"Adams", u"Zeta"));
    g_CtsList.Append(Contact(2, u"Young", u"Acme"));
    g_CtsSortedByCompany = 0;
    InsertCtsRecSorted(Contact(3, u"brown", u"Mid"));
    EXPECT_EQ(Oids(g_CtsList), u"132");

    g_CtsList.RemoveAll();
    g_CtsList.Append(Contact(2, u"Young", u"Acme"));
    g_CtsList.Append(Contact(1, u"Adams", u"Zeta"));
    g_CtsSortedByCompany = 1;
    InsertCtsRecSorted(Contact(3, u"brown", u"mid"));
    InsertCtsRecSorted(Contact(4, u"Aaron", u"ACME"));
    EXPECT_EQ(Oids(g_CtsList), u"2431");
    g_CtsList = saved;
    g_CtsSortedByCompany = savedMode;
}

}  // namespace
