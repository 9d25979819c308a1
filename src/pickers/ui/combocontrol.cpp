#include "pickers/ui/combocontrol.h"

#include "pickers/combocompletion.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QScopedValueRollback>

namespace tarvel {

ComboControl *ComboControl::attach(QComboBox *combo)
{
    return new ComboControl(combo);
}

ComboControl::ComboControl(QComboBox *combo) : QObject(combo), m_combo(combo), m_edit(combo->lineEdit())
{
    Q_ASSERT(m_edit);
    combo->setCompleter(nullptr);
    combo->setInsertPolicy(QComboBox::NoInsert);
    // The keys reach the line edit or the combo box, depending on where the
    // focus sits; both are watched.
    m_edit->installEventFilter(this);
    combo->installEventFilter(this);
    // textEdited is the user's typing only, never a text the program sets.
    connect(m_edit, &QLineEdit::textEdited, this, [this] {
        if (!m_guard)
            complete();
    });
}

QStringList ComboControl::entries() const
{
    QStringList list;
    list.reserve(m_combo->count());
    for (int i = 0; i < m_combo->count(); ++i)
        list << m_combo->itemText(i);
    return list;
}

void ComboControl::complete()
{
    const std::optional<ComboCompletion> completion =
        completeComboText(entries(), m_edit->text(), m_edit->cursorPosition());
    if (!completion)
        return;
    const QScopedValueRollback guard(m_guard, true);
    m_edit->setText(completion->text);
    // Selected from the end back to the caret: the caret stays after the typed
    // letters and the next letter replaces the tail.
    const int end = completion->selectionStart + completion->selectionLength;
    m_edit->setSelection(end, -completion->selectionLength);
}

void ComboControl::normalise()
{
    if (const std::optional<QString> entry = exactComboEntry(entries(), m_edit->text()))
        setTextGuarded(*entry);
    m_edit->deselect();
    m_edit->end(false);
}

void ComboControl::setTextGuarded(const QString &text)
{
    const QScopedValueRollback guard(m_guard, true);
    if (m_edit->text() != text)
        m_combo->setEditText(text);
}

bool ComboControl::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::KeyPress || (watched != m_edit && watched != m_combo))
        return QObject::eventFilter(watched, event);
    auto *key = static_cast<QKeyEvent *>(event);
    switch (key->key()) {
    case Qt::Key_Backspace:
    case Qt::Key_Delete: {
        const QScopedValueRollback guard(m_guard, true);
        if (m_edit->hasSelectedText())
            m_edit->del();
        // The key's own effect, still guarded: a deletion never completes.
        static_cast<QObject *>(m_edit)->event(event);
        return true;
    }
    case Qt::Key_Return:
    case Qt::Key_Enter:
        // Eaten: neither the combo box's own matching nor a dialog's default
        // button acts on it.
        normalise();
        return true;
    case Qt::Key_Down:
        if (key->modifiers() & (Qt::AltModifier | Qt::ControlModifier))
            break;
        m_combo->showPopup();
        return true;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace tarvel
