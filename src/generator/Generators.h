#pragma once

#include "generator/LineWriter.h"
#include "model/FieldDefinition.h"
#include "model/ProjectSettings.h"

namespace tablesmith {

// One generator per output file. Each writes its file top to bottom through
// the line writer and changes neither input.
using Generator = void (*)(const ProjectSettings&, const FieldList&, LineWriter&);

void WriteStartupFiles(const ProjectSettings& settings, const FieldList& fields, LineWriter& out);
void WriteGlobalsInc(const ProjectSettings& settings, const FieldList& fields, LineWriter& out);
void WriteConstantsInc(const ProjectSettings& settings, const FieldList& fields, LineWriter& out);
void WriteFileUtilsInc(const ProjectSettings& settings, const FieldList& fields, LineWriter& out);
void WriteMainAgc(const ProjectSettings& settings, const FieldList& fields, LineWriter& out);
void WriteProjectFile(const ProjectSettings& settings, const FieldList& fields, LineWriter& out);
void WriteFormInc(const ProjectSettings& settings, const FieldList& fields, LineWriter& out);
void WriteFormInputInc(const ProjectSettings& settings, const FieldList& fields, LineWriter& out);
void WriteListInc(const ProjectSettings& settings, const FieldList& fields, LineWriter& out);
void WriteListInputInc(const ProjectSettings& settings, const FieldList& fields, LineWriter& out);
void WriteMessagePopupInc(const ProjectSettings& settings, const FieldList& fields,
                          LineWriter& out);
void WriteMessagePopupInputInc(const ProjectSettings& settings, const FieldList& fields,
                               LineWriter& out);

}  // namespace tablesmith
