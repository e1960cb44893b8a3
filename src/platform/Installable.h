#pragma once
// One process-wide implementation per outside thing: the real one on Linux by default, another one
// (simulated, recording or scripted) installed by the demo build or by a test for its own scope.
#include <atomic>

namespace platform {

template <typename Interface>
class Installable {
 public:
  virtual ~Installable() = default;

  // The installed implementation, or Interface::Real() when none is installed.
  static Interface& Get() {
    Interface* installed = Slot().load(std::memory_order_acquire);
    return installed ? *installed : Interface::Real();
  }

  // Installs `impl` for the rest of the process (nullptr returns to the real one).
  static void Install(Interface* impl) { Slot().store(impl, std::memory_order_release); }

  // Installs an implementation for the lifetime of this object, then restores the previous one.
  class Scoped {
   public:
    explicit Scoped(Interface& impl) : previous_(Slot().exchange(&impl)) {}
    ~Scoped() { Slot().store(previous_); }
    Scoped(const Scoped&) = delete;
    Scoped& operator=(const Scoped&) = delete;

   private:
    Interface* previous_;
  };

 private:
  static std::atomic<Interface*>& Slot() {
    static std::atomic<Interface*> slot{nullptr};
    return slot;
  }
};

}  // namespace platform
