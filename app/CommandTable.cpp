// The command table: 35 rows, static, shared by the process.
#include <string.h>

#include "app/CommandExecutive.h"

namespace {
const int kRowCount = 35;
SkinCommandEntry g_table[kRowCount];
bool g_tableReady = false;
}  // namespace

struct CommandTableBuilder {
  typedef CCommandExecutive E;
  static void Build(SkinCommandEntry* rows) {
    struct Row {
      const char* name;
      int enabled;
      const char* text;
      int hotKey;
      int modifier;
      SkinCommandHandler handler;
    };
    const Row initial[kRowCount] = {
        {"CommandLine", 1, "", 0, 0, &E::OnCommandLine},
        {"DropFiles", 1, "", 0, 0, &E::OnDropFiles},
        {"UpdateBtnState", 1, "", 0, 0, &E::OnUpdateBtnState},
        {"CheckReelCraftTab", 1, "", 0, 0, &E::OnCheckReelCraftTab},
        {"ShowVideoConverter", 1, "", 0, 0, NULL},
        {"ShowMusicConverter", 1, "", 0, 0, NULL},
        {"ShowStillCast", 1, "", 0, 0, NULL},
        {"Convert_Progress", 0, "", 0, 0, NULL},
        {"Convert", 1, "", 0, 0, &E::OnConvert},
        {"OpenFolder", 1, "", 0, 0, &E::OnOpenFolder},
        {"Browse", 1, "", 0, 0, &E::OnBrowse},
        {"BrowseEdit", 0, "", 0, 0, NULL},
        {"Progress", 0, "Progress:", 0, 0, NULL},
        {"Information", 0, "Information:", 0, 0, NULL},
        {"Estimated Time", 0, "Estimated Time:", 0, 0, NULL},
        {"Power_Off", 1, "", VK_F4, VK_MENU, &E::OnPowerOff},
        {"About", 1, "", 0, 0, &E::OnAbout},
        {"MINIMIZE", 1, "", 0, 0, &E::OnMinimize},
        {"HELP", 1, "", 0, 0, &E::OnHelp},
        {"Option", 1, "", 0, 0, &E::OnOption},
        {"AddFiles", 1, "", 0, 0, &E::OnAddFiles},
        {"DeleteFiles", 0, "", 0, 0, &E::OnDeleteFiles},
        {"SelectAll", 0, "", 0, 0, NULL},
        {"Play", 0, "", 0, 0, &E::OnPlay},
        {"Stop", 0, "", 0, 0, &E::OnStop},
        {"Time", 0, "", 0, 0, NULL},
        {"FileSize", 0, "File Size:", 0, 0, NULL},
        {"VideoSize", 0, "Video Size:", 0, 0, NULL},
        {"Play_Progress", 0, "", 0, 0, &E::OnPlayProgress},
        {"HandleGraphEvent", 1, "", 0, 0, &E::OnHandleGraphEvent},
        {"OutputFormat", 1, "", 0, 0, &E::OnOutputFormat},
        {"Setting", 1, "", 0, 0, &E::OnSetting},
        {"MusicInfo", 0, "", 0, 0, NULL},
        {"PhotoResolution", 1, "", 0, 0, &E::OnPhotoResolution},
        {"PhotoQuality", 1, "", 0, 0, &E::OnPhotoQuality},
    };
    for (int i = 0; i < kRowCount; ++i) {
      SkinCommandEntry& row = rows[i];
      memset(&row, 0, sizeof(row));
      row.name = initial[i].name;
      row.hotKey = initial[i].hotKey;
      row.modifier = initial[i].modifier;
      row.enabled = initial[i].enabled;
      lstrcpynA(row.text, initial[i].text, sizeof(row.text));
      row.handler = initial[i].handler;
    }
  }
};

SkinCommandEntry* CCommandExecutive::Table() {
  if (!g_tableReady) ResetTable();
  return g_table;
}

int CCommandExecutive::TableSize() { return kRowCount; }

void CCommandExecutive::ResetTable() {
  CommandTableBuilder::Build(g_table);
  g_tableReady = true;
}

int CCommandExecutive::FindRow(const char* name) {
  if (!name) return -1;
  SkinCommandEntry* rows = Table();
  for (int i = 0; i < kRowCount; ++i)
    if (lstrcmpiA(rows[i].name, name) == 0) return i;
  return -1;
}
