// The program's own pictures through the drawing calls: its bitmap resource drawn with magenta
// transparent, and its PNG resources decoded by the imaging factory.
#include "gdi_fixture.h"
#include "platform/imaging.h"
#include "platform/resources.h"
#include "platform/system.h"
#include "resources/quorvia_resources.h"
#include "resources/resource.h"

using namespace gdi_test;

namespace {

class ProgramPictures : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(RegisterQuorviaResources()); }
};

TEST_F(ProgramPictures, ScrollArrowsDrawWithMagentaLeftOut) {
    HBITMAP arrows = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDB_SCROLL_ARROWS));
    ASSERT_NE(arrows, nullptr);
    BITMAP bm{};
    GetObjectW(arrows, sizeof bm, &bm);
    Surface32 plain(bm.bmWidth, bm.bmHeight), keyed(bm.bmWidth, bm.bmHeight);
    HDC source = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(source, arrows);
    BitBlt(plain.dc(), 0, 0, bm.bmWidth, bm.bmHeight, source, 0, 0, SRCCOPY);
    SelectObject(source, old);
    DeleteDC(source);
    keyed.Clear(kRed);
    TransparentImage(keyed.dc(), 0, 0, bm.bmWidth, bm.bmHeight, arrows, 0, 0, bm.bmWidth, bm.bmHeight, kMagenta);
    // Every magenta pixel of the picture shows the red beneath; every other one is the picture's.
    const int magenta = plain.Count(kMagenta);
    EXPECT_GT(magenta, 0);
    EXPECT_LT(magenta, bm.bmWidth * bm.bmHeight);
    for (int y = 0; y < bm.bmHeight; ++y)
        for (int x = 0; x < bm.bmWidth; ++x) {
            const COLORREF p = plain.At(x, y);
            EXPECT_EQ(keyed.At(x, y), p == kMagenta ? kRed : p) << x << "," << y;
        }
    DeleteObject(arrows);
}

TEST_F(ProgramPictures, SpinnerHubsDecode) {
    IImagingFactory* factory = nullptr;
    ASSERT_EQ(platform::CreateImagingFactory(IID_IImagingFactory, reinterpret_cast<void**>(&factory)), S_OK);
    const struct {
        WORD id;
        UINT side;
    } hubs[] = {{IDR_SPIN_HUB, 40}, {IDR_SPIN_HUB_VGA, 80}};
    for (const auto& hub : hubs) {
        HRSRC found = FindResourceW(nullptr, MAKEINTRESOURCEW(hub.id), u"PNG");
        ASSERT_NE(found, nullptr);
        const void* bytes = LockResource(LoadResource(nullptr, found));
        IImage* image = nullptr;
        ASSERT_EQ(factory->CreateImageFromBuffer(bytes, SizeofResource(nullptr, found), BufferDisposalFlagNone, &image),
                  S_OK);
        ImageInfo info{};
        image->GetImageInfo(&info);
        EXPECT_EQ(info.Width, hub.side);
        EXPECT_EQ(info.Height, hub.side);
        image->Release();
    }
    factory->Release();
}

}  // namespace
