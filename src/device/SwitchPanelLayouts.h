#pragma once
// Where the switch panel of the device settings page puts its rows, per product and firmware
// band: the page's height is cut into equal slots (never fewer than 8 count), DEFAULT and CANCEL
// take slot 0, and each row of the chosen layout takes the slot given here. The same table says
// which rows the page shows: a row may be shown without being placed (it keeps the place it has).
#include <array>
#include <cstddef>
#include <initializer_list>
#include <span>
#include <stdexcept>

#include "device/ProductIds.h"

namespace device {

enum class PanelRow {
  VoxPhone,
  VoxIntercom,
  Edr,
  EdrNote,
  Plc,
  HighQualityA2dp,
  MicrophoneBoosting,
  SideTone,
  NoiseControl,
  AutoGainControl,
  RadioTransmitGain,
  AudioChannelTimeout,
  Note,  // the restart note with its "..." button
};

// A row shown where it stands, without a slot of its own.
inline constexpr float kNotPlaced = -1.0f;

struct PanelRowPlace {
  PanelRow row;
  float slot;  // may be fractional (4.5 lies between slots 4 and 5); kNotPlaced
  const ProductIds* onlyFor = nullptr;  // the row belongs to these products of the group only
};

struct PanelBand {
  static constexpr std::size_t kMaxRows = 8;

  int fromMajor;  // the band holds from this major.minor on; the group's first band also below
  int fromMinor;
  float slotCount;
  int margin;  // pixels left free above the first slot and below the last
  std::array<PanelRowPlace, kMaxRows> rows;
  std::size_t rowCount;

  constexpr PanelBand(int major, int minor, float slots, int marginPixels, std::initializer_list<PanelRowPlace> places)
      : fromMajor(major), fromMinor(minor), slotCount(slots), margin(marginPixels), rows{}, rowCount(0) {
    for (const PanelRowPlace& p : places) {
      if (rowCount == kMaxRows) throw std::length_error("too many rows in one switch panel layout");
      rows[rowCount++] = p;
    }
  }

  std::span<const PanelRowPlace> Rows() const { return {rows.data(), rowCount}; }
  // Whether `row` belongs to this band's layout for `productId` (placed or not).
  bool Shows(PanelRow row, int productId) const;
};

// The layout of `productId` at firmware major.minor (release candidates count as their release),
// or nullptr for a product without one. Grid products get a layout with no rows: DEFAULT and
// CANCEL only.
const PanelBand* FindSwitchPanelLayout(int productId, int major, int minor);

}  // namespace device
