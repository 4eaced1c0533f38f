// The picture loader on generated pictures.
#include <gtest/gtest.h>

#include "tests/support/TestSupport.h"
#include "ui/PictureLoader.h"

namespace {

TEST(PictureLoaderTest, LoadsABitmapAndRefusesEmptyOrMissingFiles) {
  std::string media = vrctest::TestFolder() + "..\\testmedia\\";
  SIZE size = {0, 0};
  HBITMAP bitmap = LoadImageFile((media + "picture.bmp").c_str(), &size);
  ASSERT_NE(nullptr, bitmap);
  EXPECT_EQ(64, size.cx);
  EXPECT_EQ(48, size.cy);
  DeleteObject(bitmap);
  EXPECT_EQ(nullptr, LoadImageFile((media + "empty.bmp").c_str(), &size));
  EXPECT_EQ(nullptr, LoadImageFile((media + "garbage.avi").c_str(), NULL));
  EXPECT_EQ(nullptr, LoadImageFile((media + "none.bmp").c_str(), NULL));
}

}  // namespace
