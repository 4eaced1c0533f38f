// CSkinAppDialog: the skinned window of the application. It turns every
// control event into a named command of the executive (ISkinCommand), shows
// the state of named controls when asked (ISkinUI::UpdateUI), translates its
// texts and hosts the module views that its skin's APPVIEWS lines name. The
// main window is one; the converter pages are others, made as children of
// the main window by the main UI module's view factory.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "base/Borders.h"
#include "base/Uncounted.h"
#include "include/VarnoConfig.h"
#include "include/VarnoConverter.h"
#include "include/VarnoSkinCommand.h"
#include "include/VarnoTranslator.h"
#include "ui/SkinDialog.h"

// The window's own commands: "this" or the window's section, a period and
// one of these words (case ignored).
enum LocalCommand { kNotLocal, kLocalShow, kLocalHide, kLocalMinimize };
LocalCommand ParseLocalCommand(const char* name, const std::string& section);

// A value of GetControlValue as a text control reads it: the text, or NULL
// when the value is a number (no address lies below 0x10000, and -1 is the
// executive's "no such control").
const char* ControlValueText(INT_PTR value);

// The smallest window that still shows every piece of the frame once.
SIZE MinimumFrameSize(const SkinFrameLayout& layout);

// The scroll-bar skin is loaded once per process, at the first ApplySkin.
typedef BOOL(WINAPI* PFN_LoadScrollBarSkin)(const char* skinFile, const char* section);
// Tests: NULL puts SkinSB_LoadSkin back; either way the next ApplySkin loads
// the scroll-bar skin again, once.
void SetScrollBarSkinLoaderSeam(PFN_LoadScrollBarSkin fn);

class CSkinAppDialog : public CSkinDialog {
 public:
  enum { kPageTemplate = 129 };

  CSkinAppDialog();
  CSkinAppDialog(UINT templateId, HWND parent);
  ~CSkinAppDialog() override;

  // A child of parent from the template, keeping its margins to the
  // parent's edges so WM_SIZE of the parent can keep them.
  BOOL CreateInParent(const RECT& rect, HWND parent, const char* param, UINT templateId);
  BOOL CreateFromTemplate(UINT templateId);

  // Partners held without a count: the owner keeps them alive longer.
  void SetConfig(IVarnoConfigEx* config) { m_pIConfigEx = config; }
  void SetSkinCommand(ISkinCommand* command) { m_pISkinCommand = command; }
  void SetViewFactory(IViewFactory* factory) { m_pIViewFactory = factory; }
  void SetTranslator(ILanguageTranslater* translator) { m_pITranslater = translator; }

  // Loads the window section of the configuration's skin and makes the
  // hosted views anew.
  void ApplySkin(const char* section);
  // The window's own commands ("this.Hide"): TRUE when handled here.
  BOOL HandleLocalCommand(const char* name);

  ISkinUI* GetSkinUI() { return &m_skinUIPart; }
  IConverterView* GetConverterView() { return &m_viewPart; }
  const std::vector<IConverterView*>& Views() const { return m_views; }

  // ISkinUI, called through its part.
  virtual void UpdateControls(const char* names);
  virtual void ReloadSkin() {}
  // IConverterView::OnParentEvent: code is the parent's message, p1 the
  // parent's window, p2 and p3 wParam and lParam.
  int OnParentEvent(int message, INT_PTR parent, INT_PTR wParam, INT_PTR lParam);

  // The hooks that become commands.
  void OnProgressCommand(const char* name, int value) override;
  void OnSkinCommand(const char* name) override;
  void OnTrackbarCommand(const char* name, int code, int position) override;
  void OnDropDownCommand(const char* name, int selection) override;
  void TranslateToolTip(std::string& text) override;

 protected:
  BOOL OnInit() override;
  void OnOK() override {}
  void OnCancel() override {}
  BOOL OnCommand(int code, int itemId, LPARAM lParam) override;
  BOOL OnNotify(UINT controlId, NMHDR* header, LRESULT* result) override;
  BOOL OnTimer(WPARAM timerId, LPARAM callback) override;
  INT_PTR OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

  // A param with this window and, for clicks, the cursor in screen pixels.
  SkinCommandParam MakeParam(bool withCursor) const;
  void DestroyViews();
  void CreateViews();
  void SetResult(LRESULT result) { SetWindowLongPtrA(m_hWnd, DWLP_MSGRESULT, result); }

  CUncounted<IVarnoConfigEx> m_pIConfigEx;
  CUncounted<ISkinCommand> m_pISkinCommand;
  CUncounted<IViewFactory> m_pIViewFactory;
  CUncounted<ILanguageTranslater> m_pITranslater;
  // Hosted views, in creation order; the factory owns and destroys them.
  std::vector<IConverterView*> m_views;
  RECT m_margins;

 private:
  void ForwardToViews(UINT message, WPARAM wParam, LPARAM lParam);
  void EnableByName(const char* name, int enabled);
  void RefreshByName(const char* name);
  bool RefreshButton(CSkinPushButton& button, int value);
  void CheckPage(const char* name);
  void SetButtonToolTip(CSkinPushButton& button, const std::string& text);

  class CSkinUIPart : public ISkinUI {
   public:
    explicit CSkinUIPart(CSkinAppDialog* owner) : m_pOwner(owner) {}
    void STDMETHODCALLTYPE UpdateUI(const char* names) override {
      RunAtBorder("Skin window update", [&] { m_pOwner->UpdateControls(names); });
    }
    void STDMETHODCALLTYPE ReloadSkin() override {
      RunAtBorder("Skin window reload", [&] { m_pOwner->ReloadSkin(); });
    }
    BOOL STDMETHODCALLTYPE PreTranslateMessage(MSG*) override { return FALSE; }

   private:
    CSkinAppDialog* m_pOwner;
  };
  class CViewPart : public IConverterView {
   public:
    explicit CViewPart(CSkinAppDialog* owner) : m_pOwner(owner) {}
    int STDMETHODCALLTYPE OnParentEvent(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) override {
      return CallAtBorder("Skin window parent event", 0,
                          [&] { return m_pOwner->OnParentEvent(code, p1, p2, p3); });
    }
    void STDMETHODCALLTYPE UpdateUI(int, const char* names) override {
      RunAtBorder("Skin window update", [&] { m_pOwner->UpdateControls(names); });
    }
    HWND STDMETHODCALLTYPE GetViewWnd() override { return m_pOwner->m_hWnd; }
    HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override;

   private:
    CSkinAppDialog* m_pOwner;
  };
  CSkinUIPart m_skinUIPart;
  CViewPart m_viewPart;
};
