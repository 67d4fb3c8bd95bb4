#include <cstdio>

#include "generator/Generators.h"

namespace tablesmith {
namespace {

struct KeyConstant {
  const char* name;
  int value;
};

// Windows virtual-key codes, which AGK's raw-key commands take.
constexpr KeyConstant kKeyConstants[] = {
    {"KEY_BACK", 8},     {"KEY_TAB", 9},       {"KEY_ENTER", 13},   {"KEY_SHIFT", 16},
    {"KEY_CONTROL", 17}, {"KEY_ESCAPE", 27},   {"KEY_SPACE", 32},   {"KEY_PAGEUP", 33},
    {"KEY_PAGEDOWN", 34}, {"KEY_END", 35},     {"KEY_HOME", 36},    {"KEY_LEFT", 37},
    {"KEY_UP", 38},      {"KEY_RIGHT", 39},    {"KEY_DOWN", 40},    {"KEY_INSERT", 45},
    {"KEY_DELETE", 46},  {"KEY_0", 48},        {"KEY_1", 49},       {"KEY_2", 50},
    {"KEY_3", 51},       {"KEY_4", 52},        {"KEY_5", 53},       {"KEY_6", 54},
    {"KEY_7", 55},       {"KEY_8", 56},        {"KEY_9", 57},       {"KEY_A", 65},
    {"KEY_B", 66},       {"KEY_C", 67},        {"KEY_D", 68},       {"KEY_E", 69},
    {"KEY_F", 70},       {"KEY_G", 71},        {"KEY_H", 72},       {"KEY_I", 73},
    {"KEY_J", 74},       {"KEY_K", 75},        {"KEY_L", 76},       {"KEY_M", 77},
    {"KEY_N", 78},       {"KEY_O", 79},        {"KEY_P", 80},       {"KEY_Q", 81},
    {"KEY_R", 82},       {"KEY_S", 83},        {"KEY_T", 84},       {"KEY_U", 85},
    {"KEY_V", 86},       {"KEY_W", 87},        {"KEY_X", 88},       {"KEY_Y", 89},
    {"KEY_Z", 90},       {"KEY_F1", 112},      {"KEY_F2", 113},     {"KEY_F3", 114},
    {"KEY_F4", 115},     {"KEY_F5", 116},      {"KEY_F6", 117},     {"KEY_F7", 118},
    {"KEY_F8", 119},     {"KEY_S1", 186},      {"KEY_S2", 187},     {"KEY_S3", 188},
    {"KEY_S4", 189},     {"KEY_S5", 190},      {"KEY_S6", 191},     {"KEY_S7", 192},
    {"KEY_S8", 219},     {"KEY_S9", 220},      {"KEY_S10", 221},    {"KEY_S11", 222},
    {"KEY_S12", 223},
};

}  // namespace

// constants.inc: the key-code constants, the same for every project. The
// only generated file without a header comment block.
void WriteConstantsInc(const ProjectSettings&, const FieldList&, LineWriter& writer) {
  for (const KeyConstant& key : kKeyConstants) {
    char line[64];
    // "#constant", four blanks, the name padded to 17 characters, the value.
    std::snprintf(line, sizeof line, "#constant    %-17s%d", key.name, key.value);
    writer.ComposeLine({line, key.value == 186 ? "    " : ""});
    writer.Append();
  }
  writer.WriteLine("");
}

}  // namespace tablesmith
