// Text and icons of item rows shared by the calendar views and lists: fitting and wrapping text,
// category and status icons, the themed header band, and the one-line appointment and task
// entries of the day lists.
#pragma once

#include <string>
#include <string_view>

#include "core/appt_record.h"
#include "core/date_rec.h"
#include "core/tsk_record.h"
#include "platform/types.h"
#include "ui/text_wrap.h"

// The text on one line, shortened with "..." until it fits; empty when maxWidth <= 0.
std::u16string FitTextToWidth(HWND window, std::u16string_view text, int maxWidth, bool bold, bool listFont,
                              bool keepFont);
// The icons of the appointment's categories (project categories left out); the width used.
int DrawItemCatIcons(HDC dc, int x, int y, int limitX, const ApptRecord& appt, bool draw, bool measureOnly,
                     bool big);
// Custom icon, status icons and category icons of an appointment; the width used.
int DrawItemIcons(HDC dc, int x, int y, int limitX, const ApptRecord& appt, bool draw, bool small,
                  bool categoriesOnly, bool force, bool& done);
// The empty title band at the top of rect, as high as a day-box header.
void DrawThemedHeader(HDC dc, const RECT& rect);
// One appointment line of a day list; its line height.
int DrawAgendaEntry(HDC dc, int x, int y, int& lineBottom, const RECT& rect, const ApptRecord& appt,
                    const DateRec& date, bool wide, bool cut, bool compact);
// One task line of a day list; its line height + 1.
int DrawTskLine(HDC dc, int x, int y, int lineBottom, const RECT& rect, const DateRec& today, const TskRecord& task,
                bool dueHere, bool cut, bool compact);
