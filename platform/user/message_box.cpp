// MessageBoxW: a modal box with the caption, text, icon and buttons it is given. Its answer comes from
// the test API's script or the process's QUORVIA_BOX_ANSWERS (for console tools such as the device's
// installer), else from a drawn box when one can be shown, else it is the default button, so that a
// box never waits for an answer no one can give. Every box is recorded for the test API.
#include "user/message_box.h"

#include <cstdlib>
#include <deque>
#include <string_view>
#include <mutex>

#include "platform/system.h"
#include "platform/testing_user.h"
#include "user/window_table.h"

namespace platform {
namespace {

// The caption of a box given none.
constexpr std::u16string_view kDefaultCaption = u"Error";

constexpr std::size_t kMostButtons = 3;

struct ButtonSet {
    UINT type;
    std::size_t count;
    int buttons[kMostButtons];
};

constexpr ButtonSet kButtonSets[] = {
    {MB_OK, 1, {IDOK}},
    {MB_OKCANCEL, 2, {IDOK, IDCANCEL}},
    {MB_ABORTRETRYIGNORE, 3, {IDABORT, IDRETRY, IDIGNORE}},
    {MB_YESNOCANCEL, 3, {IDYES, IDNO, IDCANCEL}},
    {MB_YESNO, 2, {IDYES, IDNO}},
    {MB_RETRYCANCEL, 2, {IDRETRY, IDCANCEL}},
};

struct BoxRecord {
    std::mutex lock;
    std::vector<testing::MessageBoxShown> shown;
    std::deque<int> answers;
    MessageBoxPresenter presenter;
};

struct NamedAnswer {
    std::string_view name;
    int answer;
};

constexpr NamedAnswer kNamedAnswers[] = {{"ok", IDOK},         {"cancel", IDCANCEL}, {"yes", IDYES},
                                         {"no", IDNO},         {"abort", IDABORT},   {"retry", IDRETRY},
                                         {"ignore", IDIGNORE}};

// "yes,no" -> IDYES, IDNO; unknown names are left out.
void QueueEnvironmentAnswers(std::deque<int>& answers) {
    const char* text = std::getenv("QUORVIA_BOX_ANSWERS");
    if (!text) return;
    std::string_view rest(text);
    while (!rest.empty()) {
        const std::size_t comma = rest.find(',');
        const std::string_view name = rest.substr(0, comma);
        for (const NamedAnswer& named : kNamedAnswers)
            if (named.name == name) answers.push_back(named.answer);
        if (comma == std::string_view::npos) break;
        rest.remove_prefix(comma + 1);
    }
}

BoxRecord& Boxes() {
    static BoxRecord record;
    static const bool queued = (QueueEnvironmentAnswers(record.answers), true);
    (void)queued;
    return record;
}

std::size_t Remember(const MessageBoxRequest& request) {
    BoxRecord& b = Boxes();
    const std::lock_guard guard(b.lock);
    b.shown.push_back({request.owner, request.text, request.caption, request.type, 0});
    return b.shown.size() - 1;
}

void RememberResult(std::size_t index, int result) {
    BoxRecord& b = Boxes();
    const std::lock_guard guard(b.lock);
    if (index < b.shown.size()) b.shown[index].result = result;
}

bool TakeAnswer(int* answer) {
    BoxRecord& b = Boxes();
    const std::lock_guard guard(b.lock);
    if (b.answers.empty()) return false;
    *answer = b.answers.front();
    b.answers.pop_front();
    return true;
}

MessageBoxPresenter Presenter() {
    BoxRecord& b = Boxes();
    const std::lock_guard guard(b.lock);
    return b.presenter;
}

}  // namespace

std::vector<int> MessageBoxButtons(UINT type) {
    for (const ButtonSet& set : kButtonSets)
        if (set.type == (type & MB_TYPEMASK)) return std::vector<int>(set.buttons, set.buttons + set.count);
    return {};
}

void SetMessageBoxPresenter(MessageBoxPresenter presenter) {
    BoxRecord& b = Boxes();
    const std::lock_guard guard(b.lock);
    b.presenter = std::move(presenter);
}

}  // namespace platform

int MessageBoxW(HWND owner, LPCWSTR text, LPCWSTR caption, UINT type) {
    using namespace platform;
    if (owner && !IsWindow(owner)) {
        SetLastError(ERROR_INVALID_WINDOW_HANDLE);
        return 0;
    }
    MessageBoxRequest request;
    request.owner = owner;
    request.text = text ? text : u"";
    request.caption = caption ? caption : std::u16string(kDefaultCaption);
    request.type = type;
    request.buttons = MessageBoxButtons(type);
    if (request.buttons.empty()) {
        SetLastError(ERROR_INVALID_PARAMETER);
        return 0;
    }
    const std::size_t defaultIndex = (type & MB_DEFMASK) >> 8;
    request.defaultButton = request.buttons[defaultIndex < request.buttons.size() ? defaultIndex : 0];

    const std::size_t record = Remember(request);
    const MessageBoxPresenter presenter = Presenter();
    bool presented = false;
    ModalLoop loop(owner);
    const INT_PTR result = loop.Run([&](ModalLoop& l) {
        int answer = 0;
        if (TakeAnswer(&answer)) {
            l.End(answer);
            return true;
        }
        if (presented) return false;  // the drawn box is up and waits for its button
        presented = presenter && presenter(l, request);
        if (!presented) l.End(request.defaultButton);
        return true;
    });
    const int answer = result ? static_cast<int>(result) : request.defaultButton;
    RememberResult(record, answer);
    return answer;
}

namespace platform::testing {

void AnswerMessageBox(int result) {
    BoxRecord& b = Boxes();
    const std::lock_guard guard(b.lock);
    b.answers.push_back(result);
}

std::vector<MessageBoxShown> MessageBoxesShown() {
    BoxRecord& b = Boxes();
    const std::lock_guard guard(b.lock);
    return b.shown;
}

void ClearMessageBoxes() {
    BoxRecord& b = Boxes();
    const std::lock_guard guard(b.lock);
    b.shown.clear();
    b.answers.clear();
}

}  // namespace platform::testing
