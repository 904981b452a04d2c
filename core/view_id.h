// The code of the view on screen, which painting, commands, menus and titles dispatch on.
#pragma once

#include "platform/types.h"

enum ViewCode : LONG {
    kViewMonth = 0,
    kViewWeek = 1,
    kViewTimelineWeek = 2,
    kViewDates = 3,
    kViewYear = 4,
    kViewTasks = 5,
    kViewContacts = 6,
    kViewProjects = 7,
    kViewNotes = 8,
    kViewWallet = 9,
    kViewSpinner = 10,
    kViewDay = 11,
    kViewApptPreview = 12,
    kViewContactPreview = 13,
    kViewCoverScreen = 14,
    kViewTaskPreview = 18,
    kViewWalletLocked = 19,
    kViewWalletItem = 20,
    kViewSpinnerPage = 24,
};

// Set only by the view switch.
extern LONG ViewId;
