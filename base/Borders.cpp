#include "base/Borders.h"

#include "base/LogClient.h"

void LogCaughtAtBorder(const char* where, const char* what) {
  // The log itself may be what ran out of memory: it must not throw either.
  try {
    LogPrint(LOG_ERROR, "%s: %s caught at its border!\n", where ? where : "",
             what ? what : "");
  } catch (...) {
  }
}
