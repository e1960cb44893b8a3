#include "device/FirmwareUpdateSets.h"

#include "device/ProductIds.h"

namespace device {

namespace {

struct RouteRow {
  ProductIds products;
  UpdateRoute route;
};
constexpr RouteRow kRoutes[] = {
    {{0x4210}, UpdateRoute::kHidLegacyImage},
    {{0x4310, 0x4350, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x2030}, UpdateRoute::kHidSimple},
    {{0x5345}, UpdateRoute::kExternalTools},
    {{0x3110, 0x3500, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126}, UpdateRoute::kHidDualModule},
    {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621, 0x5510, 0x5580, 0x5570, 0x3060, 0x5520, 0x5560,
      0x5526, 0x5720, 0x5530, 0x5532, 0x5550, 0x5710, 0x5623, 0x5622, 0x5624, 0x5524, 0x5536,
      0x5522, 0x3030, 0x3050, 0x3040, 0x6210, 0x6400, 0x5320, 0x5330, 0x5910, 0x5920},
     UpdateRoute::kHidCamera},
    {{0x6010, 0x6018, 0x6012, 0x6014, 0x6016, 0x6026, 0x5410, 0x5412, 0x5414, 0x5420, 0x5418, 0x5416},
     UpdateRoute::kHidUpdateMode},
    {{0x6020, 0x6022, 0x6024}, UpdateRoute::kPreparationThenDfu},
};

struct SetRow {
  ProductIds products;
  ProgressSet set;
};
constexpr SetRow kProgressSets[] = {
    {{0x4210, 0x4310, 0x4350, 0x4330, 0x4430, 0x4410, 0x4510, 0x4530, 0x2030}, ProgressSet::kH},
    {{0x3110, 0x3112, 0x3114, 0x3116, 0x3118, 0x3124, 0x3126}, ProgressSet::kM},
    {{0x6010, 0x6012, 0x6014, 0x6016, 0x6018, 0x6026, 0x5410, 0x5412, 0x5414, 0x5416, 0x5418, 0x5420},
     ProgressSet::kU},
    {{0x5610, 0x5611, 0x5612, 0x5620, 0x5621}, ProgressSet::kK},
    {{0x5520, 0x5526, 0x5560, 0x5720}, ProgressSet::kL},
    {{0x5510, 0x5570, 0x5580, 0x3060}, ProgressSet::kN},
    {{0x5530, 0x5532, 0x5550, 0x5710, 0x5622, 0x5623, 0x5624, 0x5522, 0x5524, 0x5536, 0x3030, 0x3040,
      0x3050, 0x6210, 0x6400, 0x5910, 0x5920},
     ProgressSet::kV},
    {{0x5320, 0x5330, 0x3500}, ProgressSet::kF},
    {{0x5345, 0x5346}, ProgressSet::kE},
};

struct PhaseRow {
  ProductIds products;
  UpdatePhases phases;
};
constexpr PhaseRow kPhases[] = {
    {{0x4D05, 0x4D35, 0x4D55, 0x4D15, 0x4D45, 0x4D65, 0x6420, 0x6430, 0x4D85, 0x4020, 0x4021, 0x2310,
      0x2010, 0x2011, 0x2110, 0x2210, 0x4030, 0x4010},
     {20, 360, 20}},
    {{0x5210}, {15, 80, 15}},
    {{0x5310}, {20, 90, 20}},
    // Twenty less five and 65 % of 420: the camera side takes the rest.
    {{0x3010, 0x3020}, {15, 273, 20}},
    {{0x6020, 0x6022, 0x6024}, {5, 400, 10}},
};

struct SetPhases {
  ProgressSet set;
  UpdatePhases phases;
};
constexpr SetPhases kSetPhases[] = {
    {ProgressSet::kH, {5, 245, 40}}, {ProgressSet::kM, {5, 400, 65}}, {ProgressSet::kK, {5, 210, 10}},
    {ProgressSet::kN, {5, 300, 10}}, {ProgressSet::kL, {5, 220, 10}}, {ProgressSet::kV, {5, 240, 10}},
    {ProgressSet::kF, {5, 240, 10}}, {ProgressSet::kU, {5, 250, 10}},
};
constexpr UpdatePhases kDefaultPhases = {20, 420, 20};

constexpr ProductIds kPromptExcluded = {0x5310, 0x3010, 0x4120, 0x6420, 0x6430, 0x6020, 0x6022, 0x6024, 0x3020};
constexpr ProductIds kPolledDfu = {0x6020, 0x6022, 0x6024};
constexpr ProductIds kSkipsTicks = {0x3010, 0x3020};
constexpr ProductIds kPairingAdvice = {0x4D10, 0x4D30, 0x4D40, 0x5010, 0x5011, 0x5060, 0x5061, 0x5020, 0x5070};

}  // namespace

UpdateRoute UpdateRouteOf(int target) {
  const RouteRow* row = FindRowFor(kRoutes, target);
  return row ? row->route : UpdateRoute::kDfu;
}

bool RouteTestsHidPresence(UpdateRoute route) {
  return route != UpdateRoute::kDfu && route != UpdateRoute::kExternalTools &&
         route != UpdateRoute::kPreparationThenDfu;
}

ProgressSet ProgressSetOf(int target) {
  const SetRow* row = FindRowFor(kProgressSets, target);
  return row ? row->set : ProgressSet::kOther;
}

UpdatePhases UpdatePhasesOf(int target) {
  if (const PhaseRow* row = FindRowFor(kPhases, target)) return row->phases;
  const ProgressSet set = ProgressSetOf(target);
  for (const SetPhases& row : kSetPhases) {
    if (row.set == set) return row.phases;
  }
  return kDefaultPhases;
}

bool IsPromptExcluded(int target) { return kPromptExcluded.Contains(target); }
bool IsPolledDfuProduct(int target) { return kPolledDfu.Contains(target); }
bool SkipsProgressTicks(int target) { return kSkipsTicks.Contains(target); }
bool GetsPairingAdvice(int target) { return kPairingAdvice.Contains(target); }

}  // namespace device
