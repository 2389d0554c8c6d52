#include "window/chain_numbers.h"

namespace kumora {

std::string describe_numbers(const ChainNumbers& numbers) {
  if (numbers.empty()) return "none";
  std::string text;
  for (size_t i = 0; i < numbers.cells.size(); ++i) {
    if (i > 0) text += "; ";
    const Cell& cell = numbers.cells[i];
    text += std::to_string(i + 1) + " at " + std::to_string(cell.x) + "," + std::to_string(cell.y);
  }
  if (numbers.ends_at_destination) text += ", the destination";
  return text;
}

}  // namespace kumora
