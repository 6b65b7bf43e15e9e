#include "gui/preview/preview_runner.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>
#include <QThread>
#include <atomic>
#include <memory>

#include "groupings/builtin_defaults.h"

namespace hueset::gui {
namespace {

PreviewInput inputOf(std::string text) {
  PreviewInput input;
  input.text = std::move(text);
  input.groupings = builtinDefault(BuiltinDefault::Colour);
  return input;
}

// Enough sequences that a run takes a while, so that a second request
// arrives while the first is still going.
std::string largeText() {
  std::string text;
  for (int s = 0; s < 300; ++s) {
    text += ">s" + std::to_string(s) + "\n";
    for (int c = 0; c < 3000; ++c) text += "ACDEFGHIKL"[(c * 7 + s) % 10];
    text += "\n";
  }
  return text;
}

const std::string kSmall = ">a\nLIVK\n>b\nLIVR\n";

std::shared_ptr<const PreviewOutcome> outcomeOf(const QSignalSpy& spy, int index) {
  return spy.at(index).at(0).value<std::shared_ptr<const PreviewOutcome>>();
}

TEST(PreviewRunner, DeliversOnTheGuiThread) {
  PreviewRunner runner([] { return inputOf(kSmall); });
  const QThread* deliveredOn = nullptr;
  QObject::connect(
      &runner, &PreviewRunner::outcomeReady, &runner,
      [&](std::shared_ptr<const PreviewOutcome>) { deliveredOn = QThread::currentThread(); });
  QSignalSpy ready(&runner, &PreviewRunner::outcomeReady);
  runner.updateNow();
  ASSERT_TRUE(ready.wait(10000));
  EXPECT_EQ(deliveredOn, QThread::currentThread());
  ASSERT_TRUE(outcomeOf(ready, 0)->document);
  EXPECT_EQ(outcomeOf(ready, 0)->document->names[0], (std::vector<std::string>{">a", ">b"}));
  EXPECT_FALSE(runner.isRunning());
}

TEST(PreviewRunner, ANewerRequestOvertakesAnOlderOne) {
  int requests = 0;
  PreviewRunner runner([&] { return inputOf(++requests == 1 ? largeText() : kSmall); });
  QSignalSpy ready(&runner, &PreviewRunner::outcomeReady);
  QSignalSpy running(&runner, &PreviewRunner::runningChanged);
  runner.updateNow();
  runner.updateNow();
  ASSERT_TRUE(ready.wait(20000));
  QTRY_VERIFY_WITH_TIMEOUT(!runner.isRunning(), 20000);
  QTest::qWait(50);  // room for a stray delivery of the first run
  ASSERT_EQ(ready.count(), 1);
  EXPECT_EQ(outcomeOf(ready, 0)->document->names[0].size(), 2u);
  // Running from the first request to the end of the last, once.
  ASSERT_EQ(running.count(), 2);
  EXPECT_TRUE(running.at(0).at(0).toBool());
  EXPECT_FALSE(running.at(1).at(0).toBool());
}

TEST(PreviewRunner, TypingWaitsForAPause) {
  int requests = 0;
  PreviewRunner runner([&] {
    ++requests;
    return inputOf(kSmall);
  });
  runner.setPause(std::chrono::milliseconds(100));
  QSignalSpy ready(&runner, &PreviewRunner::outcomeReady);
  for (int key = 0; key < 5; ++key) {
    runner.scheduleUpdate();
    QTest::qWait(20);
  }
  EXPECT_EQ(requests, 0) << "no run while the keys keep coming";
  ASSERT_TRUE(ready.wait(10000));
  EXPECT_EQ(requests, 1);
}

TEST(PreviewRunner, GoingAwayStopsItsRuns) {
  auto runner = std::make_unique<PreviewRunner>([] { return inputOf(largeText()); });
  runner->updateNow();
  runner.reset();  // must neither hang nor deliver to a dead object
  QTest::qWait(20);
  SUCCEED();
}

}  // namespace
}  // namespace hueset::gui
