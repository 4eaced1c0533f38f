// The dialog templates of the skin tests, the viewer and the benchmark.
#pragma once
#define IDD_SKIN_WINDOW 101  // a top-level window with a dialog frame
#define IDD_SKIN_PAGE 102    // a child page without a caption
