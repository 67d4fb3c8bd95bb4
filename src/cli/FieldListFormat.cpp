#include "cli/FieldListFormat.h"

#include <algorithm>
#include <array>
#include <cstdio>

#include "model/Utf8.h"

namespace tablesmith {
namespace {

constexpr std::array<const char*, 4> kColumns = {"ID", "FIELD_DESCRPTION", "FIELDNAME",
                                                 "FIELDTYPE"};

std::array<std::string, 4> Cells(const FieldDefinition& field) {
  return {std::to_string(field.ID), field.FIELD_DESCRPTION, field.FIELDNAME, field.FIELDTYPE};
}

std::string CsvCell(const std::string& text) {
  if (text.find_first_of(",\"\r\n") == std::string::npos) return text;
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

std::string JsonString(const std::string& text) {
  std::string json = "\"";
  for (unsigned char c : text) {
    switch (c) {
      case '"': json += "\\\""; break;
      case '\\': json += "\\\\"; break;
      case '\n': json += "\\n"; break;
      case '\r': json += "\\r"; break;
      case '\t': json += "\\t"; break;
      default:
        if (c < 0x20) {
          char escaped[8];
          std::snprintf(escaped, sizeof escaped, "\\u%04x", c);
          json += escaped;
        } else {
          json += static_cast<char>(c);
        }
    }
  }
  return json + "\"";
}

}  // namespace

std::string FormatFieldsTable(const FieldList& fields) {
  std::array<std::size_t, 4> widths{};
  for (std::size_t c = 0; c < kColumns.size(); ++c) widths[c] = Utf8Length(kColumns[c]);
  for (const auto& field : fields) {
    const auto cells = Cells(field);
    for (std::size_t c = 0; c < cells.size(); ++c) {
      widths[c] = std::max(widths[c], Utf8Length(cells[c]));
    }
  }
  auto row = [&](const std::array<std::string, 4>& cells) {
    std::string line;
    for (std::size_t c = 0; c < cells.size(); ++c) {
      const std::size_t pad = widths[c] - Utf8Length(cells[c]);
      if (c == 0) line += std::string(pad, ' ') + cells[c];  // numbers to the right
      else line += "  " + cells[c] + (c + 1 < cells.size() ? std::string(pad, ' ') : "");
    }
    return std::string(WithoutTrailingSpaces(line)) + "\n";
  };
  std::string text = row({kColumns[0], kColumns[1], kColumns[2], kColumns[3]});
  for (const auto& field : fields) text += row(Cells(field));
  return text;
}

std::string FormatFieldsCsv(const FieldList& fields) {
  std::string text = "ID,FIELD_DESCRPTION,FIELDNAME,FIELDTYPE\n";
  for (const auto& field : fields) {
    const auto cells = Cells(field);
    text += cells[0] + "," + CsvCell(cells[1]) + "," + CsvCell(cells[2]) + "," +
            CsvCell(cells[3]) + "\n";
  }
  return text;
}

std::string FormatFieldsJson(const FieldList& fields) {
  std::string text = "[";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const auto& field = fields[i];
    text += i == 0 ? "\n" : ",\n";
    text += "  {\"ID\": " + std::to_string(field.ID) +
            ", \"FIELD_DESCRPTION\": " + JsonString(field.FIELD_DESCRPTION) +
            ", \"FIELDNAME\": " + JsonString(field.FIELDNAME) +
            ", \"FIELDTYPE\": " + JsonString(field.FIELDTYPE) + "}";
  }
  text += fields.empty() ? "]\n" : "\n]\n";
  return text;
}

}  // namespace tablesmith
