#include "pickers/ui/pickerwindow.h"

#include "dialogs/centerform.h"
#include "dialogs/messagebox.h"
#include "dialogs/plainmessage.h"
#include "foundation/base/errors.h"
#include "foundation/erp/filterlengths.h"
#include "pickers/documentpicker.h"
#include "pickers/ui/combocontrol.h"
#include "pickers/ui/pickerwidgets.h"
#include "widgets/gridwidget.h"

#include <QComboBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvel {

PickerWindow::PickerWindow(DocumentPicker *model, const Design &design, QWidget *parent)
    : QDialog(parent), m_picker(model)
{
    m_picker->setParent(this);
    setWindowTitle(QStringLiteral("Velmor"));
    buildLayout(design);
    bindList();
}

PickerWindow::~PickerWindow() = default;

void PickerWindow::buildLayout(const Design &design)
{
    m_baslik1 = pickerHeading(design.heading, this);

    // Filter area: dates and customer on top, the picker's own filters below,
    // the search buttons on the right.
    auto *filterBox = new QGroupBox(this);
    m_filters = new QGridLayout;
    m_filters->setColumnStretch(1, 1);
    m_filters->setColumnStretch(3, 1);

    m_tr1 = pickerDateEdit("tr1", this);
    m_tr2 = pickerDateEdit("tr2", this);
    m_filters->addWidget(new QLabel(QStringLiteral("Baslangıc Tarihi:"), this), 0, 0);
    m_filters->addWidget(m_tr1, 0, 1);
    m_filters->addWidget(new QLabel(QStringLiteral("Bitiş Tarihi:"), this), 0, 2);
    m_filters->addWidget(m_tr2, 0, 3);

    m_cr = new QComboBox(this);
    m_cr->setObjectName(QStringLiteral("cr"));
    m_cr->setEditable(true);
    m_cr->setMaxVisibleItems(20);
    m_cr->setMinimumContentsLength(30);
    m_cr->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_cr->lineEdit()->setMaxLength(filterLength::customerName);
    ComboControl::attach(m_cr);
    m_crref = new QLineEdit(this);
    m_crref->setObjectName(QStringLiteral("crref"));
    m_crref->setReadOnly(true);
    m_crref->setFocusPolicy(Qt::NoFocus);
    m_crref->setMaximumWidth(80);
    m_crref->setToolTip(QStringLiteral("Seçili carinin referansı"));
    m_customer = new QHBoxLayout;
    m_customer->addWidget(m_cr, 1);
    m_customer->addWidget(m_crref);
    m_filters->addWidget(new QLabel(QStringLiteral("Cari Unvanı:"), this), 1, 0);
    m_filters->addLayout(m_customer, 1, 1, 1, 3);

    auto *search = new QVBoxLayout;
    QPushButton *goster = pickerButton("chameleonButton2", QStringLiteral("Göster"), this);
    QPushButton *ekle = pickerButton("chameleonButton3", QStringLiteral("Listeye Ekle"), this);
    QPushButton *temizle = pickerButton("chameleonButton4", QStringLiteral("Listeyi Temizle"), this);
    search->addWidget(goster);
    search->addWidget(ekle);
    search->addWidget(temizle);
    search->addStretch();

    auto *filterRow = new QHBoxLayout(filterBox);
    filterRow->addLayout(m_filters, 1);
    filterRow->addSpacing(12);
    filterRow->addLayout(search);

    m_l1 = new GridWidget(&m_picker->l1(), this);
    m_l1->setObjectName(QStringLiteral("l1"));
    m_l1->shadeOddRows(QColor(234, 240, 242));

    QPushButton *handOverButton = pickerButton("chameleonButton1", design.handOverCaption, this);
    QPushButton *kapat = pickerButton("chameleonButton12", QStringLiteral("Kapat"), this);
    auto *bottom = new QHBoxLayout;
    bottom->addWidget(handOverButton);
    bottom->addStretch();
    bottom->addWidget(kapat);

    m_sb1 = pickerStatusBar(this);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(m_baslik1);
    layout->addWidget(filterBox);
    layout->addWidget(m_l1, 1);
    layout->addLayout(bottom);
    layout->addWidget(m_sb1);

    m_men = new QMenu(this);
    m_men->setObjectName(QStringLiteral("men"));
    QAction *tumsec = m_men->addAction(QStringLiteral("Tümünü Seç"));
    tumsec->setObjectName(QStringLiteral("tumsec"));
    QAction *none = m_men->addAction(QStringLiteral("Tüm Seçimi Kaldır"));
    none->setObjectName(design.selectNoneName);

    connect(goster, &QPushButton::clicked, this, [this] { gosterbul(SearchMode::NewList); });
    connect(ekle, &QPushButton::clicked, this, [this] { gosterbul(SearchMode::AddToList); });
    connect(temizle, &QPushButton::clicked, this, [this] {
        m_picker->clearList();
        m_sb1->clearMessage();
    });
    connect(handOverButton, &QPushButton::clicked, this, &PickerWindow::handOver);
    connect(kapat, &QPushButton::clicked, this, &QDialog::reject);
    connect(tumsec, &QAction::triggered, this, [this] { m_picker->setAllTicked(true); });
    connect(none, &QAction::triggered, this, [this] { m_picker->setAllTicked(false); });

    connect(m_tr1, &QDateEdit::dateChanged, m_picker, &DocumentPicker::setTr1);
    connect(m_tr2, &QDateEdit::dateChanged, m_picker, &DocumentPicker::setTr2);
    // Every change of the customer text looks the card up: typed, completed,
    // chosen from the list or set by the program. The model gets the box's
    // current text, never the signal's: a completing keystroke delivers the
    // completed name first and the typed prefix after it.
    connect(m_cr, &QComboBox::editTextChanged, m_picker, [this] { m_picker->setCr(m_cr->currentText()); });
    connect(m_picker, &DocumentPicker::crrefChanged, m_crref, &QLineEdit::setText);
}

