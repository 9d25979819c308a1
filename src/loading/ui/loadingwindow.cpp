#include "loading/ui/loadingwindow.h"

#include "dialogs/centerform.h"
#include "dialogs/messagebox.h"
#include "loading/loadingfields.h"
#include "loading/loadingreport.h"
#include "loading/ui/truckpicture.h"
#include "mainwindow/reportcatalog.h"
#include "pickers/ui/waybillpickerwindow.h"
#include "widgets/gridwidget.h"
#include "widgets/xpprogressbar.h"

#include <QCursor>
#include <QDateTime>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QShortcut>
#include <QStatusBar>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

namespace tarvel {

namespace {

const QColor shading(234, 240, 242);

QPushButton *button(const char *objectName, const QString &caption, QWidget *parent)
{
    auto *b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromUtf8(objectName));
    b->setMinimumWidth(110);
    return b;
}

// Where a customer field sits in its box. The address takes three lines.
struct CustomerPlace {
    QString LoadingCustomer::*member;
    int row, column, span;
};
// In the order Tab walks them.
const CustomerPlace customerPlaces[] = {
    {&LoadingCustomer::unvn, 0, 0, 3}, {&LoadingCustomer::vno, 1, 0, 1}, {&LoadingCustomer::vd, 1, 2, 1},
    {&LoadingCustomer::tel, 2, 0, 1},  {&LoadingCustomer::shr, 2, 2, 1}, {&LoadingCustomer::adr, 3, 0, 3},
};

int customerFieldOf(QString LoadingCustomer::*member)
{
    const QList<LoadingBoxField<LoadingCustomer>> &fields = customerFields();
    int index = 0;
    while (index < fields.size() && fields.at(index).member != member)
        ++index;
    Q_ASSERT_X(index < fields.size(), "customerFieldOf", "no such customer field");
    return index;
}

QString editorText(const QWidget *edit)
{
    if (const auto *line = qobject_cast<const QLineEdit *>(edit))
        return line->text();
    return qobject_cast<const QPlainTextEdit *>(edit)->toPlainText();
}

// A total caption: right-aligned in a sunken frame, "0,00" at first.
QLabel *totalCaption(const QString &objectName, QWidget *parent)
{
    auto *label = new QLabel(QStringLiteral("0,00"), parent);
    label->setObjectName(objectName);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    label->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    label->setMinimumWidth(120);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QWidget *titleBand(QWidget *parent)
{
    auto *band = new QWidget(parent);
    band->setObjectName(QStringLiteral("baslik"));
    band->setAutoFillBackground(true);
    QPalette palette = band->palette();
    palette.setColor(QPalette::Window, QColor(51, 102, 153));
    palette.setColor(QPalette::WindowText, Qt::white);
    band->setPalette(palette);

    auto *picture = new QLabel(band);
    picture->setPixmap(truckPicture(40, band->devicePixelRatioF()));
    auto *caption = new QLabel(QStringLiteral("ARAÇ YUKLEME RAPORU"), band);
    caption->setObjectName(QStringLiteral("baslik1"));
    QFont font = caption->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.6);
    caption->setFont(font);

    auto *layout = new QHBoxLayout(band);
    layout->setContentsMargins(10, 4, 10, 4);
    layout->addWidget(picture);
    layout->addSpacing(8);
    layout->addWidget(caption, 1);
    return band;
}

} // namespace

LoadingWindow::LoadingWindow(const AppPaths &paths, ErpConnection &connection, Printer printer,
                             QString *lastFirmName, QWidget *parent)
    : ReportWindow(parent), m_printer(std::move(printer)), m_paths(paths), m_lastFirmName(lastFirmName),
      m_report(new LoadingReport(ReportContext{paths, {}, {}, connection}, this))
{
    setObjectName(reportInfo(ReportKind::Loading).objectName);
    setWindowTitle(reportInfo(ReportKind::Loading).windowCaption);
    build();

    // Start-up, in this order: centre, the list's appearance, the shared
    // settings, the caption, the status panel.
    resize(1000, 700);
    centerform(this);
    m_report->listeyukle();
    takeSettings();
    showFields();
}

LoadingWindow::~LoadingWindow() = default;

void LoadingWindow::takeSettings()
{
    m_report->setContext(loadSharedSettings(m_report->context()));
    QString firmName;
    setWindowTitle(LoadingReport::caption(m_paths.programDir, m_lastFirmName ? *m_lastFirmName : firmName));
    m_panels.at(3)->setText(LoadingReport::statusText(m_report->context().fir, m_report->context().don));
}

void LoadingWindow::settingsSaved()
{
    takeSettings();
}

