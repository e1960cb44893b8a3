#pragma once
// printf-style formatting that never reads an argument it was not given: the texts of the
// translation tables are used as they stand, and a text with more placeholders than arguments
// leaves the extra placeholders empty instead of reading past the argument list.
#include <cstdint>
#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <variant>

namespace text {

class FormatArg {
 public:
  FormatArg(const std::string& s) : value_(s) {}
  FormatArg(std::string_view s) : value_(std::string(s)) {}
  FormatArg(const char* s) : value_(std::string(s ? s : "")) {}
  template <typename T, typename = std::enable_if_t<std::is_integral_v<T>>>
  FormatArg(T n) : value_(static_cast<int64_t>(n)) {}
  FormatArg(double x) : value_(x) {}
  FormatArg(float x) : value_(static_cast<double>(x)) {}

  bool IsText() const { return std::holds_alternative<std::string>(value_); }
  bool IsReal() const { return std::holds_alternative<double>(value_); }
  const std::string& Text() const { return std::get<std::string>(value_); }
  // A real number is cut toward zero.
  int64_t Number() const;
  double Real() const;

 private:
  std::variant<std::string, int64_t, double> value_;
};

// Supports %s, %d, %i, %u, %x, %X, %c and %f with an optional '-' or '0' flag, a width and (for
// %f) a precision, and %%. A numeric conversion given a text prints the text; %s given a number
// prints it in decimal. %f writes a '.' whatever the C locale says.
std::string FormatList(std::string_view format, std::initializer_list<FormatArg> args);

template <typename... Args>
std::string Format(std::string_view format, const Args&... args) {
  return FormatList(format, {FormatArg(args)...});
}

}  // namespace text
