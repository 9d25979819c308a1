#pragma once

#include <QListWidget>

namespace tarvel {

class SalesmanList;

// satel on screen: the entries of a SalesmanList, any number of them chosen
// with a click each; every choice goes straight into the list's selection.
// The invoice and order pickers and the material window show it.
class SalesmanListWidget : public QListWidget {
    Q_OBJECT
public:
    explicit SalesmanListWidget(SalesmanList &list, QWidget *parent = nullptr);

    // Shows the list's entries and selection (after elemanekle).
    void showEntries();

private:
    SalesmanList &m_list;
};

} // namespace tarvel
