#include "analysis/ui/invoiceanalysiswindow.h"

#include "analysis/invoiceanalysis.h"

#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvel {

namespace {

QDateEdit *dateEdit(const QString &name)
{
    auto *edit = new QDateEdit;
    edit->setObjectName(name);
    edit->setCalendarPopup(true);
    edit->setDisplayFormat(QStringLiteral("dd.MM.yyyy"));
    return edit;
}

} // namespace

InvoiceAnalysisWindow::InvoiceAnalysisWindow(const AppPaths &paths, QWidget *parent)
    : AnalysisWindow(ReportKind::InvoiceAnalysis,
                     std::make_unique<InvoiceAnalysis>(ReportContext{paths, {}, {}, nullptr}), paths, parent)
{
    m_tr1 = dateEdit(QStringLiteral("tr1"));
    m_tr2 = dateEdit(QStringLiteral("tr2"));
    addFilterWidget(new QLabel(QStringLiteral("Baslangıc Tarihi:")));
    addFilterWidget(m_tr1);
    addFilterWidget(new QLabel(QStringLiteral("Bitiş Tarihi:")));
    addFilterWidget(m_tr2);
    // The keys follow every change of a date, typed or picked: a run uses the dates shown.
    connect(m_tr1, &QDateEdit::dateChanged, this, &InvoiceAnalysisWindow::datesChanged);
    connect(m_tr2, &QDateEdit::dateChanged, this, &InvoiceAnalysisWindow::datesChanged);

    QPushButton *allItems = addFilterButton(QStringLiteral("tumurunler"), QStringLiteral("Tüm Ürünler"));
    addFilterWidget(new QLabel(QStringLiteral("Malzeme Cinsi")));
    m_text1 = new QLineEdit;
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setMinimumWidth(160);
    addFilterWidget(m_text1);
    QPushButton *find = addFilterButton(QStringLiteral("bul"), QStringLiteral("Bul"));
    for (QWidget *starter :
         {static_cast<QWidget *>(allItems), static_cast<QWidget *>(find), static_cast<QWidget *>(m_text1)})
        disableWhileRunning(starter);

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

} // namespace tarvel
