#pragma once

#include <iosfwd>

namespace tablesmith {

// Runs tablesmith-cli with the given arguments; returns the exit code:
// 0 everything done, 1 the run could not write something, 2 a usage or input
// error (nothing was written).
int RunCli(int argc, const char* const* argv, std::ostream& out, std::ostream& err);

}  // namespace tablesmith
