// The pages table, row by row: every key a page names is a setting that the
// configuration knows, every control it names is a row of the command table,
// and its module leads back to it.
#include <gtest/gtest.h>

#include <string>

#include "app/CommandExecutive.h"
#include "app/Pages.h"
#include "config/SettingsTable.h"
#include "include/VarnoGuids.h"
#include "winfx/FileDialog.h"

namespace {

class PageRowTest : public ::testing::TestWithParam<int> {
 protected:
  const PageInfo& Page() const { return *PageAt(GetParam()); }
};

TEST_P(PageRowTest, KeysAreSettingsTheConfigurationKnows) {
  const PageInfo& page = Page();
  EXPECT_NE(nullptr, FindStringSetting(page.savePathKey)) << page.savePathKey;
  EXPECT_NE(nullptr, FindIntSetting(page.lastTypeIndexKey)) << page.lastTypeIndexKey;
  EXPECT_NE(nullptr, FindIntSetting(page.lastTypeDataKey)) << page.lastTypeDataKey;
  for (const PageValue* value = page.values; value->control; ++value)
    EXPECT_NE(nullptr, FindIntSetting(value->key)) << value->key;
}

TEST_P(PageRowTest, ControlsAreRowsOfTheCommandTable) {
  const PageInfo& page = Page();
  EXPECT_LE(0, CCommandExecutive::FindRow(page.buttonName)) << page.buttonName;
  EXPECT_EQ(page.settingsInfoControl != NULL, page.describeSettings != NULL)
      << "a settings line needs both its control and its maker";
  if (page.settingsInfoControl) {
    EXPECT_LE(0, CCommandExecutive::FindRow(page.settingsInfoControl)) << page.settingsInfoControl;
  }
  for (const PageValue* value = page.values; value->control; ++value)
    EXPECT_LE(0, CCommandExecutive::FindRow(value->control)) << value->control;
}

TEST_P(PageRowTest, ItsModuleLeadsBackToItAndItsGroupAndFiltersExist) {
  const PageInfo& page = Page();
  EXPECT_EQ(&page, PageOfModule(page.moduleId)) << "one page per module";
  EXPECT_GE(page.progressGroup, 0);
  EXPECT_LT(page.progressGroup, kProgressGroupCount);
  ASSERT_NE(nullptr, page.openFileFilters);
  EXPECT_STREQ("Supported Files", page.openFileFilters[0].description);
}

INSTANTIATE_TEST_SUITE_P(Pages, PageRowTest, ::testing::Range(0, static_cast<int>(kPageCount)),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return std::string(PageAt(info.param)->buttonName);
                         });

TEST(Pages, OtherNumbersAndModulesHaveNoPage) {
  EXPECT_EQ(nullptr, PageAt(-1));
  EXPECT_EQ(nullptr, PageAt(kPageCount));
  EXPECT_EQ(nullptr, PageOfModule(&CLSID_ConfigModule));
  EXPECT_EQ(nullptr, PageOfModule(NULL));
}

}  // namespace
