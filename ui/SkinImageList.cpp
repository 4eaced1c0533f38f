#include "ui/SkinImageList.h"

#include "base/Paths.h"
#include "ui/PictureLoader.h"
#include "ui/SkinBitmaps.h"
#include "ui/SkinData.h"
#include "ui/SkinIniReader.h"

std::vector<SkinImageEntry> ReadSkinImageEntries(const std::string& iniPath) {
  std::vector<SkinImageEntry> entries;
  CSkinIniReader reader(iniPath);
  for (const std::string& line : reader.ReadLinesUntilGap("IMAGELISTINFO")) {
    std::string rest = line;
    SkinImageEntry entry;
    entry.name = NextSkinField(rest);
    ToUpperSkinName(entry.name);
    entry.rect = ParseSkinRect(rest);
    entries.push_back(entry);
  }
  return entries;
}

BOOL CSkinImageList::Load(const char* path) {
  std::string given = path ? path : "";
  m_folder = PathIsFolder(given) ? JoinPath(given, "") : SkinFolderOf(given);
  m_entries.clear();
  const std::string ini = m_folder + "skin.ini";
  CSkinIniReader reader(ini);
  std::string atlas = m_folder + reader.ReadString("SKININFO", "ImageList", "");
  if (!PathIsFile(atlas) && !PathIsFolder(atlas)) return TRUE;
  // An empty value names the folder itself: the entries are read, but there
  // is no atlas to copy them from.
  m_atlas.Reset(LoadImageFile(atlas.c_str(), NULL));
  m_entries = ReadSkinImageEntries(ini);
  return TRUE;
}

HBITMAP CSkinImageList::CopyImage(const char* name) const {
  if (!name || !m_atlas) return NULL;
  for (const SkinImageEntry& entry : m_entries)
    if (SameSkinName(entry.name, name)) return CopyBitmapPart(m_atlas, &entry.rect);
  return NULL;
}
