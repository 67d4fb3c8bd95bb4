#pragma once

#include <cstdint>
#include <initializer_list>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "generator/LineWriter.h"
#include "model/FieldDefinition.h"
#include "model/ProjectSettings.h"

namespace tablesmith {

// Writes generated lines from patterns that look like the line they make.
// "{{NAME}}" in a pattern is replaced by the value of the variable NAME:
// every setting by its own name (PROGRAMPREFIX, LISTX1, ...), and, inside a
// field loop, the current field's ID, FIELD_DESCRPTION, FIELDNAME and
// FIELDTYPE. Values are inserted as stored and never scanned for further
// variables, so user text cannot change a pattern.
//
//   TemplatePrinter out(writer, settings);
//   out.Line("#Include \"{{PROGRAMPREFIX}}globals.inc\"");
//   for (const auto& field : fields) {
//     out.Line(field, "    {{FIELDNAME}} as {{FIELDTYPE}}");
//   }
class TemplatePrinter {
 public:
  using Variables = std::initializer_list<std::pair<std::string_view, std::string_view>>;

  TemplatePrinter(LineWriter& writer, const ProjectSettings& settings);

  // Writes one line made from the pattern.
  void Line(std::string_view pattern);
  // Writes one line with the field's attributes available as variables.
  void Line(const FieldDefinition& field, std::string_view pattern);
  // Writes one line with extra variables for this line only.
  void Line(std::string_view pattern, Variables extra);
  void Line(const FieldDefinition& field, std::string_view pattern, Variables extra);

  // An empty line, and a line of n spaces (written to disk as an empty line).
  void EmptyLine() { writer_.WriteLine(""); }
  void Spaces(int count) { writer_.WriteLine(std::string(static_cast<std::size_t>(count), ' ')); }

  // Sets a variable for all following lines (for example a value kept across a field loop).
  void Set(std::string_view name, std::string value);
  void Set(std::string_view name, std::int64_t value) { Set(name, std::to_string(value)); }

  // The pattern with its variables replaced, without writing it.
  std::string Expand(std::string_view pattern, const FieldDefinition* field = nullptr,
                     Variables extra = {}) const;

  LineWriter& writer() { return writer_; }

 private:
  const std::string* Lookup(std::string_view name, const FieldDefinition* field,
                            Variables extra, std::string& scratch) const;

  LineWriter& writer_;
  std::map<std::string, std::string, std::less<>> variables_;
};

}  // namespace tablesmith
