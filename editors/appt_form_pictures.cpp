// The appointment form's field pictures, one beside each field: the templates carry the small
// pictures, and a VGA screen gets the large ones in their place.
#include "editors/appt_form.h"

#include "core/screen_class.h"
#include "platform/controls.h"
#include "platform/gdi.h"
#include "platform/resources.h"
#include "platform/user.h"
#include "resources/resource.h"

namespace {

struct FieldPicture {
    int control;
    int vgaBitmap;
};

constexpr FieldPicture kFieldPictures[] = {
    {IDC_APPT_SUBJECT_PICTURE, IDB_APPT_FIELD_SUBJECT_VGA}, {IDC_APPT_LOCATION_PICTURE, IDB_APPT_FIELD_LOCATION_VGA},
    {IDC_APPT_START_PICTURE, IDB_APPT_FIELD_START_VGA},     {IDC_APPT_RECUR_PICTURE, IDB_APPT_FIELD_RECUR_VGA},
    {IDC_APPT_END_PICTURE, IDB_APPT_FIELD_END_VGA},         {IDC_APPT_REMINDER_PICTURE, IDB_APPT_FIELD_REMINDER_VGA},
    {IDC_APPT_STATUS_PICTURE, IDB_APPT_FIELD_STATUS_VGA},   {IDC_APPT_CATEGORIES_PICTURE, IDB_APPT_FIELD_CATEGORIES_VGA},
    {IDC_APPT_NOTES_PICTURE, IDB_APPT_FIELD_NOTES_VGA},     {IDC_APPT_ALLDAY_PICTURE, IDB_APPT_FIELD_ALLDAY_VGA},
    {IDC_APPT_PRIVATE_PICTURE, IDB_APPT_FIELD_PRIVATE_VGA},
};

}  // namespace

void SetApptFieldPictures(HWND dialog) {
    if (!IsVgaScreen()) return;
    for (const FieldPicture& field : kFieldPictures) {
        const HWND control = GetDlgItem(dialog, field.control);
        if (!control) continue;  // not every layout has every picture
        const HBITMAP large = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(field.vgaBitmap));
        if (!large) continue;
        const auto previous = reinterpret_cast<HGDIOBJ>(
            SendMessageW(control, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(large)));
        if (previous && previous != large) DeleteObject(previous);
    }
}
