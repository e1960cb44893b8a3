#pragma once
// The settings grid's editing rules without a window: a click on a value cell or a choice in a
// drop-down's list changes the edited record, and the result tells the grid which value cells
// to grey, un-grey or show anew.
#include <vector>

#include "device/DeviceSettings.h"
#include "settings/catalogue/Catalogue.h"

namespace settings::rules {

struct CellGrey {
  int row;
  bool disabled;
};

struct CellCheck {
  int row;
  bool disableShown;
};

struct CheckClickResult {
  bool changed = false;           // something was stored; the page texts and controls follow
  std::vector<CellCheck> checks;  // value cells that must show a new state, in order
  std::vector<CellGrey> greys;    // value cells greyed or un-greyed, in order
  bool repaintAll = false;        // the whole grid is painted again
};

// A click on the value cell of `row`, which now shows "Disable" when `disableShown`. Stores the
// shown state (also for a greyed cell, which does not flip), then keeps the rows that follow the
// setting and the camera's recording sources in step. Nothing for a drop-down row or a row
// outside the list.
CheckClickResult ApplyCheckClick(const RowList& list, int row, bool disableShown,
                                 device::CDeviceSettings& edited);

// A drop-down of `row` now selecting `index`; true when something was stored. An index outside
// the options (a list closed with nothing selected) stores nothing.
bool ApplyOptionChoice(const RowList& list, int row, int index, device::CDeviceSettings& edited);

}  // namespace settings::rules
