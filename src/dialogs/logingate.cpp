#include "dialogs/logingate.h"

#include "dialogs/centerform.h"
#include "dialogs/dialogpictures.h"
#include "dialogs/messagebox.h"
#include "dialogs/passwordfield.h"
#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "foundation/store/localstore.h"

#include <QDir>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace tarvel {

LoginGate::LoginGate(const AppPaths &paths, std::function<void()> openSettings, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint),
      m_paths(paths), m_openSettings(std::move(openSettings))
{
    setObjectName(QStringLiteral("login"));
    setWindowTitle(QStringLiteral("Parametre Login"));

    auto *picture = new QLabel(this);
    picture->setObjectName(QStringLiteral("picture"));
    picture->setPixmap(dialogPicture(DialogPicture::Lock, 48, devicePixelRatioF()));
    picture->setFixedSize(48, 48);

    auto *caption = new QLabel(QStringLiteral("Giriş Parolası:"), this);

    m_lgpass = new QLineEdit(this);
    m_lgpass->setObjectName(QStringLiteral("lgpass"));
    showAsStars(m_lgpass);
    m_lgpass->setMinimumWidth(200);

    auto *tamamButton = new QPushButton(QStringLiteral("Tamam"), this);
    tamamButton->setObjectName(QStringLiteral("tamam"));
    tamamButton->setMinimumWidth(90);
    // Enter in the field is handled by the field itself; were the button the
    // dialog's default, Enter would press it a second time.
    tamamButton->setAutoDefault(false);
    tamamButton->setDefault(false);
    connect(tamamButton, &QPushButton::clicked, this, &LoginGate::tamam);
    connect(m_lgpass, &QLineEdit::returnPressed, this, &LoginGate::tamam);

    auto *layout = new QGridLayout(this);
    layout->setContentsMargins(18, 18, 18, 14);
    layout->setHorizontalSpacing(14);
    layout->setVerticalSpacing(8);
    layout->addWidget(picture, 0, 0, 2, 1, Qt::AlignTop);
    layout->addWidget(caption, 0, 1);
    layout->addWidget(m_lgpass, 1, 1);
    layout->addWidget(tamamButton, 2, 1, Qt::AlignRight);
    layout->activate();
    setFixedSize(sizeHint());

    centerform(this);
    m_lgpass->setFocus();
    readPassword();
}

LoginGate *LoginGate::open(const AppPaths &paths, std::function<void()> openSettings)
{
    auto *gate = new LoginGate(paths, std::move(openSettings));
    gate->setAttribute(Qt::WA_DeleteOnClose);
    gate->show();
    return gate;
}

QString LoginGate::unreadableMessage(const QString &storeFile)
{
    return QStringLiteral("Şifre Okunamadı: ") + QDir::toNativeSeparators(storeFile);
}

// The gate reads data.dbs of the program directory, not of the working
// directory: it guards the settings of the installation itself.
void LoginGate::readPassword()
{
    try {
        StoreSession session(storePath(m_paths.programDir));
        m_storedPassword =
            session.store().query(selectRow(QStringLiteral("login"))).value(QStringLiteral("sifre"));
        m_passwordReadable = true;
    } catch (const StoreError &) {
        m_storedPassword.clear();
        m_passwordReadable = false;
    }
}

void LoginGate::tamam()
{
    // Without a stored password nothing opens the gate, not even an empty text.
    if (!m_passwordReadable) {
        showmessage(unreadableMessage(storePath(m_paths.programDir)), Caption::Dikkat, Icon::Cross,
                    Buttons::Tamam, this);
    } else if (turkishUpper(m_lgpass->text()) == m_storedPassword) {
        // The settings window is shown before the gate closes, so the program
        // never has no window open (it would end).
        const auto openSettings = m_openSettings;
        if (openSettings)
            openSettings();
        close();
        return;
    } else {
        showmessage(QStringLiteral("Yanlış Şifre"), Caption::Tamam, Icon::Warning, Buttons::Tamam, this);
    }
    m_lgpass->clear();
    m_lgpass->setFocus();
}

} // namespace tarvel
