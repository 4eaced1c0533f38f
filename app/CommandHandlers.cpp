// The handlers of the command table's rows.
#include "app/CommandExecutive.h"

#include <shellapi.h>
#include <shlwapi.h>
#include <stdio.h>

#include "app/FolderChooser.h"
#include "app/HelpLauncher.h"
#include "app/NotAddedFiles.h"
#include "base/LogClient.h"
#include "base/Strings.h"
#include "base/AppBoxText.h"
#include "winfx/FileDialog.h"
#include "winfx/Seams.h"

HRESULT CCommandExecutive::OnCommandLine(const char*, int, SkinCommandParam*) { return S_OK; }

void CCommandExecutive::AddFileToConverter(const char* path,
                                           std::vector<std::string>* unanswered) {
  int added = m_pIConverter ? m_pIConverter->AddFile(path) : 0;
  LogPrint(LOG_TRACE, "Varno Reel Craft add file = %s! bRet = %d\n", path, added);
  if (added == kAddFileNoAnswer && unanswered) unanswered->push_back(path);
}

void CCommandExecutive::ReportNotAddedFiles(const std::vector<std::string>& unwritable,
                                            const std::vector<std::string>& unanswered,
                                            HWND owner) {
  if (unwritable.empty() && unanswered.empty()) return;
  for (const std::string& name : unwritable)
    LogPrint(LOG_WARNING, "File %s cannot be named in the ANSI code page, not added!\n",
             name.c_str());
  // Only the reasons go through the translator's fixed buffer; the names
  // follow each, however long the list.
  const AppBoxRules kListBox = {0, false};
  std::string text, reason, caption;
  const struct {
    const char* reason;
    const std::vector<std::string>* names;
  } groups[] = {{kNotAddedFilesReason, &unwritable}, {kUnansweredFilesReason, &unanswered}};
  for (const auto& group : groups) {
    if (group.names->empty()) continue;
    MakeAppBoxText(m_pITranslater, m_pIConfigEx, group.reason, kListBox, &reason);
    if (!text.empty()) text += "\n\n";
    text += reason + NotAddedFilesList(*group.names);
  }
  MakeAppBoxText(m_pITranslater, m_pIConfigEx, "Varno Reel Craft V2.0", kListBox, &caption);
  VrcMessageBox(owner, text.c_str(), caption.c_str(), MB_OK | MB_ICONWARNING);
}

HRESULT CCommandExecutive::OnDropFiles(const char*, int, SkinCommandParam* param) {
  // Without a drop handle there is nothing to read or to give back.
  if (!param || !param->nForce1 || !param->nForce2) return E_FAIL;
  HDROP drop = reinterpret_cast<HDROP>(param->nForce2);
  LogPrint(LOG_TRACE, "Varno Reel Craft accept drop files!\n");
  UINT count = DragQueryFileA(drop, 0xFFFFFFFF, NULL, 0);
  m_bAddingFiles = true;
  // Adding pumps messages: the buttons that must not be pressed meanwhile go
  // off now, not only at the end.
  UpdateButtonStates();
  std::vector<std::string> notAdded, unanswered;
  for (UINT i = 0; i < count && !m_bConverting; ++i) {
    // The modules take narrow names: a name that the code page cannot write
    // would come out with stand-in characters and name no file at all.
    wchar_t wide[MAX_PATH] = {0};
    std::string narrow;
    if (DragQueryFileW(drop, i, wide, MAX_PATH) && !NarrowExactly(wide, &narrow)) {
      notAdded.push_back(narrow);
      continue;
    }
    char path[MAX_PATH] = {0};
    DragQueryFileA(drop, i, path, MAX_PATH);
    DWORD attributes = GetFileAttributesA(path);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
      LogPrint(LOG_TRACE, "Directory is %s, continue!\n", path);
      continue;
    }
    if (!PathFileExistsA(path)) {
      LogPrint(LOG_TRACE, "File %s does not exist, continue!\n", path);
      continue;
    }
    AddFileToConverter(path, &unanswered);
  }
  m_bAddingFiles = false;
  DragFinish(drop);
  UpdateButtonStates();
  ReportNotAddedFiles(notAdded, unanswered, MainWindow());
  return S_OK;
}

