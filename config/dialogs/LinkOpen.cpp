#include "config/dialogs/LinkOpen.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <stdio.h>
#include <string.h>

#include "winfx/Seams.h"

namespace {

enum { kShellSucceeded = 32, kCommandRoom = 260 };
// OpenThroughAssociation's answer when there is no association to run.
const INT_PTR kNoAssociation = -1;

// The default value of a key under HKEY_CLASSES_ROOT; "" when absent.
std::string ClassesRootDefault(const char* key) {
  char value[kCommandRoom] = {0};
  DWORD size = sizeof(value) - 1, type = 0;
  if (SHGetValueA(HKEY_CLASSES_ROOT, key, NULL, &type, value, &size) != ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ))
    return std::string();
  value[sizeof(value) - 1] = '\0';
  return value;
}

// Runs the program of the ".htm" association with the target; its result,
// or kNoAssociation when there is none to run.
INT_PTR OpenThroughAssociation(const char* target) {
  std::string file = ClassesRootDefault(".htm");
  if (file.empty()) return kNoAssociation;
  std::string command = ClassesRootDefault((file + "\\shell\\open\\command").c_str());
  if (command.empty()) return kNoAssociation;
  return static_cast<INT_PTR>(
      VrcWinExec(AssociationCommandLine(command.c_str(), target).c_str(), SW_SHOW));
}

}  // namespace

std::string AssociationCommandLine(const char* openCommand, const char* target) {
  std::string command = openCommand ? openCommand : "";
  size_t cut = command.find("\"%1\"");
  if (cut == std::string::npos) cut = command.find("%1");
  if (cut != std::string::npos) command.erase(cut);
  return command + " " + (target ? target : "");
}

std::string OpenFailureText(INT_PTR code) {
  static const struct {
    INT_PTR code;
    const char* reason;
  } kReasons[] = {
      {0, "The operating system is out\nof memory or resources."},
      {SE_ERR_FNF, "The specified file was not found."},
      {SE_ERR_PNF, "The specified path was not found."},
      {SE_ERR_ACCESSDENIED, "The operating system denied\naccess to the specified file."},
      {SE_ERR_OOM, "There was not enough memory to complete the operation."},
      {ERROR_BAD_FORMAT, "The .EXE file is invalid\n(non-Win32 .EXE or error in .EXE image)."},
      {SE_ERR_SHARE, "A sharing violation occurred. "},
      {SE_ERR_ASSOCINCOMPLETE, "The filename association is\nincomplete or invalid."},
      {SE_ERR_DDETIMEOUT,
       "The DDE transaction could not\nbe completed because the request timed out."},
      {SE_ERR_DDEFAIL, "The DDE transaction failed."},
      {SE_ERR_DDEBUSY,
       "The DDE transaction could not\nbe completed because other DDE transactions\nwere being "
       "processed."},
      {SE_ERR_NOASSOC, "There is no application associated\nwith the given filename extension."},
      {SE_ERR_DLLNOTFOUND, "The specified dynamic-link library was not found."},
  };
  std::string text = "Can't open link:\n\n";
  for (const auto& row : kReasons)
    if (row.code == code) return text + row.reason;
  char unknown[64];
  snprintf(unknown, sizeof(unknown), "Unknown Error (%d) occurred.", static_cast<int>(code));
  return text + unknown;
}

INT_PTR OpenLinkTarget(HWND owner, const char* target) {
  INT_PTR result = reinterpret_cast<INT_PTR>(
      VrcShellExecute(NULL, "open", "iexplore.exe", target, NULL, SW_SHOW));
  if (result <= kShellSucceeded) {
    // Without an association the browser's own failure is the reason to show.
    const INT_PTR associated = OpenThroughAssociation(target);
    if (associated != kNoAssociation) result = associated;
  }
  if (result <= kShellSucceeded) {
    MessageBeep(MB_ICONEXCLAMATION);
    VrcMessageBox(owner, OpenFailureText(result).c_str(), "", MB_ICONEXCLAMATION);
  }
  return result;
}
