// Rows of K4V Pro, K4V ULKA, K4D, Jext! Ravlo K4D and Vorquel (feature-word members) and of the
// 0x31xx word-bank family (single bits of words 0 and 1, level fields of words 1 and 3).
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
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListB = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_CONCURRENT_AUDIO_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Greyable(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListC = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
// "HD Voice" is never greyed here: these firmwares have no audio blend row.
constexpr std::array kListD = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_VOICE_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListE = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListF = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListG = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_CONCURRENT_AUDIO_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};

// Word bank. Below 1.1 there is no intercom audio row, so nothing greys "HD Intercom".
constexpr std::array kListH = {
    Row(ROW_AUDIO_BOOST_BANK),
    Row(ROW_VOX_PHONE_BANK),
    Row(ROW_VOX_INTERCOM_BANK),
    Row(ROW_HD_INTERCOM_BANK),
    Row(ROW_VOICE_PROMPT_BANK),
    Row(ROW_HQ_A2DP_BANK),
    Row(ROW_SIDETONE_BANK),
    Row(ROW_NOISE_CONTROL_BANK),
    Row(ROW_FM_STATION_GUIDE_BANK),
    Row(ROW_GUEST_MODE_BANK),
    Row(ROW_VOX_SENSITIVITY_BANK),
    Row(ROW_SMART_VOLUME_BANK),
    Row(ROW_AUDIO_BLEND_VOLUME_BANK),
    Row(ROW_AUDIO_BLEND_SENSITIVITY_BANK),
    Row(ROW_VOICE_COMMAND_BANK),
};
constexpr std::array kListI = {
    Row(ROW_AUDIO_BOOST_BANK),
    Row(ROW_VOX_PHONE_BANK),
    Row(ROW_VOX_INTERCOM_BANK),
    Row(ROW_INTERCOM_CONCURRENT_AUDIO_BANK),
    Greyable(ROW_HD_INTERCOM_BANK),
    Row(ROW_VOICE_PROMPT_BANK),
    Row(ROW_HQ_A2DP_BANK),
    Row(ROW_SIDETONE_BANK),
    Row(ROW_NOISE_CONTROL_BANK),
    Row(ROW_FM_STATION_GUIDE_BANK),
    Row(ROW_GUEST_MODE_BANK),
    Row(ROW_VOX_SENSITIVITY_BANK),
    Row(ROW_SMART_VOLUME_BANK),
    Row(ROW_AUDIO_BLEND_VOLUME_BANK),
    Row(ROW_AUDIO_BLEND_SENSITIVITY_BANK),
    Row(ROW_VOICE_COMMAND_BANK),
};
constexpr auto kListJ = Join(kListI, std::array{Row(ROW_UNIT_LANGUAGE)});

constexpr RowList kK4vProBelow20{"K4V Pro below 2.0", kListA};
constexpr RowList kK4vProFrom20{"K4V Pro from 2.0", kListB};
constexpr RowList kK4dBelow14{"K4D below 1.4", kListC};
constexpr RowList kK4dFrom14{"K4D from 1.4", kListD};
constexpr RowList kVorquelBelow12{"Vorquel below 1.2", kListE};
constexpr RowList kVorquelFrom12{"Vorquel from 1.2", kListF};
constexpr RowList kVorquelFrom20{"Vorquel from 2.0", kListG};
constexpr RowList kY9jBelow11{"Y9J below 1.1", kListH};
constexpr RowList kY9jFrom11{"Y9J from 1.1", kListI};
constexpr RowList kY9jFrom21{"Y9J from 2.1", kListJ};

constexpr std::array kK4vProBands = {FirmwareBand{{0, 0}, &kK4vProBelow20},
                                     FirmwareBand{{2, 0}, &kK4vProFrom20}};
constexpr std::array kK4vUlkaBands = {FirmwareBand{{0, 0}, &kK4vProFrom20}};
constexpr std::array kK4dBands = {FirmwareBand{{0, 0}, &kK4dBelow14},
                                  FirmwareBand{{1, 4}, &kK4dFrom14},
                                  FirmwareBand{{2, 0}, &kK4vProFrom20}};
constexpr std::array kRavloK4dBands = {FirmwareBand{{0, 0}, &kK4dFrom14}};
constexpr std::array kVorquelBands = {FirmwareBand{{0, 0}, &kVorquelBelow12},
                                      FirmwareBand{{1, 2}, &kVorquelFrom12},
                                      FirmwareBand{{2, 0}, &kVorquelFrom20}};
constexpr std::array kY9jBands = {FirmwareBand{{0, 0}, &kY9jBelow11},
                                  FirmwareBand{{1, 1}, &kY9jFrom11},
                                  FirmwareBand{{2, 1}, &kY9jFrom21}};
constexpr std::array kRavloY9jBands = {FirmwareBand{{0, 0}, &kY9jBelow11},
                                       FirmwareBand{{1, 1}, &kY9jFrom11}};
constexpr std::array kQLineBands = {FirmwareBand{{0, 0}, &kY9jFrom11}};

constexpr std::array kK4vPro = {0x5580};
constexpr std::array kK4vUlka = {0x5570};
constexpr std::array kK4d = {0x5530};
constexpr std::array kRavloK4d = {0x5532};
constexpr std::array kVorquel = {0x5550};
constexpr std::array kY9j = {0x3110};
constexpr std::array kRavloY9j = {0x3112, 0x3114};
constexpr std::array kQLine = {0x3116, 0x3118, 0x3124, 0x3126};

constexpr RecordFamily kFeature = RecordFamily::kFeatureWord;
constexpr RecordFamily kBank = RecordFamily::kWordBank;
constexpr std::array kGroups = {
    ProductGroup{kK4vPro, kFeature, kK4vProBands},
    ProductGroup{kK4vUlka, kFeature, kK4vUlkaBands},
    ProductGroup{kK4d, kFeature, kK4dBands},
    ProductGroup{kRavloK4d, kFeature, kRavloK4dBands},
    ProductGroup{kVorquel, kFeature, kVorquelBands},
    ProductGroup{kY9j, kBank, kY9jBands},
    ProductGroup{kRavloY9j, kBank, kRavloY9jBands},
    ProductGroup{kQLine, kBank, kQLineBands},
};

// clang-format on

}  // namespace

std::span<const ProductGroup> FeatureWordAndWordBankGroups() { return kGroups; }

}  // namespace settings::families
