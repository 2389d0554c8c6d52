// Moving the program into the folder it works in.
#pragma once

#include <string>

namespace kumora {

// Makes `folder` (and the folders above it) when missing and makes it the
// current directory; false, with the reason, when it cannot be made, is not
// a folder, or cannot be written to.
bool enter_working_folder(const std::string& folder, std::string& error);

}  // namespace kumora
