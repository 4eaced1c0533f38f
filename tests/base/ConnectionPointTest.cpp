// The module's connection points: cookies as positions, sinks that refuse
// the interface, the shared enumeration position, and a point that outlives
// its container.
#include <gtest/gtest.h>

#include "base/ConnectionPoint.h"
#include "tests/support/RecordingSink.h"

namespace {

const IID kOtherIid = {0x11111111, 0x2222, 0x3333, {4, 4, 4, 4, 4, 4, 4, 4}};

class ConnectionPoints : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(S_OK, container.FindConnectionPoint(IID_IModuleEvents, &point));
  }
  void TearDown() override {
    if (point) point->Release();
  }
  CConnectionPointContainer container;
  IConnectionPoint* point = NULL;
};

TEST_F(ConnectionPoints, FindingAPointMakesItOnceForAnyIid) {
  IConnectionPoint* again = NULL;
  ASSERT_EQ(S_OK, container.FindConnectionPoint(IID_IModuleEvents, &again));
  EXPECT_EQ(point, again);
  again->Release();

  int count = -1;
  EXPECT_EQ(CONNECT_E_NOCONNECTION, container.SinkCount(&kOtherIid, &count));
  IConnectionPoint* other = NULL;
  ASSERT_EQ(S_OK, container.FindConnectionPoint(kOtherIid, &other));
  EXPECT_NE(point, other);
  EXPECT_EQ(S_OK, container.SinkCount(&kOtherIid, &count));
  EXPECT_EQ(0, count);
  IID served = {};
  EXPECT_EQ(S_OK, other->GetConnectionInterface(&served));
  EXPECT_TRUE(IsEqualIID(served, kOtherIid));
  other->Release();
}

TEST_F(ConnectionPoints, InterfaceTablesOfContainerAndPoint) {
  void* out = reinterpret_cast<void*>(1);
  EXPECT_EQ(E_NOINTERFACE, container.QueryInterface(IID_IUnknown, &out));
  EXPECT_EQ(NULL, out);
  EXPECT_EQ(S_OK, container.QueryInterface(IID_IEnumConnectionPoints, &out));
  EXPECT_EQ(static_cast<IEnumConnectionPoints*>(&container), out);
  EXPECT_EQ(E_POINTER, container.QueryInterface(IID_IConnectionPointContainer, NULL));

  EXPECT_EQ(S_OK, point->QueryInterface(IID_IUnknown, &out));
  EXPECT_EQ(point, out);
  static_cast<IUnknown*>(out)->Release();
  EXPECT_EQ(E_NOINTERFACE, point->QueryInterface(IID_IConnectionPointContainer, &out));
  IConnectionPointContainer* owner = NULL;
  EXPECT_EQ(S_OK, point->GetConnectionPointContainer(&owner));
  EXPECT_EQ(static_cast<IConnectionPointContainer*>(&container), owner);
  EXPECT_EQ(E_NOTIMPL, point->EnumConnections(NULL));
}

TEST_F(ConnectionPoints, CookiesArePositionsThatMoveDownOnUnadvise) {
  CRecordingSink a("a"), b("b"), c("c");
  DWORD cookies[3] = {};
  ASSERT_EQ(S_OK, point->Advise(a.Unknown(), &cookies[0]));
  ASSERT_EQ(S_OK, point->Advise(b.Unknown(), &cookies[1]));
  ASSERT_EQ(S_OK, point->Advise(c.Unknown(), &cookies[2]));
  EXPECT_EQ(1u, cookies[0]);
  EXPECT_EQ(2u, cookies[1]);
  EXPECT_EQ(3u, cookies[2]);
  EXPECT_EQ(2, a.References()) << "the point keeps one reference per sink";

  EXPECT_EQ(E_INVALIDARG, point->Unadvise(0));
  EXPECT_EQ(S_OK, point->Unadvise(1));
  EXPECT_EQ(1, a.References());
  EXPECT_EQ(E_INVALIDARG, point->Unadvise(3)) << "the third sink now answers to cookie 2";
  IModuleEvents* sink = NULL;
  ASSERT_EQ(S_OK, container.GetSink(&IID_IModuleEvents, 1, reinterpret_cast<void**>(&sink)));
  EXPECT_EQ(c.Events(), sink);
  sink->Release();
  EXPECT_EQ(E_INVALIDARG, container.GetSink(&IID_IModuleEvents, 2, reinterpret_cast<void**>(&sink)));
  EXPECT_EQ(E_INVALIDARG, container.GetSink(&IID_IModuleEvents, -1, reinterpret_cast<void**>(&sink)));
  EXPECT_EQ(S_OK, point->Unadvise(2));
  EXPECT_EQ(S_OK, point->Unadvise(1));
  int count = -1;
  EXPECT_EQ(S_OK, container.SinkCount(&IID_IModuleEvents, &count));
  EXPECT_EQ(0, count);
}

