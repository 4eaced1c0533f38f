// Mail reports through the platform's Simple MAPI.
#pragma once
#include <windows.h>

// Sends noteText with the ";"-separated attachments to recipient. TRUE when
// the mail went out or the user cancelled it; FALSE when mail is not set up
// on this machine, the log-in failed or the send failed.
BOOL SendMailReport(HWND owner, const char* subject, const char* recipient, const char* noteText,
                    const char* attachments);

// Whether a MAPISendMail result counts as success.
BOOL IsMailResultSuccess(ULONG result);
