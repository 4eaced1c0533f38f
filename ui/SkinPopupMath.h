// The arithmetic of the skinned drop-down and its popup list, with no
// window: where the popup goes and how large it is, which row is under the
// pointer, where a row is drawn, which index is a selection at all.
#pragma once
#include <windows.h>

// The popup's window rectangle in screen pixels. It opens under the owner,
// as wide as the owner or, for wider items, the widest item plus a pad on
// each side, one item height per item; when its bottom would lie below
// screenBottom it opens upward, its bottom on the owner's top.
RECT PlaceSkinPopup(const RECT& owner, int widestItem, int itemCount, int itemHeight, int widthPad,
                    int screenBottom);
// The row under a client y: -1 outside the client area or without rows.
int SkinPopupRowAt(int y, bool insideClient, int itemHeight, int itemCount);
// Row `row` of a popup clientWidth wide, drawn inset from the frame.
RECT SkinPopupRowRect(int row, int clientWidth, int itemHeight, int borderX, int borderY);
// Layered (translucent) only when asked and on Windows 2000 or XP (the
// version types above 6).
bool SkinPopupIsLayered(int translucent, int osVersionType);
// index when it names one of count items; -1 (no selection) otherwise.
int SkinSelectionOrNone(int index, int count);
