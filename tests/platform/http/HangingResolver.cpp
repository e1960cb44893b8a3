#include "HangingResolver.h"

#include <dlfcn.h>
#include <netdb.h>

#include <chrono>
#include <condition_variable>
#include <mutex>
#include <string_view>

namespace testing_platform {

namespace {

std::mutex mutex;
std::condition_variable changed;
bool holding = false;
int releases = 0;  // a look-up hangs until the next release
int started = 0;
int hanging = 0;

int HangUntilReleased() {
  std::unique_lock lock(mutex);
  ++started;
  if (holding) {
    ++hanging;
    const int release = releases;
    changed.wait_for(lock, std::chrono::minutes(1), [release] { return releases != release; });
    --hanging;
    changed.notify_all();
  }
  return EAI_AGAIN;
}

}  // namespace

void HangingResolver::Hold() {
  std::lock_guard lock(mutex);
  holding = true;
  started = 0;
}

void HangingResolver::Release() {
  std::unique_lock lock(mutex);
  holding = false;
  ++releases;
  changed.notify_all();
  changed.wait(lock, [] { return hanging == 0; });
}

int HangingResolver::Started() {
  std::lock_guard lock(mutex);
  return started;
}

int HangingResolver::Hanging() {
  std::lock_guard lock(mutex);
  return hanging;
}

}  // namespace testing_platform

extern "C" int getaddrinfo(const char* node, const char* service, const addrinfo* hints,
                           addrinfo** result) noexcept {
  using System = int (*)(const char*, const char*, const addrinfo*, addrinfo**);
  static const auto system = reinterpret_cast<System>(dlsym(RTLD_NEXT, "getaddrinfo"));
  const std::string_view host = node ? node : "";
  const std::string_view domain = testing_platform::kHangingDomain;
  if (host.size() > domain.size() && host.ends_with(domain)) return testing_platform::HangUntilReleased();
  return system(node, service, hints, result);
}
