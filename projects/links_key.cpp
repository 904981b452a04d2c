#include "projects/links_key.h"

#include <array>

#include "core/frame_state.h"
#include "core/kbd_model.h"
#include "projects/prj_view.h"

namespace {

struct LinksKey {
    UINT key;
    LONG model;  // the keyboard model it needs, kKbdModelUnknown for any
};
// The period comes as its own key, 190: as a key code 46 is Delete, which must not open the links.
constexpr std::array<LinksKey, 5> kLinksKeys = {{
    {'A', kKbdModelUnknown}, {'a', kKbdModelUnknown}, {'*', kKbdModelUnknown},
    {190, kKbdModelUnknown}, {'x', kKbdDash},
}};

}  // namespace

int HandleLinksKey(UINT key) {
    for (const LinksKey& entry : kLinksKeys) {
        if (entry.key != key) continue;
        if (entry.model != kKbdModelUnknown && entry.model != g_Frame.kbdModelCode) return 0;
        ShowLinksDlg();
        return 1;
    }
    return 0;
}
