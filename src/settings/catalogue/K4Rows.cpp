// Rows of K4T, Ostrel Lite, Brannix Lite, the five K4G helmets and the K4V camera headset:
// feature-word members, and on the K4V the camera settings after the headset rows.
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
    Row(ROW_VOX_SENSITIVITY_LEVELS),
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
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListC = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListD = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_CONCURRENT_AUDIO_FLAG),
    Greyable(ROW_AUDIO_SOURCE_PRIORITY_FLAG),
    Greyable(ROW_HD_VOICE_FLAG),
    Greyable(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOX_SENSITIVITY_LEVELS),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_FM_STATION_GUIDE_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListE = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListF = {
    Row(ROW_AUDIO_BOOST_FLAG),
    Row(ROW_VOX_PHONE_FLAG),
    Row(ROW_VOX_INTERCOM_FLAG),
    Row(ROW_HD_INTERCOM_FLAG),
    Row(ROW_VOICE_PROMPT_FLAG),
    Row(ROW_HQ_A2DP_FLAG),
    Row(ROW_SIDETONE_FLAG),
    Row(ROW_NOISE_CONTROL_FLAG),
};
constexpr std::array kListG = {
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
// List C without "VOX Sensitivity".
constexpr std::array kK4vHeadsetFrom22 = {
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

// The recording sources grey while speaker sound recording is off.
constexpr std::array kCameraBelow20 = {
    Row(ROW_PHOTO_MODE),
    Row(ROW_VIDEO_MODE_TWO),
    Row(ROW_VIDEO_RESOLUTION),
    Row(ROW_TIMELAPSE_INTERVAL),
    Row(ROW_DATE_CAPTION),
    Row(ROW_SPEAKER_SOUND_RECORDING),
    Greyable(ROW_RECORD_MUSIC),
    Greyable(ROW_RECORD_FM_RADIO),
    Greyable(ROW_RECORD_INTERCOM),
    Greyable(ROW_RECORD_PHONE),
    Row(ROW_AUTO_CAMERA_SLEEP),
};
constexpr std::array kCameraFrom20 = {
    Row(ROW_PHOTO_MODE),
    Row(ROW_VIDEO_MODE_THREE),
    Row(ROW_VIDEO_RESOLUTION),
    Row(ROW_TIMELAPSE_INTERVAL),
    Row(ROW_VIDEO_TAGGING_INTERVAL),
    Row(ROW_LOOP_RECORDING_INTERVAL),
    Row(ROW_VIDEO_MIC_GAIN),
    Row(ROW_DATE_CAPTION),
    Row(ROW_SPEAKER_SOUND_RECORDING),
    Greyable(ROW_RECORD_MUSIC),
    Greyable(ROW_RECORD_FM_RADIO),
    Greyable(ROW_RECORD_INTERCOM),
    Greyable(ROW_RECORD_PHONE),
    Row(ROW_AUTO_CAMERA_SLEEP),
};
constexpr auto kListH = Join(kListE, kCameraBelow20);
constexpr auto kListI = Join(kListF, kCameraFrom20);
constexpr auto kListJ = Join(kK4vHeadsetFrom22, kCameraFrom20);
constexpr auto kListK = Join(kListG, kCameraFrom20);

constexpr RowList kK4tBelow11{"K4T below 1.1", kListA};
constexpr RowList kK4tFrom11{"K4T from 1.1", kListB};
constexpr RowList kK4tFrom13{"K4T from 1.3", kListC};
constexpr RowList kK4tFrom20{"K4T from 2.0", kListD};
constexpr RowList kK4gBelow11{"K4G below 1.1", kListE};
constexpr RowList kK4gFrom11{"K4G from 1.1", kListF};
constexpr RowList kK4gFrom20{"K4G from 2.0", kListG};
constexpr RowList kK4vBelow20{"K4V below 2.0", kListH};
constexpr RowList kK4vFrom20{"K4V from 2.0", kListI};
constexpr RowList kK4vFrom22{"K4V from 2.2", kListJ};
constexpr RowList kK4vFrom30{"K4V from 3.0", kListK};

constexpr std::array kK4tBands = {
    FirmwareBand{{0, 0}, &kK4tBelow11}, FirmwareBand{{1, 1}, &kK4tFrom11},
    FirmwareBand{{1, 3}, &kK4tFrom13}, FirmwareBand{{2, 0}, &kK4tFrom20}};
constexpr std::array kOstrelLiteBands = {FirmwareBand{{0, 0}, &kK4tFrom13},
                                         FirmwareBand{{2, 0}, &kK4tFrom20}};
constexpr std::array kBrannixLiteBands = {FirmwareBand{{0, 0}, &kK4tFrom13}};
constexpr std::array kK4gBands = {FirmwareBand{{0, 0}, &kK4gBelow11},
                                  FirmwareBand{{1, 1}, &kK4gFrom11},
                                  FirmwareBand{{2, 0}, &kK4gFrom20}};
constexpr std::array kK4vBands = {
    FirmwareBand{{0, 0}, &kK4vBelow20}, FirmwareBand{{2, 0}, &kK4vFrom20},
    FirmwareBand{{2, 2}, &kK4vFrom22}, FirmwareBand{{3, 0}, &kK4vFrom30}};

constexpr std::array kK4t = {0x5520};
constexpr std::array kOstrelLite = {0x5526};
constexpr std::array kBrannixLite = {0x5720};
constexpr std::array kK4g = {0x5610, 0x5611, 0x5612, 0x5620, 0x5621};
constexpr std::array kK4v = {0x5510};

constexpr RecordFamily kFeature = RecordFamily::kFeatureWord;
constexpr std::array kGroups = {
    ProductGroup{kK4t, kFeature, kK4tBands},
    ProductGroup{kOstrelLite, kFeature, kOstrelLiteBands},
    ProductGroup{kBrannixLite, kFeature, kBrannixLiteBands},
    ProductGroup{kK4g, kFeature, kK4gBands},
    ProductGroup{kK4v, kFeature, kK4vBands},
};

// clang-format on

}  // namespace

std::span<const ProductGroup> K4Groups() { return kGroups; }

}  // namespace settings::families
