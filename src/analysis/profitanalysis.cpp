#include "analysis/profitanalysis.h"

#include "analysis/analysisnumbers.h"
#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"
#include "foundation/store/sidefiles.h"
#include "grid/gridappearance.h"
#include "grid/suspendedredraw.h"

namespace tarvel {

namespace {

const QString appearanceSection = QStringLiteral("Fl1");

} // namespace

ProfitAnalysis::ProfitAnalysis(AnalysisDesign design, const ReportContext &context, QObject *parent)
    : QObject(parent), m_design(std::move(design)), m_context(context)
{
    buildAnalysisList(m_l1, m_design);
}

ProfitAnalysis::~ProfitAnalysis() = default;

ProfitFields ProfitAnalysis::chartFields() const
{
    ProfitFields fields{.label = m_listsItems ? AnalysisField::ack : AnalysisField::fatbilgi,
                        .profit = AnalysisField::fark,
                        .profitability = AnalysisField::kar,
                        .cost = AnalysisField::maliyet};
    if (m_design.datedRows)
        fields.date = AnalysisField::fatbilgi;
    return fields;
}

// ---- Loading ---------------------------------------------------------------------------------

QString ProfitAnalysis::statusText() const
{
    const QChar dash(u'-');
    const QString gap = QStringLiteral("  ");
    return m_context.fir.section(dash, 1) + gap + m_context.don.section(dash, 0, 0) + gap +
           m_context.don.section(dash, 2, 2);
}

QString ProfitAnalysis::appearanceFile() const
{
    return fileIn(m_context.paths.programDir, design().appearanceFile);
}

void ProfitAnalysis::listeyukle()
{
    loadGridAppearance(m_l1, appearanceFile(), appearanceSection);
}

void ProfitAnalysis::saveAppearance() const
{
    saveGridAppearance(m_l1, appearanceFile(), appearanceSection);
}

// ---- The list ----------------------------------------------------------------------------------

void ProfitAnalysis::setGrouped(bool grouped)
{
    m_l1.setGroupIndex(AnalysisColumn::fatbilgi, grouped ? 0 : -1);
    m_l1.expandAll();
}

void ProfitAnalysis::clearList()
{
    if (m_running)
        return;
    m_l1.table().close();
    m_l1.table().open();
}

void ProfitAnalysis::faturagenelmaliyethesapla()
{
    MemTable &list = m_l1.table();
    if (list.currentRow() < 0)
        return;
    const double profit = m_l1.footerValue(m_l1.columnOfField(AnalysisField::fark));
    const double cost = m_l1.footerValue(m_l1.columnOfField(AnalysisField::maliyet));
    list.edit();
    list.setField(AnalysisField::geneltoporan, formatPlain(profitability(profit, cost)));
    list.post();
}

bool ProfitAnalysis::writeCostedOverall()
{
    const double cost = m_l1.footerValue(m_l1.columnOfField(AnalysisField::maliyet));
    if (m_l1.table().currentRow() < 0 || cost == 0)
        return false;
    ProfitAnalysis::faturagenelmaliyethesapla();
    return true;
}

QString ProfitAnalysis::purchaseLinesStatement(const QString &cardRef, const QString &dateKey) const
{
    return QStringLiteral("select PRICE,VAT,VATINC,DISTCOST,LINENET,AMOUNT from ") + stockLineTable() +
           QStringLiteral(" where IOCODE='1' AND LINETYPE='0' AND TRCODE<>'2' AND TRCODE<>'3' AND "
                          "TRCODE<>'13' AND STOCKREF=") +
           sqlValue(cardRef) + QStringLiteral(" AND DATE_<=") + sqlValue(dateKey);
}

void ProfitAnalysis::setVatLabel(bool vatIncluded)
{
    const QString text = vatIncluded ? QStringLiteral("Kdv Dahil") : QStringLiteral("Kdv Hariç");
    if (text == m_vatLabel)
        return;
    m_vatLabel = text;
    emit vatLabelChanged(m_vatLabel);
}

void ProfitAnalysis::setColumnsVisible(std::initializer_list<int> columns, bool visible)
{
    for (const int column : columns)
        m_l1.setColumnVisible(column, visible);
}

// ---- Runs ------------------------------------------------------------------------------------

bool ProfitAnalysis::beginRun()
{
    if (m_running)
        return false;
    m_running = true;
    m_stop = false;
    m_stopped = false;
    m_failures = {};
    m_serverStop.reset();
    m_statements = 0;
    emit runningChanged(true);
    return true;
}

void ProfitAnalysis::endRun()
{
    if (!m_running)
        return;
    m_running = false;
    emit runningChanged(false);
}

bool ProfitAnalysis::fillRun(const std::function<void()> &fill)
{
    if (!beginRun())
        return false;
    MemTable &list = m_l1.table();
    m_pr1.setShowText(true);
    m_pr1.setValue(0);
    list.close();
    list.open();
    const SuspendedRedraw suspended(list, [this, &list] {
        m_pr1.reset();
        list.first();
        list.refresh();
    });
    fill();
    return true;
}

bool ProfitAnalysis::stopping()
{
    if (m_stop || serverGone())
        m_stopped = true;
    return m_stopped;
}

void ProfitAnalysis::betweenItems()
{
    if (m_betweenItems)
        m_betweenItems();
}

ErpRows ProfitAnalysis::send(const QString &statement)
{
    ++m_statements;
    ErpRows rows = m_context.query(statement);
    m_serverStop.answered();
    return rows;
}

ErpRows ProfitAnalysis::ask(const std::function<ErpRows()> &question)
{
    if (serverGone())
        return {};
    try {
        return question();
    } catch (const ErpError &e) {
        // A set that got no answer leaves each of its questions unanswered,
        // as their own statements would have been: two in a row stop the run.
        noteFailure(e);
        if (m_serverStop.failed(e))
            m_failures.stopped = m_serverStop.text();
        return {};
    }
}

ErpRows ProfitAnalysis::runQuery(const QString &statement)
{
    return ask([this, &statement] { return send(statement); });
}

ErpReader ProfitAnalysis::runReader(int chunk)
{
    return ErpReader(
        m_context.readMode, [this](const QString &statement) { return send(statement); }, chunk);
}

void ProfitAnalysis::noteFailure(const Error &error)
{
    if (m_failures.count++ == 0)
        m_failures.first = error.description();
}

} // namespace tarvel
