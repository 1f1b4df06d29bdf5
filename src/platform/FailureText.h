#pragma once

#include "base/FileLoadResult.h"
#include "base/FileWriteResult.h"

#include <string>

namespace velmora {

// What happened to a file, in a sentence for the user in the interface
// language (UTF-8): "the file does not exist", "line 12 has more than 1000
// characters", ...; empty for a success.
std::string FailureText(const FileLoadResult& result);
// Why a file could not be written: "the file cannot be written (No space
// left on device)", ...; empty for a success.
std::string FailureText(const FileWriteResult& result);

} // namespace velmora
