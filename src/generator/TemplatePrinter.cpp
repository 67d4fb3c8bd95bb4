#include "generator/TemplatePrinter.h"

#include <stdexcept>

namespace tablesmith {

TemplatePrinter::TemplatePrinter(LineWriter& writer, const ProjectSettings& settings)
    : writer_(writer) {
  for (const SettingInfo& info : AllSettings()) {
    variables_.emplace(std::string(info.name), SettingValueText(settings, info));
  }
}

void TemplatePrinter::Line(std::string_view pattern) { writer_.WriteLine(Expand(pattern)); }

void TemplatePrinter::Line(const FieldDefinition& field, std::string_view pattern) {
  writer_.WriteLine(Expand(pattern, &field));
}

void TemplatePrinter::Line(std::string_view pattern, Variables extra) {
  writer_.WriteLine(Expand(pattern, nullptr, extra));
}

void TemplatePrinter::Line(const FieldDefinition& field, std::string_view pattern,
                           Variables extra) {
  writer_.WriteLine(Expand(pattern, &field, extra));
}

void TemplatePrinter::Set(std::string_view name, std::string value) {
  variables_.insert_or_assign(std::string(name), std::move(value));
}

const std::string* TemplatePrinter::Lookup(std::string_view name, const FieldDefinition* field,
                                           Variables extra, std::string& scratch) const {
  for (const auto& [key, value] : extra) {
    if (key == name) {
      scratch.assign(value);
      return &scratch;
    }
  }
  if (field) {
    if (name == "FIELDNAME") return &field->FIELDNAME;
    if (name == "FIELDTYPE") return &field->FIELDTYPE;
    if (name == "FIELD_DESCRPTION") return &field->FIELD_DESCRPTION;
    if (name == "ID") {
      scratch = std::to_string(field->ID);
      return &scratch;
    }
  }
  if (auto it = variables_.find(name); it != variables_.end()) return &it->second;
  return nullptr;
}

std::string TemplatePrinter::Expand(std::string_view pattern, const FieldDefinition* field,
                                    Variables extra) const {
  std::string result;
  result.reserve(pattern.size() + 32);
  std::string scratch;
  std::size_t pos = 0;
  while (pos < pattern.size()) {
    const std::size_t open = pattern.find("{{", pos);
    if (open == std::string_view::npos) {
      result.append(pattern.substr(pos));
      break;
    }
    const std::size_t close = pattern.find("}}", open + 2);
    if (close == std::string_view::npos) {
      throw std::logic_error("unclosed {{ in pattern: " + std::string(pattern));
    }
    result.append(pattern.substr(pos, open - pos));
    const std::string_view name = pattern.substr(open + 2, close - open - 2);
    const std::string* value = Lookup(name, field, extra, scratch);
    if (!value) {
      throw std::logic_error("unknown variable {{" + std::string(name) +
                             "}} in pattern: " + std::string(pattern));
    }
    result.append(*value);
    pos = close + 2;
  }
  return result;
}

}  // namespace tablesmith
