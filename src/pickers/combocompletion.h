#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace tarvel {

// The type-ahead of the customer lists (combocontrol), without the widget.
// Texts are compared upper-cased the Turkish way.

// The text after completing what stands before the caret with the first entry
// that begins with it and is not the whole text already; the completed tail is
// selected (selectionStart = caret, to the end). Nothing when the text is
// empty or no entry fits. Characters of the typed prefix act as the list's
// pattern characters: ? any one character, # a digit, [..] one of a list.
struct ComboCompletion {
    QString text;
    int selectionStart = 0;
    int selectionLength = 0;
};
std::optional<ComboCompletion> completeComboText(const QStringList &entries, const QString &text, int caret);

// Enter: the first entry equal to the text when both are upper-cased, so the
// text takes the entry's own letter case. Nothing for an empty text or no match.
std::optional<QString> exactComboEntry(const QStringList &entries, const QString &text);

} // namespace tarvel
