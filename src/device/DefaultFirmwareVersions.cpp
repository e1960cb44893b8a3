#include "device/DefaultFirmwareVersions.h"

#include "device/ProductIds.h"

namespace device {

namespace {

constexpr LegacyVersionModel kLegacyVersionModels[] = {{0x4D10, 30}, {0x4D30, 42}, {0x4D40, 43}};

struct DefaultVersion {
  ProductIds products;
  int value;
};
constexpr DefaultVersion kDefaultVersions[] = {
    {{0x4D21, 0x4040, 0x2020, 0x6110, 0x6111, 0x6120, 0x6121, 0x4D05, 0x6420, 0x6430, 0x4D85, 0x4020, 0x4021,
      0x2310, 0x2010, 0x2110, 0x4030, 0x4010, 0x5011, 0x4D75, 0x5210, 0x5310, 0x4110, 0x4111, 0x3010, 0x4120},
     10},
    {{0x4D35, 0x4D15, 0x4D45, 0x2011, 0x2210}, 12},
    {{0x4D55, 0x4D65}, 20},
    {{0x5010}, 32},
    {{0x5020}, 33},
    {{0x5030}, 41},
    {{0x4D20, 0x5060, 0x5070, 0x5080, 0x5040, 0x5050}, 42},
    {{0x4D50}, 50},
    {{0x5061}, 52},
};

}  // namespace

int DefaultFirmwareVersion(int model) {
  const DefaultVersion* row = FindRowFor(kDefaultVersions, model);
  return row ? row->value : 0;
}

int SpeedDialSaveDefaultFirmwareVersion(int model) {
  constexpr DefaultVersion kSpeedDialSaveVersions[] = {{{0x4D35}, 10}};
  const DefaultVersion* row = FindRowFor(kSpeedDialSaveVersions, model);
  return row ? row->value : DefaultFirmwareVersion(model);
}

const LegacyVersionModel* FindLegacyVersionModel(int model) {
  for (const LegacyVersionModel& row : kLegacyVersionModels) {
    if (row.model == model) return &row;
  }
  return nullptr;
}

}  // namespace device
