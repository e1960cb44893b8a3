// The firmware job record: variants, versions, resets and the message hand-over between threads.
#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "firmware/update/FirmwareJob.h"

namespace {

using firmware::CFirmwareJob;

TEST(FirmwareJobTest, StartsWithEveryFieldSet) {
  const CFirmwareJob job;
  EXPECT_EQ(job.m_nState, firmware::JOB_IDLE);
  EXPECT_EQ(job.m_nError, firmware::JOB_ERROR_NONE);
  EXPECT_EQ(job.m_nPercent, -10);
  EXPECT_FALSE(job.m_bFinished);
  EXPECT_FALSE(job.m_bApplying);
  EXPECT_TRUE(job.m_bFound);
  for (const auto& tick : job.m_anTicks) EXPECT_EQ(tick, 0);
  EXPECT_TRUE(job.HasNoVersion());
  EXPECT_EQ(job.m_nCapacity, 20);
  EXPECT_EQ(job.m_nCount, 0);
}

TEST(FirmwareJobTest, TheTwentyFirstVariantGrowsTheArraysAndKeepsTheFirstTwenty) {
  CFirmwareJob job;
  for (int i = 0; i < 21; ++i) job.AddVariant("f" + std::to_string(i), "L" + std::to_string(i));
  EXPECT_EQ(job.m_nCapacity, 40);
  EXPECT_EQ(job.m_nCount, 21);
  ASSERT_EQ(job.m_astrFileNames.size(), 40u);
  ASSERT_EQ(job.m_astrLanguages.size(), 40u);
  for (int i = 0; i < 21; ++i) {
    EXPECT_EQ(job.m_astrFileNames[static_cast<size_t>(i)], "f" + std::to_string(i));
    EXPECT_EQ(job.m_astrLanguages[static_cast<size_t>(i)], "L" + std::to_string(i));
  }
}

TEST(FirmwareJobTest, FindLanguageIgnoresCaseTakesTheFirstAndSeesOnlyTheCountedVariants) {
  CFirmwareJob job;
  job.AddVariant("a.img", "English");
  job.AddVariant("b.img", "French");
  job.AddVariant("c.img", "english");
  EXPECT_EQ(job.FindLanguage("ENGLISH"), 0);
  EXPECT_EQ(job.FindLanguage("french"), 1);
  EXPECT_EQ(job.FindLanguage("German"), -1);
  job.Reset(3);  // the count goes, the old strings stay behind it
  EXPECT_EQ(job.FindLanguage("English"), -1);
  EXPECT_EQ(job.m_nCapacity, 20);
}

TEST(FirmwareJobTest, ParsesTwoAndFourPartVersions) {
  CFirmwareJob job;
  EXPECT_TRUE(job.ParseVersion4("1.2.3.4"));
  EXPECT_EQ(job.m_nServerType, 1);
  EXPECT_EQ(job.m_nServerSub, 2);
  EXPECT_EQ(job.m_nServerMajor, 3);
  EXPECT_EQ(job.m_nServerMinor, 4);
  EXPECT_TRUE(job.ParseVersion("2.10"));
  EXPECT_EQ(job.m_nServerMajor, 2);
  EXPECT_EQ(job.m_nServerMinor, 10);
  EXPECT_EQ(job.m_nServerType, 1) << "a two-part version leaves type and sub";
  EXPECT_FALSE(job.ParseVersion("3"));
  EXPECT_EQ(job.m_nServerMajor, 0);
  EXPECT_EQ(job.m_nServerMinor, 0);
}

TEST(FirmwareJobTest, ResetForTheUpdatePageClearsTheVersionAndForTheRestorePageKeepsIt) {
  for (const int page : {3, 4}) {
    SCOPED_TRACE(page);
    CFirmwareJob job;
    job.ParseVersion4("1.2.3.4");
    job.m_strFileName = "x.img";
    job.m_strImagePath = "/tmp/x.img";
    job.m_bFound = false;
    job.m_nPercent = 55;
    job.m_bFinished = true;
    job.m_nError = firmware::JOB_ERROR_DEVICE;
    job.m_astrMessages.Set(text::LocalizedText{"waiting"});
    job.Reset(page);
    EXPECT_EQ(job.m_nState, page == 3 ? firmware::JOB_READY : firmware::JOB_IDLE);
    EXPECT_EQ(job.HasNoVersion(), page == 3);
    EXPECT_EQ(job.m_bFound, page == 4) << "only the restore page's reset sets it";
    EXPECT_EQ(job.m_strFileName, "");
    EXPECT_EQ(job.m_strImagePath, "/tmp/x.img");
    EXPECT_EQ(job.m_nPercent, -10);
    EXPECT_FALSE(job.m_bFinished);
    EXPECT_EQ(job.m_nError, firmware::JOB_ERROR_DEVICE);
    EXPECT_EQ(job.m_astrMessages.Take(), text::LocalizedText{});
  }
}

// A transfer thread fills all eleven slots at once while the progress timer takes them: the timer
// sees either nothing or one whole message, never slots of two different messages.
TEST(FirmwareJobTest, MessagesAreHandedOverWhole) {
  CFirmwareJob job;
  std::atomic<bool> done{false};
  std::thread writer([&] {
    for (int n = 0; n < 20000; ++n) {
      text::LocalizedText message;
      message.fill("message " + std::to_string(n) + std::string(static_cast<size_t>(n % 50), '.'));
      job.m_astrMessages.Set(message);
    }
    done = true;
  });
  int taken = 0;
  while (!done || taken == 0) {
    const text::LocalizedText slots = job.m_astrMessages.Take();
    if (slots[0].empty()) continue;
    ++taken;
    for (const std::string& slot : slots) ASSERT_EQ(slot, slots[0]);
  }
  writer.join();
  job.m_astrMessages.Take();
  EXPECT_EQ(job.m_astrMessages.Peek(), text::LocalizedText{}) << "Take empties every slot";
}

}  // namespace
