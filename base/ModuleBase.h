// CModuleBase: the base of every module object. One class, compiled into the
// program and into each module library. Release deletes at once: only the
// command executive counts references.
#pragma once
#include "base/Uncounted.h"
#include "include/VarnoModule.h"

class CModuleBase : public IModule {
 public:
  CModuleBase();
  ~CModuleBase() override;

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override;
  ULONG STDMETHODCALLTYPE AddRef() override;
  ULONG STDMETHODCALLTYPE Release() override;
  HRESULT STDMETHODCALLTYPE SetHost(IModuleRegistry* host) override;
  HRESULT STDMETHODCALLTYPE SetModuleId(const GUID* id) override;
  HRESULT STDMETHODCALLTYPE InitInstance() override;
  HRESULT STDMETHODCALLTYPE ExitInstance() override;
  int STDMETHODCALLTYPE Reserved(int) override;

  // Another module by its module id, through the host (no reference taken).
  HRESULT GetHostObject(const GUID* id, void** out);
  // An interface of another module: its object, then its QueryInterface.
  HRESULT QueryModuleInterface(const GUID* moduleId, const IID* iid, void** out);

  IModuleRegistry* GetHost() const { return m_pHost; }
  const GUID& GetModuleId() const { return m_moduleId; }

 protected:
  // The registry holds this module: it is there as long as the module is.
  CUncounted<IModuleRegistry> m_pHost;
  GUID m_moduleId;
};
