#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarvel {

// The kinds of the program's message dialog, numbered as it has always
// numbered them. Three types, so a caption passed for an icon does not compile.
enum class Caption { Tamam = 1, Dikkat = 2, Uyari = 3, Onay = 4 }; // "TAMAM", "DİKKAT", "UYARI", "ONAY"
enum class Icon { Check = 1, Warning = 2, Cross = 3 }; // green check mark, yellow triangle, red cross
enum class Buttons { Tamam = 1, EvetHayir = 2 };       // "TAMAM" alone, "EVET" and "HAYIR"

// The program's own message dialog (window "mesaj"), used for every message.
// A kind outside those named leaves that part empty. Shown modally; true
// exactly when the answer was "TAMAM" or "EVET" (Esc or the close box: false).
bool showmessage(const QString &text, Caption caption, Icon icon, Buttons buttons, QWidget *parent = nullptr);

// Answers showmessage without a window, for tests and runs without a screen:
// it is given what the dialog would show and returns the answer the dialog
// would have given (1 TAMAM or EVET, 0 HAYIR, 2 closed without a button).
// An empty function brings the dialog back.
using MessageResponder = std::function<int(const QString &text, Caption caption, Icon icon, Buttons buttons)>;
void setMessageResponder(MessageResponder answer);

} // namespace tarvel
