// The list-style appointment editor's entry points, which the appointment commands open instead of
// the form while "LISTEDIT" is on. Each returns the editor's result.
#pragma once

#include "platform/types.h"

INT_PTR NewApptInListEditor();
INT_PTR EditApptInListEditor();
INT_PTR NewApptFromTemplateInListEditor();
