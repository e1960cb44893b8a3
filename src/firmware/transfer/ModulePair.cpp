#include "firmware/transfer/ModulePair.h"


#include "io/HidInterfaceLookup.h"
#include "io/HidReports.h"

namespace firmware {

bool ModulePair::Open() { return io::OpenHidPair(m_interfaces[0], m_interfaces[1], 2); }

bool ModulePair::OpenOrDfu() { return io::OpenHidPairOrDfu(m_interfaces[0], m_interfaces[1], 2); }

void ModulePair::Close() {
  m_interfaces[0].reset();
  m_interfaces[1].reset();
}

bool ModulePair::Send(int interfaceIndex, uint8_t command) {
  if (interfaceIndex < 0 || interfaceIndex > 1) return false;
  io::HidReplyReport reply;
  return io::HidTransact(m_interfaces[interfaceIndex].get(), io::MakeHidCommand(command), reply, m_limits);
}

bool ModulePair::QueryRoles() {
  m_a = m_b = -1;
  std::array<bool, 2> isB{};
  for (int i = 0; i < 2; ++i) {
    io::HidReplyReport reply;
    // A refused or unanswered query says nothing about the module, whatever its buffer holds.
    if (!io::HidTransact(m_interfaces[i].get(), io::MakeHidCommand(io::HID_CMD_GET_ROLE), reply, m_limits))
      return false;
    isB[i] = reply.bytes[io::HID_REPLY_DATA] != 0;
  }
  if (isB[0] == isB[1]) return false;
  m_a = isB[0] ? 1 : 0;
  m_b = 1 - m_a;
  return true;
}

}  // namespace firmware
