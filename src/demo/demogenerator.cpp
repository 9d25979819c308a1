#include "demogenerator.h"

#include "bookwriter.h"
#include "dailybusiness.h"
#include "democards.h"
#include "showcase.h"

#include "foundation/errors.h"

namespace tarvel::demo {

namespace {

constexpr std::uint64_t demoSeed = 0x54415256454C3230ull;

DemoRandom streamFor(int firmNr, int part)
{
    return DemoRandom(demoSeed ^ (std::uint64_t(firmNr) << 32) ^ std::uint64_t(part));
}

struct FirmPlan {
    int nr;
    const words::TradeProfile *trade;
    DemoCardCounts counts;
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

QVector<Salesman> makeSalesmen()
{
    // The fifth of firm 1 has left (ACTIVE 1); firm 2 has its own two.
    const QVector<QPair<QString, int>> people{
        {QStringLiteral("Barış Güneş"), 1}, {QStringLiteral("Gülten Aydın"), 1},
        {QStringLiteral("Oğuz Kılıç"), 1},  {QStringLiteral("Şeyma Ünal"), 1},
        {QStringLiteral("Rıza Çelebi"), 1}, {QStringLiteral("İlker Doğan"), 2},
        {QStringLiteral("Ülkü Şenyüz"), 2},
    };
    QVector<Salesman> list;
    for (const auto &[name, firm] : people) {
        Salesman salesman;
        salesman.ref = int(list.size()) + 1;
        salesman.code = QStringLiteral("SE.%1.%2").arg(firm).arg(salesman.ref, 2, 10, QLatin1Char('0'));
        salesman.name = name;
        salesman.firmNr = firm;
        salesman.active = salesman.ref == 5 ? 1 : 0;
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

DemoCardCounts cardCountsForScale(int scale)
{
    return {45 + 12 * (scale - 1), 8 + (scale - 1) / 3, 150 + 38 * (scale - 1)};
}

QString periodChoice(int nr, int firmNr, QDate begin, QDate end)
{
    const QString format = QStringLiteral("dd.MM.yyyy");
    return QStringLiteral("%1- %2-(%3)  (%4)")
        .arg(nr)
        .arg(firmNr)
        .arg(begin.toString(format), end.toString(format));
}

DemoSummary writeDemoErp(const QString &path, const DemoOptions &options)
{
    if (!isValidReferenceDate(options.today))
        throw Error(QStringLiteral("The demo company needs a reference date in the years 1001 to 9999."));
    const int year = options.today.year();
    const QDate priceBase(year - 1, 1, 1);
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
        FirmCards cards;
        cards.firmNr = plan.nr;
        cards.name = plan.trade->firmName;
        const QVector<Salesman> own = salesmenOf(salesmen, plan.nr);
        CardMaker maker(cards, *plan.trade, own, streamFor(plan.nr, 0));
        maker.makeUnitSets();
        maker.makeDefaultCard();
        ShowcaseCards showcaseCards;
        if (plan.showcase)
            showcaseCards = Showcase::addAccounts(maker);
        maker.makeAccounts({plan.counts.customers, plan.counts.suppliers, plan.counts.items});
        maker.makeItems(plan.counts.items);
        if (plan.showcase)
            Showcase::addItems(maker, showcaseCards);
        maker.makeServices();
        maker.makeSpecialCodes();

        system.firms.push_back({plan.nr, cards.name});
        system.currencies.push_back({plan.nr, 0, QStringLiteral("TL"), QStringLiteral("TÜRK LİRASI")});
        system.currencies.push_back({plan.nr, 1, QStringLiteral("USD"), QStringLiteral("AMERİKAN DOLARI")});
        system.currencies.push_back({plan.nr, 20, QStringLiteral("EUR"), QStringLiteral("EURO")});

        QVector<PeriodBook> periods;
        for (int p = 0; p < plan.periodYears.size(); ++p) {
            PeriodBook book;
            book.nr = p + 1;
            book.begin = QDate(plan.periodYears.at(p), 1, 1);
            book.end = QDate(plan.periodYears.at(p), 12, 31);
            const bool current = book.begin <= options.today && options.today <= book.end;
            system.periods.push_back({book.nr, plan.nr, book.begin, book.end, current ? 1 : 0});
            if (current && plan.nr == 1) {
                summary.periodChoice = periodChoice(book.nr, plan.nr, book.begin, book.end);
                summary.firmName = cards.name;
                summary.firmChoice = QStringLiteral("%1- %2").arg(plan.nr).arg(cards.name);
            }

            PeriodBuilder builder(cards, book, priceBase, options.today);
            DailyBusiness business(builder, plan.rates, streamFor(plan.nr, book.nr));
            std::optional<Showcase> showcase;
            if (plan.showcase && current) {
                const int inactiveSalesman = salesmen.at(4).ref;
                const int foreignSalesman = salesmen.at(5).ref;
                showcase.emplace(builder, showcaseCards, inactiveSalesman, foreignSalesman);
            }
            const QDate last = qMin(book.end, options.today);
            for (QDate day = book.begin; day <= last; day = day.addDays(1)) {
                business.runDay(day);
                if (showcase)
                    showcase->runDay(day);
            }
            if (last == book.end && book.end < options.today)
                business.closePeriod(book.end);
            summary.stockLines += book.lines.size();
            summary.waybills += book.waybills.size();
            summary.invoices += book.invoices.size();
            summary.orders += book.orders.size();
            periods.push_back(std::move(book));
        }
        if (plan.nr == 1) {
            summary.accounts = int(cards.accounts.size());
            summary.items = int(cards.items.size());
        }
        summary.periods += int(periods.size());
        firms.push_back(std::move(cards));
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