HRESULT CCommandExecutive::OnUpdateBtnState(const char*, int, SkinCommandParam*) {
  if (m_pIPlayer && m_pIPlayer->IsPlaying()) RunCommand("Stop");
  UpdateButtonStates();
  return S_OK;
}

HRESULT CCommandExecutive::OnCheckReelCraftTab(const char* name, int argument,
                                               SkinCommandParam* param) {
  if (!name || !param || !param->nForce1 || argument != 0) return E_FAIL;
  for (int i = 0; i < kPageCount; ++i) SetControlValue(PageAt(i)->buttonName, 0);
  SetControlValue(reinterpret_cast<const char*>(param->nForce1), 1);
  if (!m_pending.empty()) FlushUpdates();
  return GetCurrentConverter();
}

HRESULT CCommandExecutive::OnConvert(const char*, int, SkinCommandParam*) {
  if (!m_pIConverter) {
    LogPrint(LOG_ERROR, "Converter NULL pointer!\n");
    return E_POINTER;
  }
  if (!m_bConverting) {
    IConverter* converter = m_pIConverter;
    SetControlValue("Convert", 1);
    UpdateButtonStates();
    m_bConverting = true;
    converter->Convert();
    m_bConverting = false;
    SetControlValue("Convert", 0);
    UpdateButtonStates();
    return S_OK;
  }
  // The second press, from inside the running conversion's message pumping.
  if (m_pIConverter->StopConvert(0) != S_OK) {
    SetControlValue("Convert", 0);
    UpdateButtonStates();
  }
  return S_OK;
}

HRESULT CCommandExecutive::OnOpenFolder(const char*, int, SkinCommandParam*) {
  if (!m_pIConfigEx) return S_OK;
  std::string path = GetConfigString("CurrentSavePath");
  if (PathFileExistsA(path.c_str()))
    VrcShellExecute(NULL, "open", path.c_str(), NULL, NULL, SW_SHOWNORMAL);
  else
    ShowMessageBox("Output path doesn't exist!", "Varno Reel Craft V2.0", MB_ICONHAND);
  return S_OK;
}

HRESULT CCommandExecutive::OnBrowse(const char*, int, SkinCommandParam* param) {
  LogPrint(LOG_TRACE, "Browse! \n");
  if (!m_pIConverter || !m_pIConfigEx || !m_pITranslater) return E_POINTER;
  char title[260] = "Current Folder:";
  m_pITranslater->TranslateString(title, "MiscStrings");
  std::string folder;
  if (!ChooseFolder(OwnerFor(param), title, 0x51, GetConfigString("CurrentSavePath").c_str(),
                    &folder))
    return S_OK;
  LogPrint(LOG_INFO, "Browse = %s! \n", folder.c_str());
  if (const PageInfo* page = PageAt(m_nCurrentPage))
    m_pIConfigEx->SetString(page->savePathKey, folder.c_str(), 0);
  m_pIConfigEx->SetString("CurrentSavePath", folder.c_str(), 0);
  SetControlText("BrowseEdit", folder.c_str());
  FlushUpdates();
  m_pIConverter->UpdateOutputNames();
  return S_OK;
}

HRESULT CCommandExecutive::OnPowerOff(const char*, int, SkinCommandParam*) {
  if (m_pIConverter && m_bConverting) m_pIConverter->StopConvert(1);
  // The quit message ends the message loop, whichever window it names.
  PostMessageA(MainWindow(), WM_QUIT, 0, 0);
  return S_OK;
}

HRESULT CCommandExecutive::OnAbout(const char*, int, SkinCommandParam*) {
  if (!m_pIConfigEx) return E_POINTER;
  m_pIConfigEx->ShowDialog(CONFIG_DLG_ABOUT, 0);
  return S_OK;
}

HRESULT CCommandExecutive::OnMinimize(const char*, int, SkinCommandParam*) {
  ShowWindow(MainWindow(), SW_MINIMIZE);
  return S_OK;
}

