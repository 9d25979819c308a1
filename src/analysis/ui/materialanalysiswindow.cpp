#include "analysis/ui/materialanalysiswindow.h"

#include "analysis/materialanalysis.h"
#include "dialogs/plainmessage.h"
#include "foundation/base/errors.h"
#include "foundation/erp/filterlengths.h"
#include "pickers/ui/pickerwidgets.h"
#include "pickers/ui/salesmanlistwidget.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace tarvel {

namespace {

// A code box: any text may be typed, the firm's codes are offered.
QComboBox *codeBox(const char *objectName)
{
    auto *box = new QComboBox;
    box->setObjectName(QString::fromLatin1(objectName));
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(8);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}

// A field with its label above it: the three item filters share one row
// with the dates.
QWidget *labelledField(const QString &label, QWidget *field)
{
    auto *pair = new QWidget;
    auto *layout = new QVBoxLayout(pair);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(new QLabel(label));
    layout->addWidget(field);
    return pair;
}

} // namespace

MaterialAnalysisWindow::MaterialAnalysisWindow(const AppPaths &paths, ErpConnection &connection,
                                               QWidget *parent)
    : AnalysisWindow(ReportKind::MaterialAnalysis,
                     std::make_unique<MaterialAnalysis>(ReportContext{paths, {}, {}, connection}), paths,
                     parent)
{
    MaterialAnalysis &model = analysis();
    addDateRange([&model](const AnalysisDates &dates) { model.setDates(dates); });
    m_text1 = new QLineEdit;
    m_text1->setObjectName(QStringLiteral("Text1"));
    // The filters share one row with the dates and the salesmen: at 1024
    // pixels wide every field must still show whole.
    m_text1->setMinimumWidth(140);
    m_text1->setMaxLength(filterLength::itemName);
    m_ozkod = codeBox("ozkod");
    m_ozkod->lineEdit()->setMaxLength(filterLength::itemSpecialCode);
    m_grp = codeBox("grp");
    m_grp->lineEdit()->setMaxLength(filterLength::itemGroupCode);
    m_satel = new SalesmanListWidget(model.satel());
    m_satel->setMinimumWidth(170);
    m_satel->setMaximumHeight(90);
    addFilterWidget(labelledField(QStringLiteral("Malzeme Cinsi"), m_text1));
    addFilterWidget(labelledField(QStringLiteral("Malzeme Özel Kodu"), m_ozkod));
    addFilterWidget(labelledField(QStringLiteral("Malzeme Grup Kodu"), m_grp));
    addFilterSideWidget(m_satel);

    auto *check2 = new QCheckBox(QStringLiteral("Kdv Dahil"));
    check2->setObjectName(QStringLiteral("Check2"));
    auto *check3 = new QCheckBox(QStringLiteral("Ek Vergi Hesaplansın"));
    check3->setObjectName(QStringLiteral("Check3"));
    addFilterWidget(check2, 1);
    addFilterWidget(check3, 1);
    m_bul = addFilterButton(QStringLiteral("bul"), QStringLiteral("Bul"), 1);
    addStopButton(1);
    // Its rows name no invoice: grouped, every heading would be an empty
    // invoice's, with no profitability of its own.
    hideGrouping();

    connect(m_text1, &QLineEdit::textChanged, &model, &MaterialAnalysis::setText1);
    connect(m_ozkod, &QComboBox::editTextChanged, &model, &MaterialAnalysis::setOzkod);
    connect(m_grp, &QComboBox::editTextChanged, &model, &MaterialAnalysis::setGrp);
    connect(check2, &QCheckBox::toggled, &model, &MaterialAnalysis::setVatIncluded);
    connect(check3, &QCheckBox::toggled, &model, &MaterialAnalysis::setExtraTax);
    connect(m_bul, &QPushButton::clicked, this, &MaterialAnalysisWindow::bul);
    connect(m_text1, &QLineEdit::returnPressed, this, &MaterialAnalysisWindow::bul);
    connect(&model, &ProfitAnalysis::runningChanged, this, &MaterialAnalysisWindow::showRunning);
}

MaterialAnalysis &MaterialAnalysisWindow::analysis() const
{
    return static_cast<MaterialAnalysis &>(model());
}

void MaterialAnalysisWindow::loadAfterSettings()
{
    MaterialAnalysis &model = analysis();
    model.ozkodyukle();
    model.grupkodyukle();
    showChoices(m_ozkod, model.specialCodes(), QString());
    showChoices(m_grp, model.groupCodes(), QString());
    try {
        model.elemanekle();
    } catch (const Error &e) {
        showPlainMessage(e.description(), this);
    }
    m_satel->showEntries();
}

void MaterialAnalysisWindow::bul()
{
    // Enter in Text1 during a run is no second run: the model refuses it.
    analysis().run();
}

void MaterialAnalysisWindow::showRunning(bool running)
{
    // "Durdur" takes its place.
    m_bul->setVisible(!running);
}

} // namespace tarvel
