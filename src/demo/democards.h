#pragma once

#include "demomodel.h"
#include "demorandom.h"
#include "demowords.h"

namespace tarvel::demo {

struct CardCounts {
    int customers = 45;
    int suppliers = 8;
    int items = 150;
};

// The cards of one firm: its default card (CARDTYPE 22, the first card of
// every firm), customers, suppliers and a group card, items, services, unit
// sets and the special and group codes they use. Salesmen are the firm's own
// (LG_SLSMAN rows with its FIRMNR); customers are shared out among them.
class CardMaker {
public:
    CardMaker(FirmCards &cards, const words::TradeProfile &trade, const QVector<Salesman> &salesmen,
              DemoRandom random);

    FirmCards &cards() { return m_cards; }

    void makeUnitSets();
    void makeDefaultCard();
    int addAccount(Account account); // fills ref; returns the index
    // Customers, suppliers and a group card with names of their own; cards
    // already in the firm keep their ship-to choices.
    void makeAccounts(const CardCounts &counts);
    void makeItems(int count);
    int addItem(Item item); // fills ref and code; returns the index
    void makeServices();
    void makeSpecialCodes();

    // A realistic address, telephone, tax number and office for an account.
    void placeAccount(Account &account);
    int pickSalesman();

private:
    QString uniqueAccountName(bool supplier);
    QString accountCode(bool supplier);

    FirmCards &m_cards;
    const words::TradeProfile &m_trade;
    QVector<Salesman> m_salesmen;
    DemoRandom m_random;
    int m_customerCodes = 0, m_supplierCodes = 0;
    QHash<QString, int> m_itemCodes; // code prefix -> last number
};

} // namespace tarvel::demo
