#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <limits>
#include <vector>

#include "platform/host/headless/headless_host.h"

namespace {

using host::CHeadlessHost;
using host::Event;
using host::EventType;

Event Key(int vkey) {
  Event event;
  event.type = EventType::kKeyDown;
  event.vkey = vkey;
  return event;
}

TEST(HeadlessQueue, DeliversPushedEventsInOrder) {
  CHeadlessHost host;
  host.PushEvent(Key('A'));
  host.PushEvent(Key('B'));
  Event event;
  ASSERT_TRUE(host.PollEvent(&event));
  EXPECT_EQ(event.vkey, 'A');
  ASSERT_TRUE(host.WaitEvent(&event, -1));
  EXPECT_EQ(event.vkey, 'B');
  EXPECT_FALSE(host.PollEvent(&event));
  EXPECT_FALSE(host.PollEvent(nullptr));
}

TEST(HeadlessQueue, WaitWithNothingToComeEndsTheSession) {
  CHeadlessHost host;
  Event event;
  event.surface = 5;
  ASSERT_TRUE(host.WaitEvent(&event, -1));
  EXPECT_EQ(event.type, EventType::kQuit);
  EXPECT_EQ(event.surface, host::kNoSurface);
  ASSERT_TRUE(host.WaitEvent(&event, 500));
  EXPECT_EQ(event.type, EventType::kQuit);
  EXPECT_EQ(host.NowMs(), 0U);
}

TEST(HeadlessQueue, ZeroTimeoutIsAPoll) {
  CHeadlessHost host;
  Event event;
  EXPECT_FALSE(host.WaitEvent(&event, 0));
  host.PushEvent(Key('Z'));
  ASSERT_TRUE(host.WaitEvent(&event, 0));
  EXPECT_EQ(event.vkey, 'Z');
}

TEST(HeadlessSource, AskedOnlyWhenTheQueueIsEmpty) {
  CHeadlessHost host;
  std::vector<bool> asked;
  host.SetEventSource([&](Event* event, bool blocking) {
    asked.push_back(blocking);
    *event = Key('S');
    return true;
  });
  host.PushEvent(Key('Q'));
  Event event;
  ASSERT_TRUE(host.PollEvent(&event));
  EXPECT_EQ(event.vkey, 'Q');
  EXPECT_TRUE(asked.empty());
  ASSERT_TRUE(host.PollEvent(&event));
  EXPECT_EQ(event.vkey, 'S');
  ASSERT_TRUE(host.WaitEvent(&event, -1));
  EXPECT_EQ(event.vkey, 'S');
  EXPECT_EQ(asked, (std::vector<bool>{false, true}));
}

TEST(HeadlessSource, ExhaustedSourceEndsTheWait) {
  CHeadlessHost host;
  int left = 2;
  host.SetEventSource([&](Event* event, bool) {
    if (left == 0) return false;
    --left;
    *event = Key('1');
    return true;
  });
  Event event;
  ASSERT_TRUE(host.WaitEvent(&event, -1));
  EXPECT_EQ(event.type, EventType::kKeyDown);
  ASSERT_TRUE(host.WaitEvent(&event, -1));
  EXPECT_EQ(event.type, EventType::kKeyDown);
  ASSERT_TRUE(host.WaitEvent(&event, -1));
  EXPECT_EQ(event.type, EventType::kQuit);
  EXPECT_FALSE(host.PollEvent(&event));
}

// A script step may queue several events at once and report none itself.
TEST(HeadlessSource, MayPushInsteadOfAnswering) {
  CHeadlessHost host;
  host.SetEventSource([&host](Event*, bool) {
    host.PushEvent(Key('X'));
    host.PushEvent(Key('Y'));
    return false;
  });
  Event event;
  ASSERT_TRUE(host.PollEvent(&event));
  EXPECT_EQ(event.vkey, 'X');
  ASSERT_TRUE(host.PollEvent(&event));
  EXPECT_EQ(event.vkey, 'Y');
}

TEST(HeadlessSource, MayRemoveOrReplaceItselfWhileAsked) {
  CHeadlessHost host;
  int first_calls = 0;
  host.SetEventSource([&](Event* event, bool) {
    ++first_calls;
    host.SetEventSource([](Event* next, bool) {
      *next = Key('2');
      return true;
    });
    *event = Key('1');
    return true;
  });
  Event event;
  ASSERT_TRUE(host.PollEvent(&event));
  EXPECT_EQ(event.vkey, '1');
  ASSERT_TRUE(host.PollEvent(&event));
  EXPECT_EQ(event.vkey, '2');
  EXPECT_EQ(first_calls, 1);

  host.SetEventSource([&host](Event*, bool) {
    host.SetEventSource(nullptr);
    return false;
  });
  EXPECT_FALSE(host.PollEvent(&event));
  ASSERT_TRUE(host.WaitEvent(&event, -1));
  EXPECT_EQ(event.type, EventType::kQuit);
}

TEST(HeadlessSource, IsNotAskedAgainFromInsideItself) {
  CHeadlessHost host;
  int depth = 0;
  int deepest = 0;
  bool inner_got = true;
  host.SetEventSource([&](Event* event, bool) {
    ++depth;
    deepest = std::max(deepest, depth);
    Event inner;
    inner_got = host.PollEvent(&inner);
    --depth;
    *event = Key('R');
    return true;
  });
  Event event;
  ASSERT_TRUE(host.PollEvent(&event));
  EXPECT_EQ(deepest, 1);
  EXPECT_FALSE(inner_got);
}

TEST(HeadlessClock, MovesOnlyWhenAdvancedAndSaturates) {
  CHeadlessHost host;
  EXPECT_EQ(host.NowMs(), 0U);
  host.AdvanceClock(16);
  host.AdvanceClock(1);
  EXPECT_EQ(host.NowMs(), 17U);
  Event event;
  host.PollEvent(&event);
  host.WaitEvent(&event, 1000);
  EXPECT_EQ(host.NowMs(), 17U);
  host.AdvanceClock(std::numeric_limits<std::uint64_t>::max());
  host.AdvanceClock(5);
  EXPECT_EQ(host.NowMs(), std::numeric_limits<std::uint64_t>::max());
}

TEST(HeadlessFocus, RaiseGivesTheKeyboard) {
  CHeadlessHost host;
  const host::SurfaceId a = host.CreateSurface(4, 4, "");
  const host::SurfaceId b = host.CreateSurface(4, 4, "");
  EXPECT_EQ(host.Focused(), host::kNoSurface);
  host.Raise(b);
  EXPECT_EQ(host.Focused(), b);
  host.Raise(a);
  EXPECT_EQ(host.Focused(), a);
  host.DestroySurface(b);
  EXPECT_EQ(host.Focused(), a);
}

}  // namespace
