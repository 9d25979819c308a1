#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarvel {

// The plain message box some operations show an error's own description in
// (the pickers' list fills and hand-overs): the text, one OK button, no
// picture. Modal; returns when the user closed it.
void showPlainMessage(const QString &text, QWidget *parent = nullptr);

// Takes the messages instead of the box, for tests and runs without a screen;
// an empty function brings the box back.
using PlainMessageSink = std::function<void(const QString &text)>;
void setPlainMessageSink(PlainMessageSink sink);

} // namespace tarvel
