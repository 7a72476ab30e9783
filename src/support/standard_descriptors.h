// Standard input, output and error, made safe to use. A program started
// with one of them closed would hand that number to the next file or socket
// it opens, and every warning would then be written into it.
#pragma once

namespace gorbix {

// Opens /dev/null on each of descriptors 0, 1 and 2 that is closed. Call
// first thing in main, before anything opens a file. False if one stays closed.
bool openClosedStandardDescriptors();

}  // namespace gorbix
