#pragma once
// A HID headset interface for recognition tests: a version, an address and parameters it keeps
// (writes set them, reads return them); what it does not hold it refuses. Every request is
// logged as command and argument so a test can check the order on the wire.
#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "SimHidBus.h"
#include "io/HidReports.h"

namespace recogtest {

struct SimHidHeadset {
  std::array<uint8_t, 5> version{1, 0, 0, 0, 0};
  std::array<uint8_t, 6> address{};
  bool answersVersion = true;
  bool answersAddress = true;
  std::vector<uint8_t> refusedWrites;   // parameters whose write it refuses
  std::vector<uint8_t> refusedCommits;  // parameters whose commit it refuses
  std::map<uint8_t, std::vector<uint16_t>> params;
  std::vector<std::pair<uint8_t, uint8_t>> log;  // command, argument byte

  static std::vector<uint16_t> Text(const std::string& s) {
    std::vector<uint16_t> words{0};
    for (char c : s) words.push_back(static_cast<uint8_t>(c));
    return words;
  }

  std::vector<uint8_t> Answer(const std::vector<uint8_t>& request) {
    log.emplace_back(request[1], request[2]);
    std::vector<uint8_t> data;
    bool ok = true;
    switch (request[1]) {
      case io::HID_CMD_READ_VERSION:
        ok = answersVersion;
        data.assign(version.begin(), version.end());
        break;
      case io::HID_CMD_READ_ADDRESS:
        ok = answersAddress;
        data.assign(address.begin(), address.end());
        break;
      case io::HID_CMD_READ_PARAM: {
        auto it = params.find(request[2]);
        ok = it != params.end();
        if (ok) {
          data = {0, static_cast<uint8_t>(it->second.size())};
          for (uint16_t w : it->second) {
            data.push_back(static_cast<uint8_t>(w >> 8));
            data.push_back(static_cast<uint8_t>(w & 0xFF));
          }
        }
        break;
      }
      case io::HID_CMD_WRITE_PARAM: {
        std::vector<uint16_t> words(request[3]);
        for (size_t i = 0; i < words.size(); ++i)
          words[i] = static_cast<uint16_t>(request[4 + 2 * i] << 8 | request[5 + 2 * i]);
        ok = std::find(refusedWrites.begin(), refusedWrites.end(), request[2]) == refusedWrites.end();
        if (ok) params[request[2]] = words;
        break;
      }
      case io::HID_CMD_COMMIT_PARAM:
        ok = std::find(refusedCommits.begin(), refusedCommits.end(), request[2]) == refusedCommits.end();
        break;
      default: break;
    }
    std::vector<uint8_t> reply(io::HID_REPORT_IN_SIZE, 0);
    reply[0] = io::HID_REPORT_ID;
    reply[io::HID_REPLY_STATUS] = ok ? io::HID_STATUS_OK : 2;
    for (size_t i = 0; i < data.size() && io::HID_REPLY_DATA + i < reply.size(); ++i)
      reply[io::HID_REPLY_DATA + i] = data[i];
    return reply;
  }

  // Puts the interface on the bus; the headset must outlive the bus's use of it.
  std::string AttachTo(sim::SimHidBus& bus, uint16_t productId) {
    return bus.Add(io::HID_VENDOR_ID, productId, 0xFF00, 1,
                   [this](const std::vector<uint8_t>& request) { return Answer(request); });
  }

  int Count(uint8_t command, uint8_t argument) const {
    int n = 0;
    for (const auto& entry : log) n += entry == std::make_pair(command, argument);
    return n;
  }
};

}  // namespace recogtest
