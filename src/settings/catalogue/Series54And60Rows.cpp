// Rows of the PWX and VUN-38 models (0x5410 .. 0x5420) and of the WQ9 / H472 / H283 helmet line
// (0x6010 .. 0x6026): feature-word members, and on WQ9 and H472NT the ESS bits of word 2.
#include <array>

#include "settings/catalogue/FamilyGroups.h"

namespace settings::families {

namespace {

using enum RowKind;

// clang-format off
constexpr std::array kListA = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_AUDIO_BLEND_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_SIDETONE_FLAG),
};
constexpr std::array kListB = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_AUDIO_BLEND_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_SIDETONE_FLAG),
};
constexpr std::array kListC = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_AUDIO_BLEND_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Greyable(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListD = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_AUDIO_BLEND_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListE = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_AUDIO_BLEND_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Greyable(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
// No audio blend row on VUN-38 below 1.1, and nothing greys.
constexpr std::array kListF = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListG = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
    Row(ROW_ESS_STATUS),
    Row(ROW_ESS_SENSITIVITY),
};
constexpr auto kListH = Join(std::array{Row(ROW_SMART_NAVI_FLAG)}, kListG);
// The H472 models without ESS: the lists above less their two ESS rows.
constexpr auto kListJ = Head<9>(kListG);
constexpr auto kListK = Head<10>(kListH);
constexpr std::array kListL = {
    Row(ROW_SMART_NAVI_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};

constexpr RowList kPwx3Below11{"PWX3 below 1.1", kListA};
constexpr RowList kPwx3From11{"PWX3 from 1.1", kListB};
constexpr RowList kPwx3From20{"PWX3 from 2.0", kListC};
constexpr RowList kPwx5Below11{"PWX5/PWX6 below 1.1", kListD};
constexpr RowList kPwx5From11{"PWX5/PWX6 from 1.1", kListE};
constexpr RowList kVun38Below11{"VUN-38 below 1.1", kListF};
constexpr RowList kWq9Below12{"WQ9/H472NT below 1.2", kListG};
constexpr RowList kWq9From12{"WQ9/H472NT from 1.2", kListH};
constexpr RowList kH472Below12{"H472 below 1.2", kListJ};
constexpr RowList kH472From12{"H472 from 1.2", kListK};
constexpr RowList kH283{"H283", kListL};

constexpr std::array kPwx3Bands = {FirmwareBand{{0, 0}, &kPwx3Below11},
                                   FirmwareBand{{1, 1}, &kPwx3From11},
                                   FirmwareBand{{2, 0}, &kPwx3From20}};
constexpr std::array kPwx5Bands = {FirmwareBand{{0, 0}, &kPwx5Below11},
                                   FirmwareBand{{1, 1}, &kPwx5From11}};
constexpr std::array kPwxtBands = {FirmwareBand{{0, 0}, &kPwx5From11}};
constexpr std::array kVun38Bands = {FirmwareBand{{0, 0}, &kVun38Below11},
                                    FirmwareBand{{1, 1}, &kPwx5Below11}};
constexpr std::array kWq9Bands = {FirmwareBand{{0, 0}, &kWq9Below12},
                                  FirmwareBand{{1, 2}, &kWq9From12}};
constexpr std::array kH472Bands = {FirmwareBand{{0, 0}, &kH472Below12},
                                   FirmwareBand{{1, 2}, &kH472From12}};
constexpr std::array kH472yBands = {FirmwareBand{{0, 0}, &kH472From12}};
constexpr std::array kH472fBands = {FirmwareBand{{0, 0}, &kH472Below12},
                                    FirmwareBand{{1, 1}, &kH472From12}};
constexpr std::array kH283Bands = {FirmwareBand{{0, 0}, &kH283}};

constexpr std::array kPwx3 = {0x5410};
constexpr std::array kPwx5 = {0x5412, 0x5414};
constexpr std::array kOkzTuq = {0x5420};
constexpr std::array kPwxt = {0x5418};
constexpr std::array kVun38 = {0x5416};
constexpr std::array kWq9 = {0x6010, 0x6012};
constexpr std::array kH472 = {0x6014, 0x6016};
constexpr std::array kH472y = {0x6026};
constexpr std::array kH472f = {0x6018};
constexpr std::array kH283Ids = {0x6020, 0x6022, 0x6024};

constexpr RecordFamily kFeature = RecordFamily::kFeatureWord;
constexpr std::array kGroups = {
    ProductGroup{kPwx3, kFeature, kPwx3Bands},   ProductGroup{kPwx5, kFeature, kPwx5Bands},
    ProductGroup{kOkzTuq, kFeature, kPwxtBands}, ProductGroup{kPwxt, kFeature, kPwxtBands},
    ProductGroup{kVun38, kFeature, kVun38Bands}, ProductGroup{kWq9, kFeature, kWq9Bands},
    ProductGroup{kH472, kFeature, kH472Bands},   ProductGroup{kH472y, kFeature, kH472yBands},
    ProductGroup{kH472f, kFeature, kH472fBands}, ProductGroup{kH283Ids, kFeature, kH283Bands},
};

// clang-format on

}  // namespace

std::span<const ProductGroup> Series54And60Groups() { return kGroups; }

}  // namespace settings::families
