// Where the program's own files live: the folder of the running program.
#pragma once

#include <string>
#include <string_view>

namespace gorbix {

// The folder of programPath, ending in separator. A path that names no
// folder, or a program run hosted by the old development environment
// ("VB.EXE", "VB5.EXE", "VB32.EXE", case counting), gives currentDir instead.
// The path is never cut to a fixed length. When neither names a folder the
// answer is empty: the folder is not known, and is never taken to be the
// root.
std::string FindAppFolder(std::string_view programPath, std::string_view currentDir, char separator);

// The running program's file as the system names it. Where the system
// cannot (a path longer than it hands back), argv0 when it names that same
// file, relative to the current folder as it was given; empty otherwise.
std::string RunningProgramPath(std::string_view argv0);

// The current folder: its full path, or "." where that path is too long to
// open files by (the program never changes its folder, so "." stays right);
// empty when the folder cannot be named at all (it has been removed).
std::string CurrentFolder();

}  // namespace gorbix
