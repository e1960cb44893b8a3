#pragma once
// The two Bluetooth modules of the two-module product, each behind a vendor HID interface of its
// own. Interfaces come in the order the system lists them, so which module is which is asked anew
// after every opening: module A answers the role query with 0, module B with anything else.
#include <array>
#include <cstdint>
#include <memory>

#include "io/HidChannel.h"
#include "platform/HidBus.h"

namespace firmware {

class ModulePair {
 public:
  explicit ModulePair(io::HidExchangeLimits limits = {}) : m_limits(limits) {}

  // One attempt to open both interfaces; the second also takes a module already in DFU mode.
  bool Open();
  bool OpenOrDfu();
  void Close();

  // A command to interface 0 or 1; true when the module accepted it.
  bool Send(int interfaceIndex, uint8_t command);
  // Asks both interfaces for their roles. True only when both answered and named different
  // roles; otherwise the roles are unknown and A() and B() are -1.
  bool QueryRoles();
  int A() const { return m_a; }
  int B() const { return m_b; }

 private:
  std::array<std::unique_ptr<platform::HidDevice>, 2> m_interfaces;
  io::HidExchangeLimits m_limits;
  int m_a = -1;
  int m_b = -1;
};

}  // namespace firmware
