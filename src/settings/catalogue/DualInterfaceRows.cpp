// Rows of the dual-interface family: every value through a word-2 accessor.
#include <array>

#include "settings/catalogue/FamilyGroups.h"

namespace settings::families {

namespace {

using enum RowKind;

// clang-format off
constexpr std::array kListA = {
    Row(ROW_VOX_PHONE_DUAL),
    Row(ROW_SIDETONE_DUAL),
    Row(ROW_CONCURRENT_AUDIO_DUAL),
    Greyable(ROW_AUDIO_BLEND_SENSITIVITY_DUAL),
};
constexpr std::array kListB = {
    Row(ROW_VOX_PHONE_DUAL),
    Row(ROW_SIDETONE_DUAL),
    Row(ROW_MOTION_SENSITIVITY_DUAL),
    Row(ROW_CONCURRENT_AUDIO_DUAL),
    Greyable(ROW_AUDIO_BLEND_SENSITIVITY_DUAL),
    Greyable(ROW_NAVIGATION_APP_DUAL),
};
constexpr std::array kListC = {
    Row(ROW_CONCURRENT_AUDIO_DUAL),
    Greyable(ROW_AUDIO_BLEND_SENSITIVITY_DUAL),
    Greyable(ROW_NAVIGATION_APP_DUAL),
    Row(ROW_AUDIO_BOOST_DUAL),
    Row(ROW_MOTION_SENSITIVITY_DUAL),
    Row(ROW_VOX_PHONE_DUAL),
    Row(ROW_HD_INTERCOM_DUAL),
    Row(ROW_EIGHT_WAY_DUAL),
    Row(ROW_VOICE_PROMPT_DUAL),
    Row(ROW_SIDETONE_DUAL),
    Row(ROW_NOISE_CONTROL_DUAL),
};
constexpr std::array kListD = {
    Row(ROW_CONCURRENT_AUDIO_DUAL),
    Greyable(ROW_AUDIO_BLEND_SENSITIVITY_DUAL),
    Greyable(ROW_NAVIGATION_APP_DUAL),
    Row(ROW_AUDIO_BOOST_DUAL),
    Row(ROW_SMART_VOLUME_DUAL),
    Row(ROW_MOTION_SENSITIVITY_DUAL),
    Row(ROW_VOX_PHONE_DUAL),
    Row(ROW_HD_INTERCOM_DUAL),
    Row(ROW_EIGHT_WAY_DUAL),
    Row(ROW_VOICE_PROMPT_DUAL),
    Row(ROW_FM_STATION_GUIDE_DUAL),
    Row(ROW_SIDETONE_DUAL),
    Row(ROW_NOISE_CONTROL_DUAL),
};
// The same accessor as "Navigation App Support" above, under another label.
constexpr std::array kListE = {
    Row(ROW_CONCURRENT_AUDIO_DUAL),
    Greyable(ROW_AUDIO_BLEND_SENSITIVITY_DUAL),
    Greyable(ROW_AUDIO_BLEND_VOLUME_DUAL),
    Row(ROW_AUDIO_BOOST_DUAL),
    Row(ROW_SMART_VOLUME_DUAL),
    Row(ROW_VOX_PHONE_DUAL),
    Row(ROW_HD_INTERCOM_DUAL),
    Row(ROW_EIGHT_WAY_DUAL),
    Row(ROW_VOICE_PROMPT_DUAL),
    Row(ROW_FM_STATION_GUIDE_DUAL),
    Row(ROW_SIDETONE_DUAL),
    Row(ROW_NOISE_CONTROL_DUAL),
    Row(ROW_VOICE_COMMAND_DUAL),
};
// List E without "VOX Phone".
constexpr std::array kListF = {
    Row(ROW_CONCURRENT_AUDIO_DUAL),
    Greyable(ROW_AUDIO_BLEND_SENSITIVITY_DUAL),
    Greyable(ROW_AUDIO_BLEND_VOLUME_DUAL),
    Row(ROW_AUDIO_BOOST_DUAL),
    Row(ROW_SMART_VOLUME_DUAL),
    Row(ROW_HD_INTERCOM_DUAL),
    Row(ROW_EIGHT_WAY_DUAL),
    Row(ROW_VOICE_PROMPT_DUAL),
    Row(ROW_FM_STATION_GUIDE_DUAL),
    Row(ROW_SIDETONE_DUAL),
    Row(ROW_NOISE_CONTROL_DUAL),
    Row(ROW_VOICE_COMMAND_DUAL),
};

constexpr RowList kP7eBelow11{"P7E below 1.1", kListA};
constexpr RowList kP7eFrom11{"P7E from 1.1", kListB};
constexpr RowList kP7eFrom12{"P7E from 1.2", kListC};
constexpr RowList kP7eFrom15{"P7E from 1.5", kListD};
constexpr RowList kDualInterface{"dual-interface", kListE};
constexpr RowList kDualInterfaceNoVoxPhone{"dual-interface without VOX Phone", kListF};

constexpr std::array kP7eBands = {
    FirmwareBand{{0, 0}, &kP7eBelow11}, FirmwareBand{{1, 1}, &kP7eFrom11},
    FirmwareBand{{1, 2}, &kP7eFrom12}, FirmwareBand{{1, 5}, &kP7eFrom15}};
constexpr std::array kDualInterfaceBands = {FirmwareBand{{0, 0}, &kDualInterface}};
constexpr std::array kNoVoxPhoneBands = {FirmwareBand{{0, 0}, &kDualInterfaceNoVoxPhone}};

constexpr std::array kP7e = {0x4210};
constexpr std::array kOstrel = {0x4310, 0x4350, 0x4330};
constexpr std::array kDxvVantoro2 = {0x4510};
constexpr std::array kDxv2 = {0x4530};
constexpr std::array kVTak2 = {0x2030};
constexpr std::array kOstrelZuv = {0x4410, 0x4430};

constexpr RecordFamily kDual = RecordFamily::kDualInterface;
constexpr std::array kGroups = {
    ProductGroup{kP7e, kDual, kP7eBands},
    ProductGroup{kOstrel, kDual, kDualInterfaceBands},
    ProductGroup{kDxvVantoro2, kDual, kDualInterfaceBands},
    ProductGroup{kDxv2, kDual, kDualInterfaceBands},
    ProductGroup{kVTak2, kDual, kDualInterfaceBands},
    ProductGroup{kOstrelZuv, kDual, kNoVoxPhoneBands},
};

// clang-format on

}  // namespace

std::span<const ProductGroup> DualInterfaceGroups() { return kGroups; }

}  // namespace settings::families
