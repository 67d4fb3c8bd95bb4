#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tablesmith {

// One field of the table that the generated program manages.
struct FieldDefinition {
  std::int32_t ID = 0;
  std::string FIELD_DESCRPTION;
  std::string FIELDNAME;
  std::string FIELDTYPE;  // "String", "Integer", "Float" or empty

  bool operator==(const FieldDefinition&) const = default;
};

// The field definitions in store order, as every generator walks them.
using FieldList = std::vector<FieldDefinition>;

inline constexpr std::size_t kDescriptionMaxLength = 39;
inline constexpr std::size_t kFieldNameMaxLength = 39;
inline constexpr std::size_t kFieldTypeMaxLength = 19;

// The type words a field may hold; they are also the AGK type names.
inline constexpr std::string_view kTypeString = "String";
inline constexpr std::string_view kTypeInteger = "Integer";
inline constexpr std::string_view kTypeFloat = "Float";

// True when the field's type text equals `word` exactly; trailing spaces of
// the stored type do not count, capitals do.
bool HasType(const FieldDefinition& field, std::string_view word);

// Checks the three texts of a definition against their limits and the type
// against the known words (empty allowed). Returns a one-line error naming
// the value and the limit, or nothing when the definition fits.
std::optional<std::string> CheckFieldDefinition(const FieldDefinition& field);

}  // namespace tablesmith
