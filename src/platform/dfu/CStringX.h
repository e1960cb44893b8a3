#pragma once
// The DFU library's texts and lists of device names. Texts are UTF-8 like every text outside the
// framework.
#include <cstddef>
#include <string>
#include <vector>

namespace dfu {

using CStringX = std::string;

class CStringListX {
 public:
  // A place in the list; 0 means past the end.
  using POSITION = std::size_t;

  POSITION GetHeadPosition() const { return items_.empty() ? 0 : 1; }
  // The element at `position`; moves `position` to the next one. `position` must not be 0.
  const CStringX& GetNext(POSITION& position) const {
    const CStringX& item = items_.at(position - 1);
    position = position < items_.size() ? position + 1 : 0;
    return item;
  }
  void AddTail(const CStringX& item) { items_.push_back(item); }
  void RemoveAll() { items_.clear(); }
  std::size_t GetCount() const { return items_.size(); }
  bool IsEmpty() const { return items_.empty(); }

 private:
  std::vector<CStringX> items_;
};

}  // namespace dfu
