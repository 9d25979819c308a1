#include "designer/ui/fieldlist.h"

#include "printing/printfields.h"

#include <QApplication>
#include <QMouseEvent>

namespace tarvel {

namespace {

struct FieldText {
    const char *tag, *text;
};
constexpr FieldText descriptions[] = {
    {"IRSALIYE NO", "İrsaliye numarası (boş kalır)"},
    {"IRSALIYE TARIHI", "Yazdırma tarihi"},
    {"IRSALIYE SAATI", "Yazdırma saati"},
    {"IRSALIYE TOP.TUTAR", "Devreden toplam; son formda brüt toplam"},
    {"IRSALIYE TOP.INDIRIM TUTARI", "İndirim toplamı (son form)"},
    {"IRSALIYE TOP.KDV TUTARI", "KDV toplamı (son form)"},
    {"IRSALIYE KDV TUTARLARI", "KDV tutarları (boş kalır)"},
    {"IRSALIYE GENEL TOPLAM", "Genel toplam (son form)"},
    {"IRSALIYE GENEL TOP.YAZI ILE", "Genel toplam yazıyla (son form)"},
    {"CARI UNVAN", "Cari unvanı"},
    {"CARI YETKILI", "Cari yetkilisi (boş kalır)"},
    {"CARI VERGINO", "Vergi numarası"},
    {"CARI VERGIDAIRESI", "Vergi dairesi"},
    {"CARI TELEFON", "Telefon"},
    {"CARI ADRES", "Adres"},
    {"CARI SEHIR", "Şehir"},
    {"STOK LISTESIRANO", "Satırın sıra numarası"},
    {"STOK BARKOD", "Barkod (boş kalır)"},
    {"STOK KODU", "Malzeme kodu"},
    {"STOK CINSI", "Malın cinsi; devreden satırında \"Nakli Yekün\""},
    {"STOK KDV", "KDV oranı"},
    {"STOK BIRIM", "Birim"},
    {"STOK BIRIMFIYAT", "Birim fiyat"},
    {"STOK MIKTAR", "Miktar"},
    {"STOK TUTAR", "Satır tutarı"},
    {"STOK INDIRIM", "Satır indirimi (\"0\")"},
    {"STOK TOPTUTAR", "Satır toplamı"},
};

} // namespace

FieldList::FieldList(QWidget *parent) : QListWidget(parent)
{
    setObjectName(QStringLiteral("alanlar"));
    setSelectionMode(SingleSelection);
    for (const QString &tag : PrintField::names()) {
        auto *item = new QListWidgetItem(tag, this);
        item->setToolTip(describe(tag) + QStringLiteral("\nSayfaya sürükleyin."));
    }
}

QString FieldList::describe(const QString &tag)
{
    for (const FieldText &field : descriptions) {
        if (tag == QLatin1String(field.tag))
            return QString::fromUtf8(field.text);
    }
    return QString();
}

void FieldList::mousePressEvent(QMouseEvent *event)
{
    QListWidget::mousePressEvent(event);
    const QListWidgetItem *item = itemAt(event->position().toPoint());
    m_pressed = event->button() == Qt::LeftButton && item ? item->text() : QString();
    m_pressPos = event->position().toPoint();
    m_carrying = false;
}

void FieldList::mouseMoveEvent(QMouseEvent *event)
{
    if (m_pressed.isEmpty() || !(event->buttons() & Qt::LeftButton)) {
        QListWidget::mouseMoveEvent(event);
        return;
    }
    if (!m_carrying &&
        (event->position().toPoint() - m_pressPos).manhattanLength() < QApplication::startDragDistance())
        return;
    if (!m_carrying) {
        m_carrying = true;
        setCursor(Qt::DragCopyCursor);
    }
    emit fieldCarried(m_pressed, event->globalPosition().toPoint());
}

void FieldList::mouseReleaseEvent(QMouseEvent *event)
{
    const bool carried = m_carrying;
    const QString tag = m_pressed;
    m_carrying = false;
    m_pressed.clear();
    if (!carried) {
        QListWidget::mouseReleaseEvent(event);
        return;
    }
    unsetCursor();
    emit fieldDropped(tag, event->globalPosition().toPoint());
}

} // namespace tarvel
