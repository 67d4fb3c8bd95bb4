#pragma once

#include <string>

#include "model/FieldDefinition.h"

namespace tablesmith {

// The field list as an aligned table with a header line.
std::string FormatFieldsTable(const FieldList& fields);
// A header line and one line per definition, quoted as RFC 4180 asks.
std::string FormatFieldsCsv(const FieldList& fields);
// An array of objects with the keys ID, FIELD_DESCRPTION, FIELDNAME, FIELDTYPE.
std::string FormatFieldsJson(const FieldList& fields);

}  // namespace tablesmith
