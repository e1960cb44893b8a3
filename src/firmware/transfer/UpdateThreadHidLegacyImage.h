#pragma once
// The HID transfer of the older image layout. Two hardware variants of its product run only
// firmware from 1.7.5 on; the image's version for that test is read from its file name.
#include <array>
#include <optional>
#include <stop_token>
#include <string>

#include "firmware/transfer/HidTransferContext.h"

namespace firmware {

// The three version numbers in an image's file name ("P7E-v1.7.5-fr.img" gives 1, 7, 5); nullopt
// when the version text holds no '.', which is not tested.
std::optional<std::array<int, 3>> VersionInImageName(const std::string& path);

// The device's hardware variant cannot run the image named `path`.
bool VariantRefusesImage(int hardwareVariant, const std::string& path);

void UpdateThreadHidLegacyImage(const HidTransferContext& context, std::stop_token stop);

}  // namespace firmware
