#pragma once

#include <QObject>

class QComboBox;
class QLineEdit;

namespace tarvel {

// combocontrol: type-ahead and a few keys for an editable drop-down list (the
// pickers' customer list cr).
//  - Typing completes what stands before the caret with the first entry that
//    begins with it; the completed tail is selected, so the next letter
//    replaces it. Only the user's typing completes: a text set by the program
//    (a chosen entry, a name written back by another window) stays as it is.
//  - Backspace and Delete first remove the completed tail, then act as usual;
//    they never complete again.
//  - Enter takes the entry equal to the text (Turkish upper-casing) with its
//    own letter case and puts the caret at the end.
//  - Down arrow opens the drop-down part.
// Qt's own completer and its insertion of typed texts on Enter are switched off.
class ComboControl : public QObject {
    Q_OBJECT
public:
    // Attaches to an editable combo box and lives as its child.
    static ComboControl *attach(QComboBox *combo);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    explicit ComboControl(QComboBox *combo);
    QStringList entries() const;
    void complete();
    void normalise();
    void setTextGuarded(const QString &text);

    QComboBox *m_combo;
    QLineEdit *m_edit;
    bool m_guard = false;
};

} // namespace tarvel
