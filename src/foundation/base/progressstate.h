#pragma once

#include <QObject>

namespace tarvel {

// What a report window's progress bar pr1 shows, kept in the screen's model so
// the pickers and the runs drive it without knowing the widget. The window
// binds it to its XpProgressBar; tarvel-report leaves it unbound.
class ProgressState : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    bool showText() const { return m_showText; }
    int max() const { return m_max; }
    int value() const { return m_value; }

    void setShowText(bool show);
    void setMax(int max);
    void setValue(int value);
    // Value 0 and no text: where every run leaves the bar, also after a failure.
    void reset();

signals:
    void changed();

private:
    bool m_showText = false;
    int m_max = 100;
    int m_value = 0;
};

} // namespace tarvel
