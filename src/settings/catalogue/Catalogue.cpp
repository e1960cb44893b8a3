#include "settings/catalogue/Catalogue.h"

#include <algorithm>
#include <vector>

#include "settings/catalogue/FamilyGroups.h"

namespace settings {

std::span<const ProductGroup> AllProductGroups() {
  static const std::vector<ProductGroup> groups = [] {
    std::vector<ProductGroup> all;
    for (auto family :
         {families::DualInterfaceGroups, families::K4Groups, families::FeatureWordAndWordBankGroups,
          families::BrannixVn4BriskoGroups, families::Series54And60Groups}) {
      const std::span<const ProductGroup> part = family();
      all.insert(all.end(), part.begin(), part.end());
    }
    return all;
  }();
  return groups;
}

std::optional<int> FindGroup(int productId) {
  const std::span<const ProductGroup> groups = AllProductGroups();
  for (std::size_t i = 0; i < groups.size(); ++i) {
    if (std::ranges::find(groups[i].productIds, productId) != groups[i].productIds.end()) {
      return static_cast<int>(i);
    }
  }
  return std::nullopt;
}

int FindBand(const ProductGroup& group, const device::CDeviceSettings& device) {
  int band = 0;
  for (std::size_t i = 1; i < group.bands.size(); ++i) {
    const FirmwareThreshold from = group.bands[i].from;
    if (device.CompareVersion(from.major, from.minor) >= 0) band = static_cast<int>(i);
  }
  return band;
}

const RowList* ListOfBand(const ProductGroup& group, int band, int productId) {
  if (band < 0 || static_cast<std::size_t>(band) >= group.bands.size()) return nullptr;
  const FirmwareBand& chosen = group.bands[static_cast<std::size_t>(band)];
  if (chosen.exceptionList && productId == chosen.exceptionProductId) return chosen.exceptionList;
  return chosen.list;
}

std::optional<CataloguePlace> Locate(int productId, const device::CDeviceSettings& device) {
  const std::optional<int> group = FindGroup(productId);
  if (!group) return std::nullopt;
  const ProductGroup& found = AllProductGroups()[static_cast<std::size_t>(*group)];
  const int band = FindBand(found, device);
  return CataloguePlace{*group, band, ListOfBand(found, band, productId)};
}

const CatalogueRow* RowAt(int group, int band, int productId, int row) {
  const std::span<const ProductGroup> groups = AllProductGroups();
  if (group < 0 || static_cast<std::size_t>(group) >= groups.size()) return nullptr;
  const RowList* list = ListOfBand(groups[static_cast<std::size_t>(group)], band, productId);
  if (!list || row < 0 || static_cast<std::size_t>(row) >= list->rows.size()) return nullptr;
  return &list->rows[static_cast<std::size_t>(row)];
}

}  // namespace settings
