// Records every message box shown through the seam (as "caption|text", and
// its owner) and
// answers with `answer`, for as long as it lives.
#pragma once
#include <windows.h>

#include <string>
#include <vector>

#include "winfx/Seams.h"

class BoxRecorder {
 public:
  BoxRecorder() {
    boxes.clear();
    owners.clear();
    answer = IDYES;
    VrcSetMessageBoxSeam(RecordBox);
  }
  ~BoxRecorder() { VrcSetMessageBoxSeam(NULL); }
  BoxRecorder(const BoxRecorder&) = delete;
  BoxRecorder& operator=(const BoxRecorder&) = delete;

  static inline std::vector<std::string> boxes;
  static inline std::vector<HWND> owners;  // of each box, in the same order
  static inline int answer = IDYES;

 private:
  static int WINAPI RecordBox(HWND owner, const char* text, const char* caption, UINT) {
    owners.push_back(owner);
    boxes.push_back(std::string(caption ? caption : "") + "|" + (text ? text : ""));
    return answer;
  }
};
