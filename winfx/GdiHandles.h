// Holders for device contexts and GDI objects: each releases or deletes its
// handle when it goes out of scope, and puts back what it selected.
#pragma once
#include <windows.h>

// An owned GDI object (bitmap, font, region, brush, pen).
template <class T>
class CGdiObject {
 public:
  explicit CGdiObject(T handle = NULL) : m_h(handle) {}
  ~CGdiObject() { Reset(); }
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  void Reset(T handle = NULL) {
    if (m_h) DeleteObject(m_h);
    m_h = handle;
  }
  T Detach() {
    T h = m_h;
    m_h = NULL;
    return h;
  }
  T Get() const { return m_h; }
  operator T() const { return m_h; }

 private:
  T m_h;
};

typedef CGdiObject<HBITMAP> CBitmapHandle;
typedef CGdiObject<HFONT> CFontHandle;
typedef CGdiObject<HRGN> CRgnHandle;
typedef CGdiObject<HBRUSH> CBrushHandle;

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
