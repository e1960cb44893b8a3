#include "localization/SafeFormat.h"

#include <vector>

namespace text {

namespace {

std::string ToDigits(uint64_t value, unsigned base, bool upper) {
  const char* digits = upper ? "0123456789ABCDEF" : "0123456789abcdef";
  std::string out;
  do {
    out.insert(out.begin(), digits[value % base]);
    value /= base;
  } while (value != 0);
  return out;
}

std::string Convert(char conversion, const FormatArg& arg) {
  if (arg.IsText()) return arg.Text();
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
    // Length modifiers carry no meaning here: every number is held in 64 bits.
    while (j < format.size() && (format[j] == 'l' || format[j] == 'h')) ++j;
    if (j >= format.size()) {  // a dangling '%' is kept as it stands
      out.append(format.substr(i));
      break;
    }
    const char conversion = format[j];
    if (std::string_view("sdiuxXc").find(conversion) == std::string_view::npos) {
      out.append(format.substr(i, j - i + 1));
      i = j;
      continue;
    }
    std::string piece = next < list.size() ? Convert(conversion, list[next]) : std::string();
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
