#include "config/dialogs/CompressorCombos.h"

#include "base/CodecLookup.h"
#include "config/dialogs/ComboFill.h"
#include "config/dialogs/OutputSettingsRules.h"

HRESULT FillCompressorCombo(const CComboBox& combo, const TextList& names, const GUID& category) {
  std::vector<DeviceEntry> devices;
  DeviceLookupResult result = ListDevices(category, &devices);
  if (ReportEnumeratorFailure(GetParent(combo), result)) return E_FAIL;
  AppendRows(combo, CompressorRows(devices, names));
  return 1;
}

int FillWMCodecCombo(const CComboBox& combo, const TextList& names, const GUID& majorType) {
  std::vector<std::string> codecs;
  if (!ListWmCodecNames(majorType, &codecs)) return 0;
  AppendRows(combo, WmCodecRows(codecs, names));
  return 1;
}
