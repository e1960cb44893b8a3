#include <gtest/gtest.h>

#include <deque>
#include <vector>

#include "SimHidBus.h"
#include "io/HidChannel.h"
#include "io/HidReports.h"
#include "platform/Clock.h"

namespace {

using Bytes = std::vector<uint8_t>;

Bytes Reply(uint8_t status, Bytes data = {}) {
  Bytes reply(io::HID_REPORT_IN_SIZE, 0);
  reply[0] = io::HID_REPORT_ID;
  reply[io::HID_REPLY_STATUS] = status;
  for (size_t i = 0; i < data.size() && io::HID_REPLY_DATA + i < reply.size(); ++i)
    reply[io::HID_REPLY_DATA + i] = data[i];
  return reply;
}

// A device that answers each waiting read from a script: a report, or a bare read result (0
// time-out, -1 error) when the entry is empty. A look without waiting sees only `stale`.
class ScriptedHidDevice : public platform::HidDevice {
 public:
  struct Answer {
    Bytes report;
    int result = 0;  // used when `report` is empty
  };
  std::deque<Answer> answers;
  std::deque<Bytes> stale;
  std::vector<Bytes> written;
  std::vector<int> readTimeouts;
  int writeResult = -2;  // -2: the full length
  uint32_t msPerRead = 0;
  platform::ManualClock* clock = nullptr;

