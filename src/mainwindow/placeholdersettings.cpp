#include "placeholdersettings.h"

#include "dialogs/centerform.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvel {

PlaceholderSettings::PlaceholderSettings(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("parametre"));
    setWindowTitle(QStringLiteral("PARAMETRELER"));

    auto *text =
        new QLabel(QStringLiteral("Parametreler penceresi bu sürümde henüz yok.\n"
                                  "Bağlantı, firma ve dönem ayarları sonraki sürümde buradan yapılacak."),
                   this);
    text->setWordWrap(true);
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(QStringLiteral("Tamam"), QDialogButtonBox::AcceptRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    layout->addWidget(buttons);
    resize(420, 150);
    centerform(this);
}

} // namespace tarvel
