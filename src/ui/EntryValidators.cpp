#include "ui/EntryValidators.h"

#include <QLineEdit>
#include <algorithm>

#include "model/ProjectSettings.h"

namespace tablesmith::ui {

std::size_t CharacterCount(const QString& text) {
  std::size_t count = 0;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
      ++i;
    }
    ++count;
  }
  return count;
}

TextLimitValidator::TextLimitValidator(std::size_t limit, QObject* parent)
    : QValidator(parent), limit_(limit) {}

// A text over the limit is cut at the cursor, where the typed or pasted text
// ends: a keystroke into a full entry changes nothing, and a long paste keeps
// as much of its beginning as fits, as a plain length limit would.
QValidator::State TextLimitValidator::validate(QString& input, int& position) const {
  std::size_t excess = CharacterCount(input);
  if (excess <= limit_) return Acceptable;
  excess -= limit_;
  int cut = std::clamp(position, 0, static_cast<int>(input.size()));
  int from = cut;
  while (excess > 0 && from > 0) {
    --from;
    if (from > 0 && input.at(from).isLowSurrogate() && input.at(from - 1).isHighSurrogate()) --from;
    --excess;
  }
  input.remove(from, cut - from);
  position = from;
  while (excess > 0 && !input.isEmpty()) {  // the cursor stood too far left: cut the end
    input.chop(input.size() > 1 && input.back().isLowSurrogate() ? 2 : 1);
    --excess;
  }
  position = std::min(position, static_cast<int>(input.size()));
  return Acceptable;
}

NumberValidator::NumberValidator(std::size_t maxLength, std::int64_t min, std::int64_t max,
                                 QObject* parent)
    : QValidator(parent), maxLength_(maxLength), min_(min), max_(max) {}

QValidator::State NumberValidator::validate(QString& input, int&) const {
  if (static_cast<std::size_t>(input.size()) > maxLength_) return Invalid;
  if (input.isEmpty() || input == QLatin1String("-")) return Intermediate;
  const auto value = ParseSettingNumber(input.toStdString(), maxLength_, min_, max_);
  return value ? Acceptable : Invalid;
}

void LimitText(QLineEdit* entry, std::size_t limit) {
  entry->setMaxLength(static_cast<int>(2 * limit));
  entry->setValidator(new TextLimitValidator(limit, entry));
}

void LimitNumber(QLineEdit* entry, std::size_t maxLength, std::int64_t min, std::int64_t max) {
  entry->setMaxLength(static_cast<int>(maxLength));
  entry->setValidator(new NumberValidator(maxLength, min, max, entry));
}

}  // namespace tablesmith::ui
