// Bytes the ink control cannot read (cut short, of another format, with counts larger than the
// bytes) leave an empty page and never a crash or a read past the bytes given.
#include <cstring>
#include <functional>

#include "ink/ink_data.h"
#include "ink_fixture.h"

namespace inktest {
namespace {

std::vector<std::uint8_t> SamplePage() {
    platform::InkPage page;
    page.text = u"ab\ncd";
    page.strokes = {{{1, 2}, {3, 4}}, {{5, 6}}};
    return platform::SaveInkPage(page);
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i) bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(v >> (8 * i));
}

// Offsets in the sample: magic 0, version 4, text length 8, text 12 (5 units), stroke count 22,
// first point count 26, first x 30.
constexpr std::size_t kVersionAt = 4;
constexpr std::size_t kTextLengthAt = 8;
constexpr std::size_t kStrokeCountAt = 22;
constexpr std::size_t kPointCountAt = 26;
constexpr std::size_t kFirstXAt = 30;

TEST_F(InkTest, UnreadableDataLoadsAnEmptyPage) {
    struct Case {
        const char* name;
        std::function<void(std::vector<std::uint8_t>&)> spoil;
    };
    const Case kCases[] = {
        {"wrong magic", [](auto& b) { b[0] = 'X'; }},
        {"other version", [](auto& b) { PutU32(b, kVersionAt, 2); }},
        {"huge text length", [](auto& b) { PutU32(b, kTextLengthAt, 0xFFFFFFFFu); }},
        {"huge stroke count", [](auto& b) { PutU32(b, kStrokeCountAt, 0x7FFFFFFFu); }},
        {"huge point count", [](auto& b) { PutU32(b, kPointCountAt, 0x40000000u); }},
        {"empty stroke", [](auto& b) { PutU32(b, kPointCountAt, 0); }},
        {"negative coordinate", [](auto& b) { PutU32(b, kFirstXAt, 0xFFFFFFFFu); }},
        {"coordinate past the page", [](auto& b) { PutU32(b, kFirstXAt, platform::kInkMaxCoordinate + 1); }},
        {"trailing byte", [](auto& b) { b.push_back(0); }},
        {"empty page stored", [](auto& b) { b = {'Q', 'V', 'I', 'K', 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0}; }},
    };
    for (const Case& c : kCases) {
        auto bytes = SamplePage();
        ASSERT_TRUE(Load(ink_, bytes)) << c.name;  // the unspoilt sample loads
        c.spoil(bytes);
        EXPECT_FALSE(Load(ink_, bytes)) << c.name;
        EXPECT_EQ(SendMessageW(ink_, IM_GETDATALEN, 0, 0), 0) << c.name;
    }
}

// Every cut of a good page is refused; each cut is copied alone so the sanitizer sees any over-read.
TEST_F(InkTest, TruncatedDataLoadsAnEmptyPage) {
    const auto whole = SamplePage();
    for (std::size_t length = 1; length < whole.size(); ++length) {
        const std::vector<std::uint8_t> cut(whole.begin(), whole.begin() + static_cast<std::ptrdiff_t>(length));
        ASSERT_TRUE(Load(ink_, whole));
        EXPECT_FALSE(Load(ink_, cut)) << length;
        EXPECT_EQ(SendMessageW(ink_, IM_GETDATALEN, 0, 0), 0) << length;
    }
}

TEST_F(InkTest, NoBytesOrANullBlockLoadAnEmptyPage) {
    ASSERT_TRUE(Load(ink_, SamplePage()));
    EXPECT_TRUE(SendMessageW(ink_, IM_SETDATA, 0, 0));
    EXPECT_EQ(SendMessageW(ink_, IM_GETDATALEN, 0, 0), 0);
    ASSERT_TRUE(Load(ink_, SamplePage()));
    EXPECT_FALSE(SendMessageW(ink_, IM_SETDATA, 100, 0));
    EXPECT_EQ(SendMessageW(ink_, IM_GETDATALEN, 0, 0), 0);
}

TEST(InkData, PagesSurviveSavingAndLoading) {
    platform::InkPage page;
    page.text = u"line\n\n\U0001F600";
    page.strokes = {{{0, 0}}, {{platform::kInkMaxCoordinate, platform::kInkMaxCoordinate}, {7, 8}}};
    const auto bytes = platform::SaveInkPage(page);
    const auto loaded = platform::LoadInkPage(bytes);
    ASSERT_TRUE(loaded.has_value());
    EXPECT_EQ(*loaded, page);
    EXPECT_EQ(platform::SaveInkPage(*loaded), bytes);
    EXPECT_TRUE(platform::SaveInkPage({}).empty());
}

}  // namespace
}  // namespace inktest
