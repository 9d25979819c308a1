// The reading modes: for the material run over a year, the invoice run of a
// month's invoices and the merged hand-over of a month's waybills, the
// statements each mode sends, whether both give the same lists, and how the
// sets mode's time grows over a slow link (the TDS test server holding every
// statement N ms) against the same server without delay.
#include "benchcompany.h"
#include "benchserver.h"

#include "analysis/invoiceanalysis.h"
#include "analysis/materialanalysis.h"
#include "demo/demofolder.h"
#include "grid/reportjson.h"
#include "loading/loadingreport.h"
#include "pickers/invoicepicker.h"
#include "pickers/waybillpicker.h"

#include <QDir>

namespace tarvel::bench {

namespace {

// One report run on a context: prepared (pickers opened, documents ticked)
// when made, timed by run(), compared by its lists.
class ModeRun {
public:
    virtual ~ModeRun() = default;
    virtual void run() = 0;
    virtual QByteArray lists() const = 0;
    // The longest the last run went without a chance to answer "Durdur", in ms; -1 when it has none.
    virtual double longestStepMs() const { return -1; }
};

// A picker's "Göster" over the month up to today, every document ticked.
template <class Picker> void pickMonth(Picker &picker, const QDate &today)
{
    picker.open(today);
    picker.setTr1(today.addMonths(-1));
    picker.setTr2(today);
    required(picker.gosterbul(SearchMode::NewList));
    picker.setAllTicked(true);
}

QByteArray listJson(const DataGrid &list)
{
    ReportJson json;
    json.addList(QStringLiteral("l1"), list);
    return json.toJson();
}

class MaterialRun : public ModeRun {
public:
    MaterialRun(const ReportContext &context, const QDate &today) : m_analysis(context)
    {
        m_analysis.setDates({today.addYears(-1), today});
        m_analysis.setBetweenItems([this] {
            m_longest = qMax(m_longest, double(m_step.nsecsElapsed()) / 1e6);
            m_step.start();
        });
    }
    void run() override
    {
        m_longest = 0;
        m_step.start();
        m_analysis.run();
    }
    double longestStepMs() const override { return m_longest; }
    QByteArray lists() const override { return listJson(m_analysis.l1()); }

private:
    MaterialAnalysis m_analysis;
    QElapsedTimer m_step;
    double m_longest = 0;
};

class InvoiceRun : public ModeRun {
public:
    InvoiceRun(const ReportContext &context, const QDate &today) : m_analysis(context), m_picker(context)
    {
        pickMonth(m_picker, today);
    }
    void run() override { m_analysis.handOver(m_picker.picked(), m_picker.options()); }
    QByteArray lists() const override { return listJson(m_analysis.l1()); }

private:
    InvoiceAnalysis m_analysis;
    InvoicePicker m_picker;
};

class LoadingRun : public ModeRun {
public:
    LoadingRun(const ReportContext &context, const QDate &today) : m_report(context), m_picker(context)
    {
        pickMonth(m_picker, today);
        m_picker.setMerge(true);
    }
    void run() override { required(m_report.handOver(m_picker.picked(), m_picker.birlestir())); }
    QByteArray lists() const override
    {
        ReportJson json;
        json.addList(QStringLiteral("l1"), m_report.l1());
        json.addList(QStringLiteral("l2"), m_report.l2());
        for (const auto &field : boxFieldValues(m_report.customer(), m_report.totals()))
            json.addField(QStringLiteral("field"), field.second);
        return json.toJson();
    }

private:
    LoadingReport m_report;
    WaybillPicker m_picker;
};

using MakeRun = std::function<std::unique_ptr<ModeRun>(const ReportContext &, const QDate &)>;

template <typename Run> MakeRun maker()
{
    return [](const ReportContext &context, const QDate &today) {
        return std::make_unique<Run>(context, today);
    };
}

ReportContext withMode(ReportContext context, ErpConnection &connection, ReadMode mode)
{
    context.connection = connection;
    context.readMode = mode;
    return context;
}

double runMs(ModeRun &run)
{
    QElapsedTimer clock;
    clock.start();
    run.run();
    return double(clock.nsecsElapsed()) / 1e6;
}

} // namespace

void linkBench(BenchCompany &company, int linkMs, QTextStream &out)
{
    const QString erpFile = QDir(company.folder).filePath(demo::demoErpFileName);
    BenchServer direct(erpFile, 0);
    BenchServer slow(erpFile, linkMs);
    const std::unique_ptr<ErpConnection> directConnection = direct.connect();
    const std::unique_ptr<ErpConnection> slowConnection = slow.connect();

    const QList<QPair<QByteArray, MakeRun>> runs{{"material-analysis", maker<MaterialRun>()},
                                                 {"invoice-analysis", maker<InvoiceRun>()},
                                                 {"loading", maker<LoadingRun>()}};
    bool equal = true;
    for (const auto &[name, make] : runs) {
        int statements[2] = {};
        QByteArray lists[2];
        for (const ReadMode mode : {ReadMode::Sets, ReadMode::Verbatim}) {
            const int m = mode == ReadMode::Sets ? 0 : 1;
            const std::unique_ptr<ModeRun> run =
                make(withMode(company.context, *company.connection, mode), company.today);
            statements[m] = int(tracedStatements(*company.connection, [&run] { run->run(); }).size());
            lists[m] = run->lists();
            if (mode == ReadMode::Sets && run->longestStepMs() >= 0)
                figure(out, QByteArray(name + "-longest-step-ms").constData(), run->longestStepMs());
        }
        equal = equal && lists[0] == lists[1];
        figure(out, QByteArray(name + "-statements").constData(), statements[0]);
        figure(out, QByteArray(name + "-statements-verbatim").constData(), statements[1]);
        figure(out, QByteArray(name + "-statement-ratio").constData(),
               double(statements[1]) / qMax(1, statements[0]), 1);

        const std::unique_ptr<ModeRun> overDirect =
            make(withMode(company.context, *directConnection, ReadMode::Sets), company.today);
        const std::unique_ptr<ModeRun> overSlow =
            make(withMode(company.context, *slowConnection, ReadMode::Sets), company.today);
        const double directMs = runMs(*overDirect);
        const double slowMs = runMs(*overSlow);
        equal = equal && overDirect->lists() == lists[0] && overSlow->lists() == lists[0];
        figure(out, QByteArray(name + "-link-0-ms").constData(), directMs);
        figure(out, QByteArray(name + "-link-" + QByteArray::number(linkMs) + "-ms").constData(), slowMs);
        figure(out, QByteArray(name + "-link-ratio").constData(), slowMs / directMs, 2);
        if (overSlow->longestStepMs() >= 0)
            figure(out,
                   QByteArray(name + "-longest-step-link-" + QByteArray::number(linkMs) + "-ms").constData(),
                   overSlow->longestStepMs());
    }
    figure(out, "sets-equal", equal ? 1 : 0);
}

} // namespace tarvel::bench
