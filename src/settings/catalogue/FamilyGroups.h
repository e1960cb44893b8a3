#pragma once
// The product groups of each family file, in test order, and the shorthand those files share.
#include <span>

#include "settings/catalogue/Catalogue.h"

namespace settings::families {

std::span<const ProductGroup> DualInterfaceGroups();  // 0x4210 .. 0x4430
std::span<const ProductGroup> K4Groups();             // K4T, Ostrel Lite, Brannix Lite, K4G, K4V
std::span<const ProductGroup> FeatureWordAndWordBankGroups();  // 0x5580 .. 0x5550, 0x31xx
std::span<const ProductGroup> BrannixVn4BriskoGroups();        // 0x5710 .. 0x5560
std::span<const ProductGroup> Series54And60Groups();           // 0x5410 .. 0x5420, 0x6010 .. 0x6026

// A row as its kind shows it, and a row whose kind's grey rule applies in its list.
constexpr CatalogueRow Row(RowKind kind) { return {kind, false}; }
constexpr CatalogueRow Greyable(RowKind kind) { return {kind, true}; }

}  // namespace settings::families
