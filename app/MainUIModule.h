// CMainUIModule: the module that owns the main window and stands between it
// and the rest of the program: a view factory that sends view names to the
// conversion module that makes them (or makes a converter page itself), the
// ISkinUI through which the executive has named controls redrawn, and a
// proxy of the executive's ISkinCommand that lets the window look at every
// command first.
#pragma once
#include <memory>
#include <vector>

#include "base/Borders.h"
#include "base/ModuleBase.h"
#include "base/Uncounted.h"
#include "include/VarnoConfig.h"
#include "include/VarnoConverter.h"
#include "include/VarnoSkinCommand.h"
#include "include/VarnoTranslator.h"
#include "ui/MainDialog.h"

class CMainUIModule : public CModuleBase {
 public:
  CMainUIModule();
  ~CMainUIModule() override;
  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;

  // The view factory.
  HRESULT CreateView(const char* viewName, HWND parent, const RECT* rect, const char* skinData,
                     IConverterView** out);
  HRESULT DestroyView(IConverterView* view);
  // ISkinUI.
  void UpdateUI(const char* names);
  void ReloadSkin();
  BOOL PreTranslateMessage(MSG* msg);
  // The proxy of the executive's ISkinCommand.
  int IsControlEnabled(const char* name);
  INT_PTR GetControlValue(const char* name);
  HRESULT ExecuteSkinCommand(const char* name, int argument, SkinCommandParam* param);
  HRESULT ExecuteHotKeyCommand(int virtualKey, int a, int b, int c);

  CMainDialog& MainDialog() { return m_mainDialog; }
  ISkinCommand* SkinCommandProxy() { return &m_commandPart; }
  IViewFactory* ViewFactory() { return &m_factoryPart; }

 private:
  // The factory of a view name: a module's (found), none for a converter
  // page (S_OK, *factory NULL), or a failure.
  HRESULT FindViewFactory(const char* viewName, IViewFactory** factory);
  void HandPartners(CSkinAppDialog& dialog);

  class CFactoryPart : public IViewFactory {
   public:
    explicit CFactoryPart(CMainUIModule* owner) : m_pOwner(owner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
      return m_pOwner->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return m_pOwner->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return m_pOwner->Release(); }
    HRESULT STDMETHODCALLTYPE CreateView(const char* viewName, HWND parent, const RECT* rect,
                                         const char* skinData, IConverterView** out) override {
      return HResultAtBorder("Varno Reel Craft UI create view", [&] {
        return m_pOwner->CreateView(viewName, parent, rect, skinData, out);
      });
    }
    HRESULT STDMETHODCALLTYPE DestroyView(IConverterView* view) override {
      return HResultAtBorder("Varno Reel Craft UI destroy view",
                             [&] { return m_pOwner->DestroyView(view); });
    }
    HRESULT STDMETHODCALLTYPE UpdateViews(int, const char*) override { return S_OK; }

   private:
    CMainUIModule* m_pOwner;
  };
  class CSkinUIPart : public ISkinUI {
   public:
    explicit CSkinUIPart(CMainUIModule* owner) : m_pOwner(owner) {}
    void STDMETHODCALLTYPE UpdateUI(const char* names) override {
      RunAtBorder("Varno Reel Craft update UI", [&] { m_pOwner->UpdateUI(names); });
    }
    void STDMETHODCALLTYPE ReloadSkin() override {
      RunAtBorder("Varno Reel Craft reload skin", [&] { m_pOwner->ReloadSkin(); });
    }
    BOOL STDMETHODCALLTYPE PreTranslateMessage(MSG* msg) override {
      return CallAtBorder("Varno Reel Craft UI message", FALSE,
                          [&] { return m_pOwner->PreTranslateMessage(msg); });
    }

   private:
    CMainUIModule* m_pOwner;
  };
  class CCommandPart : public ISkinCommand {
   public:
    explicit CCommandPart(CMainUIModule* owner) : m_pOwner(owner) {}
    HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
      return m_pOwner->QueryInterface(iid, out);
    }
    ULONG STDMETHODCALLTYPE AddRef() override { return m_pOwner->AddRef(); }
    ULONG STDMETHODCALLTYPE Release() override { return m_pOwner->Release(); }
    int STDMETHODCALLTYPE IsControlEnabled(const char* name) override {
      return CallAtBorder("Varno Reel Craft UI control state", 0,
                          [&] { return m_pOwner->IsControlEnabled(name); });
    }
    INT_PTR STDMETHODCALLTYPE GetControlValue(const char* name) override {
      return CallAtBorder("Varno Reel Craft UI control value", static_cast<INT_PTR>(-1),
                          [&] { return m_pOwner->GetControlValue(name); });
    }
    HRESULT STDMETHODCALLTYPE ExecuteSkinCommand(const char* name, int argument,
                                                 SkinCommandParam* param) override {
      return HResultAtBorder("Varno Reel Craft UI command",
                             [&] { return m_pOwner->ExecuteSkinCommand(name, argument, param); });
    }
    HRESULT STDMETHODCALLTYPE ExecuteHotKeyCommand(int key, int a, int b, int c) override {
      return HResultAtBorder("Varno Reel Craft UI hot key",
                             [&] { return m_pOwner->ExecuteHotKeyCommand(key, a, b, c); });
    }

   private:
    CMainUIModule* m_pOwner;
  };

  CFactoryPart m_factoryPart;
  CSkinUIPart m_skinUIPart;
  CCommandPart m_commandPart;
  // The executive and the configuration module hand these over uncounted:
  // the registry keeps both modules as long as this one.
  CUncounted<IVarnoConfigEx> m_pIConfigEx;
  CUncounted<ISkinCommand> m_pISkinCommand;
  CUncounted<ILanguageTranslater> m_pITranslater;
  // The converter pages this factory made; declared before the main window,
  // whose destruction destroys them through the factory.
  std::vector<std::unique_ptr<CSkinAppDialog>> m_pages;
  CMainDialog m_mainDialog;
  HWND m_hMainWnd;
};
