#include "stand-ins/encoder/ConsoleOutput.h"

#include <windows.h>

namespace encoder {

namespace {

bool WriteAll(DWORD which, const std::string& text) {
  HANDLE handle = GetStdHandle(which);
  if (handle == NULL || handle == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  return WriteFile(handle, text.data(), static_cast<DWORD>(text.size()), &written, NULL) &&
         written == text.size();
}

}  // namespace

bool WriteOutput(const std::string& text) { return WriteAll(STD_OUTPUT_HANDLE, text); }

bool WriteMessage(const std::string& text) {
  return WriteAll(STD_ERROR_HANDLE, "encoder: " + text + "\n");
}

}  // namespace encoder
