#pragma once
// A lock with one flag of its own: the arrow-pressed flag that the drop-down cells of the settings
// grid share with their re-check threads. Hold it only for one read or one write of the flag.
#include <mutex>

namespace controls {

class CButtonCritSect {
 public:
  void Lock() { mutex_.lock(); }
  void Unlock() { mutex_.unlock(); }
  // Read and written only while locked.
  bool m_bPressed = false;

 private:
  // Re-entrant for its owner, as the cells' handlers may lock it again on the same thread.
  std::recursive_mutex mutex_;
};

// The drop-down cells' lock.
CButtonCritSect& DropDownButtonLock();

}  // namespace controls
