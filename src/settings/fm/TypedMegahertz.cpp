#include "settings/fm/TypedMegahertz.h"

#include <charconv>
#include <cmath>

namespace settings::fm {

namespace {

// Far above any band, and small enough that the product below fits an int.
constexpr double kLargestMegahertz = 10000.0;

std::string_view TrimBlanks(std::string_view text) {
  const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; };
  while (!text.empty() && blank(text.front())) text.remove_prefix(1);
  while (!text.empty() && blank(text.back())) text.remove_suffix(1);
  return text;
}

}  // namespace

int ParseTypedMegahertz(std::string_view text) {
  text = TrimBlanks(text);
  if (!text.empty() && text.front() == '+') text.remove_prefix(1);
  float megahertz = 0.0f;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), megahertz,
                                            std::chars_format::fixed);
  if (text.empty() || error != std::errc() || end != text.data() + text.size()) return kOutsideEveryBand;
  if (!std::isfinite(megahertz) || std::fabs(megahertz) >= kLargestMegahertz) return kOutsideEveryBand;
  // The float widened before the product keeps 99.95 (99.9499969...) below 9995.
  int v = static_cast<int>(static_cast<double>(megahertz) * 100.0);
  const int rest = v % 10;
  v -= rest;
  if (rest >= 5) v += 10;
  return v;
}

}  // namespace settings::fm