HRESULT CCommandExecutive::OnHelp(const char*, int, SkinCommandParam*) {
  OpenHelpTopic(NULL, "Overview.htm");
  return S_OK;
}

HRESULT CCommandExecutive::OnOption(const char*, int, SkinCommandParam*) {
  if (!m_pIConfigEx) return E_POINTER;
  if (m_pIConfigEx->ShowDialog(CONFIG_DLG_OPTIONS, 0) == 100) {
    CUncounted<ISkinUI> skinUI;
    if (SUCCEEDED(QueryModuleInterface(&CLSID_MainUIModule, &IID_ISkinUI, skinUI.Out())) && skinUI)
      skinUI->ReloadSkin();
  }
  return S_OK;
}

HRESULT CCommandExecutive::OnAddFiles(const char*, int, SkinCommandParam* param) {
  LogPrint(LOG_TRACE, "Varno Reel Craft add files!\n");
  if (!m_pITranslater || !m_pIConfigEx || !m_pIConverter || m_bConverting) return E_FAIL;
  const PageInfo* page = PageAt(m_nCurrentPage);
  char title[260] = {0};
  if (page) {
    lstrcpynA(title, page->openFileTitle, sizeof(title));
    m_pITranslater->TranslateString(title, "MiscStrings");
  }
  const FileFilter* filters = page ? page->openFileFilters : NULL;
  LogPrint(LOG_TRACE, "Varno Reel Craft file filter = %s!\n",
           filters ? filters[0].description : "");
  // The Windows 9x family knows only the shorter record.
  DWORD size = (GetVersion() & 0x80000000) ? OPENFILENAME_SIZE_VERSION_400A : sizeof(OPENFILENAMEA);
  DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT | OFN_ALLOWMULTISELECT | OFN_EXPLORER |
                OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
  CFileOpenDialog dialog(OwnerFor(param), title[0] ? title : NULL, filters, flags,
                         GetConfigString("LastOpenPath").c_str(), size);
  if (dialog.DoModal()) {
    m_pIConfigEx->SetString("LastOpenPath", dialog.GetPathName().c_str(), 0);
    m_bAddingFiles = true;
    UpdateButtonStates();
    std::vector<std::string> notAdded, unanswered;
    for (const std::string& file : dialog.GetFiles()) {
      // The narrow dialog writes a name that the code page cannot hold with
      // "?" for the missing letters; "?" is never part of a real file name.
      if (file.find('?') != std::string::npos)
        notAdded.push_back(file);
      else
        AddFileToConverter(file.c_str(), &unanswered);
    }
    m_bAddingFiles = false;
    UpdateButtonStates();
    ReportNotAddedFiles(notAdded, unanswered, OwnerFor(param));
  }
  UpdateButtonStates();
  return S_OK;
}

HRESULT CCommandExecutive::OnDeleteFiles(const char*, int, SkinCommandParam*) {
  if (!m_pIConverter || m_bConverting) return E_FAIL;
  m_pIConverter->DeleteFiles();
  UpdateButtonStates();
  return S_OK;
}

HRESULT CCommandExecutive::OnPlay(const char*, int, SkinCommandParam*) {
  if (!m_pIPlayer || m_bConverting) return E_FAIL;
  SetControlEnabled("Play", 0);
  SetControlEnabled("Stop", 1);
  FlushUpdates();
  return m_pIPlayer->Play();
}

HRESULT CCommandExecutive::OnStop(const char*, int, SkinCommandParam*) {
  if (!m_pIPlayer) return E_FAIL;
  SetControlEnabled("Play", 1);
  SetControlEnabled("Stop", 0);
  SetControlValue("Play_Progress", 0);
  SetControlEnabled("Play_Progress", 0);
  SetControlText("Time", "");
  FlushUpdates();
  return m_pIPlayer->Stop();
}

HRESULT CCommandExecutive::OnPlayProgress(const char*, int, SkinCommandParam* param) {
  if (m_pIPlayer && param && m_pIPlayer->Seek(static_cast<int>(param->nForce3))) return S_OK;
  return E_FAIL;
}

