// The VCD channel names write the audio decoder's volume values; the
// power-off name switches the machine off through its seam and stores
// nothing.
#include <gtest/gtest.h>
#include <shlwapi.h>

#include "config/ConfigModule.h"
#include "config/SettingsTable.h"
#include "winfx/Seams.h"

namespace {

const char kDecoder[] = "Software\\GNU\\ffdshow_audio\\default";

DWORD DecoderValue(const char* name) {
  DWORD value = 0xFFFFFFFF, size = sizeof(value);
  SHGetValueA(HKEY_CURRENT_USER, kDecoder, name, NULL, &value, &size);
  return value;
}

int g_powerOffs = 0;
BOOL WINAPI CountPowerOff() {
  ++g_powerOffs;
  return TRUE;
}

}  // namespace

TEST(DecoderChannel, ChannelChoiceSetsBothVolumesAndIsStored) {
  ResetSettingTables();
  CConfigModule* module = new CConfigModule();
  const struct {
    int channel;
    DWORD left, right;
  } rows[] = {{0, 100, 0}, {1, 0, 100}, {2, 100, 100}};
  for (const auto& row : rows) {
    module->SetInt("VCDChannel", row.channel, 0);
    EXPECT_EQ(row.channel, module->GetInt("VCDChannel", 0, 1));
    EXPECT_EQ(row.left, DecoderValue("volumeL")) << row.channel;
    EXPECT_EQ(row.right, DecoderValue("volumeR")) << row.channel;
  }
  module->SetInt("EnableVCDChannel", 1, 0);
  EXPECT_EQ(1u, DecoderValue("isVolume"));
  EXPECT_EQ(0, module->GetInt("EnableVCDChannel", 0, 1));
  module->SetInt("EnableVCDChannel", 0, 0);
  EXPECT_EQ(0u, DecoderValue("isVolume"));
  module->Release();
}

TEST(DecoderChannel, PowerOffGoesThroughItsSeamAndStoresNothing) {
  ResetSettingTables();
  VrcSetPowerOffSeam(CountPowerOff);
  CConfigModule* module = new CConfigModule();
  module->SetInt("VRCExitWindowsEx", 0, 0);
  EXPECT_EQ(1, g_powerOffs);
  EXPECT_EQ(0, module->GetInt("VRCExitWindowsEx", 0, 1));
  module->Release();
}
