#include "config/SkinCatalog.h"

#include <windows.h>
#include <string.h>

#include "base/Paths.h"
#include "base/Strings.h"

namespace {

std::string ReadSkinInfo(const std::string& iniPath, const char* key, int room) {
  std::vector<char> text(room + 1, '\0');
  GetPrivateProfileStringA("SkinInfo", key, "", text.data(), room, iniPath.c_str());
  return text.data();
}

}  // namespace

bool CSkinCatalog::ScanSkins(const std::string& folder) {
  if (!PathIsFolder(folder)) return false;
  m_folders.clear();
  m_defaultIndex = 0;
  WIN32_FIND_DATAA found;
  HANDLE search = FindFirstFileA(JoinPath(folder, "*.*").c_str(), &found);
  if (search != INVALID_HANDLE_VALUE) {
    do {
      if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) continue;
      if (strcmp(found.cFileName, ".") == 0 || strcmp(found.cFileName, "..") == 0) continue;
      std::string skinFolder = JoinPath(folder, found.cFileName);
      std::string ini = JoinPath(skinFolder, "skin.ini");
      if (!PathIsFile(ini) || ReadSkinInfo(ini, "SpecVersion", 1024) != "2.00") continue;
      std::string isDefault = ReadSkinInfo(ini, "IsDefaultSkin", 260);
      if (!isDefault.empty() && (isDefault[0] == 'T' || isDefault[0] == 't'))
        m_defaultIndex = static_cast<int>(m_folders.size());
      m_folders.push_back(skinFolder);
    } while (FindNextFileA(search, &found));
    FindClose(search);
  }
  return !m_folders.empty();
}

bool CSkinCatalog::GetSkinInfo(int index, SkinInfoRecord* out) const {
  if (!out || index < 0 || index >= GetCount()) return false;
  const std::string& folder = m_folders[index];
  if (!PathIsFolder(folder)) return false;
  CopyBounded(out->folder, sizeof(out->folder), folder.c_str());
  const std::string ini = JoinPath(folder, "Skin.ini");
  std::string name = ReadSkinInfo(ini, "Name", 260);
  CopyBounded(out->name, sizeof(out->name), name.c_str());
  if (name.empty()) return false;
  std::string preview = ReadSkinInfo(ini, "PreviewBmpFileName", 260);
  if (preview.empty()) return false;
  CopyBounded(out->previewBmpPath, sizeof(out->previewBmpPath), JoinPath(folder, preview).c_str());
  CopyBounded(out->notice, sizeof(out->notice), ReadSkinInfo(ini, "Copyright", 260).c_str());
  std::string logo = JoinPath(folder, ReadSkinInfo(ini, "LogoBmpFileName", 260));
  CopyBounded(out->logoBmpPath, sizeof(out->logoBmpPath), logo.c_str());
  if (!PathIsFile(logo)) return false;
  std::string about = JoinPath(folder, ReadSkinInfo(ini, "AboutBmpFileName", 260));
  CopyBounded(out->aboutBmpPath, sizeof(out->aboutBmpPath), about.c_str());
  return true;
}
