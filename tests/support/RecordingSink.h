// A module-event sink that records every event it receives into a shared
// journal, counts its references, and can refuse IID_IModuleEvents or
// run an action from inside an event.
#pragma once
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "include/VarnoModuleEvents.h"

struct RecordedEvent {
  std::string sink;
  GUID module;
  int code;
  INT_PTR p1, p2, p3;
};

class CRecordingSink : public IModuleEvents {
 public:
  explicit CRecordingSink(const char* name, bool answersEvents = true,
                          std::vector<RecordedEvent>* journal = NULL)
      : m_name(name), m_answers(answersEvents), m_refs(1), m_pJournal(journal ? journal : &m_own) {}

  IUnknown* Unknown() { return reinterpret_cast<IUnknown*>(static_cast<IModuleEvents*>(this)); }
  IModuleEvents* Events() { return this; }
  int References() const { return m_refs; }
  const std::vector<RecordedEvent>& Journal() const { return *m_pJournal; }
  // Runs once from inside the next event.
  void OnNextEvent(std::function<void()> action) { m_action = action; }

  HRESULT STDMETHODCALLTYPE QueryInterface(const IID* iid, void** out) override {
    if (m_answers && IsEqualIID(*iid, IID_IModuleEvents)) {
      *out = static_cast<IModuleEvents*>(this);
      AddRef();
      return S_OK;
    }
    *out = NULL;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ++m_refs; }
  ULONG STDMETHODCALLTYPE Release() override { return --m_refs; }
  HRESULT STDMETHODCALLTYPE OnModuleEvent(const GUID* module, int code, INT_PTR p1, INT_PTR p2,
                                          INT_PTR p3) override {
    m_pJournal->push_back(RecordedEvent{m_name, *module, code, p1, p2, p3});
    if (m_action) {
      std::function<void()> action = m_action;
      m_action = nullptr;
      action();
    }
    return S_OK;
  }

 private:
  std::string m_name;
  bool m_answers;
  int m_refs;
  std::vector<RecordedEvent> m_own;
  std::vector<RecordedEvent>* m_pJournal;
  std::function<void()> m_action;
};
