// Time arithmetic and text of the thinking-time clocks.
#pragma once

#include <string>

namespace kumora {

// Seconds from `start` to `now`, times of day in seconds since midnight; a
// span that crosses midnight counts on from there.
double elapsed(double start, double now);

// "07" for 7, "12" for 12; an empty text for three digits or more.
std::string two_digits(long n);

// Hours, minutes and seconds, two digits each, joined by ":".
std::string format_hms(double seconds);

}  // namespace kumora
