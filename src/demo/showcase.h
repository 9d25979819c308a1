#pragma once

#include "democards.h"
#include "periodbuilder.h"

#include <functional>

namespace tarvel::demo {

// Cards a tester looks for by name (indices into FirmCards).
struct ShowcaseCards {
    int apostrophe = -1;                           // MEHMET'İN GIDA PAZARLAMA LTD. ŞTİ.
    int percent = -1;                              // %100 DOĞAL ÜRÜNLER KOOPERATİFİ
    int largeTaxpayer = -1;                        // TAXOFFICE fills its VARCHAR(31)
    int inactive = -1;                             // ACTIVE 1, with waybills
    int chain = -1, branch = -1, closedDepot = -1; // ship-to cards
    int twinA = -1, twinB = -1;                    // two cards with the same title
    int longTitle = -1, mixedCase = -1;
    int costItem = -1;     // bought, returned both ways, bought again after its sale
    int producedItem = -1; // only production receipts, never bought
    int neverBought = -1;
    int water = -1; // sold by the piece and by the case
    int fizzy = -1; // additional tax
    int percentItem = -1, apostropheItem = -1, longItem = -1;
};

// The notable documents of the current period, all in the last days before the
// reference date so that the windows' default ranges show them: every kind of
// line, ship-to cards, an inactive customer, invoices made from waybills,
// cancelled documents, an invoice keyed in weeks after its date, and one item
// whose cost has a purchase before and after its sale plus returns around it.
class Showcase {
public:
    // Adds the notable cards; call first, so that they come first in the firm.
    static ShowcaseCards addAccounts(CardMaker &maker);
    // Items come after the everyday ones, as cards opened later.
    static void addItems(CardMaker &maker, ShowcaseCards &cards);

    Showcase(PeriodBuilder &builder, const ShowcaseCards &cards, int inactiveSalesmanRef,
             int foreignSalesmanRef);
    void runDay(QDate day);

private:
    struct Event {
        int daysBefore;
        std::function<void(QDate)> make;
    };
    QDate dayOf(int daysBefore) const;
    const Account &account(int index) const { return m_builder.cards().accounts.at(index); }
    const Item &item(int index) const { return m_builder.cards().items.at(index); }
    void goods(LineOwner owner, int itemIndex, double amount, int unitPosition = 0, int vatInc = 0);
    int salesWaybill(QDate day, int accountIndex, int trCode, int recvRef, const QString &specode);
    int stockDocument(QDate day, int trCode, const Account &account, int itemIndex, double amount,
                      double price);

    PeriodBuilder &m_builder;
    ShowcaseCards m_cards;
    int m_inactiveSalesmanRef, m_foreignSalesmanRef;
    QVector<Event> m_events;
    int m_w1 = -1, m_w2 = -1;
};

} // namespace tarvel::demo
