// The record that the fixture module libraries write: one line per call.
#pragma once
#include <string>
#include <vector>

#include "tests/support/TestSupport.h"

class FixtureLog {
 public:
  explicit FixtureLog(const vrctest::TempDir& dir) : m_path(dir.File("calls.log")) {
    SetEnvironmentVariableA("VRC_FIXTURE_LOG", m_path.c_str());
  }
  ~FixtureLog() { SetEnvironmentVariableA("VRC_FIXTURE_LOG", NULL); }
  std::vector<std::string> Lines() const { return vrctest::Lines(vrctest::ReadFile(m_path)); }

 private:
  std::string m_path;
};
