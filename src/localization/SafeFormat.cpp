#include "localization/SafeFormat.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <vector>

namespace text {

int64_t FormatArg::Number() const {
  if (const int64_t* n = std::get_if<int64_t>(&value_)) return *n;
  const double x = std::get<double>(value_);
  if (std::isnan(x)) return 0;
  // Beyond these the cut would be undefined; no caller prints such a number as an integer.
  constexpr double kLimit = 9.2e18;
  return static_cast<int64_t>(std::clamp(x, -kLimit, kLimit));
}

double FormatArg::Real() const {
  if (const double* x = std::get_if<double>(&value_)) return *x;
  return static_cast<double>(std::get<int64_t>(value_));
}

namespace {

constexpr size_t kDefaultPrecision = 6;
constexpr size_t kLargestPrecision = 20;

// Fixed notation through to_chars, which never looks at the locale.
std::string Fixed(double x, size_t precision) {
  char buffer[400];
  const auto [end, error] =
      std::to_chars(buffer, buffer + sizeof buffer, x, std::chars_format::fixed, static_cast<int>(precision));
  return error == std::errc() ? std::string(buffer, end) : std::string();
}

std::string ToDigits(uint64_t value, unsigned base, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string out;
  do {
    out.insert(out.begin(), digits[value % base]);
    value /= base;
  } while (value != 0);
  return out;
}

std::string Convert(char conversion, const FormatArg& arg, size_t precision) {
  if (arg.IsText()) return arg.Text();
  if (conversion == 'f') return Fixed(arg.Real(), precision);
  const int64_t n = arg.Number();
  switch (conversion) {
    case 'd':
    case 'i':
    case 's':
      return n < 0 ? "-" + ToDigits(0 - static_cast<uint64_t>(n), 10, false)
                   : ToDigits(static_cast<uint64_t>(n), 10, false);
    case 'u':
      return ToDigits(static_cast<uint32_t>(n), 10, false);
    case 'x':
      return ToDigits(static_cast<uint32_t>(n), 16, false);
    case 'X':
      return ToDigits(static_cast<uint32_t>(n), 16, true);
    case 'c':
      return std::string(1, static_cast<char>(n));
    default:
      return std::string();
  }
}

}  // namespace

std::string FormatList(std::string_view format, std::initializer_list<FormatArg> args) {
  const std::vector<FormatArg> list(args);
  size_t next = 0;
  std::string out;
  out.reserve(format.size() + 16);
  for (size_t i = 0; i < format.size(); ++i) {
    if (format[i] != '%') {
      out += format[i];
      continue;
    }
    size_t j = i + 1;
    if (j < format.size() && format[j] == '%') {
      out += '%';
      i = j;
      continue;
    }
    bool leftAlign = false;
    bool zeroFill = false;
    for (; j < format.size() && (format[j] == '-' || format[j] == '0'); ++j) {
      if (format[j] == '-') leftAlign = true;
      if (format[j] == '0') zeroFill = true;
    }
    size_t width = 0;
    for (; j < format.size() && format[j] >= '0' && format[j] <= '9'; ++j) {
      width = width * 10 + static_cast<size_t>(format[j] - '0');
      if (width > 64) width = 64;
    }
    size_t precision = kDefaultPrecision;
    if (j < format.size() && format[j] == '.') {
      precision = 0;
      for (++j; j < format.size() && format[j] >= '0' && format[j] <= '9'; ++j) {
        precision = std::min(precision * 10 + static_cast<size_t>(format[j] - '0'), kLargestPrecision);
      }
    }
    // Length modifiers carry no meaning here: every number is held in 64 bits.
    while (j < format.size() && (format[j] == 'l' || format[j] == 'h')) ++j;
    if (j >= format.size()) {  // a dangling '%' is kept as it stands
      out.append(format.substr(i));
      break;
    }
    const char conversion = format[j];
    if (std::string_view("sdiuxXcf").find(conversion) == std::string_view::npos) {
      out.append(format.substr(i, j - i + 1));
      i = j;
      continue;
    }
    std::string piece = next < list.size() ? Convert(conversion, list[next], precision) : std::string();
    ++next;
    if (piece.size() < width) {
      const size_t pad = width - piece.size();
      if (leftAlign) {
        piece.append(pad, ' ');
      } else if (zeroFill && conversion != 's' && conversion != 'c') {
        const size_t sign = (!piece.empty() && piece[0] == '-') ? 1 : 0;
        piece.insert(sign, pad, '0');
      } else {
        piece.insert(0, pad, ' ');
      }
    }
    out += piece;
    i = j;
  }
  return out;
}

}  // namespace text
