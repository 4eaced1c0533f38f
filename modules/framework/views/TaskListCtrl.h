// The skinned task-list control of a conversion module: creation inside the
// holder window, the skin data of the hosting window, and the list's events
// (double click, selection change, key press) as module events.
#pragma once
#include <string>

#include "base/Uncounted.h"
#include "include/VarnoConfig.h"
#include "include/VarnoConverter.h"
#include "include/VarnoTranslator.h"
#include "ui/SkinListCtrl.h"

class CTaskListCtrl : public CSkinListCtrl, public IConverterView {
 public:
  enum { kControlId = 4105 };

  CTaskListCtrl();
  // A list deleted while its window lives is destroyed here, through this
  // class: the base destructors would skip the scroll bar's teardown and
  // destroy the header (a member) before its list.
  ~CTaskListCtrl() override;

  // The three partners are set by the module right after creation and are
  // not reference-counted.
  void SetConfig(IVarnoConfigEx* config) { m_pConfig = config; }
  void SetTranslator(ILanguageTranslater* translator) { m_pTranslator = translator; }
  void SetNotify(IModuleNotify* notify) { m_pNotify = notify; }

  virtual BOOL Create(const RECT* rect, HWND parent, const char* skinData);
  // Applies the skin data's header bitmaps and colours and leaves the rest
  // (the column widths) in the stored skin data for the derived view.
  virtual BOOL ApplySkin(const char* skinData);
  virtual void EnableMenuItems(HMENU menu);

  // Asks the program whether a command is enabled (0 without a notify target).
  BOOL QueryCommandEnabled(const char* name);
  void TranslatePopupMenu(HMENU menu);
  BOOL DestroyWindow() override;

  const std::string& GetSkinData() const { return m_skinData; }
  const RECT& GetMargins() const { return m_margins; }

  int STDMETHODCALLTYPE OnParentEvent(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) override;
  void STDMETHODCALLTYPE UpdateUI(int, const char* names) override;
  HWND STDMETHODCALLTYPE GetViewWnd() override;
  HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override;

 protected:
  BOOL OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  // The row index of the first selected row, -1 when none.
  int GetFirstSelected() const;
  // Translates a text in place (a buffer of `size` bytes) when a translator
  // is set.
  void Translate(char* text, int size, const char* section);

  CUncounted<IVarnoConfigEx> m_pConfig;  // the configuration module outlives the views
  CUncounted<ILanguageTranslater> m_pTranslator;  // the configuration module's, as long-lived
  CUncounted<IModuleNotify> m_pNotify;  // the module that owns the view
  RECT m_margins;  // to the parent window: left, top, right, bottom
  std::string m_skinData;
};
