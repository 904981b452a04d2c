// The category filter of the task, contact and calendar views, as the other subsystems ask it:
// the on/off switches by view, the filter kind of the view on screen and the pass tests.
#pragma once

#include "core/appt_record.h"
#include "core/cat_record.h"
#include "core/cts_record.h"
#include "core/tsk_record.h"
#include "platform/types.h"

// Filter kind of the shared filter (the other kinds are CatKind).
inline constexpr LONG kCatKindShared = -1;

// Whether the filter of the view on screen is on.
bool GetViewCatFilter();
// -1 with the shared filter, else the kind of the view on screen.
// True when one filter serves every view ("GLOBALFILTER").
bool SharedFilter();
LONG GetCatFilterKind();
// Sets the on/off switch of the view on screen (and the shared one with the shared filter).
void SetViewCatFilter(bool on);

// TRUE when the item passes the filter of the view on screen for the kind: an item needs one of the
// categories marked for the kind (or shared) while the filter is on.
BOOL CtsPassCatFilter(const CtsRecord& contact, LONG kind);
BOOL TskPassCatFilter(const TskRecord& task, LONG kind);
// The calendar always asks with kind 0.
BOOL ApptPassCatFilter(const ApptRecord& appt);

// The colour of the category named first on the task; the primary text colour when the category
// table has no such name.
COLORREF GetTskCatColor(const TskRecord& task);

