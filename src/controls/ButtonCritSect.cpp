#include "controls/ButtonCritSect.h"

namespace controls {

CButtonCritSect& DropDownButtonLock() {
  static CButtonCritSect lock;
  return lock;
}

}  // namespace controls
