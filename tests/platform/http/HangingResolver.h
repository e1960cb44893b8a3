#pragma once
// Name look-ups in this test program of any host under kHangingDomain hang until Release() (or,
// so that a fault shows as a failure rather than a stuck run, for a minute); every other look-up
// is the system's. The program exports its getaddrinfo, so a library opened at run time calls it.

namespace testing_platform {

inline constexpr const char* kHangingDomain = ".hangs.invalid";

class HangingResolver {
 public:
  // Look-ups from now on hang.
  static void Hold();
  // Hanging look-ups fail now, and later ones at once; returns once none hangs.
  static void Release();
  // Look-ups of a hanging host begun since Hold(), and those of them still hanging.
  static int Started();
  static int Hanging();
};

}  // namespace testing_platform
