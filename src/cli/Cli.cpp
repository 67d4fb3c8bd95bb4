#include "cli/Cli.h"

#include <ostream>

namespace tablesmith {

int RunCli(int, const char* const*, std::ostream&, std::ostream& err) {
  err << "tablesmith-cli: not ready\n";
  return 2;
}

}  // namespace tablesmith
