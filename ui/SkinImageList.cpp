#include "ui/SkinImageList.h"

#include "base/Paths.h"
#include "ui/PictureLoader.h"
#include "ui/SkinBitmaps.h"
#include "ui/SkinData.h"
#include "base/FileStamp.h"
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

namespace {
// The four windows of a skin load the same atlas: the last one read is kept
// and shared while its file is unchanged. Skins are read on the
// user-interface thread only.
struct SharedAtlas {
  std::string path;
  FileStamp stamp;
  std::shared_ptr<CBitmapHandle> bitmap;
};
SharedAtlas g_lastAtlas;

std::shared_ptr<CBitmapHandle> LoadAtlas(const std::string& path) {
  const FileStamp stamp = ReadFileStamp(path);
  if (g_lastAtlas.bitmap && g_lastAtlas.path == path && SameFileStamp(g_lastAtlas.stamp, stamp))
    return g_lastAtlas.bitmap;
  std::shared_ptr<CBitmapHandle> bitmap = std::make_shared<CBitmapHandle>();
  bitmap->Reset(LoadImageFile(path.c_str(), NULL));
  // A file that did not load is tried again by the next window.
  g_lastAtlas = bitmap->IsValid() ? SharedAtlas{path, stamp, bitmap} : SharedAtlas();
  return bitmap;
}
}  // namespace

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
  m_atlas = LoadAtlas(atlas);
  m_entries = ReadSkinImageEntries(ini);
  return TRUE;
}

HBITMAP CSkinImageList::CopyImage(const char* name) const {
  if (!name || !HasAtlas()) return NULL;
  for (const SkinImageEntry& entry : m_entries)
    if (SameSkinName(entry.name, name)) return CopyBitmapPart(*m_atlas, &entry.rect);
  return NULL;
}
