#include "ui/EntryValidators.h"

#include <QLineEdit>

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

QValidator::State TextLimitValidator::validate(QString& input, int&) const {
  return CharacterCount(input) <= limit_ ? Acceptable : Invalid;
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
