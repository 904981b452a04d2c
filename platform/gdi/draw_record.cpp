// The draw record's notes: per surface, what it shows now; and the log of all that was drawn.
//
//  1. A note lives on the surface it was drawn on, in that surface's coordinates. A blit carries
//     the notes of the source rectangle to the destination, so a view painted off-screen and then
//     shown gets its notes on the screen.
//  2. An opaque fill or an opaque blit forgets the notes lying wholly inside what it covered;
//     drawing the same text in the same place again keeps one note.
//  3. A surface whose storage is made anew starts with no notes (a freed bitmap's address may
//     come back for another).
//  4. Notes are kept per surface up to a bound, oldest dropped first, so a long run stays cheap.
#include "gdi/draw_record.h"

#include <algorithm>
#include <atomic>
#include <mutex>
#include <unordered_map>

#include "gdi/dc.h"
#include "gdi/region.h"
#include "gdi/screen.h"

namespace platform::gdi {
namespace {

constexpr std::size_t kNotesPerSurface = 4000;
constexpr std::size_t kLogNotes = 20000;

struct Note {
    bool picture = false;
    testing::DrawnText text;
    testing::DrawnPicture image;
    const RECT& Rect() const { return picture ? image.rect : text.rect; }
    RECT& Rect() { return picture ? image.rect : text.rect; }
};

struct Record {
    std::mutex lock;
    std::unordered_map<const Surface*, std::vector<Note>> notes;
    std::vector<Note> log;
};

std::atomic<int> g_users{0};

Record& TheRecord() {
    static Record record;
    return record;
}

bool Inside(const RECT& inner, const RECT& outer) {
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool SameRect(const RECT& a, const RECT& b) {
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

bool SameNote(const Note& a, const Note& b) {
    if (a.picture != b.picture || !SameRect(a.Rect(), b.Rect())) return false;
    if (a.picture) return a.image.resourceId == b.image.resourceId && a.image.index == b.image.index && a.image.file == b.image.file;
    return a.text.text == b.text.text;
}

void Log(Record& r, const Note& note) {
    if (r.log.size() >= kLogNotes) r.log.erase(r.log.begin(), r.log.begin() + kLogNotes / 4);
    r.log.push_back(note);
}

void Add(std::vector<Note>& list, Note note) {
    std::erase_if(list, [&](const Note& n) { return SameNote(n, note); });
    if (list.size() >= kNotesPerSurface) list.erase(list.begin(), list.begin() + kNotesPerSurface / 4);
    list.push_back(std::move(note));
}

void Cover(std::vector<Note>& list, const RECT& area) {
    std::erase_if(list, [&](const Note& n) { return Inside(n.Rect(), area); });
}

// Source coordinates mapped into the destination, scaled as the blit scales.
LONG MapX(LONG x, const RECT& from, const RECT& to) {
    const long long w = from.right - from.left;
    if (w == 0) return to.left;
    return static_cast<LONG>(to.left + (static_cast<long long>(x) - from.left) * (to.right - to.left) / w);
}
LONG MapY(LONG y, const RECT& from, const RECT& to) {
    const long long h = from.bottom - from.top;
    if (h == 0) return to.top;
    return static_cast<LONG>(to.top + (static_cast<long long>(y) - from.top) * (to.bottom - to.top) / h);
}

bool Before(const RECT& a, const RECT& b) { return a.top != b.top ? a.top < b.top : a.left < b.left; }

}  // namespace

bool DrawRecordOn() { return g_users.load(std::memory_order_relaxed) > 0; }

void RecordText(const Surface& surface, const RECT& box, const RECT& visible, std::u16string_view text, COLORREF color,
                COLORREF background) {
    if (!DrawRecordOn() || text.empty()) return;
    Note note;
    note.text.text = std::u16string(text);
    note.text.rect = box;
    note.text.color = color;
    note.text.background = background;
    Record& r = TheRecord();
    const std::lock_guard guard(r.lock);
    Log(r, note);
    const RECT seen = IntersectRects(box, visible);
    if (RectEmpty(seen)) return;
    note.text.rect = seen;
    Add(r.notes[&surface], std::move(note));
}

void RecordCover(const Surface& surface, const RECT& area) {
    if (!DrawRecordOn() || RectEmpty(area)) return;
    Record& r = TheRecord();
    const std::lock_guard guard(r.lock);
    const auto found = r.notes.find(&surface);
    if (found != r.notes.end()) Cover(found->second, area);
}

void RecordBlit(const Surface& source, const RECT& sourceArea, const Surface& dest, const RECT& destArea,
                const RECT& visible, bool opaque) {
    if (!DrawRecordOn()) return;
    Record& r = TheRecord();
    const std::lock_guard guard(r.lock);
    std::vector<Note> carried;
    if (const auto found = r.notes.find(&source); found != r.notes.end())
        for (const Note& n : found->second) {
            const RECT part = IntersectRects(n.Rect(), sourceArea);
            if (RectEmpty(part)) continue;
            Note moved = n;
            const RECT mapped{MapX(part.left, sourceArea, destArea), MapY(part.top, sourceArea, destArea),
                              MapX(part.right, sourceArea, destArea), MapY(part.bottom, sourceArea, destArea)};
            moved.Rect() = IntersectRects(mapped, visible);
            if (!RectEmpty(moved.Rect())) carried.push_back(std::move(moved));
        }
    std::vector<Note>& target = r.notes[&dest];
    if (opaque) Cover(target, IntersectRects(destArea, visible));
    for (Note& n : carried) Add(target, std::move(n));
    if (source.resourceId != 0) {
        Note picture;
        picture.picture = true;
        picture.image.resourceId = source.resourceId;
        picture.image.rect = IntersectRects(destArea, visible);
        Log(r, picture);
        if (!RectEmpty(picture.image.rect)) Add(target, std::move(picture));
    }
}

void RecordPicture(const Surface& surface, const RECT& area, const testing::DrawnPicture& picture) {
    if (!DrawRecordOn()) return;
    Note note;
    note.picture = true;
    note.image = picture;
    note.image.rect = area;
    Record& r = TheRecord();
    const std::lock_guard guard(r.lock);
    Log(r, note);
    if (!RectEmpty(area)) Add(r.notes[&surface], std::move(note));
}

void RecordPictureOnDc(HDC dc, const RECT& dcArea, const testing::DrawnPicture& picture) {
    if (!DrawRecordOn()) return;
    const auto d = LookupDc(dc);
    if (!d) return;
    Canvas canvas(*d);
    if (!canvas.surface) return;
    const RECT area{canvas.X(dcArea.left), canvas.Y(dcArea.top), canvas.X(dcArea.right), canvas.Y(dcArea.bottom)};
    RecordPicture(*canvas.surface, IntersectRects(area, canvas.Bounds()), picture);
}

void ForgetSurface(const Surface& surface) {
    if (!DrawRecordOn()) return;
    Record& r = TheRecord();
    const std::lock_guard guard(r.lock);
    r.notes.erase(&surface);
}

std::vector<testing::DrawnText> ScreenTextNotes() {
    const Surface* screen = &ScreenSurface();
    Record& r = TheRecord();
    const std::lock_guard guard(r.lock);
    std::vector<testing::DrawnText> out;
    if (const auto found = r.notes.find(screen); found != r.notes.end())
        for (const Note& n : found->second)
            if (!n.picture) out.push_back(n.text);
    std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return Before(a.rect, b.rect); });
    return out;
}

std::vector<testing::DrawnPicture> ScreenPictureNotes() {
    const Surface* screen = &ScreenSurface();
    Record& r = TheRecord();
    const std::lock_guard guard(r.lock);
    std::vector<testing::DrawnPicture> out;
    if (const auto found = r.notes.find(screen); found != r.notes.end())
        for (const Note& n : found->second)
            if (n.picture) out.push_back(n.image);
    std::stable_sort(out.begin(), out.end(), [](const auto& a, const auto& b) { return Before(a.rect, b.rect); });
    return out;
}

std::vector<testing::DrawnText> LoggedTexts() {
    Record& r = TheRecord();
    const std::lock_guard guard(r.lock);
    std::vector<testing::DrawnText> out;
    for (const Note& n : r.log)
        if (!n.picture) out.push_back(n.text);
    return out;
}

std::vector<testing::DrawnPicture> LoggedPictures() {
    Record& r = TheRecord();
    const std::lock_guard guard(r.lock);
    std::vector<testing::DrawnPicture> out;
    for (const Note& n : r.log)
        if (n.picture) out.push_back(n.image);
    return out;
}

void StartDrawRecord() {
    if (g_users.fetch_add(1) == 0) {
        Record& r = TheRecord();
        const std::lock_guard guard(r.lock);
        r.notes.clear();
        r.log.clear();
    }
}

void StopDrawRecord() {
    if (g_users.fetch_sub(1) == 1) {
        Record& r = TheRecord();
        const std::lock_guard guard(r.lock);
        r.notes.clear();
        r.log.clear();
    }
}

void ClearDrawRecord() {
    const Surface* screen = &ScreenSurface();
    Record& r = TheRecord();
    const std::lock_guard guard(r.lock);
    r.notes.erase(screen);
    r.log.clear();
}

}  // namespace platform::gdi
