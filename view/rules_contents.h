// What the "遊び方" window says: an introduction and the sections, each with
// its paragraphs and diagrams, in the language chosen when they are asked for.
#pragma once

#include <string>
#include <vector>

#include "view/rule_diagram.h"

namespace kumora {

struct RuleSection {
  std::string title;
  std::vector<std::string> paragraphs;
  std::vector<RuleDiagram> diagrams;
};

// The paragraphs above the first section.
std::vector<std::string> rules_introduction();

// The sections in the order the window shows them.
std::vector<RuleSection> rule_sections();

}  // namespace kumora