void PickerWindow::bindList()
{
    connect(m_l1, &GridWidget::rowDoubleClicked, this, [this](int position) {
        const DisplayedRow node = m_picker->l1().displayedRow(position);
        if (node.kind == DisplayedRow::Data)
            m_picker->toggle(node.row);
    });
    connect(m_l1, &GridWidget::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint &at) {
                if (button == Qt::RightButton && m_picker->l1().table().rowCount() > 0)
                    m_men->popup(at);
            });
}

void PickerWindow::addFilter(const QString &label, QWidget *control)
{
    const int row = 2 + m_filterCount / 2;
    const int column = (m_filterCount % 2) * 2;
    ++m_filterCount;
    if (label.isEmpty()) {
        m_filters->addWidget(control, row, column, 1, 2);
        return;
    }
    auto *caption = new QLabel(label, this);
    caption->setBuddy(control);
    m_filters->addWidget(caption, row, column);
    m_filters->addWidget(control, row, column + 1);
}

void PickerWindow::addCustomerButton(QPushButton *button)
{
    m_customer->addWidget(button);
}

void PickerWindow::load()
{
    fitToScreen(this, QSize(1080, 640));
    centerform(this);
    try {
        m_picker->open(QDate::currentDate());
    } catch (const Error &e) {
        m_openingFailure = e.description();
    }
    {
        const QSignalBlocker blockCr(m_cr);
        m_cr->clear();
        m_cr->addItems(m_picker->customerNames());
        m_cr->setCurrentIndex(-1);
        m_cr->setEditText(QString());
    }
    m_tr1->setDate(m_picker->tr1());
    m_tr2->setDate(m_picker->tr2());
    showOwnLists();
}

void PickerWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    showOpeningFailure(this, m_openingFailure);
}

void PickerWindow::gosterbul(SearchMode mode)
{
    m_sb1->clearMessage();
    const Result<QString> found = m_picker->gosterbul(mode);
    if (found)
        m_sb1->showMessage(*found);
    else
        showPlainMessage(found.errorText(), this);
}

void PickerWindow::handOver()
{
    MemTable &list = m_picker->l1().table();
    if (list.rowCount() == 0)
        return;
    list.refresh();
    if (m_picker->tickedCount() == 0) {
        showmessage(QStringLiteral("Listeden Seçim Yapmalısınız..."), Caption::Dikkat, Icon::Warning,
                    Buttons::Tamam, this);
        return;
    }
    hide();
    if (const Result<void> handed = handOverPicked(m_picker->picked()); !handed)
        showPlainMessage(handed.errorText(), parentWidget());
    accept();
}

void PickerWindow::setCustomer(const QString &name, const QString &ref)
{
    m_cr->setEditText(name);
    m_picker->setCrref(ref);
}

void PickerWindow::done(int result)
{
    m_picker->saveAppearance();
    QDialog::done(result);
}

} // namespace tarvel
