// The module registry, the library loader and the host, against fixture
// module libraries that record their calls and their unloading.
#include <gtest/gtest.h>

#include "app/ModuleRegistry.h"
#include "base/ModuleBase.h"
#include "tests/app/FixtureLog.h"
#include "tests/support/TestSupport.h"

using vrctest::TempDir;

namespace {

const GUID kIdA = {0x1, 0x2, 0x3, {0, 0, 0, 0, 0, 0, 0, 0xA}};
const GUID kIdB = {0x1, 0x2, 0x3, {0, 0, 0, 0, 0, 0, 0, 0xB}};
const GUID kIdC = {0x1, 0x2, 0x3, {0, 0, 0, 0, 0, 0, 0, 0xC}};

// Copies a fixture library into the test's folder under a name of its own, so
// that every module of a test is a library of its own.
std::string PlaceFixture(const TempDir& dir, const char* fixture, const char* name) {
  std::string target = dir.File(name);
  CopyFileA((vrctest::TestFolder() + fixture).c_str(), target.c_str(), FALSE);
  return target;
}

class CountedModule : public CModuleBase {
 public:
  explicit CountedModule(int* deleted) : m_pDeleted(deleted) {}
  ~CountedModule() override { ++*m_pDeleted; }

 private:
  int* m_pDeleted;
};

TEST(ModuleRegistry, EmptyRegistryAnswersWithoutModules) {
  CModuleRegistry registry;
  EXPECT_EQ(S_OK, registry.InitAllModules());
  EXPECT_EQ(S_OK, registry.ExitAllModules());
  void* out = reinterpret_cast<void*>(0x1234);
  EXPECT_EQ(E_NOINTERFACE, registry.GetModule(&kIdA, &out));
  EXPECT_EQ(reinterpret_cast<void*>(0x1234), out) << "a failed lookup leaves the target alone";
  EXPECT_EQ(E_INVALIDARG, registry.GetModule(&kIdA, NULL));
  EXPECT_EQ(E_POINTER, registry.RegisterModule(&kIdA, NULL, NULL));
  EXPECT_EQ(0u, registry.GetCount());
  EXPECT_EQ(E_NOTIMPL, registry.QueryInterface(&kIdA, &out));
}

TEST(ModuleRegistry, RegistrationSetsHostAndIdAndFirstRecordWins) {
  int deleted = 0;
  IModuleRegistry* registry = new CModuleRegistry();
  CountedModule* first = new CountedModule(&deleted);
  CountedModule* second = new CountedModule(&deleted);
  ASSERT_TRUE(RegisterModuleObject(registry, &kIdA, first));
  ASSERT_TRUE(RegisterModuleObject(registry, &kIdA, second));
  EXPECT_EQ(registry, first->GetHost());
  EXPECT_TRUE(VrcSameGuid(&kIdA, &first->GetModuleId()));
  void* found = NULL;
  ASSERT_EQ(S_OK, registry->GetModule(&kIdA, &found));
  EXPECT_EQ(static_cast<IModule*>(first), found);
  registry->Release();
  EXPECT_EQ(2, deleted) << "the registry releases every object it holds";
}

TEST(ModuleBase, ReleaseDeletesAtOnceWhateverAddRefSaid) {
  int deleted = 0;
  IModule* module = new CountedModule(&deleted);
  EXPECT_EQ(0u, module->AddRef());
  EXPECT_EQ(0u, module->AddRef());
  EXPECT_EQ(0u, module->Release());
  EXPECT_EQ(1, deleted);
}

TEST(ModuleBase, HostObjectNeedsAHost) {
  int deleted = 0;
  CountedModule module(&deleted);
  void* out = NULL;
  EXPECT_EQ(E_POINTER, module.GetHostObject(&kIdA, &out));
  EXPECT_EQ(E_POINTER, module.QueryModuleInterface(&kIdA, &kIdB, &out));
}

struct LoadCase {
  const char* name;
  const char* fixture;  // NULL: no file at all
  BOOL loaded;
  std::vector<std::string> calls;
};

void PrintTo(const LoadCase& c, std::ostream* os) { *os << c.name; }

class LoadModuleLibraryTest : public ::testing::TestWithParam<LoadCase> {};

TEST_P(LoadModuleLibraryTest, RegistersOrFreesTheLibrary) {
  const LoadCase& c = GetParam();
  TempDir dir;
  FixtureLog log(dir);
  std::string path = c.fixture ? PlaceFixture(dir, c.fixture, "mod.dll") : dir.File("absent.dll");
  CModuleRegistry* registry = new CModuleRegistry();
  EXPECT_EQ(c.loaded, LoadModuleLibrary(registry, &kIdA, path.c_str()));
  EXPECT_EQ(c.loaded ? 1u : 0u, registry->GetCount());
  registry->Release();
  EXPECT_EQ(c.calls, log.Lines());
}

INSTANTIATE_TEST_SUITE_P(
    Libraries, LoadModuleLibraryTest,
    ::testing::Values(
        LoadCase{"Good", "fixture_module.dll", TRUE,
                 {"mod.dll factory", "mod.dll SetHost", "mod.dll SetModuleId", "mod.dll Release",
                  "mod.dll unloaded"}},
        LoadCase{"NoOrdinal1", "fixture_module_no_ordinal.dll", FALSE, {"mod.dll unloaded"}},
        LoadCase{"FactoryReturnsNull", "fixture_module_null.dll", FALSE, {"mod.dll factory", "mod.dll unloaded"}},
        LoadCase{"MissingFile", NULL, FALSE, {}}),
    [](const ::testing::TestParamInfo<LoadCase>& info) { return std::string(info.param.name); });

TEST(ModuleRegistry, LoaderRefusesWithoutRegistry) {
  TempDir dir;
  FixtureLog log(dir);
  std::string path = PlaceFixture(dir, "fixture_module.dll", "mod.dll");
  EXPECT_FALSE(LoadModuleLibrary(NULL, &kIdA, path.c_str()));
  EXPECT_TRUE(log.Lines().empty()) << "nothing is even loaded";
}

// A host that loads the named libraries in order, as the program's host does.
class ListHost : public CModuleHost {
 public:
  explicit ListHost(std::vector<std::string> paths) : m_paths(std::move(paths)) {}
  BOOL LoadModules(IModuleRegistry* registry) override {
    const GUID* ids[] = {&kIdA, &kIdB, &kIdC};
    for (size_t i = 0; i < m_paths.size() && i < 3; ++i)
      LoadModuleLibrary(registry, ids[i], m_paths[i].c_str());
    return TRUE;
  }

