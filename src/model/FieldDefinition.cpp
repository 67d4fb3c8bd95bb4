#include "model/FieldDefinition.h"

#include "model/Utf8.h"

namespace tablesmith {
namespace {

std::optional<std::string> CheckLength(std::string_view what, std::string_view value,
                                       std::size_t limit) {
  const std::size_t length = Utf8Length(value);
  if (length <= limit) return std::nullopt;
  return std::string(what) + " \"" + std::string(value) + "\" is " + std::to_string(length) +
         " characters long; at most " + std::to_string(limit) + " are allowed";
}

}  // namespace

bool HasType(const FieldDefinition& field, std::string_view word) {
  return WithoutTrailingSpaces(field.FIELDTYPE) == word;
}

std::optional<std::string> CheckFieldDefinition(const FieldDefinition& field) {
  if (auto error = CheckLength("FIELD_DESCRPTION", field.FIELD_DESCRPTION, kDescriptionMaxLength))
    return error;
  if (auto error = CheckLength("FIELDNAME", field.FIELDNAME, kFieldNameMaxLength)) return error;
  if (auto error = CheckLength("FIELDTYPE", field.FIELDTYPE, kFieldTypeMaxLength)) return error;
  const std::string_view type = field.FIELDTYPE;
  if (!type.empty() && type != kTypeString && type != kTypeInteger && type != kTypeFloat) {
    return "FIELDTYPE \"" + field.FIELDTYPE +
           "\" is not a known type; use String, Integer, Float or an empty text";
  }
  return std::nullopt;
}

}  // namespace tablesmith
