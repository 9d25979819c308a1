#include "demogenerator.h"

#include "bookwriter.h"
#include "dailybusiness.h"
#include "democards.h"
#include "showcase.h"

#include "foundation/base/errors.h"

namespace tarvel::demo {

namespace {

constexpr std::uint64_t demoSeed = 0x54415256454C3230ull;

DemoRandom streamFor(int firmNr, int part)
{
    return DemoRandom(demoSeed ^ (std::uint64_t(firmNr) << 32) ^ std::uint64_t(part));
}

// Documents grow with the scale, cards more slowly: a bigger company sells more
// to each customer.
CardCounts cardCountsForScale(int scale)
{
    return {45 + 12 * (scale - 1), 8 + (scale - 1) / 3, 150 + 38 * (scale - 1)};
}

struct FirmPlan {
    int nr;
    const words::TradeProfile *trade;
    CardCounts counts;
    BusinessRates rates;
    QVector<int> periodYears; // period 1, 2, ...
    bool showcase;
};

QVector<Salesman> salesmenOf(const QVector<Salesman> &all, int firmNr)
{
    QVector<Salesman> list;
    for (const Salesman &salesman : all) {
        if (salesman.firmNr == firmNr)
            list.push_back(salesman);
    }
    return list;
}

constexpr int inactiveSalesmanRef = 5; // has left firm 1
constexpr int foreignSalesmanRef = 6;  // works for firm 2

QVector<Salesman> makeSalesmen()
{
    const QVector<QPair<QString, int>> people{
        {QStringLiteral("Barış Güneş"), 1}, {QStringLiteral("Gülten Aydın"), 1},
        {QStringLiteral("Oğuz Kılıç"), 1},  {QStringLiteral("Şeyma Ünal"), 1},
        {QStringLiteral("Rıza Çelebi"), 1}, {QStringLiteral("İlker Dağdelen"), 2},
        {QStringLiteral("Ülkü Şenyüz"), 2},
    };
    QVector<Salesman> list;
    for (const auto &[name, firm] : people) {
        Salesman salesman;
        salesman.ref = int(list.size()) + 1;
        salesman.code = QStringLiteral("SE.%1.%2").arg(firm).arg(salesman.ref, 2, 10, QLatin1Char('0'));
        salesman.name = name;
        salesman.firmNr = firm;
        salesman.active = salesman.ref == inactiveSalesmanRef ? 1 : 0;
        list.push_back(salesman);
    }
    return list;
}

} // namespace

std::optional<int> parseDemoSize(const QString &text)
{
    if (text == QLatin1String("small"))
        return 1;
    if (text == QLatin1String("large"))
        return largeScale;
    bool ok = false;
    const int scale = text.toInt(&ok);
    if (!ok || scale < 1 || scale > largestScale)
        return std::nullopt;
    return scale;
}

bool isValidReferenceDate(QDate date)
{
    return date.isValid() && date.year() > 1000 && date.year() <= 9999;
}

QString periodChoice(int nr, int firmNr, QDate begin, QDate end)
{
    const QString format = QStringLiteral("dd.MM.yyyy");
    return QStringLiteral("%1- %2-(%3)  (%4)")
        .arg(nr)
        .arg(firmNr)
        .arg(begin.toString(format), end.toString(format));
}

namespace {

FirmCards makeCards(const FirmPlan &plan, const QVector<Salesman> &salesmen, ShowcaseCards *showcaseCards)
{
    FirmCards cards;
    cards.firmNr = plan.nr;
    cards.name = plan.trade->firmName;
    CardMaker maker(cards, *plan.trade, salesmenOf(salesmen, plan.nr), streamFor(plan.nr, 0));
    maker.makeUnitSets();
    maker.makeDefaultCard();
    if (plan.showcase)
        *showcaseCards = Showcase::addAccounts(maker);
    maker.makeAccounts(plan.counts);
    maker.makeItems(plan.counts.items);
    if (plan.showcase)
        Showcase::addItems(maker, *showcaseCards);
    maker.makeServices();
    maker.makeSpecialCodes();
    return cards;
}

// One period's documents, day by day up to the reference date; a period that
// ended before it is closed with every waybill invoiced.
PeriodBook makePeriod(const FirmCards &cards, const FirmPlan &plan, int nr, int year,
                      const DemoOptions &options, const ShowcaseCards &showcaseCards)
{
    PeriodBook book;
    book.nr = nr;
    book.begin = QDate(year, 1, 1);
    book.end = QDate(year, 12, 31);
    const bool current = book.begin <= options.today && options.today <= book.end;
    PeriodBuilder builder(cards, book, QDate(options.today.year() - 1, 1, 1), options.today);
    DailyBusiness business(builder, plan.rates, streamFor(plan.nr, nr));
    std::optional<Showcase> showcase;
    if (plan.showcase && current)
        showcase.emplace(builder, showcaseCards, inactiveSalesmanRef, foreignSalesmanRef);
    const QDate last = qMin(book.end, options.today);
    for (QDate day = book.begin; day <= last; day = day.addDays(1)) {
        business.runDay(day);
        if (showcase)
            showcase->runDay(day);
    }
    if (book.end < options.today)
        business.closePeriod(book.end);
    return book;
}

} // namespace

DemoSummary writeDemoErp(const QString &path, const DemoOptions &options)
{
    if (!isValidReferenceDate(options.today))
        throw Error(QStringLiteral("The demo company needs a reference date in the years 1001 to 9999."));
    const int year = options.today.year();
    const QVector<Salesman> salesmen = makeSalesmen();
    const QVector<FirmPlan> plans{
        {1,
         &words::foodTrade(),
         cardCountsForScale(options.scale),
         BusinessRates().scaled(options.scale),
         {year - 1, year},
         true},
        {2, &words::stationeryTrade(), {14, 3, 35}, BusinessRates().scaled(0.25), {year}, false},
    };

    SystemTables system;
    system.salesmen = salesmen;
    QVector<FirmCards> firms;
    QVector<QVector<PeriodBook>> books;
    DemoSummary summary;
    for (const FirmPlan &plan : plans) {
        ShowcaseCards showcaseCards;
        firms.push_back(makeCards(plan, salesmen, &showcaseCards));
        const FirmCards &cards = firms.last();
        system.firms.push_back({plan.nr, cards.name});
        system.currencies.push_back({plan.nr, 0, QStringLiteral("TL"), QStringLiteral("TÜRK LİRASI")});
        system.currencies.push_back({plan.nr, 1, QStringLiteral("USD"), QStringLiteral("AMERİKAN DOLARI")});
        system.currencies.push_back({plan.nr, 20, QStringLiteral("EUR"), QStringLiteral("EURO")});

        QVector<PeriodBook> periods;
        for (int p = 0; p < plan.periodYears.size(); ++p) {
            periods.push_back(makePeriod(cards, plan, p + 1, plan.periodYears.at(p), options, showcaseCards));
            const PeriodBook &book = periods.last();
            const bool current = book.begin <= options.today && options.today <= book.end;
            system.periods.push_back({book.nr, plan.nr, book.begin, book.end, current ? 1 : 0});
            if (current && plan.nr == 1) {
                summary.firmName = cards.name;
                summary.firmChoice = QStringLiteral("%1- %2").arg(plan.nr).arg(cards.name);
                summary.periodChoice = periodChoice(book.nr, plan.nr, book.begin, book.end);
            }
            summary.stockLines += book.lines.size();
            summary.waybills += book.waybills.size();
            summary.invoices += book.invoices.size();
            summary.orders += book.orders.size();
        }
        if (plan.nr == 1) {
            summary.accounts = int(cards.accounts.size());
            summary.items = int(cards.items.size());
        }
        summary.periods += int(periods.size());
        books.push_back(std::move(periods));
    }
    summary.firms = int(firms.size());

    ErpFileWriter file(path);
    writeSystemTables(file, system);
    for (int f = 0; f < firms.size(); ++f) {
        writeFirmCards(file, firms.at(f));
        for (const PeriodBook &book : books.at(f))
            writePeriod(file, firms.at(f).firmNr, book);
    }
    file.commit();
    return summary;
}

} // namespace tarvel::demo
