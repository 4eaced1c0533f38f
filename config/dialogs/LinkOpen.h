// Opening a link's target in a web browser: the browser through the shell,
// else the program that the ".htm" association names. Both go through the
// shell seams, so tests see what would have started.
#pragma once
#include <windows.h>

#include <string>

// The association's open command with its "%1" placeholder cut off (at the
// first "\"%1\"", else the first "%1"), then " " and the target. The target
// is never cut: it is a URL, and a cut one opens another page.
std::string AssociationCommandLine(const char* openCommand, const char* target);
// "Can't open link:\n\n" and the reason for a shell result of 32 or less.
std::string OpenFailureText(INT_PTR code);
// Opens the target; the final shell result (above 32 on success). On
// failure the user hears a warning beep and sees the reason.
INT_PTR OpenLinkTarget(HWND owner, const char* target);
