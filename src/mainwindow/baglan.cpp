#include "baglan.h"

#include "dialogs/centerform.h"
#include "dialogs/logingate.h"
#include "foundation/erp/erpsession.h"
#include "pictures.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QLabel>
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
    setWindowIcon(programIcon());

    auto *image = new QLabel(this);
    image->setObjectName(QStringLiteral("Image1"));
    image->setPixmap(databasePicture(128, true));
    image->setAlignment(Qt::AlignCenter);

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
    layout->addSpacing(8);
    layout->addLayout(buttons);
    setFixedSize(380, 250);

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
    LoginGate::open(m_paths, m_openSettings);
    close();
}

} // namespace tarvel
