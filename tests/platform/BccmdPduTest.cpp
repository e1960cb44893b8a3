#include <gtest/gtest.h>

#include "platform/dfu/BccmdPdu.h"

namespace {

using namespace dfu::bccmd;

TEST(BccmdPdu, CommandIsAnHciVendorCommandOnChannelTwo) {
  const uint16_t payload[] = {0x02A3, 1, 0x0000, 0};
  const auto command = BuildCommand(kGetRequest, 0x1234, kVarPersistentStore, payload);
  const std::vector<uint8_t> expected = {
      0x00, 0xFC, 19, 0xC2,        // opcode 0xFC00, 9 words * 2 + 1, channel byte
      0x00, 0x00, 0x09, 0x00,      // GETREQ, 9 words
      0x34, 0x12, 0x03, 0x70,      // sequence, variable 0x7003
      0x00, 0x00,                  // status
      0xA3, 0x02, 0x01, 0x00,      // key, length in words
      0x00, 0x00, 0x00, 0x00,      // stores, data
  };
  EXPECT_EQ(command, expected);
}

TEST(BccmdPdu, ShortCommandsArePaddedAndLongOnesRefused) {
  const uint16_t two[] = {0x0001, 0};
  EXPECT_EQ(BuildCommand(kGetRequest, 1, kVarPsSize, two).size(), 4u + 9 * 2);
  const std::vector<uint16_t> fits(kMaxPduWords - kHeaderWords, 0);
  EXPECT_EQ(BuildCommand(kSetRequest, 1, kVarPersistentStore, fits).size(), 4u + kMaxPduWords * 2);
  const std::vector<uint16_t> tooLong(kMaxPduWords - kHeaderWords + 1, 0);
  EXPECT_TRUE(BuildCommand(kSetRequest, 1, kVarPersistentStore, tooLong).empty());
}

std::vector<uint8_t> Event(uint16_t type, uint16_t words, uint16_t sequence, uint16_t status,
                           std::vector<uint16_t> payload, size_t pduWords = 0) {
  std::vector<uint16_t> pdu = {type, words, sequence, kVarPersistentStore, status};
  pdu.insert(pdu.end(), payload.begin(), payload.end());
  if (pduWords) pdu.resize(pduWords, 0);
  std::vector<uint8_t> event = {kVendorEvent, static_cast<uint8_t>(1 + pdu.size() * 2), kChannelBccmd};
  for (uint16_t w : pdu) {
    event.push_back(static_cast<uint8_t>(w));
    event.push_back(static_cast<uint8_t>(w >> 8));
  }
  return event;
}

TEST(BccmdPdu, RepliesAreCheckedBeforeTheyAreRead) {
  const auto good = Event(kGetResponse, 9, 7, 0, {0x02A3, 1, 0, 0x4D21});
  struct Case {
    const char* name;
    std::vector<uint8_t> event;
    ReplyCheck expected;
  };
  auto wrongCode = good;
  wrongCode[0] = 0x0E;
  auto wrongChannel = good;
  wrongChannel[2] = 0xC3;
  auto cut = good;
  cut.pop_back();
  const Case cases[] = {
      {"ours", good, ReplyCheck::kOurs},
      {"another event", wrongCode, ReplyCheck::kNotOurs},
      {"another channel", wrongChannel, ReplyCheck::kNotOurs},
      {"another sequence", Event(kGetResponse, 9, 8, 0, {0x02A3, 1, 0, 0}), ReplyCheck::kNotOurs},
      {"a request", Event(kGetRequest, 9, 7, 0, {0x02A3, 1, 0, 0}), ReplyCheck::kNotOurs},
      {"shorter than announced", cut, ReplyCheck::kMalformed},
      {"length word past the PDU", Event(kGetResponse, 10, 7, 0, {0x02A3, 1, 0, 0}), ReplyCheck::kMalformed},
      {"length word below the header", Event(kGetResponse, 4, 7, 0, {0x02A3, 1, 0, 0}), ReplyCheck::kMalformed},
      {"PDU shorter than a header", {kVendorEvent, 5, kChannelBccmd, 1, 0, 9, 0}, ReplyCheck::kMalformed},
      {"three bytes", {kVendorEvent, 0, kChannelBccmd}, ReplyCheck::kMalformed},
  };
  for (const auto& c : cases) {
    Reply reply;
    EXPECT_EQ(ParseReply(c.event, 7, reply), c.expected) << c.name;
  }

  Reply reply;
  ASSERT_EQ(ParseReply(Event(kGetResponse, 9, 7, kStatusNoAccess, {0x02A3, 1, 0, 0x4D21}), 7, reply),
            ReplyCheck::kOurs);
  EXPECT_EQ(reply.variable, kVarPersistentStore);
  EXPECT_EQ(reply.status, kStatusNoAccess);
  EXPECT_EQ(reply.payload, (std::vector<uint16_t>{0x02A3, 1, 0, 0x4D21}));
}

}  // namespace
