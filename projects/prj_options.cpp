// The "PRJ_" values: one table of names and their option words, read in one order and written in
// another (progress before the Outlook root when writing), as settings written before expect.
#include "projects/prj_options.h"

#include "core/reg_key.h"
#include "core/settings_key.h"
#include "projects/prj_tree.h"

PrjOptions g_PrjOptions;

namespace {

struct PrjOptionDef {
    const WCHAR* name;
    LONG PrjOptions::*word;
};

constexpr PrjOptionDef kReadOrder[] = {
    {u"PRJ_PROGRESS", &PrjOptions::progress},   {u"PRJ_OUTFOLDER", &PrjOptions::outFolder},
    {u"PRJ_CTSCOM", &PrjOptions::ctsCom},       {u"PRJ_POOMBELOW", &PrjOptions::poomBelow},
    {u"PRJ_SHOWCAT", &PrjOptions::showCat},     {u"PRJ_REMOVECUR", &PrjOptions::removeCur},
    {u"PRJ_TOGGLETASK", &PrjOptions::toggleTask}, {u"PRJ_DATE", &PrjOptions::date},
    {u"PRJ_MONTHLOAD", &PrjOptions::monthLoad},
};

constexpr PrjOptionDef kWriteOrder[] = {
    {u"PRJ_PROGRESS", &PrjOptions::progress},   {u"PRJ_CTSCOM", &PrjOptions::ctsCom},
    {u"PRJ_OUTFOLDER", &PrjOptions::outFolder}, {u"PRJ_POOMBELOW", &PrjOptions::poomBelow},
    {u"PRJ_SHOWCAT", &PrjOptions::showCat},     {u"PRJ_REMOVECUR", &PrjOptions::removeCur},
    {u"PRJ_TOGGLETASK", &PrjOptions::toggleTask}, {u"PRJ_DATE", &PrjOptions::date},
    {u"PRJ_MONTHLOAD", &PrjOptions::monthLoad},
};

}  // namespace

LONG LoadPrjOptions() {
    RegKey key;
    const LONG status = key.Open(HKEY_CURRENT_USER, kSettingsKey);
    if (status != ERROR_SUCCESS) return status;
    for (const PrjOptionDef& def : kReadOrder) key.ReadNumber(def.name, g_PrjOptions.*def.word);
    return ERROR_SUCCESS;
}

LONG SavePrjOptions() {
    RegKey key;
    const LONG status = key.Create(HKEY_CURRENT_USER, kSettingsKey);
    if (status != ERROR_SUCCESS) return status;
    for (const PrjOptionDef& def : kWriteOrder) {
        const LONG written = key.WriteNumber(def.name, g_PrjOptions.*def.word);
        if (written != ERROR_SUCCESS) return written;
    }
    return ERROR_SUCCESS;
}
