// A Simple MAPI library for the mail tests: MAPISendMail writes what it was
// given to the file named by VRC_FAKE_MAPI_LOG and answers the number in
// VRC_FAKE_MAPI_RESULT.
#include <windows.h>
#include <mapi.h>

#include <stdio.h>
#include <stdlib.h>

extern "C" ULONG WINAPI MAPISendMail(LHANDLE, ULONG_PTR, lpMapiMessage message, FLAGS flags, ULONG) {
  char path[MAX_PATH] = {0};
  char result[32] = {0};
  GetEnvironmentVariableA("VRC_FAKE_MAPI_RESULT", result, sizeof(result));
  if (GetEnvironmentVariableA("VRC_FAKE_MAPI_LOG", path, MAX_PATH)) {
    FILE* file = fopen(path, "w");
    if (file) {
      fprintf(file, "subject=%s\nflags=%lu\nrecipients=%lu\n", message->lpszSubject,
              static_cast<unsigned long>(flags), static_cast<unsigned long>(message->nRecipCount));
      for (ULONG i = 0; i < message->nRecipCount; ++i)
        fprintf(file, "to=%lu:%s\n", static_cast<unsigned long>(message->lpRecips[i].ulRecipClass),
                message->lpRecips[i].lpszName);
      fprintf(file, "note=[%s]\n", message->lpszNoteText);
      for (ULONG i = 0; i < message->nFileCount; ++i)
        fprintf(file, "file=%lu:%s\n", static_cast<unsigned long>(message->lpFiles[i].nPosition),
                message->lpFiles[i].lpszPathName);
      fclose(file);
    }
  }
  return static_cast<ULONG>(atoi(result));
}
