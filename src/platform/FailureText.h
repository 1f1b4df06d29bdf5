#pragma once

#include "base/FileLoadResult.h"

#include <string>

namespace velmora {

// What happened to a file, in a sentence for the user in the interface
// language (UTF-8): "the file does not exist", "line 12 has more than 1000
// characters", ...; empty for a success.
std::string FailureText(const FileLoadResult& result);

} // namespace velmora
