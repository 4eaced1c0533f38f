// CCommandExecutive: the module that owns the program's vocabulary of named
// controls. The window hands it every clicked control and released hot key;
// it runs the row's handler from its command table, keeps each control's
// enabled flag, value and text, follows the current page's conversion module
// and receives the modules' events.
#pragma once
#include <ocidl.h>

#include <string>
#include <vector>

#include "app/Pages.h"
#include "base/ComPtr.h"
#include "base/ModuleBase.h"
#include "base/Uncounted.h"
#include "include/VarnoConfig.h"
#include "include/VarnoConverter.h"
#include "include/VarnoModuleEvents.h"
#include "include/VarnoPhotoPreview.h"
#include "include/VarnoSkinCommand.h"
#include "include/VarnoTranslator.h"

class CCommandExecutive;
typedef HRESULT (CCommandExecutive::*SkinCommandHandler)(const char* name, int argument,
                                                         SkinCommandParam* param);

// One row of the command table.
struct SkinCommandEntry {
  const char* name;
  int argument;  // the last argument passed with the command
  int hotKey;    // virtual-key code, 0 for none
  int modifier;  // VK_SHIFT, VK_CONTROL, VK_MENU or 0
  int enabled;
  int value;
  char text[260];
  SkinCommandHandler handler;  // NULL for rows that are only controls
};

// Answers whether a key is held down now (GetAsyncKeyState in the program).
typedef bool (*PFN_KeyDown)(int virtualKey);

class CCommandExecutive : public CModuleBase {
 public:
  CCommandExecutive();
  ~CCommandExecutive() override;

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;

  // The named-control interface.
  int IsControlEnabled(const char* name);
  INT_PTR GetControlValue(const char* name);
  HRESULT ExecuteSkinCommand(const char* name, int argument, SkinCommandParam* param);
  HRESULT ExecuteHotKeyCommand(int virtualKey);
  // The module-event sink.
  HRESULT OnModuleEvent(const GUID* moduleId, int code, INT_PTR p1, INT_PTR p2, INT_PTR p3);

  // Control state; each change is added to the pending-update list.
  void SetControlEnabled(const char* name, int enabled);
  BOOL SetControlValue(const char* name, int value);
  BOOL SetControlText(const char* name, const char* text);
  void FlushUpdates();
  void UpdateButtonStates();
  HRESULT GetCurrentConverter();
  int ShowMessageBox(const char* text, const char* caption, UINT flags);

  const std::string& PendingUpdates() const { return m_pending; }
  int CurrentPage() const { return m_nCurrentPage; }
  bool IsConverting() const { return m_bConverting; }
  static void SetKeyStateSeam(PFN_KeyDown keyDown);
  // The command table (shared by the process) and a row lookup, -1 for none.
  static SkinCommandEntry* Table();
  static int TableSize();
  static int FindRow(const char* name);
  // Puts every row back to its initial state.
  static void ResetTable();

 private:
  // The handlers of the command table's rows.
  HRESULT OnCommandLine(const char*, int, SkinCommandParam*);
  HRESULT OnDropFiles(const char*, int, SkinCommandParam*);
  HRESULT OnUpdateBtnState(const char*, int, SkinCommandParam*);
  HRESULT OnCheckReelCraftTab(const char*, int, SkinCommandParam*);
  HRESULT OnConvert(const char*, int, SkinCommandParam*);
  HRESULT OnOpenFolder(const char*, int, SkinCommandParam*);
  HRESULT OnBrowse(const char*, int, SkinCommandParam*);
  HRESULT OnPowerOff(const char*, int, SkinCommandParam*);
  HRESULT OnAbout(const char*, int, SkinCommandParam*);
  HRESULT OnMinimize(const char*, int, SkinCommandParam*);
  HRESULT OnHelp(const char*, int, SkinCommandParam*);
  HRESULT OnOption(const char*, int, SkinCommandParam*);
  HRESULT OnAddFiles(const char*, int, SkinCommandParam*);
  HRESULT OnDeleteFiles(const char*, int, SkinCommandParam*);
  HRESULT OnPlay(const char*, int, SkinCommandParam*);
  HRESULT OnStop(const char*, int, SkinCommandParam*);
  HRESULT OnPlayProgress(const char*, int, SkinCommandParam*);
  HRESULT OnHandleGraphEvent(const char*, int, SkinCommandParam*);
  HRESULT OnOutputFormat(const char*, int, SkinCommandParam*);
  HRESULT OnSetting(const char*, int, SkinCommandParam*);
  HRESULT OnPhotoResolution(const char*, int, SkinCommandParam*);
  HRESULT OnPhotoQuality(const char*, int, SkinCommandParam*);
  friend struct CommandTableBuilder;

