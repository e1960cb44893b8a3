#pragma once
// The switch panel's controls by row, and what each radio pair and help button stands for.
#include <span>
#include <string>

#include "device/DeviceSettings.h"
#include "device/SwitchPanelLayouts.h"
#include "framework/Geometry.h"

namespace pages {

// The controls of one layout row: label, "?" and value controls, 0 where the row has fewer.
struct PanelRowControls {
  device::PanelRow row;
  int ids[5];
};
const PanelRowControls* ControlsOfRow(device::PanelRow row);

// Controls the page shows only through a row of the product's layout.
std::span<const int> PanelLabelIds();
std::span<const int> PanelActiveIds();

// An Enable/Disable pair and the setting it writes. `isOn` reads the record the way the pair
// shows it; `store` writes Enable (true) or Disable, with `dualInterface` for products that keep
// the setting in word 2.
struct SwitchPair {
  int enableId;
  int disableId;
  bool (*isOn)(const device::CDeviceSettings&);
  void (*store)(device::CDeviceSettings&, bool enable, bool dualInterface);
};
std::span<const SwitchPair> SwitchPairs();
const SwitchPair* FindSwitchPair(int radioId);
// The pair of a layout row, or nullptr for a row without one.
const SwitchPair* SwitchPairOfRow(device::PanelRow row);

// What the help box of a "?" button shows and how large it is.
enum class HelpArguments {
  None,
  ModelName,
  ModelNameTwice,
  NoiseControlName,
  AudioBoostName,
  ConcurrentAudioAndFmRadio,
  ConcurrentAudio,
  ConcurrentAudioTwice,
};
struct HelpButton {
  int id;
  std::string (*text)(int language);
  HelpArguments arguments;
  fw::Size size;
  fw::Size japaneseSize;  // {0, 0}: the same as `size`
  bool mailButton;        // "SEND Email" beside OK
};
std::span<const HelpButton> HelpButtons();
const HelpButton* FindHelpButton(int id);

}  // namespace pages
