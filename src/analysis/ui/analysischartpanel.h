#pragma once

#include <QWidget>

class QPrinter;
class QPushButton;

namespace tarvel {

class ProfitAnalysis;
class ProfitChart;

// The profit chart beside an analysis list: hidden until "Grafik" (a
// checkable button the window puts among its filters) is checked, so the
// list keeps its room. Over the chart: "Günlük Kar" (profit per day, where
// the run's rows carry their dates), "Kaydet" (PNG) and "Yazdır". The chart
// is made at the first check and follows the list (filter, rows of a run);
// after each run it takes the run's fields (documents or items).
class AnalysisChartPanel : public QWidget {
    Q_OBJECT
public:
    AnalysisChartPanel(ProfitAnalysis &model, QWidget *parent = nullptr);

    QPushButton *toggle() const { return m_toggle; }
    // Nothing until "Grafik" was first checked.
    ProfitChart *chart() const { return m_chart; }

private:
    void showChart(bool shown);
    void takeFields();
    void savePng();
    void print();
    void printOn(QPrinter *target);

    ProfitAnalysis &m_model;
    QPushButton *m_toggle;
    QPushButton *m_perDay;
    ProfitChart *m_chart = nullptr;
};

} // namespace tarvel