  HRESULT RunCommand(const char* name, INT_PTR force3, INT_PTR force1, INT_PTR force2);
  HRESULT RunCommand(const char* name);
  HRESULT HandleConverterEvent(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3, int* keptPercent);
  HRESULT HandlePreviewPageEvent(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3, int* keptPercent);
  HRESULT HandleProgress(int* keptPercent, INT_PTR p1, INT_PTR p2, INT_PTR p3);
  void RememberFileSizeText(const PageInfo* page, const char* text);
  // The current page's own "FileSize" text on the shared label.
  void ShowPageFileSizeText();
  HRESULT TakePageInterfaces(const PageInfo& page);
  HWND MainWindow() const;
  HWND OwnerFor(const SkinCommandParam* param) const;
  std::string GetConfigString(const char* name);
  // The file goes into `unanswered` when the module's probe of it did not
  // answer in time.
  void AddFileToConverter(const char* path, std::vector<std::string>* unanswered);
  // One message for the files of an add that could not be added: those
  // whose names the code page cannot write, and those the probe left out.
  void ReportNotAddedFiles(const std::vector<std::string>& unwritable,
                           const std::vector<std::string>& unanswered, HWND owner);

  class CSkinCommandPart : public ISkinCommand {
   public:
    explicit CSkinCommandPart(CCommandExecutive* owner) : m_pOwner(owner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    int STDMETHODCALLTYPE IsControlEnabled(const char* name) override;
    INT_PTR STDMETHODCALLTYPE GetControlValue(const char* name) override;
    HRESULT STDMETHODCALLTYPE ExecuteSkinCommand(const char* name, int argument,
                                                 SkinCommandParam* param) override;
    HRESULT STDMETHODCALLTYPE ExecuteHotKeyCommand(int virtualKey, int, int, int) override;

   private:
    CCommandExecutive* m_pOwner;
  };

  class CEventSinkPart : public IModuleEvents {
   public:
    explicit CEventSinkPart(CCommandExecutive* owner) : m_pOwner(owner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
    ULONG STDMETHODCALLTYPE AddRef() override;
    ULONG STDMETHODCALLTYPE Release() override;
    HRESULT STDMETHODCALLTYPE OnModuleEvent(const GUID* moduleId, int code, INT_PTR p1, INT_PTR p2,
                                            INT_PTR p3) override;

   private:
    CCommandExecutive* m_pOwner;
  };

  // The events of one page's module; cookie 0 while not advised.
  struct ModuleConnection {
    CComPtr<IConnectionPoint> point;
    DWORD cookie = 0;
  };

  CSkinCommandPart m_skinCommand;
  CEventSinkPart m_eventSink;
  std::string m_pending;
  // The current page's module and the configuration module hand these over
  // uncounted: the registry keeps the modules until after ExitInstance.
  CUncounted<IPlayer> m_pIPlayer;
  CUncounted<IConverter> m_pIConverter;
  CUncounted<IPhotoPreview> m_pIPhotoPreview;
  CUncounted<IVarnoConfigEx> m_pIConfigEx;
  CUncounted<ILanguageTranslater> m_pITranslater;
  bool m_bConverting;
  bool m_bAddingFiles;
  ModuleConnection m_connections[kPageCount];  // by page
  volatile LONG m_nRefCount;
  int m_nCurrentPage;
  // The kept progress percents, one for each progress group of the pages.
  int m_nKeptPercents[kProgressGroupCount];
  // The "FileSize" label's text of each page (one label name on every page):
  // what that page's module last sent, shown again when its page comes up.
  std::string m_fileSizeTexts[kPageCount];
};
