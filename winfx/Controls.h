// Views of the common controls over their HWNDs: the control messages with
// their casts and structs written once. A view owns nothing and keeps no
// state but the handle, so it is made wherever it is needed, over a control
// of a CWnd (CListView(m_hWnd)) or of a dialog (attached in OnInit).
#pragma once
#include <windows.h>
#include <commctrl.h>

#include <string>

class CControl {
 public:
  explicit CControl(HWND hWnd = NULL) : m_hWnd(hWnd) {}
  void Attach(HWND hWnd) { m_hWnd = hWnd; }
  operator HWND() const { return m_hWnd; }

 protected:
  LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) const {
    return ::SendMessageA(m_hWnd, message, wParam, lParam);
  }

  HWND m_hWnd;
};

class CListView : public CControl {
 public:
  using CControl::CControl;

  HWND GetHeader() const { return reinterpret_cast<HWND>(Send(LVM_GETHEADER)); }
  BOOL SetBkColor(COLORREF colour) const {
    return static_cast<BOOL>(Send(LVM_SETBKCOLOR, 0, colour));
  }
  COLORREF GetTextColor() const { return static_cast<COLORREF>(Send(LVM_GETTEXTCOLOR)); }
  BOOL SetTextColor(COLORREF colour) const {
    return static_cast<BOOL>(Send(LVM_SETTEXTCOLOR, 0, colour));
  }
  DWORD GetExtendedStyle() const {
    return static_cast<DWORD>(Send(LVM_GETEXTENDEDLISTVIEWSTYLE));
  }
  // Replaces all extended styles; the previous ones.
  DWORD SetExtendedStyle(DWORD styles) const {
    return static_cast<DWORD>(Send(LVM_SETEXTENDEDLISTVIEWSTYLE, 0, styles));
  }
  // Title, LVCFMT_ format and width in pixels; the new column's index or -1.
  int InsertColumn(int column, const char* title, int format, int width) const;

  int GetItemCount() const { return static_cast<int>(Send(LVM_GETITEMCOUNT)); }
  int GetSelectedCount() const { return static_cast<int>(Send(LVM_GETSELECTEDCOUNT)); }
  // The first selected row after `row` (-1: from the top); -1 when none.
  int GetNextSelected(int row = -1) const {
    return static_cast<int>(Send(LVM_GETNEXTITEM, static_cast<WPARAM>(row), LVNI_SELECTED));
  }
  // A row with the text in its first column; its index, or -1.
  int InsertItem(int row, const char* text) const;
  BOOL DeleteItem(int row) const { return static_cast<BOOL>(Send(LVM_DELETEITEM, row)); }
  BOOL SetItemText(int row, int column, const char* text) const;
  // The cell's text in `buffer` of `size` bytes, cut to fit and always
  // terminated ("" for a cell that is not there); its length.
  int GetItemText(int row, int column, char* buffer, int size) const;
  // The LVIS_ states under `mask`; row -1 sets them on every row.
  BOOL SetItemState(int row, UINT state, UINT mask) const;
  // The previous selection mark.
  int SetSelectionMark(int row) const {
    return static_cast<int>(Send(LVM_SETSELECTIONMARK, 0, row));
  }
  BOOL EnsureVisible(int row, BOOL partialOk) const {
    return static_cast<BOOL>(Send(LVM_ENSUREVISIBLE, row, partialOk));
  }
};

class CHeader : public CControl {
 public:
  using CControl::CControl;

  int GetItemCount() const { return static_cast<int>(Send(HDM_GETITEMCOUNT)); }
  // What item->mask asks for.
  BOOL GetItem(int index, HDITEMA* item) const {
    return static_cast<BOOL>(Send(HDM_GETITEMA, index, reinterpret_cast<LPARAM>(item)));
  }
  BOOL GetItemRect(int index, RECT* rect) const {
    return static_cast<BOOL>(Send(HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(rect)));
  }
};

// Item indexes are CB_ERR (-1) for none or a failure.
class CComboBox : public CControl {
 public:
  using CControl::CControl;

  int AddString(const char* text) const {
    return static_cast<int>(Send(CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text)));
  }
  // The number of items left.
  int DeleteString(int index) const { return static_cast<int>(Send(CB_DELETESTRING, index)); }
  void ResetContent() const { Send(CB_RESETCONTENT); }
  int GetCount() const { return static_cast<int>(Send(CB_GETCOUNT)); }
  int GetCurSel() const { return static_cast<int>(Send(CB_GETCURSEL)); }
  // -1 clears the selection; CB_ERR also when the index is outside the list.
  int SetCurSel(int index) const { return static_cast<int>(Send(CB_SETCURSEL, index)); }
  INT_PTR GetItemData(int index) const { return static_cast<INT_PTR>(Send(CB_GETITEMDATA, index)); }
  BOOL SetItemData(int index, INT_PTR data) const {
    return Send(CB_SETITEMDATA, index, data) != CB_ERR;
  }
};

class CTrackbar : public CControl {
 public:
  using CControl::CControl;

  void SetRange(int minimum, int maximum, BOOL redraw = TRUE) const {
    Send(TBM_SETRANGEMIN, FALSE, minimum);
    Send(TBM_SETRANGEMAX, redraw, maximum);
  }
  // The control keeps the position inside its range.
  void SetPos(int position, BOOL redraw = TRUE) const { Send(TBM_SETPOS, redraw, position); }
  int GetPos() const { return static_cast<int>(Send(TBM_GETPOS)); }
};

class CEdit : public CControl {
 public:
  using CControl::CControl;

  BOOL SetText(const char* text) const { return ::SetWindowTextA(m_hWnd, text ? text : ""); }
  std::string GetText() const;
  BOOL SetReadOnly(BOOL readOnly) const {
    return static_cast<BOOL>(Send(EM_SETREADONLY, readOnly));
  }
};
