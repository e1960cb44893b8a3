#include "settings/archived/ArchivedSettingsList.h"

#include "device/SettingsPages.h"
#include "localization/SettingVocabulary.h"
#include "settings/archived/ArchivedValueText.h"
#include "settings/catalogue/Catalogue.h"

namespace settings {

ArchivedSettingsList BuildArchivedSettingsList(int target, const device::CDeviceSettings& archived,
                                               int pageKind, int language) {
  ArchivedSettingsList list;
  const std::optional<CataloguePlace> place = Locate(target, archived);
  if (!place || !place->list || place->list->rows.empty()) return list;
  if (pageKind != device::SETTINGS_PAGE_BASIC) {
    list.outcome = ArchivedSettingsList::Outcome::kHidden;
    return list;
  }
  list.outcome = ArchivedSettingsList::Outcome::kRows;
  list.rows.reserve(place->list->rows.size());
  for (const CatalogueRow& row : place->list->rows) {
    const RowKindInfo& kind = KindInfo(row.kind);
    list.rows.push_back(
        {text::VocabularyText(*kind.label, language), ArchivedValueText(row.kind, archived, language)});
  }
  return list;
}

}  // namespace settings
