// Stand-ins for the toolkit's pictures, text prompt, titles and custom icons until they are built:
// no picture decodes, the prompt gives the answer a test set for it (else a cancel), a title is the
// window text alone and no item has a custom icon.
#include "platform/user.h"
#include "ui/custom_icon.h"
#include "ui/imaging.h"
#include "ui/text_prompt.h"
#include "ui/view_focus.h"

std::u16string g_PromptText;

namespace {

struct PromptAnswer {
    INT_PTR result = kPromptCancelled;
    std::u16string text;
};

PromptAnswer& NextAnswer() {
    static PromptAnswer answer;
    return answer;
}

INT_PTR TakeAnswer() {
    PromptAnswer& answer = NextAnswer();
    const INT_PTR result = answer.result;
    if (result == kPromptAccepted) g_PromptText = answer.text;
    answer = PromptAnswer();
    return result;
}

}  // namespace

namespace testing_prompt {
void SetNextAnswer(INT_PTR result, const std::u16string& text) { NextAnswer() = PromptAnswer{result, text}; }
}  // namespace testing_prompt

INT_PTR PromptTextById(HWND, UINT, UINT) { return TakeAnswer(); }

INT_PTR PromptText(HWND, const std::u16string&, const std::u16string&) { return TakeAnswer(); }

HRESULT GetStreamSize(IStream* stream, DWORD* length) {
    if (!stream || !length) return E_FAIL;
    ULARGE_INTEGER end{};
    HRESULT hr = stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_END, &end);
    if (FAILED(hr)) return hr;
    *length = static_cast<DWORD>(end.QuadPart);
    return stream->Seek(LARGE_INTEGER{}, STREAM_SEEK_SET, nullptr);
}

HRESULT DecodeImageToDib(IStream*, HBITMAP*, int, bool) { return E_NOTIMPL; }

void SetTitleText(HWND window, LPCWSTR text) {
    if (window && text) SetWindowTextW(window, text);
}

LONG LookupCustomIcon(LONG) { return -1; }
