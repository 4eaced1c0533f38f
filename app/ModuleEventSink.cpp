// What the command executive does with the conversion modules' events.
#include <stdio.h>

#include "app/CommandExecutive.h"

HRESULT CCommandExecutive::OnModuleEvent(const GUID* moduleId, int code, INT_PTR p1, INT_PTR p2,
                                         INT_PTR p3) {
  const PageInfo* page = PageOfModule(moduleId);
  if (!page) return E_FAIL;
  int* keptPercent = &m_nKeptPercents[page->progressGroup];
  if (code == MEV_MEDIA_INFO) RememberFileSizeText(page, reinterpret_cast<const char*>(p2));
  if (page->hasPreview) return HandlePreviewPageEvent(code, p1, p2, p3, keptPercent);
  HRESULT hr = HandleConverterEvent(code, p1, p2, p3, keptPercent);
  if (page->settingsInfoControl && code == MEV_MUSIC_INFO) {
    SetControlText(page->settingsInfoControl, reinterpret_cast<const char*>(p2));
    FlushUpdates();
  }
  return hr;
}

void CCommandExecutive::RememberFileSizeText(const PageInfo* page, const char* text) {
  if (!text) return;
  for (int i = 0; i < kPageCount; ++i) {
    if (PageAt(i) != page) continue;
    m_fileSizeTexts[i] = text;
    if (i == m_nCurrentPage) {
      SetControlText("FileSize", text);
      FlushUpdates();
    }
  }
}

void CCommandExecutive::ShowPageFileSizeText() {
  if (m_nCurrentPage < 0 || m_nCurrentPage >= kPageCount) return;
  // A page that has sent nothing yet shows the bare caption.
  std::string text = m_fileSizeTexts[m_nCurrentPage];
  if (text.empty()) {
    char caption[260] = "File Size:";
    if (m_pITranslater) m_pITranslater->TranslateString(caption, "MiscStrings");
    caption[sizeof(caption) - 1] = '\0';
    text = caption;
  }
  SetControlText("FileSize", text.c_str());
}

HRESULT CCommandExecutive::HandleConverterEvent(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3,
                                                int* keptPercent) {
  switch (code) {
    case MEV_CONVERT_PROGRESS:
      SetControlValue("Convert_Progress", static_cast<int>(p1));
      return RunCommand("UpdateBtnState");
    case MEV_CONVERT_DONE:
      if (p1 == 1) RunCommand("OpenFolder", p3, 1, p2);
      return RunCommand("UpdateBtnState");
    case MEV_POWER_OFF:
      if (p1 == 1) {
        if (p2 == 1 && m_pIConfigEx) m_pIConfigEx->SetInt("VRCExitWindowsEx", 1, 0);
        RunCommand("Power_Off");
      }
      return E_FAIL;
    case MEV_PROGRESS_INFO:
      return HandleProgress(keptPercent, p1, p2, p3);
    case MEV_PLAY:
      return RunCommand("Play");
    case MEV_MEDIA_INFO:
      if (p3) SetControlText("VideoSize", reinterpret_cast<const char*>(p3));
      FlushUpdates();
      return RunCommand("UpdateBtnState");
    case MEV_LIST_KEY:
      if (p1 != VK_DELETE) return E_FAIL;
      return RunCommand("DeleteFiles");
    case MEV_GRAPH_EVENT:
      return RunCommand("HandleGraphEvent");
    case MEV_PLAY_PROGRESS:
      SetControlValue("Play_Progress", static_cast<int>(p1));
      if (p2) SetControlText("Time", reinterpret_cast<const char*>(p2));
      UpdateButtonStates();
      return E_FAIL;
    case MEV_STOP:
      return RunCommand("Stop");
    case MEV_ADD_FILES:
      return RunCommand("AddFiles", p3, p1, p2);
    case MEV_DELETE_FILES:
      return RunCommand("DeleteFiles");
    case MEV_SELECT_ALL:
      return S_OK;
    case MEV_QUERY_ENABLED:
      if (!IsControlEnabled(reinterpret_cast<const char*>(p1))) return E_FAIL;
      if (p2) *reinterpret_cast<int*>(p2) = 1;
      return S_OK;
    case MEV_BROWSE:
      RunCommand("Browse", p3, p1, p2);
      return E_FAIL;
    default:
      return E_FAIL;
  }
}

// A page that shows the selected picture instead of playing it: the play and
// media codes refresh the preview, the player's own codes mean nothing.
HRESULT CCommandExecutive::HandlePreviewPageEvent(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3,
                                                  int* keptPercent) {
  switch (code) {
    case MEV_CONVERT_PROGRESS:
    case MEV_CONVERT_DONE:
    case MEV_POWER_OFF:
    case MEV_LIST_KEY:
    case MEV_DELETE_FILES:
    case MEV_SELECT_ALL:
    case MEV_QUERY_ENABLED:
    case MEV_BROWSE:
      return HandleConverterEvent(code, p1, p2, p3, keptPercent);
    case MEV_PROGRESS_INFO:
      return HandleProgress(keptPercent, p1, p2, p3);
    case MEV_PLAY:
    case MEV_MEDIA_INFO:
      if (m_pIPhotoPreview) m_pIPhotoPreview->ShowSelectedPreview();
      return RunCommand("UpdateBtnState");
    case MEV_ADD_FILES:
      return RunCommand("AddFiles");
    default:
      return E_FAIL;
  }
}

HRESULT CCommandExecutive::HandleProgress(int* keptPercent, INT_PTR p1, INT_PTR p2, INT_PTR p3) {
  int percent = static_cast<int>(p1);
  // A batch in progress does not fall back to 0 between its tasks.
  if (*keptPercent >= 1 && *keptPercent <= 99 && percent == 0) return E_FAIL;
  *keptPercent = percent;
  SetControlValue("Convert_Progress", percent);
  char progress[260] = "Progress:";
  if (m_pITranslater) m_pITranslater->TranslateString(progress, "ToolTips");
  progress[sizeof(progress) - 1] = 0;
  char text[300];
  snprintf(text, sizeof(text), "%s %d%%", progress, percent);
  SetControlText("Progress", text);
  if (p2) SetControlText("Information", reinterpret_cast<const char*>(p2));
  if (p3) SetControlText("Estimated Time", reinterpret_cast<const char*>(p3));
  return RunCommand("UpdateBtnState");
}
