// OptionVault.dll: the library's one export makes the configuration object.
#include <new>

#include "base/Borders.h"
#include "config/ConfigModule.h"

extern "C" IModule* WINAPI DllCreateObject() {
  // The object's constructor may still throw (its members allocate).
  return CallAtBorder<IModule*>("OptionVault DllCreateObject", nullptr, [] {
    return new (std::nothrow) CConfigModule();
  });
}
