#pragma once
// How the firmware pages write and compare a product's firmware version where products differ.
namespace device {

class CDeviceSettings;

// Four numbers A.B.C.D kept as type, sub, major, minor, compared type first.
bool UsesFourPartVersion(int productId);
// A third number of 0 is still written (".0").
bool ShowsZeroThirdNumber(int productId);
// A server sub-number above 0 is newer than a device on the same release (their lists give the
// third number of a release that the device does not report).
bool OffersServerThirdNumber(int productId);

// The server's version (major, minor, type, sub) is newer than the firmware of `device`, a
// product `target`. A release candidate is offered the release of its own version.
bool IsServerVersionNewer(const CDeviceSettings& device, int target, int major, int minor, int type, int sub);

}  // namespace device