void LoadingWindow::build()
{
    auto *top = new QHBoxLayout;
    top->addWidget(buildWaybillBox(), 2);
    top->addWidget(buildCustomerBox(), 3);

    // The loading list.
    m_l1 = new GridWidget(&m_report->l1(), this);
    m_l1->setObjectName(QStringLiteral("l1"));
    m_l1->shadeOddRows(shading);
    connect(m_l1, &GridWidget::mouseDown, this,
            [this](Qt::MouseButton button, Qt::KeyboardModifiers, const QPoint &at) {
                if (button == Qt::RightButton)
                    popupMenu(at);
            });
    QGroupBox *bottomBox = buildBottomBox();

    m_pr1 = progressBar(m_report->pr1());
    m_pr1->setFixedHeight(18);

    // Six panels: date, time, then texts; the fourth carries firm and period.
    m_sb1 = statusBar();
    for (int i = 1; i <= 6; ++i) {
        auto *panel = new QLabel(m_sb1);
        panel->setObjectName(QStringLiteral("panel%1").arg(i));
        panel->setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
        panel->setMinimumWidth(i == 4 ? 200 : 70);
        m_sb1->addWidget(panel, i == 4 ? 1 : 0);
        m_panels << panel;
    }
    showClock();
    auto *clock = new QTimer(this);
    connect(clock, &QTimer::timeout, this, &LoadingWindow::showClock);
    clock->start(1000);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(6, 6, 6, 0);
    layout->addWidget(titleBand(this));
    layout->addLayout(top);
    layout->addWidget(m_l1, 1);
    layout->addWidget(bottomBox);
    layout->addWidget(m_pr1);
    layout->addWidget(m_sb1);

    connect(m_report, &LoadingReport::fieldsChanged, this, &LoadingWindow::showFields);
}

QGroupBox *LoadingWindow::buildWaybillBox()
{
    auto *box = new QGroupBox(QStringLiteral("İrsaliye"), this);
    QPushButton *irsaliyeler = button("chameleonButton12", QStringLiteral("İrsaliyeler"), box);
    irsaliyeler->setToolTip(QStringLiteral("İrsaliye seç (F5)"));
    m_l2 = new GridWidget(&m_report->l2(), box);
    m_l2->setObjectName(QStringLiteral("l2"));
    m_l2->shadeOddRows(shading);
    m_l2->setMinimumWidth(220);
    m_l2->setMaximumHeight(150);
    auto *layout = new QVBoxLayout(box);
    layout->addWidget(irsaliyeler, 0, Qt::AlignLeft);
    layout->addWidget(m_l2, 1);

    connect(irsaliyeler, &QPushButton::clicked, this, &LoadingWindow::irsaliyeler);
    auto *f5 = new QShortcut(QKeySequence(Qt::Key_F5), this);
    f5->setContext(Qt::WidgetWithChildrenShortcut);
    connect(f5, &QShortcut::activated, this, &LoadingWindow::irsaliyeler);
    return box;
}

QGroupBox *LoadingWindow::buildCustomerBox()
{
    auto *box = new QGroupBox(QStringLiteral("Cari Hesap Bilgileri"), this);
    const QList<LoadingBoxField<LoadingCustomer>> &fields = customerFields();
    m_customerEdits.resize(fields.size());
    for (const CustomerPlace &place : customerPlaces) {
        const int index = customerFieldOf(place.member);
        if (place.member == &LoadingCustomer::adr) {
            auto *adr = new QPlainTextEdit(box);
            adr->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            adr->setFixedHeight(adr->fontMetrics().lineSpacing() * 3 + 12);
            m_customerEdits[index] = adr;
        } else {
            m_customerEdits[index] = new QLineEdit(box);
        }
        m_customerEdits.at(index)->setObjectName(fields.at(index).name);
    }
    auto *grid = new QGridLayout(box);
    for (const CustomerPlace &place : customerPlaces) {
        const int index = customerFieldOf(place.member);
        QWidget *edit = m_customerEdits.at(index);
        auto *caption = new QLabel(fields.at(index).caption, box);
        caption->setBuddy(edit);
        grid->addWidget(caption, place.row, place.column);
        grid->addWidget(edit, place.row, place.column + 1, 1, place.span);
        if (auto *line = qobject_cast<QLineEdit *>(edit)) {
            connect(line, &QLineEdit::textEdited, this, &LoadingWindow::takeEditedFields);
        } else {
            connect(qobject_cast<QPlainTextEdit *>(edit), &QPlainTextEdit::textChanged, this, [this] {
                if (!m_showing)
                    takeEditedFields();
            });
        }
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return box;
}

QGroupBox *LoadingWindow::buildBottomBox()
{
    // Totals, "Yazdır", "Satır Sil".
    auto *box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("altkutu"));
    auto *totalsBox = new QGroupBox(QStringLiteral("Toplamlar"), box);
    const QList<LoadingBoxField<LoadingTotals>> &fields = totalFields();
    for (const auto &field : fields)
        m_totals << totalCaption(field.name, totalsBox);
    auto *totals = new QGridLayout(totalsBox);
    for (int i = 0; i < fields.size(); ++i) {
        totals->addWidget(new QLabel(fields.at(i).caption, totalsBox), i / 2, (i % 2) * 2);
        totals->addWidget(m_totals.at(i), i / 2, (i % 2) * 2 + 1);
    }
    QPushButton *yazdir = button("chameleonButton14", QStringLiteral("Yazdır"), box);
    QPushButton *satirSil = button("chameleonButton15", QStringLiteral("Satır Sil"), box);
    auto *layout = new QHBoxLayout(box);
    layout->addWidget(totalsBox);
    layout->addStretch();
    layout->addWidget(yazdir, 0, Qt::AlignBottom);
    layout->addWidget(satirSil, 0, Qt::AlignBottom);

    connect(yazdir, &QPushButton::clicked, this, [this] { popupMenu(QCursor::pos()); });
    connect(satirSil, &QPushButton::clicked, this, &LoadingWindow::satirSil);
    return box;
}

