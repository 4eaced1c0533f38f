#include "log/MailReport.h"

#include <mapi.h>
#include <string.h>

#include <string>
#include <vector>

#include "base/Handles.h"

namespace {
// Whether mail is set up: win.ini [MAIL] MAPI and a MAPI32.DLL on the path.
// Asked once per process.
bool MailAvailable() {
  static int available = -1;
  if (available < 0) {
    char found[MAX_PATH];
    available = GetProfileIntA("MAIL", "MAPI", 0) != 0 &&
                SearchPathA(NULL, "MAPI32.DLL", NULL, MAX_PATH, found, NULL) != 0;
  }
  return available == 1;
}
}  // namespace

BOOL IsMailResultSuccess(ULONG result) {
  // A failed log-in sent nothing: only a sent mail and the user's own cancel
  // count as done.
  return result == SUCCESS_SUCCESS || result == MAPI_USER_ABORT;
}

BOOL SendMailReport(HWND owner, const char* subject, const char* recipient, const char* noteText,
                    const char* attachments) {
  if (!MailAvailable()) return FALSE;
  CLibrary library;
  if (!library.Load("MAPI32.DLL")) return FALSE;
  LPMAPISENDMAIL sendMail = reinterpret_cast<LPMAPISENDMAIL>(library.Find("MAPISendMail"));
  if (!sendMail) return FALSE;

  std::vector<std::string> paths;
  std::string list = attachments ? attachments : "";
  for (size_t start = 0; start <= list.size();) {
    size_t end = list.find(';', start);
    if (end == std::string::npos) end = list.size();
    if (end > start) paths.push_back(list.substr(start, end - start));
    start = end + 1;
  }

  // One space per attachment after the note; each attachment sits on one.
  std::string note = noteText ? noteText : "";
  ULONG noteLength = static_cast<ULONG>(note.size());
  note.append(paths.size(), ' ');
  std::vector<MapiFileDesc> files(paths.size());
  for (size_t i = 0; i < paths.size(); ++i) {
    memset(&files[i], 0, sizeof(files[i]));
    files[i].nPosition = noteLength + static_cast<ULONG>(i);
    files[i].lpszPathName = const_cast<char*>(paths[i].c_str());
  }
  MapiRecipDesc to;
  memset(&to, 0, sizeof(to));
  to.ulRecipClass = MAPI_TO;
  to.lpszName = const_cast<char*>(recipient ? recipient : "");
  MapiMessage message;
  memset(&message, 0, sizeof(message));
  message.lpszSubject = const_cast<char*>(subject ? subject : "");
  message.lpszNoteText = const_cast<char*>(note.c_str());
  message.nRecipCount = 1;
  message.lpRecips = &to;
  message.nFileCount = static_cast<ULONG>(files.size());
  message.lpFiles = files.empty() ? NULL : files.data();

  ULONG result = sendMail(0, reinterpret_cast<ULONG_PTR>(owner), &message, MAPI_LOGON_UI, 0);
  return IsMailResultSuccess(result);
}
