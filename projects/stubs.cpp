// Stand-ins for the projects until they are built: the options keep their defaults.
#include "projects/prj_cats.h"
#include "projects/prj_options.h"
#include "projects/prj_view.h"
#include "frame/side_files.h"

LONG LoadPrjOptions() { return 0; }

void ShowProjectsView() {}
bool ProjectTreeMenuCmd(int) { return false; }

// No item links yet.
void LoadLinkInfoFile() {}

// Until the project tree is built: the prefix test that the category pickers rely on.
bool IsPrjCat(std::u16string_view name) {
    constexpr std::u16string_view kPrefix = u"prj:";
    if (name.size() < kPrefix.size()) return false;
    for (std::size_t i = 0; i < kPrefix.size(); ++i) {
        const char16_t c = name[i];
        const char16_t lower = c >= u'A' && c <= u'Z' ? static_cast<char16_t>(c - u'A' + u'a') : c;
        if (lower != kPrefix[i]) return false;
    }
    return true;
}

// No project tree yet: no project paths.
RecordArray<std::u16string>& ProjectPathList() {
    static RecordArray<std::u16string> paths;
    return paths;
}
