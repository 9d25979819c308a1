#include "showcase.h"

namespace tarvel::demo {

namespace {

Account customer(const QString &name, bool wholesale, const QString &specode, int weight)
{
    Account account;
    account.cardType = 1;
    account.name = name;
    account.wholesale = wholesale;
    account.specode = specode;
    account.weight = weight;
    account.billingLag = 1;
    return account;
}

Item goodsCard(const QString &name, const QString &specode, const QString &group, int unitSet, double vat,
               double cost)
{
    Item item;
    item.name = name;
    item.specodes[0] = specode;
    item.specodes[1] = QStringLiteral("YERLİ");
    item.groupCode = group;
    item.unitSetIndex = unitSet;
    item.vat = vat;
    item.baseCost = cost;
    item.margin = 1.3;
    item.weight = 3;
    return item;
}

} // namespace

ShowcaseCards Showcase::addAccounts(CardMaker &maker)
{
    ShowcaseCards s;
    auto add = [&maker](Account account, const QString &code) {
        maker.placeAccount(account);
        account.code = code;
        account.salesmanRef = maker.pickSalesman();
        return maker.addAccount(account);
    };
    Account apostrophe =
        customer(QStringLiteral("MEHMET'İN GIDA PAZARLAMA LTD. ŞTİ."), true, QStringLiteral("MARKET"), 3);
    s.apostrophe = add(apostrophe, QStringLiteral("120.01.M001"));
    s.percent =
        add(customer(QStringLiteral("%100 DOĞAL ÜRÜNLER KOOPERATİFİ"), false, QStringLiteral("BAYİ"), 2),
            QStringLiteral("120.02.Y001"));
    Account large =
        customer(QStringLiteral("GÖKKUŞAĞI PERAKENDE MAĞAZACILIK A.Ş."), true, QStringLiteral("ZİNCİR"), 6);
    maker.placeAccount(large);
    large.code = QStringLiteral("120.01.G001");
    large.city = QStringLiteral("İSTANBUL");
    large.telCode = QStringLiteral("0212");
    large.taxNr = QStringLiteral("3960412875");
    large.taxOffice = QStringLiteral("BÜYÜK MÜKELLEFLER VERGİ DAİRESİ");
    large.salesmanRef = maker.pickSalesman();
    s.largeTaxpayer = maker.addAccount(large);

    Account inactive =
        customer(QStringLiteral("ESKİ ÇARŞI ŞEKERCİSİ ÜMİT GÜNDOĞDU"), true, QStringLiteral("MARKET"), 1);
    inactive.active = 1;
    s.inactive = add(inactive, QStringLiteral("120.03.E001"));
    s.chain =
        add(customer(QStringLiteral("ÖZGÜVEN MARKETLERİ ZİNCİRİ A.Ş."), true, QStringLiteral("ZİNCİR"), 4),
            QStringLiteral("120.01.Ö001"));
    s.branch =
        add(customer(QStringLiteral("ÖZGÜVEN MARKETLERİ ÇANKAYA ŞUBESİ"), true, QStringLiteral("ZİNCİR"), 0),
            QStringLiteral("120.01.Ö002"));
    Account depot = customer(QStringLiteral("KAPANAN DEPO - İKİTELLİ"), true, QStringLiteral("ZİNCİR"), 0);
    depot.active = 1;
    s.closedDepot = add(depot, QStringLiteral("120.01.Ö003"));
    s.twinA = add(customer(QStringLiteral("YILDIZ BAKKALİYESİ"), false, QStringLiteral("MARKET"), 1),
                  QStringLiteral("120.04.Y101"));
    s.twinB = add(customer(QStringLiteral("YILDIZ BAKKALİYESİ"), false, QStringLiteral("MARKET"), 1),
                  QStringLiteral("120.05.Y102"));
    s.longTitle =
        add(customer(QStringLiteral("ÇAĞDAŞ GÜNEYDOĞU TOPTAN GIDA İHTİYAÇ MADDELERİ NAKLİYAT İNŞAAT "
                                    "TURİZM TEKSTİL SANAYİ VE TİCARET LİMİTED ŞİRKETİ"),
                     true, QStringLiteral("TOPTANCI"), 2),
            QStringLiteral("120.06.Ç001"));
    s.mixedCase =
        add(customer(QStringLiteral("Şükrü Çağlar - Çağlar Büfe"), false, QStringLiteral("MARKET"), 1),
            QStringLiteral("120.07.Ş001"));

    FirmCards &cards = maker.cards();
    cards.accounts[s.apostrophe].shipToRef = cards.accounts.at(s.apostrophe).ref;
    cards.accounts[s.chain].shipToRef = cards.accounts.at(s.branch).ref;
    cards.accounts[s.inactive].shipToRef = cards.accounts.at(s.closedDepot).ref;
    return s;
}

void Showcase::addItems(CardMaker &maker, ShowcaseCards &s)
{
    Item cost = goodsCard(QStringLiteral("ŞENÇİFTLİK YEŞİL MERCİMEK 1 KG"), QStringLiteral("GIDA"),
                          QStringLiteral("BAKLİYAT"), 1, 1, 100);
    cost.reserved = true;
    s.costItem = maker.addItem(cost);
    Item produced = goodsCard(QStringLiteral("EV YAPIMI TARHANA 1 KG"), QStringLiteral("GIDA"),
                              QStringLiteral("KAHVALTILIK"), 1, 1, 60);
    produced.cardType = 12;
    produced.produced = true;
    produced.bought = false;
    produced.reserved = true;
    s.producedItem = maker.addItem(produced);
    Item gift = goodsCard(QStringLiteral("HEDİYELİK ÇİKOLATA KUTUSU 500 GR"), QStringLiteral("ŞEKERLEME"),
                          QStringLiteral("BİSKÜVİ VE ŞEKERLEME"), 1, 10, 150);
    gift.bought = false;
    s.neverBought = maker.addItem(gift);
    s.water = maker.addItem(goodsCard(QStringLiteral("ÇAMKÖŞE MADEN SUYU SADE 200 ML"),
                                      QStringLiteral("İÇECEK"), QStringLiteral("İÇECEKLER"), 2, 20, 4.5));
    Item fizzy = goodsCard(QStringLiteral("DEDEBAĞ GAZLI İÇECEK KOLA 1 LT"), QStringLiteral("İÇECEK"),
                           QStringLiteral("İÇECEKLER"), 1, 20, 22);
    fizzy.addTaxPerUnit = 6;
    s.fizzy = maker.addItem(fizzy);
    s.percentItem =
        maker.addItem(goodsCard(QStringLiteral("ZEYTİNYAĞI %100 NATÜREL SIZMA 1 LT"), QStringLiteral("GIDA"),
                                QStringLiteral("SIVI YAĞLAR"), 1, 1, 340));
    s.apostropheItem =
        maker.addItem(goodsCard(QStringLiteral("ANNEANNE'NİN VİŞNE REÇELİ 380 GR"), QStringLiteral("GIDA"),
                                QStringLiteral("KAHVALTILIK"), 1, 1, 48));
    // Fills NAME's VARCHAR(51) to the last character.
    s.longItem =
        maker.addItem(goodsCard(QStringLiteral("ŞENÇİFTLİK GÜNEŞTE KURUTULMUŞ ÇEKİRDEKSİZ KURU ÜZÜM"),
                                QStringLiteral("KURUYEMİŞ"), QStringLiteral("KURUYEMİŞ"), 3, 1, 130));
}

Showcase::Showcase(PeriodBuilder &builder, const ShowcaseCards &cards, int inactiveSalesmanRef,
                   int foreignSalesmanRef)
    : m_builder(builder), m_cards(cards), m_inactiveSalesmanRef(inactiveSalesmanRef),
      m_foreignSalesmanRef(foreignSalesmanRef)
{
    const ShowcaseCards &s = m_cards;
    const FirmCards &firm = builder.cards();
    const Account &supplier = firm.accounts.at(firm.suppliers.first());
    auto ref = [this](int index) { return account(index).ref; };

    m_events = {
        // Dated weeks before the default range of the invoice picker, keyed in within it.
        {65,
         [=, this](QDate day) {
             const Account &c = account(s.mixedCase);
             const int invoice = m_builder.addInvoice(7, midnight(day), c, c.salesmanRef, QString(),
                                                      QDateTime(dayOf(5), QTime(10, 15, 0), Qt::UTC));
             goods({-1, invoice}, s.apostropheItem, 4);
             goods({-1, invoice}, s.percentItem, 1);
         }},
        // The cost item: bought, returned by a customer at the sales price,
        // returned to the supplier, sold, and bought again at a higher price.
        {40, [=, this](QDate day) { stockDocument(day, 1, supplier, s.costItem, 50, 100); }},
        {20, [=, this](QDate day) { stockDocument(day, 3, account(s.apostrophe), s.costItem, 2, 180); }},
        {12, [=, this](QDate day) { stockDocument(day, 6, supplier, s.costItem, 5, 100); }},
        {10,
         [=, this](QDate day) {
             static const Account noAccount;
             const int receipt = m_builder.addWaybill(13, midnight(day), noAccount, 0, QString(), 0);
             m_builder.addItemLine({receipt, -1}, item(s.producedItem),
                                   m_builder.unitRef(item(s.producedItem), 0), 40, 35);
             // A sales order with a payment plan, a free case and a discount.
             const Account &c = account(s.apostrophe);
             const int order = m_builder.addOrder(1, midnight(day), c, c.salesmanRef, 1);
             m_builder.book().orders[order].docode = QStringLiteral("T-MEHMET'İN-1");
             const Item &oil = item(s.percentItem);
             m_builder.addOrderLine(order, oil.ref, GoodsLine, 12, m_builder.salesPrice(oil, day, false),
                                    oil.vat);
             const Item &jam = item(s.apostropheItem);
             m_builder.addOrderLine(order, jam.ref, GoodsLine, 24, m_builder.salesPrice(jam, day, false),
                                    jam.vat);
             m_builder.addOrderLine(order, jam.ref, PromotionLine, 2, m_builder.salesPrice(jam, day, false),
                                    jam.vat);
             m_builder.addOrderDiscount(order, 0.05);
         }},
        {8,
         [=, this](QDate day) {
             // Without a payment plan, prices with VAT, a delivery service.
             const Account &c = account(s.percent);
             const int order = m_builder.addOrder(1, midnight(day), c, c.salesmanRef, 0);
             const Item &soda = item(s.fizzy);
             const double price = round2(m_builder.salesPrice(soda, day, true) * (1 + soda.vat / 100));
             m_builder.addOrderLine(order, soda.ref, GoodsLine, 6, price, soda.vat, 1,
                                    round2(6 * soda.addTaxPerUnit));
             const Service &delivery = m_builder.cards().services.first();
             m_builder.addOrderLine(order, delivery.ref, ServiceLine, 1, delivery.price, delivery.vat);
         }},
        {7,
         [=, this](QDate day) {
             const int order = m_builder.addOrder(2, midnight(day), supplier, 0, 0);
             const Item &lentils = item(s.costItem);
             m_builder.addOrderLine(order, lentils.ref, GoodsLine, 100, 120, lentils.vat);
         }},
        {6,
         [=, this](QDate day) {
             // The same item on two lines, pieces of water here and cases on a later waybill.
             m_w1 = salesWaybill(day, s.apostrophe, 8, ref(s.apostrophe), QStringLiteral("ŞEHİRİÇİ"));
             goods({m_w1, -1}, s.apostropheItem, 3);
             goods({m_w1, -1}, s.apostropheItem, 5);
             goods({m_w1, -1}, s.water, 24);
             goods({m_w1, -1}, s.percentItem, 2);
             const Item &soda = item(s.fizzy);
             m_builder.addItemLine({m_w1, -1}, soda, m_builder.unitRef(soda, 0), 2,
                                   m_builder.salesPrice(soda, day, false), 0, PromotionLine);
             m_builder.addDiscount({m_w1, -1}, 0.05);
             for (int twin : {s.twinA, s.twinB}) {
                 const Account &c = account(twin);
                 const int order = m_builder.addOrder(1, midnight(day), c, c.salesmanRef, twin == s.twinB);
                 const Item &water = item(s.water);
                 m_builder.addOrderLine(order, water.ref, GoodsLine, twin == s.twinA ? 48 : 72,
                                        m_builder.salesPrice(water, day, true), water.vat);
             }
         }},
        {5,
         [=, this](QDate day) {
             m_w2 = salesWaybill(day, s.apostrophe, 8, ref(s.apostrophe), QStringLiteral("MÜŞTERİ'DE"));
             goods({m_w2, -1}, s.fizzy, 12);
             goods({m_w2, -1}, s.longItem, 2.5);
             const int large =
                 salesWaybill(day, s.largeTaxpayer, 8, ref(s.largeTaxpayer), QStringLiteral("ARAÇ-2"));
             goods({large, -1}, s.water, 10, 1);
             goods({large, -1}, s.neverBought, 6);
         }},
        {4,
         [=, this](QDate day) {
             const int waybill = salesWaybill(day, s.chain, 8, ref(s.branch), QStringLiteral("ARAÇ-1"));
             goods({waybill, -1}, s.water, 2, 1);
             goods({waybill, -1}, s.percentItem, 6);
             const Account &twin = account(s.twinB);
             const int cancelled = m_builder.addInvoice(8, midnight(day), twin, 0, QString(),
                                                        QDateTime(day, QTime(16, 40, 0), Qt::UTC));
             goods({-1, cancelled}, s.water, 24);
             m_builder.book().invoices[cancelled].cancelled = 1;
             const Account &far = account(s.longTitle);
             const int invoice =
                 m_builder.addInvoice(8, midnight(day), far, m_foreignSalesmanRef,
                                      QStringLiteral("ŞEHİRDIŞI"), QDateTime(day, QTime(11, 5, 0), Qt::UTC));
             goods({-1, invoice}, s.percentItem, 10);
             goods({-1, invoice}, s.longItem, 7.5);
         }},
        {3,
         [=, this](QDate day) {
             // Retail: prices with VAT, additional tax, no ship-to card; invoiced at once.
             const int waybill = salesWaybill(day, s.percent, 7, 0, QString());
             goods({waybill, -1}, s.fizzy, 6, 0, 1);
             goods({waybill, -1}, s.percentItem, 2, 0, 1);
             const Account &c = account(s.percent);
             const int invoice = m_builder.addInvoice(7, midnight(day), c, c.salesmanRef, QString(),
                                                      QDateTime(day, QTime(17, 30, 0), Qt::UTC));
             m_builder.invoiceWaybills({waybill}, invoice);
             // The cost item's sale, a produced item, an item never bought, a service;
             // the salesman has left the company.
             const Account &kiosk = account(s.mixedCase);
             const int direct = m_builder.addInvoice(7, midnight(day), kiosk, m_inactiveSalesmanRef,
                                                     QString(), QDateTime(day, QTime(12, 0, 0), Qt::UTC));
             goods({-1, direct}, s.costItem, 3);
             goods({-1, direct}, s.producedItem, 2);
             goods({-1, direct}, s.neverBought, 1);
             const Service &delivery = m_builder.cards().services.at(1);
             m_builder.addServiceLine({-1, direct}, delivery, 1, delivery.price);
         }},
        {2,
         [=, this](QDate day) {
             const int waybill =
                 salesWaybill(day, s.inactive, 8, ref(s.closedDepot), QStringLiteral("ŞEHİRDIŞI"));
             goods({waybill, -1}, s.apostropheItem, 12);
             goods({waybill, -1}, s.longItem, 1);
             // Keyed in with the time of day: the picker's range ends at midnight of its last day.
             const int timed = salesWaybill(day, s.largeTaxpayer, 8, ref(s.largeTaxpayer), QString());
             m_builder.book().waybills[timed].date = QDateTime(day, QTime(14, 35, 0), Qt::UTC);
             goods({timed, -1}, s.percentItem, 4);
         }},
        {1,
         [=, this](QDate day) {
             // The two waybills of MEHMET'İN become one invoice with the delivery on it, keyed in a day
             // later.
             const Account &c = account(s.apostrophe);
             const int invoice =
                 m_builder.addInvoice(8, midnight(day), c, c.salesmanRef, QStringLiteral("ŞEHİRİÇİ"),
                                      QDateTime(dayOf(0), QTime(9, 12, 0), Qt::UTC));
             m_builder.invoiceWaybills({m_w1, m_w2}, invoice);
             const Service &delivery = m_builder.cards().services.first();
             m_builder.addServiceLine({-1, invoice}, delivery, 1, delivery.price);
             const int cancelled = salesWaybill(day, s.twinA, 7, 0, QString());
             goods({cancelled, -1}, s.water, 12);
             m_builder.book().waybills[cancelled].cancelled = 1;
             stockDocument(day, 1, supplier, s.costItem, 30, 125);
         }},
    };
}

QDate Showcase::dayOf(int daysBefore) const
{
    return qMax(m_builder.today().addDays(-daysBefore), m_builder.book().begin);
}

void Showcase::runDay(QDate day)
{
    for (const Event &event : std::as_const(m_events)) {
        if (dayOf(event.daysBefore) == day)
            event.make(day);
    }
}

void Showcase::goods(LineOwner owner, int itemIndex, double amount, int unitPosition, int vatInc)
{
    const Item &goodsItem = item(itemIndex);
    const QDate day = (owner.waybill >= 0 ? m_builder.book().waybills.at(owner.waybill).date
                                          : m_builder.book().invoices.at(owner.invoice).date)
                          .date();
    const bool retail = (owner.waybill >= 0 ? m_builder.book().waybills.at(owner.waybill).trCode
                                            : m_builder.book().invoices.at(owner.invoice).trCode) == 7;
    const int unitRef = m_builder.unitRef(goodsItem, unitPosition);
    double price = m_builder.salesPrice(goodsItem, day, retail) * m_builder.unitFactor(unitRef);
    if (vatInc)
        price *= 1 + goodsItem.vat / 100;
    m_builder.addItemLine(owner, goodsItem, unitRef, amount, round2(price), vatInc);
}

int Showcase::salesWaybill(QDate day, int accountIndex, int trCode, int recvRef, const QString &specode)
{
    const Account &c = account(accountIndex);
    return m_builder.addWaybill(trCode, midnight(day), c, recvRef, specode, c.salesmanRef);
}

int Showcase::stockDocument(QDate day, int trCode, const Account &partner, int itemIndex, double amount,
                            double price)
{
    const int waybill = m_builder.addWaybill(trCode, midnight(day), partner, 0, QString(), 0);
    const int invoice = m_builder.addInvoice(trCode, midnight(day), partner, 0, QString(),
                                             QDateTime(day, QTime(15, 0, 0), Qt::UTC));
    const Item &goodsItem = item(itemIndex);
    m_builder.addItemLine({waybill, -1}, goodsItem, m_builder.unitRef(goodsItem, 0), amount, price);
    m_builder.invoiceWaybills({waybill}, invoice);
    return waybill;
}

} // namespace tarvel::demo
