// The tests' view factory: each view is a plain child window of the parent
// at the given rectangle, answering the name it was made by. The factory
// records what it was asked (created views with their rectangle and skin
// data, destroyed names, in order) and can be told to refuse a name.
#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "include/VarnoConverter.h"
#include "winfx/ViewHelpers.h"

class CRecordedView : public IConverterView {
 public:
  std::string name, skinData;
  RECT rect = {};
  HWND hWnd = NULL;
  std::vector<int> parentMessages;  // OnParentEvent codes
  std::vector<std::string> updates;  // UpdateUI's names ("(null)" for NULL)

  ~CRecordedView() {
    if (hWnd) DestroyWindow(hWnd);
  }
  int STDMETHODCALLTYPE OnParentEvent(int code, INT_PTR, INT_PTR, INT_PTR) override {
    parentMessages.push_back(code);
    return 0;
  }
  void STDMETHODCALLTYPE UpdateUI(int, const char* names) override {
    updates.push_back(names ? names : "(null)");
  }
  HWND STDMETHODCALLTYPE GetViewWnd() override { return hWnd; }
  HRESULT STDMETHODCALLTYPE GetViewName(char* buffer, int length) override {
    return CopyViewName(name.c_str(), buffer, length);
  }
};

class CRecordingViewFactory : public IViewFactory {
 public:
  std::vector<std::unique_ptr<CRecordedView>> views;  // alive ones
  std::vector<std::string> log;  // "create X", "destroy X"
  std::string refuse;  // a view name that is not made

  CRecordedView* Find(const std::string& name) {
    for (auto& view : views)
      if (view->name == name) return view.get();
    return NULL;
  }

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID*, void** out) override {
    if (out) *out = NULL;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 1; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE CreateView(const char* viewName, HWND parent, const RECT* rect,
                                       const char* skinData, IConverterView** out) override {
    log.push_back(std::string("create ") + viewName);
    *out = NULL;
    if (refuse == viewName) return E_FAIL;
    std::unique_ptr<CRecordedView> view(new CRecordedView);
    view->name = viewName;
    view->skinData = skinData ? skinData : "";
    view->rect = *rect;
    view->hWnd = CreateWindowExA(0, "STATIC", viewName, WS_CHILD | WS_VISIBLE, rect->left,
                                 rect->top, rect->right - rect->left, rect->bottom - rect->top,
                                 parent, NULL, GetModuleHandleA(NULL), NULL);
    *out = view.get();
    views.push_back(std::move(view));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE DestroyView(IConverterView* view) override {
    for (size_t i = 0; i < views.size(); ++i) {
      if (views[i].get() != view) continue;
      log.push_back("destroy " + views[i]->name);
      views.erase(views.begin() + static_cast<std::ptrdiff_t>(i));
      return S_OK;
    }
    return E_INVALIDARG;
  }
  HRESULT STDMETHODCALLTYPE UpdateViews(int, const char*) override { return S_OK; }
};
