// OptionVault.dll: the library's one export makes the configuration object.
#include <new>

#include "config/ConfigModule.h"

extern "C" IModule* WINAPI DllCreateObject() {
  return new (std::nothrow) CConfigModule();
}
