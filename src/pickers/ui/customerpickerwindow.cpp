#include "pickers/ui/customerpickerwindow.h"

#include "dialogs/centerform.h"
#include "dialogs/plainmessage.h"
#include "foundation/base/errors.h"
#include "foundation/erp/filterlengths.h"
#include "pickers/documentpicker.h"
#include "pickers/ui/pickerwidgets.h"
#include "widgets/gridwidget.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvel {

CustomerPickerWindow::CustomerPickerWindow(const ReportContext &context, QWidget *parent)
    : QDialog(parent), m_model(new CustomerPicker(context, this))
{
    setObjectName(QStringLiteral("cariform"));
    setWindowTitle(QStringLiteral("Form1"));

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setMaxLength(filterLength::customerName);
    auto *label = new QLabel(QStringLiteral("Aranan:"), this);
    label->setBuddy(m_text1);
    auto *search = new QHBoxLayout;
    search->addWidget(label);
    search->addWidget(m_text1, 1);

    m_l1 = new GridWidget(&m_model->l1(), this);
    m_l1->setObjectName(QStringLiteral("l1"));
    m_l1->shadeOddRows(QColor(234, 240, 242));

    QPushButton *ok = pickerButton("chameleonButton1", QStringLiteral("Tamam"), this);
    QPushButton *kapat = pickerButton("chameleonButton12", QStringLiteral("Kapat"), this);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(kapat);

    m_sb1 = pickerStatusBar(this);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(search);
    layout->addWidget(m_l1, 1);
    layout->addLayout(buttons);
    layout->addWidget(m_sb1);

    connect(m_text1, &QLineEdit::returnPressed, this, &CustomerPickerWindow::cariyukle);
    connect(ok, &QPushButton::clicked, this, &CustomerPickerWindow::tamam);
    connect(kapat, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_l1, &GridWidget::rowDoubleClicked, this, &CustomerPickerWindow::tamam);

    fitToScreen(this, QSize(560, 460));
    centerform(this);
    try {
        m_model->cariyukle(QString());
    } catch (const Error &e) {
        m_openingFailure = e.description();
    }
}

void CustomerPickerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    showOpeningFailure(this, m_openingFailure);
}

void CustomerPickerWindow::cariyukle()
{
    m_sb1->clearMessage();
    try {
        m_model->cariyukle(m_text1->text());
    } catch (const Error &e) {
        showPlainMessage(e.description(), this);
        return;
    }
    if (m_model->l1().table().rowCount() == 0)
        m_sb1->showMessage(DocumentPicker::noRecords());
}

void CustomerPickerWindow::tamam()
{
    m_chosen = m_model->choice();
    accept();
}

} // namespace tarvel
