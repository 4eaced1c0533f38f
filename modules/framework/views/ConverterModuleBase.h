// The common base of the conversion module objects: the module's
// connection-point container, the list of views that it handed out through
// IViewFactory, and the firing of module events to every advised sink.
#pragma once
#include <memory>
#include <vector>

#include "base/ConnectionPoint.h"
#include "base/ModuleBase.h"
#include "include/VarnoConverter.h"

class CConverterModuleBase : public CModuleBase, public IViewFactory {
 public:
  CConverterModuleBase();
  // Deletes the container (its points are detached and released); views
  // still listed are not touched.
  ~CConverterModuleBase() override;

  // IModule's and IViewFactory's IUnknown slots share these; the derived
  // module answers QueryInterface.
  ULONG STDMETHODCALLTYPE AddRef() override { return CModuleBase::AddRef(); }
  ULONG STDMETHODCALLTYPE Release() override { return CModuleBase::Release(); }

  // The base parts: the derived module makes the named view into *out first.
  HRESULT STDMETHODCALLTYPE CreateView(const char* viewName, HWND hParent, const RECT* rect,
                                       const char* skinData, IConverterView** out) override;
  HRESULT STDMETHODCALLTYPE DestroyView(IConverterView* view) override;
  HRESULT STDMETHODCALLTYPE UpdateViews(int a, const char* names) override;

  // Calls OnModuleEvent on every sink advised for IID_IModuleEvents, in
  // advise order; E_NOINTERFACE before any sink asked for that point.
  HRESULT FireModuleEvent(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3);

  CConnectionPointContainer* GetContainer() const { return m_pContainer.get(); }
  const std::vector<IConverterView*>& GetViews() const { return m_views; }

 protected:
  // The container's answer for IID_IConnectionPointContainer.
  HRESULT QueryContainer(const IID* iid, void** out);

  std::unique_ptr<CConnectionPointContainer> m_pContainer;
  std::vector<IConverterView*> m_views;  // recorded, not owned
};
