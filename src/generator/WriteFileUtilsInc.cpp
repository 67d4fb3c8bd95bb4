#include <algorithm>
#include <cctype>
#include <string>
#include <string_view>

#include "generator/Generators.h"
#include "generator/TemplatePrinter.h"

namespace tablesmith {
namespace {

// AGK compares identifiers without regard to case.
bool SameAgkName(std::string_view a, std::string_view b) {
  return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) ==
           std::tolower(static_cast<unsigned char>(y));
  });
}

bool HasStringField(const FieldList& fields, std::string_view name) {
  return std::any_of(fields.begin(), fields.end(), [&](const FieldDefinition& field) {
    return SameAgkName(field.FIELDNAME, name) && HasType(field, kTypeString);
  });
}

// The members that a list row shows after the record number: the first two
// fields of a known type after the first field (which is taken to be the
// record's key), each as AGK text, joined by a blank.
std::string ShownMembers(const ProjectSettings& settings, const FieldList& fields) {
  std::string shown;
  int count = 0;
  for (std::size_t i = 1; i < fields.size() && count < 2; ++i) {
    const FieldDefinition& field = fields[i];
    const std::string member = settings.PROGRAMPREFIX + "db[i]." + field.FIELDNAME;
    std::string text;
    if (HasType(field, kTypeString)) {
      text = "+" + member;
    } else if (HasType(field, kTypeInteger) || HasType(field, kTypeFloat)) {
      text = "+Str(" + member + ")";
    } else {
      continue;
    }
    if (count > 0) shown += "+\" \"";
    shown += text;
    ++count;
  }
  return shown;
}

}  // namespace

