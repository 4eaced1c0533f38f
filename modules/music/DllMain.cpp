// TuneCast's entry points: the library's application object and the
// factory of the module object at export ordinal 1.
#include <new>

#include "base/Borders.h"
#include "modules/music/MusicModule.h"
#include "winfx/WinApp.h"

namespace {
// The library's one application object; start-up and shut-down happen in
// the module's InitInstance and ExitInstance.
CWinFxApp g_moduleApp;
}  // namespace

extern "C" IModule* WINAPI DllCreateObject() {
  // The object's constructor may still throw (its members allocate).
  return CallAtBorder<IModule*>("TuneCast DllCreateObject", nullptr, [] {
    return new (std::nothrow) CMusicModule();
  });
}
