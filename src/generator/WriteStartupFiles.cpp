#include "generator/Generators.h"

namespace tablesmith {

// Not written yet: the run leaves this file out until its generator exists.
void WriteStartupFiles(const ProjectSettings&, const FieldList&, LineWriter&) {}

}  // namespace tablesmith
