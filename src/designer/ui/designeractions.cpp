#include "designer/ui/designeractions.h"

#include <QAction>
#include <QKeySequence>

namespace tarvel {

namespace {

struct ActionRow {
    DesignerAction action;
    const char *name;
    QString text;
    QKeySequence key;
};

QAction *makeAction(QObject *owner, const QString &name, const QString &text, const QKeySequence &key = {})
{
    auto *action = new QAction(text, owner);
    action->setObjectName(name);
    if (!key.isEmpty())
        action->setShortcut(key);
    return action;
}

} // namespace

DesignerActions::DesignerActions(QObject *owner)
{
    using A = DesignerAction;
    // Made here, where the application is there to give the platform's keys.
    const ActionRow rows[] = {
        {A::Open, "ac", QStringLiteral("Aç..."), QKeySequence::Open},
        {A::Save, "kaydet", QStringLiteral("Kaydet"), QKeySequence::Save},
        {A::SaveAs, "farkliKaydet", QStringLiteral("Farklı Kaydet..."), {}},
        {A::MakeDefault, "varsayilanYap", QStringLiteral("Varsayılan Yap"), {}},
        {A::PreviewSample, "ornekOnizleme", QStringLiteral("Örnek Liste ile Önizleme"),
         QKeySequence(Qt::Key_F5)},
        {A::PreviewWaybills, "irsaliyeOnizleme", QStringLiteral("İrsaliyelerle Önizleme..."), {}},
        {A::TestPage, "denemeSayfasi", QStringLiteral("Deneme Sayfası Yazdır..."), {}},
        {A::Quit, "cikis", QStringLiteral("Çıkış"), {}},
        {A::Undo, "geriAl", QStringLiteral("Geri Al"), QKeySequence::Undo},
        {A::Redo, "yinele", QStringLiteral("Yinele"), {}},
        {A::Copy, "kopyala", QStringLiteral("Kopyala"), QKeySequence::Copy},
        {A::Paste, "yapistir", QStringLiteral("Yapıştır"), QKeySequence::Paste},
        {A::Delete, "sil", QStringLiteral("Sil"), {}},
        {A::SelectAll, "tumunuSec", QStringLiteral("Tümünü Seç"), QKeySequence::SelectAll},
        {A::AlignLeft, "solaHizala", QStringLiteral("Sola Hizala"), {}},
        {A::AlignRight, "sagaHizala", QStringLiteral("Sağa Hizala"), {}},
        {A::AlignTop, "usteHizala", QStringLiteral("Üste Hizala"), {}},
        {A::SameWidth, "ayniGenislik", QStringLiteral("Aynı Genişlik"), {}},
        {A::SnapToGrid, "izgara", QStringLiteral("Izgaraya Yapıştır (0,5 mm)"), {}},
        {A::ShowPicture, "zeminGoster", QStringLiteral("Zemin Resmini Göster"), {}},
        {A::ZoomIn, "yakinlastir", QStringLiteral("Yakınlaştır"), QKeySequence::ZoomIn},
        {A::ZoomOut, "uzaklastir", QStringLiteral("Uzaklaştır"), QKeySequence::ZoomOut},
        {A::ActualSize, "gercekBoyut", QStringLiteral("Gerçek Boyut (%100)"), {}},
        {A::FitWidth, "sayfayaSigdir", QStringLiteral("Sayfa Genişliği"), {}},
        {A::ChoosePicture, "zeminSec", QStringLiteral("Zemin Resmi Seç..."), {}},
        {A::RemovePicture, "zeminKaldir", QStringLiteral("Zemin Resmini Kaldır"), {}},
    };
    static_assert(sizeof(rows) / sizeof(rows[0]) == designerActionCount, "one row for each DesignerAction");
    for (const ActionRow &row : rows) {
        Q_ASSERT(!m_actions[size_t(row.action)]);
        m_actions[size_t(row.action)] = makeAction(owner, QString::fromLatin1(row.name), row.text, row.key);
    }
    m_actions[size_t(A::Redo)]->setShortcuts(
        {QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    m_actions[size_t(A::SnapToGrid)]->setCheckable(true);
    m_actions[size_t(A::ShowPicture)]->setCheckable(true);
    m_actions[size_t(A::ShowPicture)]->setChecked(true);

    for (const ControlKindInfo &kind : controlKinds()) {
        if (!kind.addAction.isEmpty())
            m_adding[size_t(kind.kind)] = makeAction(owner, kind.addAction, kind.addActionText.toString());
    }
}

QList<QAction *> DesignerActions::addingAll() const
{
    QList<QAction *> all;
    for (QAction *action : m_adding) {
        if (action)
            all << action;
    }
    return all;
}

} // namespace tarvel
