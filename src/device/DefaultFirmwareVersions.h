#pragma once
// The firmware version a BlueCore model is taken to have when its version key holds none, as
// major * 10 + minor; and the models whose early firmware keeps the version in a key of its own.
namespace device {

// 0 for a model without a known first release.
int DefaultFirmwareVersion(int model);
using DefaultVersionLookup = int (*)(int model);
// The same, as the speed-dial page's save takes it: there a first-series model counts as its
// first release.
int SpeedDialSaveDefaultFirmwareVersion(int model);

// For the models with a legacy version key: the version assumed when neither key can be read;
// nullptr for every other model.
struct LegacyVersionModel {
  int model;
  int fallback;
};
const LegacyVersionModel* FindLegacyVersionModel(int model);

}  // namespace device
