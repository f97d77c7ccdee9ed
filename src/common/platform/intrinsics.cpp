// NUMVAL, the one intrinsic with enough logic to live out of line.
#include "common/platform/intrinsics.hpp"

namespace ovle::platform::intrinsic {

double numval(std::string_view text) noexcept {
  std::size_t i = 0;
  const std::size_t n = text.size();
  auto skip_blanks = [&] {
    while (i < n && text[i] == ' ') ++i;
  };
  auto take_sign = [&](bool leading) -> int {
    if (i < n && (text[i] == '+' || text[i] == '-')) return text[i++] == '-' ? -1 : 1;
    if (!leading && i + 1 < n) {
      const char a = static_cast<char>(text[i] & ~0x20), b = static_cast<char>(text[i + 1] & ~0x20);
      if ((a == 'C' && b == 'R') || (a == 'D' && b == 'B')) {
        i += 2;
        return -1;
      }
    }
    return 0;
  };
  skip_blanks();
  const int leading = take_sign(true);
  skip_blanks();
  double value = 0;
  double scale = 1;
  bool digits = false;
  bool point = false;
  for (; i < n; ++i) {
    const char c = text[i];
    if (c >= '0' && c <= '9') {
      digits = true;
      if (!point) value = value * 10 + (c - '0');
      else {
        scale /= 10;
        value += (c - '0') * scale;
      }
    } else if (c == '.' && !point) {
      point = true;
    } else {
      break;
    }
  }
  skip_blanks();
  const int trailing = leading == 0 ? take_sign(false) : 0;
  skip_blanks();
  if (!digits || i != n) return 0;
  return (leading < 0 || trailing < 0) ? -value : value;
}

}  // namespace ovle::platform::intrinsic
