// The catalogue of valid skins: the folders under "Skins" whose skin.ini
// has a [SkinInfo] with SpecVersion "2.00", in the order found.
#pragma once
#include <string>
#include <vector>

struct SkinInfoRecord {
  char folder[260];
  char name[260];
  char notice[260];
  char previewBmpPath[260];
  char logoBmpPath[260];
  char aboutBmpPath[260];
};

class CSkinCatalog {
 public:
  // Fails, the list untouched, when the folder does not exist; else
  // succeeds when at least one skin was found.
  bool ScanSkins(const std::string& folder);
  // Fails for an index outside the list, a vanished folder, an empty name,
  // no preview bitmap name or a missing logo bitmap.
  bool GetSkinInfo(int index, SkinInfoRecord* out) const;
  int GetDefaultSkinIndex() const { return m_defaultIndex; }
  int GetCount() const { return static_cast<int>(m_folders.size()); }

 private:
  std::vector<std::string> m_folders;
  int m_defaultIndex = 0;
};
