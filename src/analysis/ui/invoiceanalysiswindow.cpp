#include "analysis/ui/invoiceanalysiswindow.h"

#include "analysis/invoiceanalysis.h"
#include "pickers/ui/invoicepickerwindow.h"
#include "pickers/ui/pickerwidgets.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvel {

InvoiceAnalysisWindow::InvoiceAnalysisWindow(const AppPaths &paths, QWidget *parent)
    : AnalysisWindow(ReportKind::InvoiceAnalysis,
                     std::make_unique<InvoiceAnalysis>(ReportContext{paths, {}, {}, nullptr}), paths, parent)
{
    m_tr1 = pickerDateEdit("tr1", this);
    m_tr2 = pickerDateEdit("tr2", this);
    addFilterWidget(new QLabel(QStringLiteral("Baslangıc Tarihi:")));
    addFilterWidget(m_tr1);
    addFilterWidget(new QLabel(QStringLiteral("Bitiş Tarihi:")));
    addFilterWidget(m_tr2);
    // The keys follow every change of a date, typed or picked: a run uses the dates shown.
    connect(m_tr1, &QDateEdit::dateChanged, this, &InvoiceAnalysisWindow::datesChanged);
    connect(m_tr2, &QDateEdit::dateChanged, this, &InvoiceAnalysisWindow::datesChanged);

    QPushButton *invoices = addFilterButton(QStringLiteral("faturalar"), QStringLiteral("Faturalar"));
    QPushButton *allItems = addFilterButton(QStringLiteral("tumurunler"), QStringLiteral("Tüm Ürünler"));
    addFilterWidget(new QLabel(QStringLiteral("Malzeme Cinsi")), 1);
    m_text1 = new QLineEdit;
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setMinimumWidth(160);
    addFilterWidget(m_text1, 1);
    QPushButton *find = addFilterButton(QStringLiteral("bul"), QStringLiteral("Bul"), 1);
    for (QWidget *starter : QList<QWidget *>{invoices, allItems, find, m_text1})
        disableWhileRunning(starter);

    connect(invoices, &QPushButton::clicked, this, &InvoiceAnalysisWindow::faturalar);
    connect(allItems, &QPushButton::clicked, this, [this] { analysis().analizyukle(); });
    const auto search = [this] { analysis().analizurunara(m_text1->text()); };
    connect(m_text1, &QLineEdit::returnPressed, this, search);
    connect(find, &QPushButton::clicked, this, search);
}

InvoiceAnalysis &InvoiceAnalysisWindow::analysis() const
{
    return static_cast<InvoiceAnalysis &>(model());
}

void InvoiceAnalysisWindow::loadDates()
{
    const AnalysisDates dates = AnalysisDates::opening(QDate::currentDate());
    m_tr1->setDate(dates.tr1);
    m_tr2->setDate(dates.tr2);
    datesChanged();
}

void InvoiceAnalysisWindow::datesChanged()
{
    analysis().setDates({m_tr1->date(), m_tr2->date()});
}

void InvoiceAnalysisWindow::faturalar()
{
    if (analysis().isRunning())
        return;
    InvoicePickerWindow picker(analysis().context(), analysis(), this);
    picker.exec();
}

} // namespace tarvel
