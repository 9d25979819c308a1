#pragma once

#include <QString>

namespace tarvel {

// The stored firm and period choices ("1- NAME", "2- 1-(dates)  (dates)"):
// each starts with its number, the text before the first "-", blanks dropped.
QString choiceNumber(const QString &choice); // "12- ÖRNEK" -> "12"
bool isAsciiDigits(const QString &text);     // "" is no number

// What is wrong with a stored firm and period pair, in Turkish, naming both;
// "" when they fit: each starts with its number, and the period's firm number
// (after its first "-") is the firm's. Nothing chosen yet (both empty) fits.
QString choiceProblem(const QString &firmChoice, const QString &periodChoice);

} // namespace tarvel
