#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tarvel {

// The program's own message dialog (window "mesaj"), used for every message.
// captionKind: 1 "TAMAM", 2 "DİKKAT", 3 "UYARI", 4 "ONAY"
// iconKind:    1 green check mark, 2 yellow warning triangle, 3 red cross
// buttonKind:  1 "TAMAM" alone, 2 "EVET" and "HAYIR"
// Kinds outside these leave that part empty. Shown modally; true exactly when
// the answer was "TAMAM" or "EVET" (Esc or the close box: false).
bool showmessage(const QString &text, int captionKind, int iconKind, int buttonKind,
                 QWidget *parent = nullptr);

// Answers showmessage without a window, for tests and runs without a screen:
// it is given what the dialog would show and returns the answer the dialog
// would have given (1 TAMAM or EVET, 0 HAYIR, 2 closed without a button).
// An empty function brings the dialog back.
using MessageResponder =
    std::function<int(const QString &text, int captionKind, int iconKind, int buttonKind)>;
void setMessageResponder(MessageResponder answer);

// Caption kinds, icon kinds and button kinds by name, for readable call sites.
namespace Caption {
enum { Tamam = 1, Dikkat = 2, Uyari = 3, Onay = 4 };
}
namespace Icon {
enum { Check = 1, Warning = 2, Cross = 3 };
}
namespace Buttons {
enum { Tamam = 1, EvetHayir = 2 };
}

} // namespace tarvel
