#pragma once
// The settings catalogue: product groups in their test order, each with firmware bands, each band
// with its row list, each row a row kind. The settings grid, its editing rules and the restore
// page's archived list all read it; a row is found by group, band and row index, and those
// indexes never change.
#include <array>
#include <cstddef>
#include <optional>
#include <span>
#include <string_view>

#include "device/DeviceSettings.h"
#include "settings/catalogue/RowKind.h"

namespace settings {

// Where a group's settings live in the record.
enum class RecordFamily { kDualInterface, kWordBank, kFeatureWord };

struct CatalogueRow {
  RowKind kind;
  bool greyRuleApplies;  // the kind's grey rule is applied in this list
};

struct RowList {
  std::string_view name;  // "K4V from 3.0" style, for messages and tests
  std::span<const CatalogueRow> rows;
};

struct FirmwareThreshold {
  int major;
  int minor;
};

// A band starts at `from` (inclusive) and runs to the next band's start. The first band of every
// group starts at 0.0 and so also takes every version below. One group gives one of its ids a
// list of its own in its newest band: that id and list are the band's exception.
struct FirmwareBand {
  FirmwareThreshold from;
  const RowList* list;
  int exceptionProductId = 0;
  const RowList* exceptionList = nullptr;
};

struct ProductGroup {
  std::span<const int> productIds;
  RecordFamily family;
  std::span<const FirmwareBand> bands;
};

// Where a product and firmware version land.
struct CataloguePlace {
  int group;  // index into AllProductGroups()
  int band;   // index into that group's bands
  const RowList* list;
};

// Every group with rows, in the order the products are tested.
std::span<const ProductGroup> AllProductGroups();

// The group index of `productId`, or nothing for a product without grid rows.
std::optional<int> FindGroup(int productId);

// The band of `group` that the firmware of `device` falls in, by CompareVersion (a version equal
// to a threshold belongs to the band starting there).
int FindBand(const ProductGroup& group, const device::CDeviceSettings& device);

// The list of a group's band for `productId`; null for a band index outside the group.
const RowList* ListOfBand(const ProductGroup& group, int band, int productId);

// Product and firmware (of the device as last recognised) to group, band and list.
std::optional<CataloguePlace> Locate(int productId, const device::CDeviceSettings& device);

// The row at `row` of the list a group's band gives `productId`; null outside the list.
const CatalogueRow* RowAt(int group, int band, int productId, int row);

// Builds a row array from lists written once: Join(a, b) puts b after a, Head<N>(a) keeps the
// first N rows.
template <std::size_t A, std::size_t B>
constexpr std::array<CatalogueRow, A + B> Join(const std::array<CatalogueRow, A>& a,
                                               const std::array<CatalogueRow, B>& b) {
  std::array<CatalogueRow, A + B> out{};
  for (std::size_t i = 0; i < A; ++i) out[i] = a[i];
  for (std::size_t i = 0; i < B; ++i) out[A + i] = b[i];
  return out;
}
template <std::size_t N, std::size_t A>
constexpr std::array<CatalogueRow, N> Head(const std::array<CatalogueRow, A>& a) {
  static_assert(N <= A);
  std::array<CatalogueRow, N> out{};
  for (std::size_t i = 0; i < N; ++i) out[i] = a[i];
  return out;
}

}  // namespace settings
