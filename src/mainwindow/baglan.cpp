#include "baglan.h"

#include "dialogs/centerform.h"
#include "dialogs/logingate.h"
#include "foundation/erpsession.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

namespace tarvel {

namespace {
bool watchOpen()
{
    return ErpSession::instance().watch().isOpen();
}
} // namespace

Baglan::Baglan(const AppPaths &paths, std::function<void()> erpconnect, std::function<void()> openSettings,
               QWidget *parent)
    : QWidget(parent, Qt::Window), m_paths(paths), m_erpconnect(std::move(erpconnect)),
      m_openSettings(std::move(openSettings))
{
    setObjectName(QStringLiteral("baglan"));
    setWindowTitle(QStringLiteral("VELMOR (TARVEL SQL BAĞLANTI)"));

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(picture(128));
    image->setAlignment(Qt::AlignCenter);

    auto *text = new QLabel(QStringLiteral("SQL Server bağlantısı kurulamadı."), this);
    text->setAlignment(Qt::AlignCenter);

    m_ayarlar = new QPushButton(QStringLiteral("Ayarlar"), this);
    m_ayarlar->setObjectName(QStringLiteral("ayarlarButton"));
    m_baglan = new QPushButton(QStringLiteral("Bağlan"), this);
    m_baglan->setObjectName(QStringLiteral("baglanButton"));
    m_baglan->setDefault(true);
    for (QPushButton *button : {m_ayarlar, m_baglan})
        button->setMinimumSize(110, 32);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(m_ayarlar);
    buttons->addStretch();
    buttons->addWidget(m_baglan);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->addWidget(image, 1);
    layout->addWidget(text);
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(400, 280);

    connect(m_baglan, &QPushButton::clicked, this, &Baglan::baglanClicked);
    connect(m_ayarlar, &QPushButton::clicked, this, &Baglan::ayarlarClicked);

    // The load.
    centerform(this);
    if (watchOpen())
        m_baglan->setEnabled(false);
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(10);
    connect(m_timer, &QTimer::timeout, this, &Baglan::tick);
    m_timer->start();
}

void Baglan::tick()
{
    if (watchOpen())
        close();
    else
        m_baglan->setEnabled(true);
}

void Baglan::baglanClicked()
{
    m_baglan->setEnabled(false);
    // The attempt blocks this thread for up to the login timeout: let the
    // greyed button reach the screen first. The timer stays out of it, or it
    // would enable the button again before the attempt.
    m_timer->stop();
    m_baglan->repaint();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    QPointer<Baglan> self(this);
    if (m_erpconnect)
        m_erpconnect();
    if (self)
        m_timer->start();
}

void Baglan::ayarlarClicked()
{
    auto *gate = new LoginGate(m_paths, m_openSettings);
    gate->setAttribute(Qt::WA_DeleteOnClose);
    gate->show();
    close();
}

QPixmap Baglan::picture(int size)
{
    const qreal dpr = 2.0;
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 100.0, size / 100.0);

    // A database drum of three discs.
    const QColor body(52, 101, 164), light(114, 159, 207), edge(32, 74, 135);
    const qreal left = 12, width = 52, discH = 14;
    for (int i = 2; i >= 0; --i) {
        const qreal top = 22 + i * 20;
        QPainterPath side;
        side.moveTo(left, top + discH / 2);
        side.lineTo(left, top + 20 + discH / 2);
        side.arcTo(QRectF(left, top + 20, width, discH), 180, 180);
        side.lineTo(left + width, top + discH / 2);
        side.closeSubpath();
        p.setPen(QPen(edge, 1.5));
        p.setBrush(body);
        p.drawPath(side);
        p.setBrush(light);
        p.drawEllipse(QRectF(left, top, width, discH));
    }

    // A cable from the drum to an unplugged plug, with a gap before the socket.
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(60, 60, 60), 3, Qt::SolidLine, Qt::RoundCap));
    QPainterPath cable;
    cable.moveTo(left + width, 60);
    cable.cubicTo(74, 60, 70, 80, 80, 80);
    p.drawPath(cable);
    p.setPen(QPen(QColor(60, 60, 60), 1.5));
    p.setBrush(QColor(220, 220, 220));
    p.drawRoundedRect(QRectF(78, 73, 10, 14), 2, 2);
    p.setPen(QPen(QColor(90, 90, 90), 2.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(88, 77), QPointF(94, 77));
    p.drawLine(QPointF(88, 83), QPointF(94, 83));

    // A red mark: no connection.
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(204, 0, 0));
    p.drawEllipse(QRectF(68, 8, 26, 26));
    p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(75, 15), QPointF(87, 27));
    p.drawLine(QPointF(87, 15), QPointF(75, 27));
    return pixmap;
}

} // namespace tarvel
