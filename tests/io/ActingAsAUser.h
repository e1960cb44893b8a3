#pragma once
// Root reads and writes every file whatever its mode. While this object lives the calling thread
// does as any other user does: it gives up the two capabilities that override file permissions.
#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace testing_io {

class ActingAsAUser {
 public:
  ActingAsAUser() {
    header_.version = _LINUX_CAPABILITY_VERSION_3;
    syscall(SYS_capget, &header_, saved_);
    __user_cap_data_struct lowered[2] = {saved_[0], saved_[1]};
    lowered[0].effective &= ~((1u << CAP_DAC_OVERRIDE) | (1u << CAP_DAC_READ_SEARCH));
    syscall(SYS_capset, &header_, lowered);
  }
  ~ActingAsAUser() { syscall(SYS_capset, &header_, saved_); }
  ActingAsAUser(const ActingAsAUser&) = delete;
  ActingAsAUser& operator=(const ActingAsAUser&) = delete;

 private:
  __user_cap_header_struct header_{};
  __user_cap_data_struct saved_[2]{};
};

}  // namespace testing_io
