#include "device/SettingsPages.h"

#include "device/ProductIds.h"
#include "device/Version.h"
#include "localization/SettingVocabulary.h"

namespace device {

namespace {

enum class SpeedDial {
  kNo,
  kYes,
  kWhenNewer,       // only with firmware newer than `newerThan`
  kInsteadOfBasic,  // the one product whose only page is the speed dial
};

struct PagesRow {
  ProductIds products;
  SpeedDial speedDial;
  int newerThanMajor;
  int newerThanMinor;
  bool fmRadio;
};

// clang-format off
constexpr PagesRow kRows[] = {
    {{0x2010, 0x2011, 0x2110, 0x2210, 0x2310, 0x3010, 0x3020, 0x4010, 0x4020, 0x4021, 0x4030,
      0x4040, 0x5210, 0x5624},
     SpeedDial::kNo, 0, 0, false},
    {{0x2020, 0x4110, 0x4120, 0x4D75, 0x5011, 0x5410, 0x5560, 0x6020, 0x6022, 0x6024, 0x6110,
      0x6111, 0x6120, 0x6121, 0x6420, 0x6430},
     SpeedDial::kYes, 0, 0, false},
    {{0x2030, 0x3030, 0x3040, 0x3050, 0x3060, 0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124,
      0x3126, 0x4210, 0x4310, 0x4330, 0x4350, 0x4410, 0x4430, 0x4510, 0x4530, 0x4D85, 0x5412,
      0x5414, 0x5416, 0x5418, 0x5420, 0x5510, 0x5520, 0x5522, 0x5524, 0x5526, 0x5530, 0x5532,
      0x5536, 0x5550, 0x5570, 0x5580, 0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5622, 0x5623,
      0x5710, 0x5720, 0x5910, 0x5920, 0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026, 0x6210,
      0x6400},
     SpeedDial::kYes, 0, 0, true},
    {{0x4111}, SpeedDial::kInsteadOfBasic, 0, 0, false},
    {{0x4D05, 0x4D35, 0x4D55}, SpeedDial::kWhenNewer, 1, 2, false},
    {{0x4D15, 0x4D45, 0x4D65}, SpeedDial::kWhenNewer, 1, 2, true},
    {{0x4D10, 0x4D20, 0x4D30, 0x4D40, 0x4D50, 0x5010, 0x5020, 0x5030, 0x5060, 0x5061, 0x5070,
      0x5080},
     SpeedDial::kWhenNewer, 4, 2, false},
    {{0x5040, 0x5050}, SpeedDial::kWhenNewer, 4, 2, true},
    // 0x3500, 0x4D21, 0x5310, 0x5320, 0x5330, 0x5345 and every other id: no settings page.
};
// clang-format on

}  // namespace

void ClearSettingsPages(int& count, std::span<int, 3> pages, int& selected) {
  count = 0;
  for (int& kind : pages) kind = 0;
  selected = 0;
}

void GetSettingsPages(int productId, int major, int minor, int& count, std::span<int, 3> pages,
                      int& selected) {
  const PagesRow* row = FindRowFor(kRows, productId);
  if (!row) {
    ClearSettingsPages(count, pages, selected);
    return;
  }
  count = 1;
  pages[0] = SETTINGS_PAGE_BASIC;
  selected = 0;
  const auto add = [&](int kind) { pages[static_cast<std::size_t>(count++)] = kind; };

  switch (row->speedDial) {
    case SpeedDial::kNo:
      break;
    case SpeedDial::kYes:
      add(SETTINGS_PAGE_SPEED_DIAL);
      break;
    case SpeedDial::kWhenNewer:
      if (CompareMajorMinor(major, minor, row->newerThanMajor, row->newerThanMinor) > 0) {
        add(SETTINGS_PAGE_SPEED_DIAL);
      }
      break;
    case SpeedDial::kInsteadOfBasic:
      pages[0] = SETTINGS_PAGE_SPEED_DIAL;
      break;
  }
  if (row->fmRadio) add(SETTINGS_PAGE_FM_RADIO);
}

std::string GetSettingsPageKindText(int kind, int language) {
  if (language < 0 || language >= text::kVocabularyLanguages) return {};
  switch (kind) {
    case SETTINGS_PAGE_BASIC:
      return text::VocabularyText(text::g_strBasic, language);
    case SETTINGS_PAGE_SPEED_DIAL:
      return text::VocabularyText(text::g_strSpeedDial, language);
    case SETTINGS_PAGE_FM_RADIO:
      return text::VocabularyText(text::g_strFmRadio, language);
    default:
      return {};
  }
}

}  // namespace device
