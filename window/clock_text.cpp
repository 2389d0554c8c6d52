#include "window/clock_text.h"

#include <cmath>

namespace kumora {

double elapsed(double start, double now) {
  if (start <= now) return now - start;
  return now + (86400 - start);
}

std::string two_digits(long n) {
  std::string text = std::to_string(n);
  if (text.size() == 1) return "0" + text;
  if (text.size() == 2) return text;
  return {};
}

std::string format_hms(double seconds) {
  double h = 0;
  if (seconds >= 3600) {
    h = std::floor(seconds / 3600);
    seconds -= 3600 * h;
  }
  const double m = std::floor(seconds / 60);
  const double s = seconds - 60 * m;
  return two_digits(static_cast<long>(h)) + ":" + two_digits(static_cast<long>(m)) + ":" +
         two_digits(static_cast<long>(std::floor(s)));
}

}  // namespace kumora
