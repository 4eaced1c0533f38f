// The borders that no C++ exception may cross: a window procedure, a
// COM-style method, a library's exported function and the program's start-
// up. Each runs its body through one of these; what the body throws
// (std::bad_alloc above all) stops here, is logged with the border's words
// and becomes the border's failure result.
#pragma once
#include <windows.h>

#include <exception>
#include <new>

// Logs "<where>: <what> caught at its border!" at LOG_ERROR.
void LogCaughtAtBorder(const char* where, const char* what);

// The body's result, or `failure` when it threw.
template <class Result, class Body>
Result CallAtBorder(const char* where, Result failure, Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    LogCaughtAtBorder(where, "out of memory");
  } catch (const std::exception& e) {
    LogCaughtAtBorder(where, e.what());
  } catch (...) {
    LogCaughtAtBorder(where, "unknown exception");
  }
  return failure;
}

// A COM-style method: E_OUTOFMEMORY when the body ran out of memory,
// E_UNEXPECTED for any other exception.
template <class Body>
HRESULT HResultAtBorder(const char* where, Body&& body) noexcept {
  try {
    return body();
  } catch (const std::bad_alloc&) {
    LogCaughtAtBorder(where, "out of memory");
    return E_OUTOFMEMORY;
  } catch (const std::exception& e) {
    LogCaughtAtBorder(where, e.what());
  } catch (...) {
    LogCaughtAtBorder(where, "unknown exception");
  }
  return E_UNEXPECTED;
}

// A border without a result (a void method, a notification).
template <class Body>
void RunAtBorder(const char* where, Body&& body) noexcept {
  CallAtBorder(where, 0, [&] {
    body();
    return 0;
  });
}