// The file utilities include: loading and saving the data file of records
// (one value per field, in field order, after the record count), writing a
// demonstration file when none exists, and building the visible list rows.
void WriteFileUtilsInc(const ProjectSettings& settings, const FieldList& fields,
                       LineWriter& writer) {
  WriteHeaderComment(writer);
  TemplatePrinter out(writer, settings);

  out.Line("//Global x As Integer");
  out.EmptyLine();

  // loadfile: read the count and the records, and build one list entry per record.
  out.Line("Function {{LISTPREFIX}}loadfile()");
  out.Spaces(4);
  out.Line("        If GetFileExists({{PROGRAMPREFIX}}readfile)");
  out.Line("            OpenToRead(1,{{PROGRAMPREFIX}}readfile)");
  out.Line("            {{PROGRAMPREFIX}}total_records=ReadInteger(1)");
  out.Line("            For i = 1 To {{PROGRAMPREFIX}}total_records ///max_records");
  out.Spaces(1);
  for (const auto& field : fields) {
    if (HasType(field, kTypeInteger)) {
      out.Line(field, "                {{PROGRAMPREFIX}}db[i].{{FIELDNAME}} = ReadInteger(1)");
    } else if (HasType(field, kTypeString)) {
      out.Line(field, "                {{PROGRAMPREFIX}}db[i].{{FIELDNAME}} = ReadString(1)");
    } else if (HasType(field, kTypeFloat)) {
      out.Line(field, "                {{PROGRAMPREFIX}}db[i].{{FIELDNAME}} = ReadFloat(1)");
    }
  }
  out.Line("                {{PROGRAMPREFIX}}listq[i].id = i");
  out.Line("           // need to change this in wizard");
  out.Line("           // Know this is still a bug if the fir 3 fields is not, id, name, surname");
  // The row text names the members name and surname; a table without both as
  // String members shows its first two members after the key instead, since
  // the compiler rejects a member that the record type does not have.
  if (HasStringField(fields, "name") && HasStringField(fields, "surname")) {
    out.Line(
        "                {{PROGRAMPREFIX}}listq[i].cline = Str({{PROGRAMPREFIX}}listq[i].id)"
        "+\": \"+{{PROGRAMPREFIX}}db[i].name+\" \"+{{PROGRAMPREFIX}}db[i].surname+\": \"");
  } else {
    out.Line(
        "                {{PROGRAMPREFIX}}listq[i].cline = Str({{PROGRAMPREFIX}}listq[i].id)"
        "+\": \"{{SHOWN}}+\": \"",
        {{"SHOWN", ShownMembers(settings, fields)}});
  }
  out.Line("           // need to change this");
  out.Line("            Next i");
  // The entry after the last record is cleared, so that no row past the end
  // keeps the text or id of a record deleted since the last load.
  out.Line("            {{PROGRAMPREFIX}}listq[{{PROGRAMPREFIX}}total_records+1].id = 0");
  out.Line("            {{PROGRAMPREFIX}}listq[{{PROGRAMPREFIX}}total_records+1].cline = \"\"");
  out.Line("            CloseFile(1)");
  out.Line("            //{{LISTPREFIX}}getrecords()");
  out.Line("        Else");
  out.Line("            total_records = 1000");
  out.Line("            {{LISTPREFIX}}createfile()");
  out.Line("        EndIF");
  out.Spaces(4);
  out.Line("EndFunction");
  out.EmptyLine();

  // SaveToFile: rewrite the whole data file from the record array.
  out.Line("Function {{LISTPREFIX}}SaveToFile()");
  out.Spaces(4);
  out.Line("    OpenToWrite(1,{{PROGRAMPREFIX}}readfile,0)");
  out.Line("    WriteInteger(1,{{PROGRAMPREFIX}}total_records)");
  out.Line("    For i=1 To {{PROGRAMPREFIX}}total_records");
  out.Spaces(2);
  for (const auto& field : fields) {
    if (HasType(field, kTypeInteger)) {
      out.Line(field, "                WriteInteger(1,{{PROGRAMPREFIX}}db[i].{{FIELDNAME}})");
    } else if (HasType(field, kTypeString)) {
      out.Line(field, "                WriteString(1,{{PROGRAMPREFIX}}db[i].{{FIELDNAME}})");
    } else if (HasType(field, kTypeFloat)) {
      out.Line(field, "                WriteFloat(1,{{PROGRAMPREFIX}}db[i].{{FIELDNAME}})");
    }
  }
  out.Line("    Next i");
  out.Line("    CloseFile(1)");
  out.Line("    {{LISTPREFIX}}loadfile()");
  out.Line("    {{LISTPREFIX}}getrecords()");
  out.Spaces(4);
  out.Line("EndFunction");
  out.EmptyLine();

  // createfile: a demonstration file of 30 records.
  out.Line("Function {{LISTPREFIX}}createfile()");
  out.Line("    OpenToWrite(1,{{PROGRAMPREFIX}}readfile)");
  out.Line("    {{PROGRAMPREFIX}}current_record = 1");
  out.Line("    {{PROGRAMPREFIX}}total_records = 30");
  out.Line("    WriteInteger (1,30)");
  out.Line("    For i  = 1 To 30");
  for (const auto& field : fields) {
    if (HasType(field, kTypeInteger)) {
      out.Line("                WriteInteger(1,i)");
    } else if (HasType(field, kTypeString)) {
      out.Line("                WriteString(1,\"Demo Field\")");
    } else if (HasType(field, kTypeFloat)) {
      out.Line("                WriteFloat(1,0)");
    }
  }
  out.Line("    Next i");
  out.Line("    CloseFile(1)");
  out.Line("    {{LISTPREFIX}}loadfile()");
  out.Line("endfunction");
  out.EmptyLine();
  out.EmptyLine();
  out.EmptyLine();

  // getrecords: one text object per visible row, from the scroll position on.
  out.Line("Function {{LISTPREFIX}}getrecords()");
  out.Spaces(4);
  out.Line("        For a = 1 To {{PROGRAMPREFIX}}maxrec");
  out.Line("            If GetTextExists(a) Then DeleteText(a)");
  out.Line("        Next a");
  out.Spaces(8);
  out.Line("        For a = 1 To {{LISTPREFIX}}tmpLen");
  out.Line("            {{LISTPREFIX}}tmp[a].qnum=0");
  out.Line("            {{LISTPREFIX}}tmp[a].cqnum=0");
  out.Line("        Next");
  out.Spaces(8);
  out.Line("        c = 1");
  out.Line("        yl = GetSpriteY({{LISTPREFIX}}winbg_img_id)");
  out.Line(
      "        For i={{PROGRAMPREFIX}}scroll To "
      "{{PROGRAMPREFIX}}scroll + {{PROGRAMPREFIX}}maxrec - 1");
  out.Line("            {{LISTPREFIX}}tmp[c].qnum=c");
  out.Line("            {{LISTPREFIX}}tmp[c].cqnum={{PROGRAMPREFIX}}listq[i].id");
  out.Line("            CreateText(c,{{PROGRAMPREFIX}}listq[i].cline)");
  out.Line("            SetTextPosition(c,GetSpriteX({{LISTPREFIX}}winbg_img_id)+10,yl)");
  out.Line("            SetTextColor(c,0,0,0,255)");
  out.Line("            SetTextSize(c,{{PROGRAMPREFIX}}textsize)");
  out.Line("            yl=yl+{{PROGRAMPREFIX}}textsize");
  out.Line("            c=c+1");
  out.Line("        Next i");
  out.Line("EndFunction");
  out.EmptyLine();
  out.EmptyLine();
  out.EmptyLine();
}

}  // namespace tablesmith
