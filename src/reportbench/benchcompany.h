#pragma once

#include "foundation/base/result.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/erp/reportcontext.h"

#include <QElapsedTimer>
#include <QStringList>
#include <QTextStream>
#include <functional>
#include <memory>

namespace tarvel::bench {

// The large demo company the report benchmarks run on: made once in a folder
// and reused by later runs (the same size and date give the same content).
struct BenchCompany {
    QString folder;
    std::unique_ptr<ErpConnection> connection;
    ReportContext context; // firm and period as data.dbs chooses them
    QDate today;           // the company's reference date
};

// The best of `runs` timings of an action, in milliseconds (the first run
// warms the database's caches and is not counted when runs > 1).
inline double bestMs(int runs, const std::function<void()> &action)
{
    double best = -1;
    for (int i = 0; i <= runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        action();
        const double ms = double(clock.nsecsElapsed()) / 1e6;
        if (i > 0 || runs == 0)
            best = best < 0 ? ms : qMin(best, ms);
    }
    return best;
}

// A benchmark stops at the first failure, which main reports.
template <typename T> T required(Result<T> result)
{
    if (!result)
        throw result.error();
    return std::move(*result);
}
inline void required(const Result<void> &result)
{
    if (!result)
        throw result.error();
}

// One figure per line, "name: value", for scripts to read.
inline void figure(QTextStream &out, const char *name, double value, int decimals = 0)
{
    out << name << ": " << QString::number(value, 'f', decimals) << "\n";
    out.flush();
}

// The statements an action sends on a connection, in order, as traced.
QStringList tracedStatements(ErpConnection &connection, const std::function<void()> &action);
// The best time of the statements sent in a plain loop: every result
// fetched, nothing done with it.
double bareStatementsMs(int runs, ErpConnection &connection, const QStringList &statements);

// The vehicle loading report's figures.
void loadingBench(BenchCompany &company, int runs, QTextStream &out);
// The profit analyses' figures.
void analysisBench(BenchCompany &company, int runs, QTextStream &out);
// The reading modes' figures: statements, equal lists, time over a link of linkMs per statement.
void linkBench(BenchCompany &company, int linkMs, QTextStream &out);

} // namespace tarvel::bench
