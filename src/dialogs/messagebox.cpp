#include "dialogs/messagebox.h"

#include "dialogs/messagedialog.h"

namespace tarvel {

namespace {

MessageResponder &responder()
{
    static MessageResponder instance;
    return instance;
}

} // namespace

void setMessageResponder(MessageResponder answer)
{
    responder() = std::move(answer);
}

bool showmessage(const QString &text, Caption caption, Icon icon, Buttons buttons, QWidget *parent)
{
    if (const MessageResponder &answerFor = responder()) {
        const bool yes = answerFor(text, caption, icon, buttons) == 1;
        MessageDialog::resetAnswer();
        return yes;
    }
    // A new window for every message, so no picture or button of the previous
    // one is left over.
    MessageDialog dialog(text, int(caption), int(icon), int(buttons), parent);
    dialog.exec();
    const bool yes = MessageDialog::answer() == 1;
    MessageDialog::resetAnswer();
    return yes;
}

} // namespace tarvel
