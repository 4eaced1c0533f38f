#include "ui/SkinHeaderCtrl.h"

#include <commctrl.h>
#include <shlwapi.h>

#include "ui/PictureLoader.h"
#include "winfx/Controls.h"

namespace {

// Draws a bitmap (already selected into source) stretched to a rectangle.
void Blit(HDC dc, int x, int y, int width, int height, HDC source, const BITMAP& bitmap,
          int sourceHeight) {
  StretchBlt(dc, x, y, width, height, source, 0, 0, bitmap.bmWidth, sourceHeight, SRCCOPY);
}

}  // namespace

CSkinHeaderCtrl::CSkinHeaderCtrl()
    : m_textColor(0), m_textFormat(DT_CENTER | DT_SINGLELINE | DT_NOPREFIX | DT_END_ELLIPSIS) {}

BOOL CSkinHeaderCtrl::LoadBitmaps(const char* left, const char* right, const char* fill) {
  if (!left || !right || !fill || !PathFileExistsA(left) || !PathFileExistsA(right) ||
      !PathFileExistsA(fill))
    return FALSE;
  m_left.Reset(LoadImageFile(left, NULL));
  m_right.Reset(LoadImageFile(right, NULL));
  m_fill.Reset(LoadImageFile(fill, NULL));
  return m_fill.Get() != NULL;
}

LRESULT CSkinHeaderCtrl::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_PAINT) {
    Paint();
    return 0;
  }
  return CWnd::WindowProc(message, wParam, lParam);
}

void CSkinHeaderCtrl::Paint() {
  CPaintDC paint(m_hWnd);
  const RECT& area = paint.PaintRect();
  int width = area.right - area.left;
  int height = area.bottom - area.top;
  if (width <= 0 || height <= 0) return;

  // The whole paint goes to a memory bitmap first, pre-filled with the paint
  // DC's background colour, and is copied to the screen at the end.
  CMemoryDC memory(paint);
  CBitmapHandle canvas(CreateCompatibleBitmap(paint, area.right, area.bottom));
  CSelectObject selectCanvas(memory, canvas);
  SetStretchBltMode(memory, COLORONCOLOR);
  CBrushHandle background(CreateSolidBrush(GetBkColor(paint)));
  FillRect(memory, &area, background);

  BITMAP left, right, fill;
  if (GetObjectA(m_left, sizeof(left), &left) && GetObjectA(m_right, sizeof(right), &right) &&
      GetObjectA(m_fill, sizeof(fill), &fill)) {
    CMemoryDC bitmapDC(paint);
    DrawItems(memory, bitmapDC, left, right, fill);
  }
  BitBlt(paint, area.left, area.top, width, height, memory, area.left, area.top, SRCCOPY);
}

void CSkinHeaderCtrl::DrawItems(HDC dc, HDC bitmapDC, const BITMAP& left, const BITMAP& right,
                                const BITMAP& fill) {
  RECT client;
  GetClientRect(m_hWnd, &client);
  int clientHeight = client.bottom - client.top;
  CBrushHandle frame(CreateSolidBrush(RGB(76, 85, 118)));
  FillRect(dc, &client, frame);

  const int sourceHeight = fill.bmHeight;
  {
    CSelectObject select(bitmapDC, m_fill);
    for (int x = client.left + 2; x <= client.right + 1; ++x)
      Blit(dc, x, client.top, fill.bmWidth, clientHeight, bitmapDC, fill, sourceHeight);
  }

  HFONT font = reinterpret_cast<HFONT>(::SendMessageA(GetParent(m_hWnd), WM_GETFONT, 0, 0));
  CHeader header(m_hWnd);
  int count = header.GetItemCount();
  for (int i = 0; i < count; ++i) {
    char text[256] = "";
    HDITEMA item = {};
    item.mask = HDI_TEXT | HDI_FORMAT | HDI_ORDER;
    item.pszText = text;
    item.cchTextMax = sizeof(text);
    header.GetItem(i, &item);
    RECT box;
    header.GetItemRect(i, &box);
    int itemHeight = box.bottom - box.top;

    {
      CSelectObject select(bitmapDC, m_left);
      if (item.iOrder == 0) {
        Blit(dc, box.left, box.top, left.bmWidth, itemHeight, bitmapDC, left, sourceHeight);
      } else {
        Blit(dc, box.left - 1, box.top, left.bmWidth, itemHeight, bitmapDC, left, sourceHeight);
      }
    }
    {
      CSelectObject select(bitmapDC, m_fill);
      if (item.iOrder != 0)
        Blit(dc, box.left + 1, box.top, left.bmWidth, itemHeight, bitmapDC, fill, sourceHeight);
      for (int x = box.left + 2; x < box.right - 2; ++x)
        Blit(dc, x, box.top, fill.bmWidth, itemHeight, bitmapDC, fill, sourceHeight);
    }
    {
      CSelectObject select(bitmapDC, m_right);
      Blit(dc, box.right - 2, box.top, right.bmWidth, itemHeight, bitmapDC, right, sourceHeight);
    }

    RECT textBox = {box.left + 2, box.top + 2, box.right - 2, box.bottom - 2};
    CSelectObject selectFont(dc, font);
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, m_textColor);
    DrawTextA(dc, text, -1, &textBox, m_textFormat);
  }
}
