#pragma once

#include <QString>
#include <optional>

namespace qx {

// The number at the start of a text. Blanks are skipped wherever they stand; a sign, digits, a
// "." with more digits and an exponent are read; reading stops at the first other character.
// A text without a leading number gives 0. Never fails.
double leadingValue(const QString& text);

// The entire text as one number (blanks around it allowed, any other stray character fails),
// rounded down toward minus infinity: 499.9 gives 499, -3.5 gives -4.
std::optional<qint64> wholeValue(const QString& text);

// The entire text as one number, not rounded (blanks around it allowed).
std::optional<double> numberValue(const QString& text);

// How the controller and the fields write a number: "-" before a negative value, no sign and no
// blank before a positive one, "." as decimal point, no zero before the point below 1 (.5),
// at most 15 significant digits.
QString numberText(double value);
QString numberText(qint64 value);

// The text without leading and trailing blanks; nothing else changes.
QString trimmedText(const QString& text);

}  // namespace qx
