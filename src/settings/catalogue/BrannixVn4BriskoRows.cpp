// Rows of Brannix, VN47G, VN4E, VN4T, Brisko, Brisko Lite, Jext! Ravlo YQ7 K4T, the QZ5 and TJ6
// models, D4Erod, VN4K, SKAVRO Quorvin, Tuveck Marvek and Ulvo Brane: feature-word members.
// "VOX Sensitivity" offers three grades here, five levels only on Ulvo Brane.
#include <array>

#include "settings/catalogue/FamilyGroups.h"

namespace settings::families {

namespace {

using enum RowKind;

// clang-format off
constexpr std::array kListA = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListB = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListC = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LMH),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListD = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListE = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LMH),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListF = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_CONCURRENT_AUDIO_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Greyable(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LMH),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
// VN4T from 2.0 shows no row for the audio blend member, yet rows 4 to 6 grey while it is set,
// as on VN4E. This is deliberate: the member keeps the value it had, and the rows follow it.
constexpr std::array kListG = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Greyable(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LMH),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListH = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListI = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListJ = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_CONCURRENT_AUDIO_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListK = {
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListL = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListM = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_CONCURRENT_AUDIO_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Greyable(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListN = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_CONCURRENT_AUDIO_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Greyable(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LMH),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListO = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_SMART_VOLUME_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_AUDIO_BLEND_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_SIDETONE_FLAG),
};

constexpr RowList kBrannixBelow12{"Brannix below 1.2", kListA};
constexpr RowList kBrannixFrom12{"Brannix from 1.2", kListB};
constexpr RowList kVn47gFrom11{"VN47G from 1.1", kListC};
constexpr RowList kVn4Below11{"VN4E/VN4T below 1.1", kListD};
constexpr RowList kVn4From11{"VN4E/VN4T from 1.1", kListE};
constexpr RowList kVn4eFrom20{"VN4E from 2.0", kListF};
constexpr RowList kVn4tFrom20{"VN4T from 2.0", kListG};
constexpr RowList kBriskoBelow11{"Brisko below 1.1", kListH};
constexpr RowList kBriskoFrom11{"Brisko from 1.1", kListI};
constexpr RowList kBriskoFrom20{"Brisko from 2.0", kListJ};
constexpr RowList kQz5Tj6{"QZ5/TJ6", kListK};
constexpr RowList kD4erodBelow20{"D4Erod below 2.0", kListL};
constexpr RowList kD4erodFrom20{"D4Erod from 2.0", kListM};
constexpr RowList kVn4k{"VN4K", kListN};
constexpr RowList kUlvoBrane{"Ulvo Brane", kListO};

constexpr std::array kBrannixBands = {FirmwareBand{{0, 0}, &kBrannixBelow12},
                                      FirmwareBand{{1, 2}, &kBrannixFrom12}};
constexpr std::array kVn47gBands = {FirmwareBand{{0, 0}, &kBrannixBelow12},
                                    FirmwareBand{{1, 1}, &kVn47gFrom11}};
constexpr std::array kVn4Bands = {FirmwareBand{{0, 0}, &kVn4Below11},
                                  FirmwareBand{{1, 1}, &kVn4From11},
                                  FirmwareBand{{2, 0}, &kVn4tFrom20, 0x5622, &kVn4eFrom20}};
constexpr std::array kBriskoBands = {FirmwareBand{{0, 0}, &kBriskoBelow11},
                                     FirmwareBand{{1, 1}, &kBriskoFrom11},
                                     FirmwareBand{{2, 0}, &kBriskoFrom20}};
constexpr std::array kBriskoLiteBands = {FirmwareBand{{0, 0}, &kBriskoFrom11}};
constexpr std::array kQz5Tj6Bands = {FirmwareBand{{0, 0}, &kQz5Tj6}};
constexpr std::array kD4erodBands = {FirmwareBand{{0, 0}, &kD4erodBelow20},
                                     FirmwareBand{{2, 0}, &kD4erodFrom20}};
constexpr std::array kVn4kBands = {FirmwareBand{{0, 0}, &kVn4k}};
constexpr std::array kQuorvinBands = {FirmwareBand{{0, 0}, &kBrannixBelow12},
                                      FirmwareBand{{1, 1}, &kBrannixFrom12}};
constexpr std::array kUlvoBraneBands = {FirmwareBand{{0, 0}, &kUlvoBrane}};

constexpr std::array kBrannix = {0x5710};
constexpr std::array kVn47g = {0x5623};
constexpr std::array kVn4 = {0x5622, 0x5624};
constexpr std::array kBrisko = {0x5524};
constexpr std::array kBriskoLite = {0x5536};
constexpr std::array kRavloYq7K4t = {0x5522};
constexpr std::array kQz5 = {0x3030};
constexpr std::array kTj6 = {0x3050};
constexpr std::array kTj6Pro = {0x3060};
constexpr std::array kQz5Pro = {0x3040};
constexpr std::array kD4erod = {0x6210};
constexpr std::array kVn4kIds = {0x6400};
constexpr std::array kQuorvin = {0x5910, 0x5920};
constexpr std::array kUlvoBraneIds = {0x5560};

constexpr RecordFamily kFeature = RecordFamily::kFeatureWord;
constexpr std::array kGroups = {
    ProductGroup{kBrannix, kFeature, kBrannixBands},
    ProductGroup{kVn47g, kFeature, kVn47gBands},
    ProductGroup{kVn4, kFeature, kVn4Bands},
    ProductGroup{kBrisko, kFeature, kBriskoBands},
    ProductGroup{kBriskoLite, kFeature, kBriskoLiteBands},
    ProductGroup{kRavloYq7K4t, kFeature, kBriskoLiteBands},
    ProductGroup{kQz5, kFeature, kQz5Tj6Bands},
    ProductGroup{kTj6, kFeature, kQz5Tj6Bands},
    ProductGroup{kTj6Pro, kFeature, kQz5Tj6Bands},
    ProductGroup{kQz5Pro, kFeature, kQz5Tj6Bands},
    ProductGroup{kD4erod, kFeature, kD4erodBands},
    ProductGroup{kVn4kIds, kFeature, kVn4kBands},
    ProductGroup{kQuorvin, kFeature, kQuorvinBands},
    ProductGroup{kUlvoBraneIds, kFeature, kUlvoBraneBands},
};

// clang-format on

}  // namespace

std::span<const ProductGroup> BrannixVn4BriskoGroups() { return kGroups; }

}  // namespace settings::families
