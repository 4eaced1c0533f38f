// The picture loader on generated pictures.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "ui/PictureLoader.h"
#include "winfx/GdiHandles.h"

namespace {

std::string Media(const char* name) { return vrctest::TestFolder() + "..\\testmedia\\" + name; }

TEST(PictureLoaderTest, LoadsABitmapAndRefusesEmptyOrMissingFiles) {
  SIZE size = {0, 0};
  HBITMAP bitmap = LoadImageFile(Media("picture.bmp").c_str(), &size);
  ASSERT_NE(nullptr, bitmap);
  EXPECT_EQ(64, size.cx);
  EXPECT_EQ(48, size.cy);
  DeleteObject(bitmap);
  EXPECT_EQ(nullptr, LoadImageFile(Media("empty.bmp").c_str(), &size));
  EXPECT_EQ(nullptr, LoadImageFile(Media("garbage.avi").c_str(), NULL));
  EXPECT_EQ(nullptr, LoadImageFile(Media("none.bmp").c_str(), NULL));
}

// The bitmap that the loader asked to copy: the picture's own.
HANDLE g_pictureBitmap = NULL;

// CopyImage as Windows answers it: asked for LR_COPYRETURNORG with the size
// unchanged, it hands back the picture's own bitmap instead of a copy.
HANDLE WINAPI CopyImageAsWindowsDoes(HANDLE image, UINT type, int width, int height, UINT flags) {
  g_pictureBitmap = image;
  BITMAP info;
  if ((flags & LR_COPYRETURNORG) && type == IMAGE_BITMAP && GetObjectA(image, sizeof(info), &info) &&
      (width == 0 || width == info.bmWidth) && (height == 0 || height == info.bmHeight))
    return image;
  return CopyImage(image, type, width, height, flags);
}

class WindowsCopy {
 public:
  WindowsCopy() {
    g_pictureBitmap = NULL;
    SetPictureCopySeam(CopyImageAsWindowsDoes);
  }
  ~WindowsCopy() { SetPictureCopySeam(NULL); }
};

// The pictures that go through the OLE picture loader (a Windows bitmap
// takes the system's bitmap loader and never reaches the copy).
TEST(PictureLoaderTest, TheBitmapOutlivesThePictureItCameFrom) {
  for (const char* name : {"photo.jpg", "photo.gif", "photo.png"}) {
    WindowsCopy copy;
    SIZE size = {0, 0};
    CBitmapHandle bitmap(LoadImageFile(Media(name).c_str(), &size));
    ASSERT_TRUE(bitmap.IsValid()) << name;
    ASSERT_TRUE(g_pictureBitmap != NULL) << name << ": the picture's bitmap was not copied";
    // What makes a handed-back original fatal: the picture's release
    // deleted its own bitmap.
    EXPECT_EQ(0u, GetObjectType(g_pictureBitmap)) << name << ": the picture's bitmap outlived it";
    EXPECT_NE(g_pictureBitmap, static_cast<HANDLE>(bitmap.Get())) << name;
    EXPECT_EQ(static_cast<DWORD>(OBJ_BITMAP), GetObjectType(bitmap)) << name;
    EXPECT_EQ(320, size.cx) << name;
    EXPECT_EQ(240, size.cy) << name;

    // The copy still holds the picture: the test pattern is not one colour.
    CMemoryDC dc(NULL);
    CSelectObject selected(dc, bitmap);
    EXPECT_NE(GetPixel(dc, 10, 10), GetPixel(dc, 310, 230)) << name;
  }
}

}  // namespace
