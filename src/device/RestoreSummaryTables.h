#pragma once
// What the restore page shows of an archive, per product: the label/value pairs of its summary
// by firmware band and settings-page kind, and which of the six pair rows (or the archived-settings
// list) stay visible. Bands hold from their version up to the next band's; a version equal to a
// threshold belongs to the newer band.
#include <cstdint>
#include <vector>

namespace device {

class CDeviceSettings;

enum class SummaryPair {
  kVoxPhone,
  kVoxIntercom,
  kEdr,
  kPlc,
  kHighQualityA2dp,
  kMicrophoneBoost,
  kSidetone,
  kNoiseControl,
  kAutoGainControl,
  kRadioTransmitGain,
  kAudioChannelTimeout,
};

struct SummaryBand {
  int major = 0;  // first version of the band
  int minor = 0;
  std::vector<SummaryPair> pairs;
};

struct ArchiveSummaryGroup {
  std::vector<int> products;
  std::vector<SummaryBand> basic;  // ascending; the first starts at 0.0
  bool speedDials = false;         // the Speed Dial kind shows the three numbers
  bool fmView = false;             // every other kind (FM Radio, or no page) shows the FM view
  bool basicWhateverKind = false;  // the Basic pairs stand in every kind
};

// The group that holds `productId`, or nullptr: such a product shows the header only.
const ArchiveSummaryGroup* FindArchiveSummaryGroup(int productId);
// The pairs of the band that holds the record's firmware version.
const std::vector<SummaryPair>& BasicPairsFor(const ArchiveSummaryGroup& group, const CDeviceSettings& archived);

// Visible pair rows as bits (bit 0 pair 1 ... bit 5 pair 6); kShowList hides every pair and shows
// the archived-settings list instead.
inline constexpr uint8_t kShowList = 0x80;

// The rows that stay visible for the product, archived version and settings-page kind on show
// (0: the archived model has no settings page). 0 for a product outside the table.
uint8_t RestoreVisibleRows(int productId, const CDeviceSettings& archived, int kind);

// The lowest archived version an archive of the product may be restored from; 0.0 for none.
struct MinimumVersion {
  int major = 0;
  int minor = 0;
};
MinimumVersion RestoreMinimumVersion(int productId);

}  // namespace device
