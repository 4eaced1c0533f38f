#include "ui/SkinPopupMath.h"

RECT PlaceSkinPopup(const RECT& owner, int widestItem, int itemCount, int itemHeight, int widthPad,
                    int screenBottom) {
  const int ownerW = owner.right - owner.left;
  const int needed = widestItem + 2 * widthPad;
  const int width = ownerW >= needed ? ownerW : needed;
  const int height = (itemCount > 0 ? itemCount : 0) * itemHeight;
  RECT r = {owner.left, owner.bottom, owner.left + width, owner.bottom + height};
  if (r.bottom > screenBottom) {
    r.top = owner.top - height;
    r.bottom = owner.top;
  }
  return r;
}

int SkinPopupRowAt(int y, bool insideClient, int itemHeight, int itemCount) {
  if (!insideClient || itemHeight <= 0 || itemCount <= 0 || y < 0) return -1;
  const int row = y / itemHeight;
  return row < itemCount - 1 ? row : itemCount - 1;
}

RECT SkinPopupRowRect(int row, int clientWidth, int itemHeight, int borderX, int borderY) {
  RECT r = {0, row * itemHeight, clientWidth, (row + 1) * itemHeight};
  InflateRect(&r, -4 * borderX, -2 * borderY);
  return r;
}

bool SkinPopupIsLayered(int translucent, int osVersionType) {
  return translucent != 0 && osVersionType > 6;
}

int SkinSelectionOrNone(int index, int count) { return index >= 0 && index < count ? index : -1; }
