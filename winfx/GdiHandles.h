// Holders for device contexts and GDI objects: each releases or deletes its
// handle when it goes out of scope, and puts back what it selected. A bitmap
// is attached to its holder with Reset and handed on with Detach.
#pragma once
#include <windows.h>

#include "base/Handles.h"

template <class T>
struct GdiObjectTraits {
  static T None() { return NULL; }
  static bool IsValid(T h) { return h != NULL; }
  static bool Free(T h) { return DeleteObject(h) != FALSE; }
};

// An owned GDI object (bitmap, font, region, brush, pen).
template <class T>
using CGdiObject = CHolder<T, GdiObjectTraits<T>>;

typedef CGdiObject<HBITMAP> CBitmapHandle;
typedef CGdiObject<HFONT> CFontHandle;
typedef CGdiObject<HRGN> CRgnHandle;
typedef CGdiObject<HBRUSH> CBrushHandle;

struct CursorTraits {
  static HCURSOR None() { return NULL; }
  static bool IsValid(HCURSOR h) { return h != NULL; }
  static bool Free(HCURSOR h) { return DestroyCursor(h) != FALSE; }
};
// An owned cursor: one loaded from a file or made by the program (CopyCursor,
// CreateCursor), never a shared one of LoadCursor.
typedef CHolder<HCURSOR, CursorTraits> CCursorHandle;

// The DC of a whole window, non-client area included (GetWindowDC).
class CWindowDC {
 public:
  explicit CWindowDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(GetWindowDC(hWnd)) {}
  ~CWindowDC() {
    if (m_hDC) ReleaseDC(m_hWnd, m_hDC);
  }
  CWindowDC(const CWindowDC&) = delete;
  CWindowDC& operator=(const CWindowDC&) = delete;
  operator HDC() const { return m_hDC; }

 private:
  HWND m_hWnd;
  HDC m_hDC;
};

// The client-area DC of a window (GetDC / ReleaseDC).
class CClientDC {
 public:
  explicit CClientDC(HWND hWnd) : m_hWnd(hWnd), m_hDC(GetDC(hWnd)) {}
  ~CClientDC() {
    if (m_hDC) ReleaseDC(m_hWnd, m_hDC);
  }
  CClientDC(const CClientDC&) = delete;
  CClientDC& operator=(const CClientDC&) = delete;
  operator HDC() const { return m_hDC; }

 private:
  HWND m_hWnd;
  HDC m_hDC;
};

// The DC of a WM_PAINT (BeginPaint / EndPaint).
class CPaintDC {
 public:
  explicit CPaintDC(HWND hWnd) : m_hWnd(hWnd) { m_hDC = BeginPaint(hWnd, &m_ps); }
  ~CPaintDC() { EndPaint(m_hWnd, &m_ps); }
  CPaintDC(const CPaintDC&) = delete;
  CPaintDC& operator=(const CPaintDC&) = delete;
  operator HDC() const { return m_hDC; }
  const RECT& PaintRect() const { return m_ps.rcPaint; }

 private:
  HWND m_hWnd;
  HDC m_hDC;
  PAINTSTRUCT m_ps;
};

// A memory DC compatible with another DC (CreateCompatibleDC / DeleteDC).
class CMemoryDC {
 public:
  explicit CMemoryDC(HDC compatible) : m_hDC(CreateCompatibleDC(compatible)) {}
  ~CMemoryDC() {
    if (m_hDC) DeleteDC(m_hDC);
  }
  CMemoryDC(const CMemoryDC&) = delete;
  CMemoryDC& operator=(const CMemoryDC&) = delete;
  operator HDC() const { return m_hDC; }

 private:
  HDC m_hDC;
};

// Selects an object into a DC and puts the previous one back.
class CSelectObject {
 public:
  CSelectObject(HDC hDC, HGDIOBJ object) : m_hDC(hDC), m_hOld(object ? SelectObject(hDC, object) : NULL) {}
  ~CSelectObject() {
    if (m_hOld) SelectObject(m_hDC, m_hOld);
  }
  CSelectObject(const CSelectObject&) = delete;
  CSelectObject& operator=(const CSelectObject&) = delete;

 private:
  HDC m_hDC;
  HGDIOBJ m_hOld;
};