 private:
  std::vector<std::string> m_paths;
};

TEST(ModuleHost, InitialisesInOrderStopsAtFailureExitsInReverseReleasesBeforeUnloading) {
  TempDir dir;
  FixtureLog log(dir);
  std::vector<std::string> paths = {PlaceFixture(dir, "fixture_module.dll", "a.dll"),
                                    PlaceFixture(dir, "fixture_module_init_fails.dll", "b.dll"),
                                    PlaceFixture(dir, "fixture_module.dll", "c.dll")};
  {
    ListHost host(paths);
    EXPECT_EQ(E_FAIL, host.InitInstance());
    void* found = NULL;
    EXPECT_EQ(S_OK, host.GetModule(&kIdC, &found));
    EXPECT_EQ(S_OK, host.ExitInstance());
  }
  std::vector<std::string> expected = {
      "a.dll factory", "a.dll SetHost", "a.dll SetModuleId",
      "b.dll factory", "b.dll SetHost", "b.dll SetModuleId",
      "c.dll factory", "c.dll SetHost", "c.dll SetModuleId",
      "a.dll InitInstance", "b.dll InitInstance",  // c is never initialised
      "c.dll ExitInstance", "b.dll ExitInstance", "a.dll ExitInstance",
      "a.dll Release", "a.dll unloaded",
      "b.dll Release", "b.dll unloaded",
      "c.dll Release", "c.dll unloaded"};
  EXPECT_EQ(expected, log.Lines());
}

TEST(ModuleHost, HostWithoutModulesFails) {
  struct FailingHost : CModuleHost {
    BOOL LoadModules(IModuleRegistry*) override { return FALSE; }
  } host;
  EXPECT_EQ(E_FAIL, host.InitInstance());
  void* out = NULL;
  EXPECT_EQ(E_NOINTERFACE, host.GetModule(&kIdA, &out));
}

}  // namespace
