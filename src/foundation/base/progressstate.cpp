#include "foundation/base/progressstate.h"

namespace tarvel {

void ProgressState::setShowText(bool show)
{
    if (m_showText == show)
        return;
    m_showText = show;
    emit changed();
}

void ProgressState::setMax(int max)
{
    if (m_max == max)
        return;
    m_max = max;
    emit changed();
}

void ProgressState::setValue(int value)
{
    if (m_value == value)
        return;
    m_value = value;
    emit changed();
}

void ProgressState::reset()
{
    setValue(0);
    setShowText(false);
}

} // namespace tarvel
