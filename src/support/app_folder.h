// Where the program's own files live: the folder of the running program.
#pragma once

#include <string>
#include <string_view>

namespace gorbix {

// The folder of programPath, ending in separator. A path that names no
// folder, or a program run hosted by the old development environment
// ("VB.EXE", "VB5.EXE", "VB32.EXE", case counting), gives currentDir instead.
// The path is never cut to a fixed length.
std::string FindAppFolder(std::string_view programPath, std::string_view currentDir, char separator);

}  // namespace gorbix
