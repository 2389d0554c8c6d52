#include "archive/played_order.h"

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <tuple>

namespace kumora {

namespace {

struct Played {
  bool in_the_future = false;
  std::int64_t seconds = 0;
  long nanoseconds = 0;
  std::string name;
};

Played played(const std::string& folder, const std::string& name, std::time_t now) {
  Played when;
  when.name = name;
  struct stat info {};
  if (lstat((folder + "/" + name).c_str(), &info) != 0) return when;
  when.seconds = info.st_mtim.tv_sec;
  when.nanoseconds = info.st_mtim.tv_nsec;
  when.in_the_future = info.st_mtim.tv_sec > now;
  return when;
}

}  // namespace

std::time_t timestamp_time(const std::string& timestamp) {
  std::tm parts{};
  char end = 0;
  if (std::sscanf(timestamp.c_str(), "%4d-%2d-%2d %2d-%2d-%2d%c", &parts.tm_year, &parts.tm_mon,
                  &parts.tm_mday, &parts.tm_hour, &parts.tm_min, &parts.tm_sec, &end) != 6) {
    return 0;
  }
  parts.tm_year -= 1900;
  parts.tm_mon -= 1;
  parts.tm_isdst = -1;
  const std::time_t time = std::mktime(&parts);
  return time < 0 ? 0 : time;
}

std::vector<std::string> newest_played_first(const std::string& folder,
                                             std::vector<std::string> names, std::time_t now) {
  std::vector<Played> times;
  for (const std::string& name : names) times.push_back(played(folder, name, now));
  std::sort(times.begin(), times.end(), [](const Played& a, const Played& b) {
    return std::tie(b.in_the_future, a.seconds, a.nanoseconds, a.name) >
           std::tie(a.in_the_future, b.seconds, b.nanoseconds, b.name);
  });
  names.clear();
  for (Played& when : times) names.push_back(std::move(when.name));
  return names;
}

}  // namespace kumora
