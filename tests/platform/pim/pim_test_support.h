// Helpers of the PIM store tests: a logged-on application on a fresh device, dates, and items.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "platform/poom.h"
#include "platform/testing.h"
#include "platform/testing_pim.h"

namespace pimtest {

// An OLE date by the civil calendar.
inline DATE Ole(int y, int mo, int d, int h = 0, int mi = 0) {
    auto days = [](int yy, int mm, int dd) {
        const int a = (14 - mm) / 12;
        const int y2 = yy + 4800 - a;
        const int m2 = mm + 12 * a - 3;
        return dd + (153 * m2 + 2) / 5 + 365 * y2 + y2 / 4 - y2 / 100 + y2 / 400 - 32045;
    };
    return days(y, mo, d) - days(1899, 12, 30) + (h * 60 + mi) / 1440.0;
}

template <class T>
struct Releaser {
    void operator()(T* p) const {
        if (p) p->Release();
    }
};
template <class T>
using Ref = std::unique_ptr<T, Releaser<T>>;

inline std::u16string Take(BSTR b) {
    std::u16string s = b ? std::u16string(b, SysStringLen(b)) : std::u16string();
    SysFreeString(b);
    return s;
}

// A device of its own, COM started and the application logged on.
class PimTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED)));
        IPOutlookApp2* raw = nullptr;
        ASSERT_EQ(CoCreateInstance(CLSID_Application, nullptr, CLSCTX_INPROC_SERVER, IID_IPOutlookApp2,
                                   reinterpret_cast<void**>(&raw)),
                  S_OK);
        app.reset(raw);
        ASSERT_EQ(app->Logon(0), S_OK);
    }
    void TearDown() override {
        if (app) app->Logoff();
        app.reset();
        CoUninitialize();
        platform::testing::ClearPimFailures();
        EXPECT_EQ(platform::testing::LivePimObjects(), 0) << "object-model objects leaked";
    }

    template <class T>
    Ref<T> Create(int type) {
        IDispatch* item = nullptr;
        EXPECT_EQ(app->CreateItem(type, &item), S_OK);
        return Ref<T>(static_cast<T*>(item));
    }
    template <class T>
    Ref<T> Get(CEOID oid) {
        IDispatch* item = nullptr;
        app->GetItemFromOid(static_cast<LONG>(oid), &item);
        return Ref<T>(static_cast<T*>(item));
    }
    CEOID SaveAppt(const char16_t* subject, DATE start, LONG minutes) {
        auto a = Create<IAppointment>(olAppointmentItem);
        a->put_Subject(subject);
        a->put_Start(start);
        a->put_Duration(minutes);
        a->put_ReminderSet(VARIANT_FALSE);
        EXPECT_EQ(a->Save(), S_OK);
        LONG oid = 0;
        a->get_Oid(&oid);
        return static_cast<CEOID>(oid);
    }
    Ref<IPOutlookItemCollection> Items(int folder) {
        IFolder* f = nullptr;
        EXPECT_EQ(app->GetDefaultFolder(folder, &f), S_OK);
        Ref<IFolder> held(f);
        IPOutlookItemCollection* items = nullptr;
        EXPECT_EQ(f->get_Items(&items), S_OK);
        return Ref<IPOutlookItemCollection>(items);
    }

    platform::testing::TestDevice device;
    Ref<IPOutlookApp2> app;
};

}  // namespace pimtest
