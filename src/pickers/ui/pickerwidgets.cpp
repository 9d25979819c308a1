#include "pickers/ui/pickerwidgets.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>

#include "dialogs/plainmessage.h"

namespace tarvel {

QPushButton *pickerButton(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QString::fromUtf8(objectName));
    button->setAutoDefault(false);
    button->setDefault(false);
    button->setMinimumWidth(110);
    return button;
}

QCheckBox *pickerCheckBox(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *box = new QCheckBox(caption, parent);
    box->setObjectName(QString::fromUtf8(objectName));
    return box;
}

QComboBox *pickerChoiceList(const char *objectName, QWidget *parent)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QString::fromUtf8(objectName));
    combo->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    return combo;
}

void showChoices(QComboBox *combo, const QStringList &entries, const QString &shown)
{
    const QSignalBlocker block(combo);
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentText(shown);
}

QDateEdit *pickerDateEdit(const char *objectName, QWidget *parent)
{
    auto *edit = new QDateEdit(parent);
    edit->setObjectName(QString::fromUtf8(objectName));
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return edit;
}

QLabel *pickerHeading(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QStringLiteral("baslik1"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.5);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    label->setMargin(6);
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, QColor(51, 102, 153));
    palette.setColor(QPalette::WindowText, Qt::white);
    label->setPalette(palette);
    return label;
}

QStatusBar *pickerStatusBar(QWidget *parent)
{
    auto *bar = new QStatusBar(parent);
    bar->setObjectName(QStringLiteral("sb1"));
    bar->setSizeGripEnabled(false);
    return bar;
}

void showOpeningFailure(QWidget *window, std::optional<QString> &failure)
{
    if (!failure)
        return;
    const QString text = *failure;
    failure.reset();
    QTimer::singleShot(0, window, [window, text] { showPlainMessage(text, window); });
}

} // namespace tarvel