HRESULT CCommandExecutive::OnHandleGraphEvent(const char*, int, SkinCommandParam*) {
  if (!m_pIPlayer) return E_POINTER;
  return m_pIPlayer->HandleGraphEvent();
}

HRESULT CCommandExecutive::OnOutputFormat(const char*, int, SkinCommandParam* param) {
  if (!m_pIConfigEx || !m_pIConverter) return E_POINTER;
  // No record, no index: the type is not switched to the first one.
  if (!param) return E_POINTER;
  int index = static_cast<int>(param->nForce3);
  if (index == m_pIConfigEx->GetInt("CurrentLastOutputTypeIndex", 0, 1)) return S_OK;
  const PageInfo* page = PageAt(m_nCurrentPage);
  if (page) m_pIConfigEx->SetInt(page->lastTypeIndexKey, index, 0);
  m_pIConfigEx->SetInt("CurrentLastOutputTypeIndex", index, 0);
  m_pIConverter->ApplyOutputSettings();
  SetControlValue("OutputFormat", index);
  FlushUpdates();
  // Only a page with a player's folder moves its save path with the type.
  if (!page || page->playerFolderType < 0) return S_OK;
  if (m_pIConfigEx->GetInt(page->lastTypeDataKey, 0, 1) == page->playerFolderType) {
    char player[260] = {0};
    if (m_pIConfigEx->GetString("GetPSPMP4Directory", player, sizeof(player), 0)) {
      player[sizeof(player) - 1] = 0;
      m_pIConfigEx->SetString("CurrentSavePath", player, 0);
      SetControlText("BrowseEdit", player);
      FlushUpdates();
    }
  } else {
    std::string path = GetConfigString(page->savePathKey);
    m_pIConfigEx->SetString("CurrentSavePath", path.c_str(), 0);
    SetControlText("BrowseEdit", path.c_str());
    FlushUpdates();
  }
  return S_OK;
}

HRESULT CCommandExecutive::OnSetting(const char*, int, SkinCommandParam*) {
  if (!m_pIConfigEx || !m_pIConverter) return E_POINTER;
  int page = m_pIConfigEx->GetInt("ReelCraftLastPage", 0, 1);
  if (m_pIConfigEx->ShowDialog(CONFIG_DLG_OUTPUT_SETTING + page, 0) == 1)
    m_pIConverter->ApplyOutputSettings();
  return S_OK;
}

HRESULT CCommandExecutive::OnPhotoResolution(const char*, int, SkinCommandParam* param) {
  if (!m_pIConfigEx || !param) return E_POINTER;
  int index = static_cast<int>(param->nForce3);
  if (index == m_pIConfigEx->GetInt("PhotoResolutionIndex", 0, 1)) return S_OK;
  char section[64];
  snprintf(section, sizeof(section), "PhotoResolution%d", index);
  int width = m_pIConfigEx->GetIniInt(section, "2", 0, 1, NULL);
  int height = m_pIConfigEx->GetIniInt(section, "3", 0, 1, NULL);
  m_pIConfigEx->SetInt("PhotoResolutionIndex", index, 0);
  // Packed unsigned, as the format profile packs its sizes.
  m_pIConfigEx->SetInt("PhotoResolutionData",
                       static_cast<int>((static_cast<unsigned>(width) << 16) |
                                        (static_cast<unsigned>(height) & 0xFFFF)),
                       0);
  if (m_pIConverter) m_pIConverter->ApplyOutputSettings();
  SetControlValue("PhotoResolution", index);
  FlushUpdates();
  return S_OK;
}

HRESULT CCommandExecutive::OnPhotoQuality(const char*, int, SkinCommandParam* param) {
  if (!m_pIConfigEx || !param) return E_POINTER;
  int index = static_cast<int>(param->nForce3);
  char section[64];
  snprintf(section, sizeof(section), "PhotoQuality%d", index);
  int quality = m_pIConfigEx->GetIniInt(section, "2", 0, 1, NULL);
  m_pIConfigEx->SetInt("PhotoQualityIndex", index, 0);
  m_pIConfigEx->SetInt("PhotoQualityData", quality, 0);
  SetControlValue("PhotoQuality", index);
  return S_OK;
}
