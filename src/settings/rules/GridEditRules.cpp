#include "settings/rules/GridEditRules.h"

#include <array>
#include <cstddef>

#include "settings/catalogue/RowValues.h"
#include "settings/rules/RowStores.h"

namespace settings::rules {

namespace {

using device::CDeviceSettings;

const CatalogueRow* RowOf(const RowList& list, int row) {
  if (row < 0 || static_cast<std::size_t>(row) >= list.rows.size()) return nullptr;
  return &list.rows[static_cast<std::size_t>(row)];
}

int FindRow(const RowList& list, RowKind kind) {
  for (std::size_t i = 0; i < list.rows.size(); ++i) {
    if (list.rows[i].kind == kind) return static_cast<int>(i);
  }
  return -1;
}

void RegreyFollowers(const RowList& list, GreyRule rule, const CDeviceSettings& edited,
                     std::vector<CellGrey>& greys) {
  for (std::size_t i = 0; i < list.rows.size(); ++i) {
    const CatalogueRow& row = list.rows[i];
    if (!row.greyRuleApplies || KindInfo(row.kind).rule != rule) continue;
    greys.push_back({static_cast<int>(i), GreyFlag(row, edited) != 0});
  }
}

bool IsRecordingSource(RowKind kind) {
  return kind == RowKind::ROW_RECORD_MUSIC || kind == RowKind::ROW_RECORD_FM_RADIO ||
         kind == RowKind::ROW_RECORD_INTERCOM || kind == RowKind::ROW_RECORD_PHONE;
}

// Recording with nothing to record means nothing: switching the master on picks the usual three
// sources, and switching the last source off switches the master off.
void KeepRecordingConsistent(const RowList& list, RowKind clicked, CDeviceSettings& edited,
                             CheckClickResult& result) {
  if (!edited.HasNoRecordingSource()) return;
  if (clicked == RowKind::ROW_SPEAKER_SOUND_RECORDING) {
    if (!edited.GetSpeakerSoundRecording()) return;
    constexpr std::array<RowKind, 3> kUsualSources = {RowKind::ROW_RECORD_MUSIC, RowKind::ROW_RECORD_FM_RADIO,
                                                      RowKind::ROW_RECORD_INTERCOM};
    for (RowKind source : kUsualSources) {
      StoreCheckState(source, false, edited);
      if (const int row = FindRow(list, source); row >= 0) result.checks.push_back({row, false});
    }
  } else if (IsRecordingSource(clicked)) {
    edited.SetSpeakerSoundRecording(0);
    if (const int row = FindRow(list, RowKind::ROW_SPEAKER_SOUND_RECORDING); row >= 0) {
      result.checks.push_back({row, true});
    }
    result.repaintAll = true;
  }
}

}  // namespace

CheckClickResult ApplyCheckClick(const RowList& list, int row, bool disableShown, CDeviceSettings& edited) {
  CheckClickResult result;
  const CatalogueRow* clicked = RowOf(list, row);
  if (!clicked || !StoreCheckState(clicked->kind, disableShown, edited)) return result;
  result.changed = true;
  KeepRecordingConsistent(list, clicked->kind, edited, result);
  if (const GreyRule rule = RuleFollowing(clicked->kind); rule != GreyRule::kNone) {
    RegreyFollowers(list, rule, edited, result.greys);
  }
  return result;
}

bool ApplyOptionChoice(const RowList& list, int row, int index, CDeviceSettings& edited) {
  const CatalogueRow* chosen = RowOf(list, row);
  return chosen && StoreOption(chosen->kind, index, edited);
}

}  // namespace settings::rules
