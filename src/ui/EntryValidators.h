#pragma once

#include <QValidator>
#include <cstddef>
#include <cstdint>

class QLineEdit;

namespace tablesmith::ui {

// Number of Unicode characters (code points) in a text; a character outside
// the Basic Multilingual Plane is one character, not two UTF-16 units.
std::size_t CharacterCount(const QString& text);

// Keeps a text entry at most `limit` characters long. QLineEdit counts UTF-16
// units, so its own limit is set to twice the count and this validator holds
// the real limit in characters.
class TextLimitValidator : public QValidator {
 public:
  TextLimitValidator(std::size_t limit, QObject* parent);
  State validate(QString& input, int& position) const override;

 private:
  std::size_t limit_;
};

// A numeric entry: at most `maxLength` characters, digits with an optional
// leading minus sign, and a value from `min` to `max`. An empty entry or a
// lone minus is allowed while typing and counts as 0.
class NumberValidator : public QValidator {
 public:
  NumberValidator(std::size_t maxLength, std::int64_t min, std::int64_t max, QObject* parent);
  State validate(QString& input, int& position) const override;

 private:
  std::size_t maxLength_;
  std::int64_t min_;
  std::int64_t max_;
};

// Sets up a text entry that takes at most `limit` characters.
void LimitText(QLineEdit* entry, std::size_t limit);

// Sets up a numeric entry of at most `maxLength` characters for values from
// `min` to `max`.
void LimitNumber(QLineEdit* entry, std::size_t maxLength, std::int64_t min, std::int64_t max);

}  // namespace tablesmith::ui