TEST_F(ConnectionPoints, SinkThatRefusesTheInterfaceIsNotAdvised) {
  CRecordingSink refusing("r", /*answersEvents=*/false);
  DWORD cookie = 77;
  EXPECT_EQ(CONNECT_E_NOCONNECTION, point->Advise(refusing.Unknown(), &cookie));
  EXPECT_EQ(77u, cookie);
  EXPECT_EQ(1, refusing.References());
  EXPECT_EQ(E_POINTER, point->Advise(NULL, &cookie));
  EXPECT_EQ(E_POINTER, point->Advise(refusing.Unknown(), NULL));
  int count = -1;
  EXPECT_EQ(S_OK, container.SinkCount(&IID_IModuleEvents, &count));
  EXPECT_EQ(0, count);
}

TEST_F(ConnectionPoints, EnumerationSharesOnePositionAndStopsAtTheEnd) {
  const IID extra[2] = {kOtherIid, kOtherIid};
  EXPECT_EQ(E_INVALIDARG, container.AddPoints(extra, 0));
  EXPECT_EQ(E_POINTER, container.AddPoints(NULL, 2));
  ASSERT_EQ(S_OK, container.AddPoints(extra, 2));  // no check for duplicates

  IEnumConnectionPoints* points = NULL;
  ASSERT_EQ(S_OK, container.EnumConnectionPoints(&points));
  IConnectionPoint* got[4] = {};
  ULONG fetched = 0;
  ASSERT_EQ(S_OK, points->Next(4, got, &fetched));
  EXPECT_EQ(3u, fetched) << "a request past the end is cut to what remains";
  EXPECT_EQ(point, got[0]);
  for (ULONG i = 0; i < fetched; ++i) got[i]->Release();
  fetched = 99;
  EXPECT_EQ(S_FALSE, points->Next(1, got, &fetched));
  EXPECT_EQ(99u, fetched);

  EXPECT_EQ(S_OK, points->Reset());
  EXPECT_EQ(S_OK, points->Skip(10));
  EXPECT_EQ(S_FALSE, points->Next(1, got, &fetched));
  EXPECT_EQ(E_POINTER, points->Next(1, got, NULL));
  EXPECT_EQ(E_NOTIMPL, points->Clone(NULL));
}

TEST(ConnectionPointLifetime, PointThatOutlivesItsContainerAnswersUnexpected) {
  CRecordingSink sink("s");
  IConnectionPoint* point = NULL;
  {
    CConnectionPointContainer container;
    ASSERT_EQ(S_OK, container.FindConnectionPoint(IID_IModuleEvents, &point));
    DWORD cookie = 0;
    ASSERT_EQ(S_OK, point->Advise(sink.Unknown(), &cookie));
  }
  IConnectionPointContainer* owner = reinterpret_cast<IConnectionPointContainer*>(1);
  EXPECT_EQ(E_UNEXPECTED, point->GetConnectionPointContainer(&owner));
  DWORD cookie = 0;
  CRecordingSink late("late");
  EXPECT_EQ(S_OK, point->Advise(late.Unknown(), &cookie));
  EXPECT_EQ(0u, point->Release()) << "the last reference frees the point";
  EXPECT_EQ(1, sink.References());
  EXPECT_EQ(1, late.References());
}

}  // namespace
