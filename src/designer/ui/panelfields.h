#pragma once

#include <QDoubleSpinBox>
#include <QString>

namespace tarvel {

// A number box of the property panels: millimetres (or points) with a
// decimal comma, committed when the user is done with it (Enter, leaving the
// box, a step of its arrows), so a typed 12,5 is one edit and not three.
inline QDoubleSpinBox *numberBox(const QString &name, double min, double max, double step,
                                 const QString &suffix, QWidget *parent)
{
    auto *box = new QDoubleSpinBox(parent);
    box->setObjectName(name);
    box->setLocale(QLocale(QLocale::Turkish, QLocale::Turkey));
    box->setRange(min, max);
    box->setDecimals(2);
    box->setSingleStep(step);
    box->setSuffix(suffix);
    box->setKeyboardTracking(false);
    box->setAccelerated(true);
    return box;
}

inline QDoubleSpinBox *mmBox(const QString &name, double min, double max, QWidget *parent)
{
    return numberBox(name, min, max, 0.5, QStringLiteral(" mm"), parent);
}

} // namespace tarvel
