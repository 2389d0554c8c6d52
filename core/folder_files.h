// The regular files of one folder, by name: what the file panel lists and
// what the archive of kept games holds.
#pragma once

#include <functional>
#include <string>
#include <vector>

namespace kumora {

// The names (as the file system's bytes) of the regular files in `folder`
// that `wanted` accepts, in the folder's order; none when it cannot be read.
std::vector<std::string> regular_files(const std::string& folder,
                                       const std::function<bool(const std::string&)>& wanted);

}  // namespace kumora
