// The application's message boxes: texts made by MakeAppBoxText, shown
// through the message-box seam so that tests answer them.
#pragma once
#include <windows.h>

#include "base/AppBoxText.h"

// The box's answer; 0, with nothing shown, when the rules' translator is
// missing or fails.
int ShowAppBox(HWND owner, ILanguageTranslater* translator, IVarnoConfigEx* config,
               const char* text, const char* caption, UINT style, const AppBoxRules& rules);

// The window that the calling thread's boxes and dialogs belong to: the root
// owner of its active window, else its first shown, enabled, unowned
// top-level window; NULL when the thread has none. For code that is handed
// no window, such as an engine library.
HWND ThreadMainWindow();
