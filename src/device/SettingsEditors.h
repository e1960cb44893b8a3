#pragma once
// Which editor the device settings page shows for a product, and the product family whose basic
// settings live in bit fields of configuration word 2.
namespace device {

enum class SettingsEditor {
  SwitchPanel,  // one Enable/Disable row per persistent-store setting
  Grid,         // the settings grid with its per-model rows
  None,         // only DEFAULT and CANCEL
};

SettingsEditor SettingsEditorFor(int productId);

// The dual-interface family: VOX Phone and Side Tone are bits of word 2 there.
bool IsDualInterfaceFamily(int productId);

}  // namespace device
