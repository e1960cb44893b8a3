#pragma once
// A short list of product ids held in place, so that per-model tables can be constant data.
#include <array>
#include <cstddef>
#include <cstdint>
#include <initializer_list>
#include <span>
#include <stdexcept>

namespace device {

class ProductIds {
 public:
  static constexpr std::size_t kCapacity = 64;

  constexpr ProductIds(std::initializer_list<int> ids) {
    for (int id : ids) {
      if (count_ == kCapacity) throw std::length_error("too many product ids in one table row");
      ids_[count_++] = static_cast<uint16_t>(id);
    }
  }

  constexpr bool Contains(int productId) const {
    for (std::size_t i = 0; i < count_; ++i) {
      if (ids_[i] == productId) return true;
    }
    return false;
  }

  constexpr std::span<const uint16_t> Ids() const { return {ids_.data(), count_}; }

 private:
  std::array<uint16_t, kCapacity> ids_{};
  std::size_t count_ = 0;
};

// The first row whose ids contain `productId`, or nullptr; rows are searched in table order.
template <typename Row, std::size_t N>
const Row* FindRowFor(const Row (&table)[N], int productId) {
  for (const Row& row : table) {
    if (row.products.Contains(productId)) return &row;
  }
  return nullptr;
}

}  // namespace device
