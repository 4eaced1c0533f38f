// The compressor lists of the output settings dialog: the DirectShow
// devices of a category and the Windows Media codecs of a media type, each
// filtered by the format profile's names. Every list copes with the
// platform offering none.
#pragma once
#include <windows.h>

#include "config/FormatProfile.h"
#include "winfx/Controls.h"

// Appends the devices; item data = the device's position among all devices
// of the category. 1, or E_FAIL after the enumerator's message box.
HRESULT FillCompressorCombo(const CComboBox& combo, const TextList& names, const GUID& category);
// Appends the codecs; item data = the codec index. 1, or 0 when the
// Windows Media runtime could not be asked.
int FillWMCodecCombo(const CComboBox& combo, const TextList& names, const GUID& majorType);