void LoadingWindow::takeEditedFields()
{
    LoadingCustomer customer;
    const QList<LoadingBoxField<LoadingCustomer>> &fields = customerFields();
    for (int i = 0; i < fields.size(); ++i)
        customer.*fields.at(i).member = editorText(m_customerEdits.at(i));
    m_report->setCustomer(customer);
}

void LoadingWindow::showClock()
{
    const QDateTime now = QDateTime::currentDateTime();
    m_panels.at(0)->setText(now.toString(QStringLiteral("dd.MM.yyyy")));
    m_panels.at(1)->setText(now.toString(QStringLiteral("HH:mm")));
}

void LoadingWindow::showFields()
{
    const LoadingCustomer &customer = m_report->customer();
    const QList<LoadingBoxField<LoadingCustomer>> &fields = customerFields();
    for (int i = 0; i < fields.size(); ++i) {
        const QString &text = customer.*fields.at(i).member;
        if (auto *line = qobject_cast<QLineEdit *>(m_customerEdits.at(i))) {
            line->setText(text);
        } else {
            const QScopedValueRollback showing(m_showing, true);
            qobject_cast<QPlainTextEdit *>(m_customerEdits.at(i))->setPlainText(text);
        }
    }
    const LoadingTotals &totals = m_report->totals();
    for (int i = 0; i < totalFields().size(); ++i)
        m_totals.at(i)->setText(totals.*totalFields().at(i).member);
    showDeletedRows();
}

void LoadingWindow::irsaliyeler()
{
    // Built anew for every use; it saves its list appearance when it closes.
    QPointer<WaybillPickerWindow> picker = new WaybillPickerWindow(
        m_report->context(), std::bind_front(&LoadingReport::handOver, m_report), this);
    picker->exec();
    delete picker;
}

void LoadingWindow::popupMenu(const QPoint &globalPos)
{
    if (m_report->l1().table().rowCount() > 0)
        popupContextMenu(globalPos);
}

void LoadingWindow::satirSil()
{
    if (m_report->l1().table().rowCount() == 0)
        return;
    const bool yes = showmessage(QStringLiteral("Satırı Silmek İstediğinize Eminmisiniz...?"),
                                 Caption::Dikkat, Icon::Check, Buttons::EvetHayir, this);
    m_report->deleteCurrentRow(yes);
    showDeletedRows();
}

void LoadingWindow::showDeletedRows()
{
    const int deleted = m_report->deletedRows();
    m_panels.at(2)->setText(
        deleted == 0 ? QString()
                     : QStringLiteral("%1 satır silindi; toplamlar silinenleri de içerir").arg(deleted));
}

void LoadingWindow::printloadinglist(PrintMode mode)
{
    if (!m_printer)
        return;
    // Forms that could be read wrongly are printed only when the user agrees.
    for (const QString &note : {m_report->mixedCustomersNote(), m_report->deletedRowsNote()}) {
        if (!note.isEmpty() && !showmessage(note + QStringLiteral(" Devam edilsin mi?"), Caption::Dikkat,
                                            Icon::Warning, Buttons::EvetHayir, this))
            return;
    }
    m_printer(*m_report, mode, this);
}

void LoadingWindow::listeexelkaydet()
{
    saveListAsked(*m_l1);
}

void LoadingWindow::unload()
{
    m_report->saveAppearance();
}

} // namespace tarvel
