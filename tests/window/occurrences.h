// How often a word stands in a runner's transcript.
#pragma once

#include <string>

namespace kumora {

inline int count_of(const std::string& text, const std::string& word) {
  int count = 0;
  for (size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) ++count;
  return count;
}

}  // namespace kumora