  int Write(const uint8_t* report, size_t length) override {
    written.emplace_back(report, report + length);
    return writeResult == -2 ? static_cast<int>(length) : writeResult;
  }
  int Read(uint8_t* buffer, size_t length, int timeoutMs) override {
    if (timeoutMs == 0) {
      if (stale.empty()) return 0;
      const Bytes report = stale.front();
      stale.pop_front();
      std::copy_n(report.begin(), std::min(length, report.size()), buffer);
      return static_cast<int>(std::min(length, report.size()));
    }
    readTimeouts.push_back(timeoutMs);
    if (clock) clock->Advance(msPerRead);
    if (answers.empty()) return 0;
    Answer answer = answers.front();
    answers.pop_front();
    if (answer.report.empty()) return answer.result;
    const size_t n = std::min(length, answer.report.size());
    std::copy_n(answer.report.begin(), n, buffer);
    return static_cast<int>(n);
  }
};

class HidChannelTest : public ::testing::Test {
 protected:
  platform::ManualClock clock;
  platform::Clock::Scoped useClock{clock};
  ScriptedHidDevice device;
};

TEST(HidReportsTest, CommandLayouts) {
  const io::HidCommandReport version = io::MakeHidCommand(io::HID_CMD_READ_VERSION);
  EXPECT_EQ(version.bytes.size(), 1023u);
  EXPECT_EQ(version.bytes[0], 1);
  EXPECT_EQ(version.bytes[1], 0x01);
  EXPECT_TRUE(std::all_of(version.bytes.begin() + 2, version.bytes.end(), [](uint8_t b) { return b == 0; }));

  const io::HidCommandReport read = io::MakeParamRead(io::HID_PARAM_HW_VARIANT);
  EXPECT_EQ(Bytes(read.bytes.begin(), read.bytes.begin() + 4), (Bytes{1, 0x03, 0x05, 0}));

  const io::HidCommandReport crc = io::MakeCrcCommand(io::HID_CMD_CHUNK_CRC, 0x31C3);
  EXPECT_EQ(Bytes(crc.bytes.begin(), crc.bytes.begin() + 7), (Bytes{1, 0x5A, 0, 2, 0xC3, 0x31, 0}));

  const Bytes data(io::HID_SECTION_CHUNK_MAX, 0xAB);
  const auto section = io::MakeSectionData(data);
  ASSERT_TRUE(section);
  EXPECT_EQ(Bytes(section->bytes.begin(), section->bytes.begin() + 5), (Bytes{1, 0x06, 0x03, 0xFB, 0xAB}));
  EXPECT_EQ(section->bytes.back(), 0xAB);
  EXPECT_FALSE(io::MakeSectionData(Bytes(io::HID_SECTION_CHUNK_MAX + 1, 0)));
}

TEST(HidReportsTest, WriteBigEndianAndCommitLittleEndian) {
  std::vector<uint16_t> words;
  for (uint16_t i = 0; i < 10; ++i) words.push_back(static_cast<uint16_t>(0x1100 * (i + 1) + i));
  const auto write = io::MakeParamWrite(io::HID_PARAM_FEATURES, words);
  ASSERT_TRUE(write);
  const io::HidCommandReport commit = io::MakeParamCommit(*write);
  EXPECT_EQ(Bytes(write->bytes.begin(), write->bytes.begin() + 4), (Bytes{1, 0x04, 0x04, 10}));
  EXPECT_EQ(Bytes(commit.bytes.begin(), commit.bytes.begin() + 4), (Bytes{1, 0x11, 0x04, 10}));
  for (size_t i = 0; i < words.size(); ++i) {
    EXPECT_EQ(write->bytes[4 + 2 * i], words[i] >> 8) << i;
    EXPECT_EQ(write->bytes[5 + 2 * i], words[i] & 0xFF) << i;
    EXPECT_EQ(commit.bytes[4 + 2 * i], words[i] & 0xFF) << i;
    EXPECT_EQ(commit.bytes[5 + 2 * i], words[i] >> 8) << i;
  }
  EXPECT_EQ(write->bytes[24], 0);
  EXPECT_FALSE(io::MakeParamWrite(io::HID_PARAM_FM, std::vector<uint16_t>(256, 1))) << "count byte overflow";
}

TEST(HidReportsTest, SwapsStayInsideTheirReports) {
  Bytes buffer{1, 2, 3, 4, 5};
  io::SwapWords(buffer, 0);
  io::SwapWords(buffer, -3);
  EXPECT_EQ(buffer, (Bytes{1, 2, 3, 4, 5}));
  io::SwapWords(buffer, 9);  // the odd last byte and the words beyond are left alone
  EXPECT_EQ(buffer, (Bytes{2, 1, 4, 3, 5}));

  io::HidReplyReport reply;
  reply.bytes.fill(0x5A);
  reply.bytes[io::HID_REPLY_WORD_COUNT] = 255;  // far more than a reply holds
  reply.bytes[5] = 0x12;
  reply.bytes[6] = 0x34;
  io::SwapReplyWords(reply);
  EXPECT_EQ(reply.bytes[5], 0x34);
  EXPECT_EQ(reply.bytes[6], 0x12);
}

TEST(HidReportsTest, ParamWordsAreBoundedByWhatArrived) {
  io::HidReplyReport reply;
  reply.bytes[io::HID_REPLY_WORD_COUNT] = 2;
  reply.bytes[5] = 0x12;
  reply.bytes[6] = 0x34;
  reply.bytes[7] = 0x00;
  reply.bytes[8] = 0x0B;
  reply.length = io::HID_REPORT_IN_SIZE;
  EXPECT_EQ(io::ReadParamWords(reply), (std::vector<uint16_t>{0x1234, 0x000B}));

  struct Case {
    int count;
    size_t length;
    bool ok;
  };
  for (const Case c : {Case{31, 67, true}, Case{32, 67, false}, Case{255, 67, false}, Case{2, 9, true},
                       Case{2, 8, false}, Case{0, 5, true}, Case{0, 4, false}}) {
    reply.bytes[io::HID_REPLY_WORD_COUNT] = static_cast<uint8_t>(c.count);
    reply.length = c.length;
    const auto words = io::ReadParamWords(reply);
    EXPECT_EQ(words.has_value(), c.ok) << c.count << " words in " << c.length << " bytes";
    if (words) {
      EXPECT_EQ(words->size(), static_cast<size_t>(c.count));
    }
  }
}

TEST_F(HidChannelTest, BusyRepliesAreReadUntilTheAnswer) {
  for (int i = 0; i < 3; ++i) device.answers.push_back({Reply(io::HID_STATUS_BUSY)});
  device.answers.push_back({Reply(io::HID_STATUS_OK, {2, 7, 1, 4, 9})});
  io::HidReplyReport reply;
  EXPECT_TRUE(io::HidTransact(&device, io::MakeHidCommand(io::HID_CMD_READ_VERSION), reply));
  ASSERT_EQ(device.written.size(), 1u);
  EXPECT_EQ(device.written[0].size(), 1023u);
  EXPECT_EQ(device.written[0][1], io::HID_CMD_READ_VERSION);
  EXPECT_EQ(device.readTimeouts.size(), 4u);
  EXPECT_EQ(Bytes(reply.bytes.begin() + 3, reply.bytes.begin() + 8), (Bytes{2, 7, 1, 4, 9}));
}

TEST_F(HidChannelTest, FailedExchanges) {
  io::HidReplyReport reply;
  const io::HidCommandReport request = io::MakeHidCommand(io::HID_CMD_QUERY_READY);

  // The device refuses the command: the refusal is the reply, read once.
  device.answers = {{Reply(2, {0x44})}, {Reply(io::HID_STATUS_OK)}};
  EXPECT_FALSE(io::HidTransact(&device, request, reply));
  EXPECT_EQ(reply.Status(), 2);
  EXPECT_EQ(reply.bytes[3], 0x44);
  EXPECT_EQ(device.answers.size(), 1u);

  // No answer within the time-out; then a read error after a busy reply.
  device.answers.clear();
  EXPECT_FALSE(io::HidTransact(&device, request, reply));
  EXPECT_EQ(reply.Status(), io::HID_STATUS_PRESET);
  device.answers = {{Reply(io::HID_STATUS_BUSY)}, {{}, -1}};
  EXPECT_FALSE(io::HidTransact(&device, request, reply));
  EXPECT_EQ(reply.Status(), io::HID_STATUS_PRESET);

  // Too short to carry a status.
  device.answers = {{Bytes{1, 0}}};
  EXPECT_FALSE(io::HidTransact(&device, request, reply));
  EXPECT_EQ(reply.Status(), io::HID_STATUS_PRESET);

  // A write the device does not take whole: nothing is read.
  device.answers = {{Reply(io::HID_STATUS_OK)}};
  device.writeResult = 64;
  EXPECT_FALSE(io::HidTransact(&device, request, reply));
  EXPECT_EQ(device.answers.size(), 1u);

  // No handle at all.
  EXPECT_FALSE(io::HidTransact(nullptr, request, reply));
  EXPECT_EQ(reply.Status(), io::HID_STATUS_PRESET);
}

TEST_F(HidChannelTest, ForeverBusyEndsWithinItsBounds) {
  io::HidReplyReport reply;
  for (int i = 0; i < 50; ++i) device.answers.push_back({Reply(io::HID_STATUS_BUSY)});
  io::HidExchangeLimits limits;
  limits.maxBusyReplies = 10;
  EXPECT_FALSE(io::HidTransact(&device, io::MakeHidCommand(io::HID_CMD_FINISH_UPDATE), reply, limits));
  EXPECT_EQ(device.answers.size(), 50u - 11u);

  // Slow busy replies: the time budget ends it, and no read waits past the budget.
  device.clock = &clock;
  device.msPerRead = 400;
  device.readTimeouts.clear();
  limits = {};
  limits.busyBudgetMs = 1000;
  EXPECT_FALSE(io::HidTransact(&device, io::MakeHidCommand(io::HID_CMD_FINISH_UPDATE), reply, limits));
  EXPECT_LE(device.readTimeouts.size(), 5u);
  for (size_t i = 1; i < device.readTimeouts.size(); ++i) EXPECT_LE(device.readTimeouts[i], 1000);
}

TEST_F(HidChannelTest, StaleRepliesAreNotTakenForTheAnswer) {
  io::HidReplyReport reply;
  // An earlier exchange timed out and its replies came late.
  device.stale = {Reply(io::HID_STATUS_BUSY), Reply(io::HID_STATUS_OK, {0xEE})};
  device.answers = {{Reply(io::HID_STATUS_OK, {0x01})}};
  EXPECT_TRUE(io::HidTransact(&device, io::MakeHidCommand(io::HID_CMD_GET_ROLE), reply));
  EXPECT_EQ(reply.bytes[3], 0x01);
  EXPECT_TRUE(device.stale.empty());
}

TEST_F(HidChannelTest, SplitWriteAndAcknowledgement) {
  const auto chunk = io::MakeSectionData(Bytes(58, 0x11));
  ASSERT_TRUE(chunk);
  device.answers = {{Reply(io::HID_STATUS_BUSY)}, {Reply(io::HID_STATUS_OK)}};
  EXPECT_TRUE(io::WriteHidReport(&device, *chunk));
  EXPECT_TRUE(io::ReadHidReply(&device));
  EXPECT_FALSE(io::ReadHidReply(&device)) << "nothing more to acknowledge";
  EXPECT_FALSE(io::WriteHidReport(nullptr, *chunk));
  EXPECT_FALSE(io::ReadHidReply(nullptr));
}

// A device on the simulated bus that keeps one parameter: writes set it, reads return it.
TEST(HidChannelSimTest, ParameterRoundTripOnTheOpenedInterface) {
  sim::SimHidBus bus;
  platform::HidBus::Scoped useBus(bus);
  std::vector<uint16_t> stored{0x0102};
  auto handler = [&stored](const Bytes& request) {
    if (request.size() != io::HID_REPORT_OUT_SIZE || request[0] != io::HID_REPORT_ID) return Reply(3);
    if (request[1] == io::HID_CMD_WRITE_PARAM && request[2] == io::HID_PARAM_SMART_VOLUME) {
      stored.assign(request[3], 0);
      for (size_t i = 0; i < stored.size(); ++i)
        stored[i] = static_cast<uint16_t>(request[4 + 2 * i] << 8 | request[5 + 2 * i]);
      return Reply(io::HID_STATUS_OK);
    }
    if (request[1] == io::HID_CMD_READ_PARAM && request[2] == io::HID_PARAM_SMART_VOLUME) {
      Bytes data{0, static_cast<uint8_t>(stored.size())};
      for (uint16_t w : stored) {
        data.push_back(static_cast<uint8_t>(w >> 8));
        data.push_back(static_cast<uint8_t>(w & 0xFF));
      }
      return Reply(io::HID_STATUS_OK, data);
    }
    return Reply(2);
  };
  bus.Add(io::HID_VENDOR_ID, 0x4210, 0xFF00, 1, handler);

  std::unique_ptr<platform::HidDevice> device = io::OpenHidDevice(0x4210);
  ASSERT_TRUE(device);
  io::HidReplyReport reply;
  ASSERT_TRUE(io::HidTransact(device.get(), io::MakeParamRead(io::HID_PARAM_SMART_VOLUME), reply));
  EXPECT_EQ(io::ReadParamWords(reply), (std::vector<uint16_t>{0x0102}));

  const uint16_t level[] = {0x0A0B};
  ASSERT_TRUE(io::HidTransact(device.get(), *io::MakeParamWrite(io::HID_PARAM_SMART_VOLUME, level), reply));
  ASSERT_TRUE(io::HidTransact(device.get(), io::MakeParamRead(io::HID_PARAM_SMART_VOLUME), reply));
  EXPECT_EQ(io::ReadParamWords(reply), (std::vector<uint16_t>{0x0A0B}));
  io::SwapReplyWords(reply);
  EXPECT_EQ(reply.bytes[5] | reply.bytes[6] << 8, 0x0A0B) << "host order after the swap";

  EXPECT_FALSE(io::HidTransact(device.get(), io::MakeParamRead(io::HID_PARAM_CAMERA), reply));
}

TEST(HidLookupTest, VendorCollectionOfTheProduct) {
  sim::SimHidBus bus;
  platform::HidBus::Scoped useBus(bus);
  bus.Add(io::HID_VENDOR_ID, 0x4210, 0x000C, 1);  // consumer controls of the same device
  bus.Add(0x1234, 0x4210, 0xFF00, 1);             // another maker's
  bus.Add(io::HID_VENDOR_ID, 0x4210, 0xFF00, 2);
  const std::string first = bus.Add(io::HID_VENDOR_ID, 0x4210);
  const std::string second = bus.Add(io::HID_VENDOR_ID, 0x4210);
  EXPECT_EQ(io::FindHidInterface(0x4210), first);
  EXPECT_EQ(io::FindHidInterface(0x14210), first) << "only the low 16 bits count";
  EXPECT_EQ(io::FindHidInterface(0x4211), std::nullopt);
  EXPECT_EQ(io::OpenHidDevice(0x4211), nullptr);

  EXPECT_NE(io::OpenHidDevice(0x4210), nullptr);
  bus.SetOpenFails(first, true);
  EXPECT_NE(io::OpenHidDevice(0x4210), nullptr) << "the one held elsewhere is passed over";
  bus.SetOpenFails(second, true);
  EXPECT_EQ(io::OpenHidDevice(0x4210), nullptr);
}

}  // namespace
