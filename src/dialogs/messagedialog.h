#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarvel {

// The message window "mesaj" behind showmessage: text area Label1, the
// pictures i3 (check mark), i2 (warning triangle), i1 (red cross) at one place
// on the left, and the buttons EVET, TAMAM, HAYIR; every picture and button is
// hidden until the kinds ask for it. Made for one message and thrown away, so
// nothing carries over from the previous message. Fixed size, fitted to the
// text: long texts wrap (a word too long for a line is broken), very long ones
// scroll.
class MessageDialog : public QDialog {
    Q_OBJECT
public:
    MessageDialog(const QString &text, int captionKind, int iconKind, int buttonKind,
                  QWidget *parent = nullptr);

    // The caption of a caption kind; empty for kinds outside 1..4.
    static QString captionText(int captionKind);

    // The answer of the last message, process-wide: 1 TAMAM or EVET, 0 HAYIR
    // (and at rest), 2 closed without a button (Esc or the close box).
    static int answer();
    static void resetAnswer();

    void done(int result) override;

private:
    QPushButton *addButton(const QString &text, const QString &name, int answer);
    void answerWith(int answer);

    bool m_closedByButton = false;
};

} // namespace tarvel
