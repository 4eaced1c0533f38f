// The resources of the program's skinned windows: linked into FrameWright
// and into the tests that make those windows.
#pragma once
#define IDD_MAIN_WINDOW 102  // the main window, caption "VarnoReelCraft"
#define IDD_SKIN_APP_PAGE 129  // a converter page: a child without caption
#define IDI_APPLICATION_ICON 133
