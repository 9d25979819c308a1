#include "democards.h"

#include <QSet>

namespace tarvel::demo {

namespace {

QString digits(DemoRandom &random, int count)
{
    QString text;
    for (int i = 0; i < count; ++i)
        text += QChar(u'0' + random.between(i == 0 ? 1 : 0, 9));
    return text;
}

// "KG:1" -> label "KG", factor 1; "2.5 KG:2.4" -> "2,5 KG" (Turkish decimal comma), 2.4.
void splitSize(const QString &size, QString *label, double *factor)
{
    const int colon = int(size.lastIndexOf(QLatin1Char(':')));
    *label = size.left(colon);
    label->replace(QLatin1Char('.'), QLatin1Char(','));
    *factor = size.mid(colon + 1).toDouble();
}

} // namespace

CardMaker::CardMaker(FirmCards &cards, const words::TradeProfile &trade, const QVector<Salesman> &salesmen,
                     DemoRandom random)
    : m_cards(cards), m_trade(trade), m_salesmen(salesmen), m_random(random)
{
}

void CardMaker::makeUnitSets()
{
    for (const words::UnitSetDefinition &definition : words::unitSets()) {
        UnitSet set;
        set.ref = int(m_cards.unitSets.size()) + 1;
        set.code = definition.code;
        set.name = definition.name;
        int lineNr = 0;
        for (const words::UnitDefinition &unitDefinition : definition.units) {
            Unit unit;
            unit.ref = int(m_cards.units.size()) + 1;
            unit.setRef = set.ref;
            unit.code = unitDefinition.code;
            unit.name = unitDefinition.name;
            unit.lineNr = ++lineNr;
            unit.main = lineNr == 1;
            unit.conv1 = unitDefinition.conv1;
            unit.conv2 = unitDefinition.conv2;
            set.units.push_back(int(m_cards.units.size()));
            m_cards.units.push_back(unit);
        }
        m_cards.unitSets.push_back(set);
    }
}

void CardMaker::makeDefaultCard()
{
    // Every firm gets this card when its files are made; it is never a real customer.
    Account account;
    account.cardType = 22;
    account.code = QStringLiteral("CARİ.000");
    account.name = QStringLiteral("VARSAYILAN CARİ HESAP");
    account.city = m_cards.firmNr == 1 ? QStringLiteral("İSTANBUL") : QStringLiteral("ANKARA");
    addAccount(account);
}

int CardMaker::addAccount(Account account)
{
    account.ref = int(m_cards.accounts.size()) + 1;
    const int index = int(m_cards.accounts.size());
    if (account.cardType == 1 || account.cardType == 3)
        m_cards.customers.push_back(index);
    if (account.cardType == 2 || account.cardType == 3)
        m_cards.suppliers.push_back(index);
    m_cards.accounts.push_back(account);
    return index;
}

QString CardMaker::accountCode(bool supplier)
{
    // 120 trade receivables, 320 trade payables: the accounts' codes follow the ledger.
    const int number = supplier ? ++m_supplierCodes : ++m_customerCodes;
    return QStringLiteral("%1.%2.%3")
        .arg(supplier ? QStringLiteral("320") : QStringLiteral("120"))
        .arg(number % 7 + 1, 2, 10, QLatin1Char('0'))
        .arg(number, 4, 10, QLatin1Char('0'));
}

QString CardMaker::uniqueAccountName(bool supplier)
{
    QSet<QString> taken;
    for (const Account &account : std::as_const(m_cards.accounts))
        taken.insert(account.name);
    const QStringList &kinds = supplier ? m_trade.supplierKinds : m_trade.customerKinds;
    for (int attempt = 0;; ++attempt) {
        const QString surname = m_random.pick(words::surnames());
        const QString kind = m_random.pick(kinds);
        QString name;
        const int pattern = supplier ? 0 : m_random.between(0, 3);
        if (pattern == 0) {
            const QStringList &legal = supplier ? words::supplierLegalForms() : words::legalForms();
            name = surname + QLatin1Char(' ') + kind + QLatin1Char(' ') + m_random.pick(legal);
        } else if (pattern == 1) {
            // A sole trader: the owner's name, then the shop's.
            name = m_random.pick(words::firstNames()) + QLatin1Char(' ') + surname + QStringLiteral(" - ") +
                   surname + QLatin1Char(' ') + kind;
        } else if (pattern == 2) {
            name = words::plural(surname) + QLatin1Char(' ') + kind + QLatin1Char(' ') +
                   m_random.pick(words::legalForms());
        } else {
            name = m_random.pick(words::firstNames()) + QLatin1Char(' ') + surname + QLatin1Char(' ') + kind;
        }
        name = name.trimmed();
        if (attempt > 40)
            name += QStringLiteral(" %1").arg(m_cards.accounts.size());
        if (!taken.contains(name))
            return name;
    }
}

void CardMaker::placeAccount(Account &account)
{
    const words::City &city = m_random.pick(words::cities());
    const QString district = m_random.pick(city.districts);
    account.city = city.name;
    account.addr1 = QStringLiteral("%1 %2 No:%3")
                        .arg(m_random.pick(words::neighbourhoods()), m_random.pick(words::streets()))
                        .arg(m_random.between(1, 180));
    account.addr2 = m_random.chance(0.5) ? QStringLiteral("Kat:%1 D:%2 %3")
                                               .arg(m_random.between(1, 6))
                                               .arg(m_random.between(1, 24))
                                               .arg(words::titleCase(district))
                                         : words::titleCase(district);
    account.telCode = city.telCode;
    account.telNr =
        QStringLiteral("%1 %2 %3").arg(digits(m_random, 3), digits(m_random, 2), digits(m_random, 2));
    // Companies have a ten-digit tax number, sole traders their eleven-digit identity number.
    account.taxNr = digits(m_random, account.name.contains(QStringLiteral(" - ")) ? 11 : 10);
    account.taxOffice = district + QStringLiteral(" VERGİ DAİRESİ");
}

int CardMaker::pickSalesman()
{
    // Most customers have a salesman of the firm; a few kept the one who left, a few have none.
    QVector<int> active, inactive;
    for (const Salesman &salesman : std::as_const(m_salesmen))
        (salesman.active == 0 ? active : inactive).push_back(salesman.ref);
    const double roll = m_random.unit();
    if (active.isEmpty() || roll < 0.05)
        return 0;
    if (roll < 0.1 && !inactive.isEmpty())
        return m_random.pick(inactive);
    return m_random.pick(active);
}

void CardMaker::makeAccounts(const CardCounts &counts)
{
    const QVector<words::CodeDefinition> &codes = words::accountSpecialCodes();
    const QVector<int> existing = m_cards.customers;
    for (int i = 0; i < counts.customers; ++i) {
        Account account;
        account.cardType = m_random.chance(0.04) ? 3 : 1;
        account.name = uniqueAccountName(false);
        account.code = accountCode(false);
        placeAccount(account);
        account.specode = codes.at(m_random.between(0, int(codes.size()) - 2)).code;
        account.active = m_random.chance(0.08) ? 1 : 0;
        account.wholesale = m_random.chance(0.65);
        account.salesmanRef = pickSalesman();
        account.billingLag = QVector<int>{0, 1, 1, 2, 3, 7}.at(m_random.between(0, 5));
        account.weight = m_random.between(1, 6) * (m_random.chance(0.2) ? 6 : 1);
        addAccount(account);
    }
    // Ship-to cards: most waybills go to the customer itself, some name none,
    // a few go to another card (a branch, a warehouse).
    const QVector<int> customers = m_cards.customers;
    for (int index : customers) {
        if (existing.contains(index))
            continue;
        Account &account = m_cards.accounts[index];
        const double roll = m_random.unit();
        if (roll < 0.6)
            account.shipToRef = account.ref;
        else if (roll < 0.9)
            account.shipToRef = 0;
        else
            account.shipToRef = m_cards.accounts.at(m_random.pick(customers)).ref;
    }
    for (int i = 0; i < counts.suppliers; ++i) {
        Account account;
        account.cardType = 2;
        account.name = uniqueAccountName(true);
        account.code = accountCode(true);
        placeAccount(account);
        account.specode = QStringLiteral("TEDARİKÇİ");
        account.weight = m_random.between(1, 5);
        addAccount(account);
    }
    Account group;
    group.cardType = 4;
    group.code = QStringLiteral("GRUP.001");
    group.name = m_trade.groupCard;
    group.specode = QStringLiteral("ZİNCİR");
    placeAccount(group);
    addAccount(group);
}

int CardMaker::addItem(Item item)
{
    item.ref = int(m_cards.items.size()) + 1;
    const QString prefix = item.specodes[0].left(3);
    const int number = ++m_itemCodes[prefix];
    item.code = QStringLiteral("%1.%2").arg(prefix).arg(number, 5, 10, QLatin1Char('0'));
    m_cards.items.push_back(item);
    return int(m_cards.items.size()) - 1;
}

void CardMaker::makeItems(int count)
{
    QSet<QString> taken;
    for (const Item &item : std::as_const(m_cards.items))
        taken.insert(item.name);
    for (int i = 0; i < count; ++i) {
        const words::ProductKind &kind = m_random.pick(m_trade.products);
        QString name;
        QString label;
        double factor = 1;
        for (int attempt = 0; attempt < 60 && (name.isEmpty() || taken.contains(name)); ++attempt) {
            splitSize(m_random.pick(kind.sizes), &label, &factor);
            const QString variety = m_random.pick(kind.varieties);
            QStringList parts;
            if (!label.isEmpty() || m_random.chance(0.5))
                parts << m_random.pick(m_trade.brands);
            parts << kind.name << variety << label;
            parts.removeAll(QString());
            name = parts.join(QLatin1Char(' '));
            if (name.size() > 51)
                name = QStringList{kind.name, variety, label}.join(QLatin1Char(' ')).simplified();
        }
        if (taken.contains(name))
            name = QStringLiteral("%1 %2").arg(name.left(44)).arg(i + 1);
        taken.insert(name);

        Item item;
        item.name = name;
        item.specodes[0] = kind.specode;
        item.specodes[1] = m_random.chance(0.9) ? QStringLiteral("YERLİ") : QStringLiteral("İTHAL");
        if (kind.specode == QLatin1String("ŞARKÜTERİ") || kind.specode == QLatin1String("DONDURULMUŞ"))
            item.specodes[2] = QStringLiteral("SOĞUKZİNCİR");
        if (m_random.chance(0.1))
            item.specodes[3] = QStringLiteral("KAMPANYA");
        if (m_random.chance(0.02))
            item.specodes[4] = QStringLiteral("%50 İNDİRİM");
        item.groupCode = kind.group;
        item.unitSetIndex = kind.unitSet;
        item.vat = kind.vat;
        item.baseCost = round2(kind.cost * factor * (0.85 + 0.4 * m_random.unit()));
        item.margin = 1.12 + 0.28 * m_random.unit();
        item.addTaxPerUnit = round2(kind.addTax * factor);
        item.weight = m_random.between(1, 4) * (m_random.chance(0.15) ? 10 : 1);
        const double roll = m_random.unit();
        if (roll < 0.03) {
            // Made in-house: production receipts, never a purchase.
            item.cardType = 12;
            item.produced = true;
            item.bought = false;
        } else if (roll < 0.06) {
            item.bought = false; // sold from old stock, never bought in these periods
        }
        item.active = m_random.chance(0.03) ? 1 : 0;
        addItem(item);
    }
}

void CardMaker::makeServices()
{
    int number = 0;
    for (const QString &name : m_trade.services) {
        Service service;
        service.ref = int(m_cards.services.size()) + 1;
        service.code = QStringLiteral("HZM.%1").arg(++number, 3, 10, QLatin1Char('0'));
        service.name = name;
        service.active = name.contains(QStringLiteral("Kullanılmıyor")) ? 1 : 0;
        service.price = round2(150 + 2350 * m_random.unit());
        service.vat = 20;
        m_cards.services.push_back(service);
    }
}

void CardMaker::makeSpecialCodes()
{
    auto add = [this](int codeType, int specodeType, const QString &code, const QString &definition) {
        m_cards.specialCodes.push_back({codeType, specodeType, code, definition});
    };
    // Item special codes (1, 1) and item group codes (4, 0): those the items use.
    QStringList groups;
    for (const words::ProductKind &kind : m_trade.products) {
        if (!groups.contains(kind.group))
            groups << kind.group;
    }
    for (const words::CodeDefinition &code : m_trade.categories)
        add(1, 1, code.code, code.definition);
    for (const words::CodeDefinition &code : words::itemSpecialCodes())
        add(1, 1, code.code, code.definition);
    for (const QString &group : std::as_const(groups))
        add(4, 0, group, words::sentenceCase(group));
    for (const words::CodeDefinition &code : words::waybillSpecialCodes())
        add(1, 19, code.code, code.definition);
    for (const words::CodeDefinition &code : words::accountSpecialCodes())
        add(1, 26, code.code, code.definition);
    for (const words::CodeDefinition &code : words::accountGroupCodes())
        add(10, 2, code.code, code.definition);
}

} // namespace tarvel::demo
