#pragma once

#include <QString>
#include <QStringList>
#include <optional>

class QCheckBox;
class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QStatusBar;
class QWidget;

namespace tarvel {

// The controls the picker windows share, named as the program names them.

// A push button that never acts as the dialog's default button: Enter belongs
// to the field it is pressed in (cr completes, Text1 searches).
QPushButton *pickerButton(const char *objectName, const QString &caption, QWidget *parent);
// A check box of a picker's options (Check2 "Kdv Dahil", ...).
QCheckBox *pickerCheckBox(const char *objectName, const QString &caption, QWidget *parent);
// A drop-down list to choose from (irstip, ozkod), as wide as its entries.
QComboBox *pickerChoiceList(const char *objectName, QWidget *parent);
// The entries a picker's model read, with the one it shows, filled without
// telling the model (it already knows).
void showChoices(QComboBox *combo, const QStringList &entries, const QString &shown);
// A date field with a calendar pop-up, dd.MM.yyyy.
QDateEdit *pickerDateEdit(const char *objectName, QWidget *parent);
// The heading baslik1 across the top of a picker.
QLabel *pickerHeading(const QString &text, QWidget *parent);
// The status bar sb1 along the bottom of a picker: what a search found, when nothing.
QStatusBar *pickerStatusBar(QWidget *parent);
// The failure of a window's opening, shown in a plain message box over the
// window once it is on screen (call from showEvent); the failure is then spent.
void showOpeningFailure(QWidget *window, std::optional<QString> &failure);

} // namespace tarvel
