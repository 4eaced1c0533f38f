// A module-notify target that records every event (with the texts of the
// progress events, which live only as long as the call), and answers the
// enabled-state query for the commands it is told are enabled.
#pragma once
#include <windows.h>

#include <set>
#include <string>
#include <vector>

#include "include/VarnoConverter.h"
#include "include/VarnoModuleEvents.h"

struct NotifiedEvent {
  int code;
  INT_PTR p1, p2, p3;
  std::string text2, text3;  // p2 and p3 of a progress event
};

class CRecordingNotify : public IModuleNotify {
 public:
  std::vector<NotifiedEvent> events;
  std::set<std::string> enabled;  // commands answered as enabled
  std::vector<std::string> queried;

  BOOL STDMETHODCALLTYPE Notify(int code, INT_PTR p1, INT_PTR p2, INT_PTR p3) override {
    NotifiedEvent event = {code, p1, p2, p3, "", ""};
    if (code == MEV_PROGRESS_INFO) {
      if (p2) event.text2 = reinterpret_cast<const char*>(p2);
      if (p3) event.text3 = reinterpret_cast<const char*>(p3);
    }
    events.push_back(event);
    if (code == MEV_QUERY_ENABLED) {
      const char* name = reinterpret_cast<const char*>(p1);
      queried.push_back(name);
      if (enabled.count(name)) *reinterpret_cast<int*>(p2) = 1;
    }
    return TRUE;
  }
  std::vector<int> Codes() const {
    std::vector<int> codes;
    for (const NotifiedEvent& e : events) codes.push_back(e.code);
    return codes;
  }
  // The events other than progress, as "code(p1,p2,p3)".
  std::vector<std::string> Outcome() const {
    std::vector<std::string> outcome;
    for (const NotifiedEvent& e : events)
      if (e.code != MEV_PROGRESS_INFO)
        outcome.push_back(std::to_string(e.code) + "(" + std::to_string(e.p1) + "," +
                          std::to_string(e.p2) + "," + std::to_string(e.p3) + ")");
    return outcome;
  }
};
