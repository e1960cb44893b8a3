#include <gtest/gtest.h>

#include <set>

#include "device/ModelNames.h"
#include "device/ProductTraits.h"
#include "device/SelectableProducts.h"
#include "device/UsbIdentities.h"

namespace {

using namespace device;

TEST(ProductTraits, EveryProductWithTraitsHasAModelNameAndBack) {
  std::set<int> withTraits;
  for (const ProductTraits& row : ProductTraitsTable()) {
    EXPECT_TRUE(withTraits.insert(row.productId).second) << "two rows for " << std::hex << row.productId;
    EXPECT_FALSE(GetModelName(row.productId, false).empty()) << std::hex << row.productId;
  }
  for (const ModelName& name : ModelNameTable()) {
    EXPECT_TRUE(withTraits.count(name.productId)) << "no traits for " << std::hex << name.productId;
  }
  for (const SelectableProduct& product : SELECTABLE_PRODUCTS) {
    EXPECT_TRUE(withTraits.count(product.productId)) << std::hex << product.productId;
  }
}

TEST(ProductTraits, HidFamiliesAgreeWithTheirSettingsForm) {
  for (const ProductTraits& row : ProductTraitsTable()) {
    const bool hid = row.hidFamily != HidFamily::None;
    EXPECT_EQ(hid, row.hidSettings != HidSettingsForm::None) << std::hex << row.productId;
    EXPECT_EQ(row.hidFamily == HidFamily::DualInterface, row.hidSettings == HidSettingsForm::DualInterface)
        << std::hex << row.productId;
  }
}

TEST(ProductTraits, ProductsOutsideTheTableHaveNoTraits) {
  for (int id : {0, 0x1234, HID_PAIR_SECOND_PRODUCT, HID_MODULE_PRODUCT, 0x4D21 | DFU_MODE_FLAG}) {
    EXPECT_EQ(FindProductTraits(id), nullptr) << std::hex << id;
    EXPECT_FALSE(IsHidProduct(id));
    EXPECT_EQ(HidSettingsFormOf(id), HidSettingsForm::None);
    EXPECT_EQ(UpdateModeControlsOf(id), UpdateModeControls::PhoneJogDial);
    EXPECT_FALSE(HasProductFlag(id, kNoSettingsPages));
  }
  EXPECT_TRUE(IsHidPairProduct(HID_PAIR_SECOND_PRODUCT));
}

}  // namespace
