// The atlas of a skin: one bitmap ([SKININFO] ImageList) and the named
// rectangles of [IMAGELISTINFO] in it. Skin lines name pictures by these
// names; each copy is a bitmap of its own that the caller owns.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "winfx/GdiHandles.h"

struct SkinImageEntry {
  std::string name;  // upper case
  RECT rect;         // atlas pixels
};

// The entries of an [IMAGELISTINFO] section, read until the first gap.
std::vector<SkinImageEntry> ReadSkinImageEntries(const std::string& iniPath);

class CSkinImageList {
 public:
  // A skin folder or the path of a file in it. Always TRUE: a skin without
  // an atlas simply names no images.
  BOOL Load(const char* path);
  // A copy of the first entry of that name (case ignored). NULL when there
  // is no such entry or no atlas to copy from (an empty ImageList value):
  // the caller passes over the image.
  HBITMAP CopyImage(const char* name) const;
  const std::vector<SkinImageEntry>& Entries() const { return m_entries; }
  bool HasAtlas() const { return m_atlas && m_atlas->IsValid(); }

 private:
  std::string m_folder;
  // Shared with the other windows of the same skin; only copied from.
  std::shared_ptr<CBitmapHandle> m_atlas;
  std::vector<SkinImageEntry> m_entries;
};
