// A text written between double quotes on one line, as the program's
// accounts of what it shows write it: \ as \\, " as \", CR as \r, LF as \n.
#pragma once

#include <string>

namespace kumora {

std::string quoted(const std::string& text);

}  // namespace kumora
