// One program for a whole test program: started, in a temporary folder of
// the process's own, before the first test and stopped after the last
// (gtest's global environment). A test program includes it in one file.
#pragma once
#include <gtest/gtest.h>

#include "tests/app/ProgramInProcess.h"
#include "tests/support/TestSupport.h"

class SharedProgram : public ::testing::Environment {
 public:
  void SetUp() override {
    vrctest::UsePrivateTempFolder();
    s_program = new ProgramInProcess();
    s_started = s_program->Start();
  }
  void TearDown() override {
    delete s_program;
    s_program = nullptr;
  }
  static ProgramInProcess* Get() { return s_program; }
  static bool Started() { return s_started; }

 private:
  static inline ProgramInProcess* s_program = nullptr;
  static inline bool s_started = false;
};

inline ::testing::Environment* const kSharedProgramEnvironment =
    ::testing::AddGlobalTestEnvironment(new SharedProgram());
