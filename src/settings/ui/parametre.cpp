#include "settings/ui/parametre.h"

#include "dialogs/centerform.h"
#include "dialogs/messagebox.h"
#include "dialogs/passwordfield.h"
#include "foundation/base/numbers.h"
#include "mainwindow/pictures.h"
#include "settings/connectiontest.h"
#include "settings/startupentry.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace tarvel {

namespace {

QLineEdit *lineEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

QComboBox *comboBox(QWidget *parent, const char *name)
{
    auto *combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(true);
    // A typed text is a value of its own, never a new list entry.
    combo->setInsertPolicy(QComboBox::NoInsert);
    combo->setMinimumContentsLength(12);
    combo->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return combo;
}

// Enter in a field must not press a button: the window has no default one.
QPushButton *button(const QString &text, const char *name, QWidget *parent)
{
    auto *b = new QPushButton(text, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    b->setDefault(false);
    // Room around the text: the style's own margins are tight.
    b->setMinimumSize(b->sizeHint().width() + 18, 28);
    return b;
}

// New entries for a list whose text stays as it is.
void fillCombo(QComboBox *combo, const QStringList &entries, const QString &text)
{
    const QSignalBlocker blocker(combo);
    combo->clear();
    combo->addItems(entries);
    combo->setCurrentIndex(combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    combo->setEditText(text);
}

QLabel *label(const QString &text, QWidget *parent)
{
    return new QLabel(text, parent);
}

// A tab's form: labels in the first column, fields in the second, row by row.
class FormGrid {
public:
    explicit FormGrid(QWidget *tab) : m_tab(tab), m_grid(new QGridLayout(tab))
    {
        m_grid->setContentsMargins(16, 16, 16, 12);
        m_grid->setHorizontalSpacing(12);
        m_grid->setVerticalSpacing(8);
        m_grid->setColumnMinimumWidth(0, 130);
        m_grid->setColumnStretch(1, 1);
    }
    // The rows below the last one take what height is left.
    ~FormGrid() { m_grid->setRowStretch(m_row, 1); }

    void add(const QString &text, QWidget *field)
    {
        m_grid->addWidget(label(text, m_tab), m_row, 0);
        m_grid->addWidget(field, m_row++, 1);
    }
    void add(const QString &text, QLayout *fields)
    {
        m_grid->addWidget(label(text, m_tab), m_row, 0);
        m_grid->addLayout(fields, m_row++, 1);
    }
    void field(QWidget *field, Qt::Alignment alignment = {})
    {
        m_grid->addWidget(field, m_row++, 1, alignment);
    }
    void wide(QWidget *widget) { m_grid->addWidget(widget, m_row++, 0, 1, 2); }
    void wide(QLayout *layout) { m_grid->addLayout(layout, m_row++, 0, 1, 2); }
    void gap(int height) { m_grid->setRowMinimumHeight(m_row++, height); }

private:
    QWidget *m_tab;
    QGridLayout *m_grid;
    int m_row = 0;
};

} // namespace

Parametre::Parametre(const AppPaths &paths, ErpConnection &connection, QWidget *parent)
    : QDialog(parent), m_paths(paths), m_model(paths, connection)
{
    setObjectName(QStringLiteral("parametre"));
    setWindowTitle(QStringLiteral("PARAMETRELER"));
    setWindowIcon(programIcon());
    m_pictureChooser = [](QWidget *owner, const QString &current) {
        const QString start = current.isEmpty() ? QString() : QFileInfo(current).absolutePath();
        return QFileDialog::getOpenFileName(
            owner, QStringLiteral("Ekran Resmi Seç"), start,
            QStringLiteral("Resimler (*.bmp *.jpg *.jpeg *.png *.gif);;Tüm Dosyalar (*)"));
    };

    m_tabs = new QTabWidget(this);
    m_tabs->setObjectName(QStringLiteral("SSTab1"));
    m_tabs->addTab(serverTab(), QStringLiteral("   Sql Server Bağlantısı    "));
    m_tabs->addTab(programTab(), QStringLiteral("   Program Parametreleri   "));
    // The third tab carries what the window keeps but never shows.
    m_tabs->addTab(hiddenTab(), QString());
    m_tabs->setTabEnabled(2, false);
    m_tabs->setTabVisible(2, false);

    auto *kaydetButton = button(QStringLiteral("Kaydet"), "kaydet", this);
    auto *iptalButton = button(QStringLiteral("İptal"), "iptal", this);
    for (QPushButton *b : {kaydetButton, iptalButton})
        b->setMinimumSize(100, 30);
    connect(kaydetButton, &QPushButton::clicked, this, &Parametre::kaydet);
    connect(iptalButton, &QPushButton::clicked, this, &QDialog::reject);

    auto *buttons = new QHBoxLayout;
    buttons->setSpacing(10);
    buttons->addWidget(m_firdurum, 1);
    buttons->addStretch();
    buttons->addSpacing(12);
    buttons->addWidget(kaydetButton);
    buttons->addWidget(iptalButton);

    auto *body = new QVBoxLayout;
    body->setContentsMargins(12, 10, 12, 12);
    body->setSpacing(10);
    body->addWidget(m_tabs);
    body->addLayout(buttons);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(titleBand());
    layout->addLayout(body);
    setMinimumWidth(600);
    resize(sizeHint().expandedTo(QSize(600, 0)));

    // The load.
    centerform(this);
    m_model.load();
    showFields();
    if (const QString unread = m_model.storeLoadError(); !unread.isEmpty())
        showmessage(QStringLiteral("Kayıtlı ayarlar okunamadı; okunamayanlar \"Kaydet\" ile yazılmaz:\n") +
                        unread,
                    Caption::Dikkat, Icon::Cross, Buttons::Tamam, this);
}

QWidget *Parametre::titleBand()
{
    auto *band = new QFrame(this);
    band->setObjectName(QStringLiteral("baslik"));
    band->setStyleSheet(QStringLiteral("#baslik { background: qlineargradient(x1:0, y1:0, x2:1, y2:0, "
                                       "stop:0 #1d3f72, stop:1 #4f7fc4); }"
                                       "#baslik QLabel { color: white; }"));
    auto *picture = new QLabel(band);
    picture->setObjectName(QStringLiteral("Image1"));
    picture->setPixmap(databasePicture(44, false));
    auto *caption = new QLabel(QStringLiteral("PARAMETRELER"), band);
    caption->setObjectName(QStringLiteral("Label1"));
    QFont font = caption->font();
    font.setPointSizeF(font.pointSizeF() * 1.6);
    font.setBold(true);
    caption->setFont(font);

    auto *layout = new QHBoxLayout(band);
    layout->setContentsMargins(16, 10, 16, 10);
    layout->setSpacing(14);
    layout->addWidget(picture);
    layout->addWidget(caption, 1);
    return band;
}

QWidget *Parametre::serverTab()
{
    auto *tab = new QWidget(this);
    m_srvadi = lineEdit(tab, "srvadi");
    m_sqladi = lineEdit(tab, "sqladi");
    m_kladi = lineEdit(tab, "kladi");
    m_pass = lineEdit(tab, "pass");
    showAsStars(m_pass);
    m_srvadi->setPlaceholderText(QStringLiteral("sunucu, sunucu,port veya sunucu\\instance"));

    m_bagdene = button(QStringLiteral("Bağlantıyı Dene"), "bagdene", tab);
    m_bagsonuc = new QLabel(tab);
    m_bagsonuc->setObjectName(QStringLiteral("bagsonuc"));
    m_bagsonuc->setWordWrap(true);
    m_bagsonuc->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_bagsonuc->hide();
    connect(m_bagdene, &QPushButton::clicked, this, &Parametre::testConnection);
    // A result stays only as long as the settings it was found with.
    for (QLineEdit *field : {m_srvadi, m_sqladi, m_kladi, m_pass})
        connect(field, &QLineEdit::textEdited, m_bagsonuc, &QWidget::hide);

    m_check1 = new QCheckBox(QStringLiteral("İnstance Name Kullan"), tab);
    m_check1->setObjectName(QStringLiteral("Check1"));
    m_instance = lineEdit(tab, "instance");
    m_instance->setEnabled(false);
    connect(m_check1, &QCheckBox::toggled, m_instance, &QWidget::setEnabled);

    auto *loginBox = new QGroupBox(QStringLiteral("Program Parametreleri Login Şifresi:"), tab);
    loginBox->setObjectName(QStringLiteral("Frame1"));
    m_lgpass = lineEdit(loginBox, "lgpass");
    showAsStars(m_lgpass);
    connect(m_lgpass, &QLineEdit::textChanged, this, &Parametre::lgpassChanged);
    auto *loginLayout = new QGridLayout(loginBox);
    loginLayout->addWidget(label(QStringLiteral("Şifre:"), loginBox), 0, 0);
    loginLayout->addWidget(m_lgpass, 0, 1);
    loginLayout->setColumnMinimumWidth(0, 110);
    loginLayout->setColumnStretch(1, 1);

    FormGrid form(tab);
    form.add(QStringLiteral("Server Name:"), m_srvadi);
    form.add(QStringLiteral("Veritabanı Adı:"), m_sqladi);
    form.add(QStringLiteral("Kullanıcı Adı:"), m_kladi);
    form.add(QStringLiteral("Şifre:"), m_pass);
    form.field(m_bagdene, Qt::AlignLeft);
    form.field(m_bagsonuc);
    form.gap(6);
    form.field(m_check1);
    form.add(QStringLiteral("İnstance Name:"), m_instance);
    form.gap(6);
    form.wide(loginBox);
    return tab;
}

QWidget *Parametre::programTab()
{
    auto *tab = new QWidget(this);
    m_fir = comboBox(tab, "fir");
    m_don = comboBox(tab, "don");
    m_dov1 = comboBox(tab, "dov1");
    m_stkartipi = comboBox(tab, "stkartipi");
    // The firm list's state sits in the button row, so the form never moves under the mouse.
    m_firdurum = new QLabel(this);
    m_firdurum->setObjectName(QStringLiteral("firdurum"));
    m_firdurum->setWordWrap(true);
    m_firdurum->setStyleSheet(QStringLiteral("color: #a40000;"));
    m_firdurum->hide();
    connect(m_fir, &QComboBox::activated, this, &Parametre::firChosen);
    connect(m_don, &QComboBox::activated, m_firdurum, &QWidget::hide);

    m_text3 = lineEdit(tab, "Text3");
    m_text4 = lineEdit(tab, "Text4");
    for (QLineEdit *count : {m_text3, m_text4})
        count->setMaximumWidth(80);

    auto *optionBox = new QGroupBox(QStringLiteral("Program Çalışma Seçenekleri"), tab);
    optionBox->setObjectName(QStringLiteral("Frame2"));
    m_option1 = new QRadioButton(QStringLiteral("Barkod Etiket Yazıcı"), optionBox);
    m_option1->setObjectName(QStringLiteral("Option1"));
    m_option2 = new QRadioButton(QStringLiteral("Fiyat Okuma Ekranı"), optionBox);
    m_option2->setObjectName(QStringLiteral("Option2"));
    connect(m_option1, &QRadioButton::clicked, this,
            [this] { m_model.fields().option = QStringLiteral("1"); });
    connect(m_option2, &QRadioButton::clicked, this,
            [this] { m_model.fields().option = QStringLiteral("2"); });
    auto *optionLayout = new QHBoxLayout(optionBox);
    optionLayout->addWidget(m_option1);
    optionLayout->addSpacing(24);
    optionLayout->addWidget(m_option2);
    optionLayout->addStretch();

    auto *pictureBox = new QGroupBox(QStringLiteral("Fiyat Okuma Ekranı"), tab);
    pictureBox->setObjectName(QStringLiteral("Frame3"));
    auto *chooseButton = button(QStringLiteral("Ekran Resmi Seç"), "ekresmisec", pictureBox);
    connect(chooseButton, &QPushButton::clicked, this, &Parametre::chooseScreenPicture);
    m_ekresmi = new QLabel(pictureBox);
    m_ekresmi->setObjectName(QStringLiteral("ekresmi"));
    m_ekresmi->setWordWrap(true);
    m_ekresmi->setTextInteractionFlags(Qt::TextSelectableByMouse);
    auto *pictureLayout = new QHBoxLayout(pictureBox);
    pictureLayout->addWidget(chooseButton);
    pictureLayout->addWidget(m_ekresmi, 1);

    auto *addButton = button(QStringLiteral("Windows Açılışa Ekle"), "chameleonButton7", tab);
    auto *removeButton = button(QStringLiteral("Windows Açılıştan Kaldır"), "chameleonButton8", tab);

    const QString where = StartupEntry(m_paths.workDir).location();
    addButton->setToolTip(where);
    removeButton->setToolTip(where);
    connect(addButton, &QPushButton::clicked, this, &Parametre::addStartupEntry);
    connect(removeButton, &QPushButton::clicked, this, &Parametre::removeStartupEntry);
    auto *startupLayout = new QHBoxLayout;
    startupLayout->setSpacing(10);
    startupLayout->addWidget(addButton);
    startupLayout->addWidget(removeButton);
    startupLayout->addStretch();

    auto *counts = new QHBoxLayout;
    counts->addWidget(m_text3);
    counts->addSpacing(24);
    counts->addWidget(label(QStringLiteral("İrsaliye Kopya Sayısı"), tab));
    counts->addSpacing(6);
    counts->addWidget(m_text4);
    counts->addStretch();

    FormGrid form(tab);
    form.add(QStringLiteral("FİRMA"), m_fir);
    form.add(QStringLiteral("Çalışma Dönemi"), m_don);
    form.add(QStringLiteral("DÖVİZ 1"), m_dov1);
    form.add(QStringLiteral("Malzeme Kart Tipi"), m_stkartipi);
    form.add(QStringLiteral("İrsaliye Satır Sayısı"), counts);
    form.gap(4);
    form.wide(optionBox);
    form.wide(pictureBox);
    form.wide(startupLayout);
    return tab;
}

QWidget *Parametre::hiddenTab()
{
    auto *tab = new QWidget(this);
    m_dov2 = comboBox(tab, "dov2");
    m_brset = comboBox(tab, "brset");
    m_br1 = comboBox(tab, "br1");
    m_br2 = comboBox(tab, "br2");
    m_text1 = lineEdit(tab, "Text1");
    m_text2 = lineEdit(tab, "Text2");
    for (int i = 0; i < int(m_ch.size()); ++i)
        m_ch[size_t(i)] = comboBox(tab, QStringLiteral("ch%1").arg(i + 1).toLatin1().constData());
    m_grp = comboBox(tab, "grp");
    m_firadi = lineEdit(tab, "firadi");
    return tab;
}

QVector<Parametre::TextBinding> Parametre::textBindings()
{
    ParametreFields &f = m_model.fields();
    return {{m_srvadi, &f.srvadi}, {m_sqladi, &f.sqladi},     {m_kladi, &f.kladi},       {m_pass, &f.pass},
            {m_lgpass, &f.lgpass}, {m_instance, &f.instance}, {m_text3, &f.rowsPerForm}, {m_text4, &f.copies},
            {m_text1, &f.text1},   {m_text2, &f.text2},       {m_firadi, &f.firadi}};
}

QVector<Parametre::ListBinding> Parametre::listBindings()
{
    ParametreFields &f = m_model.fields();
    const ParametreChoices &c = m_model.choices();
    static const QStringList cardTypes = ParametreModel::cardTypes();
    static const QStringList none;
    QVector<ListBinding> bindings{{m_fir, &c.fir, &f.fir},    {m_don, &c.don, &f.don},
                                  {m_dov1, &c.dov1, &f.dov1}, {m_stkartipi, &cardTypes, &f.stkartipi},
                                  {m_dov2, &c.dov2, &f.dov2}, {m_brset, &c.brset, &f.brset},
                                  {m_br1, &none, &f.br1},     {m_br2, &none, &f.br2},
                                  {m_grp, &c.grp, &f.grp}};
    for (size_t i = 0; i < m_ch.size(); ++i)
        bindings.append({m_ch[i], &c.ch, &f.ch[i]});
    return bindings;
}

void Parametre::showFields()
{
    for (const TextBinding &binding : textBindings())
        binding.edit->setText(*binding.text);
    for (const ListBinding &binding : listBindings())
        fillCombo(binding.combo, *binding.entries, *binding.text);
    const ParametreFields &f = m_model.fields();
    m_check1->setChecked(f.check1);
    m_instance->setEnabled(f.check1);
    showOption(f.option);
    m_ekresmi->setText(f.ekresmi);

    const QString firmListError = m_model.firmListError();
    m_firdurum->setText(QStringLiteral("Firma listesi okunamadı: ") + firmListError);
    m_firdurum->setVisible(!firmListError.isEmpty());
}

void Parametre::takeFields()
{
    for (const TextBinding &binding : textBindings())
        *binding.text = binding.edit->text();
    for (const ListBinding &binding : listBindings())
        *binding.text = binding.combo->currentText();
    ParametreFields &f = m_model.fields();
    f.check1 = m_check1->isChecked();
    f.ekresmi = m_ekresmi->text();
    // The working option follows the option buttons' clicks.
}

void Parametre::showOption(const QString &option)
{
    // A value other than "1" or "2" ticks neither button.
    const bool exclusive = m_option1->autoExclusive();
    for (QRadioButton *b : {m_option1, m_option2})
        b->setAutoExclusive(false);
    m_option1->setChecked(option == QLatin1String("1"));
    m_option2->setChecked(option == QLatin1String("2"));
    for (QRadioButton *b : {m_option1, m_option2})
        b->setAutoExclusive(exclusive);
}

void Parametre::firChosen(int index)
{
    if (const Result<void> chosen = m_model.firChosen(m_fir->itemText(index)); !chosen) {
        showmessage(QStringLiteral("Firmanın dönemleri, dövizleri ve kodları okunamadı:\n") +
                        chosen.errorText(),
                    Caption::Dikkat, Icon::Cross, Buttons::Tamam, this);
        return;
    }
    // The refilled lists keep the texts they show; the user picks from them next.
    for (const ListBinding &binding : listBindings()) {
        if (binding.combo != m_fir)
            fillCombo(binding.combo, *binding.entries, binding.combo->currentText());
    }
    const bool periodOfFirm = m_model.choices().don.contains(m_don->currentText());
    m_firdurum->setText(QStringLiteral("Bu firmanın çalışma dönemini listeden seçiniz."));
    m_firdurum->setVisible(!periodOfFirm);
}

void Parametre::lgpassChanged(const QString &text)
{
    const QString upper = turkishUpper(text);
    if (upper != text)
        m_lgpass->setText(upper);
    m_lgpass->setCursorPosition(int(upper.size()));
}

void Parametre::kaydet()
{
    takeFields();
    const SaveOutcome outcome = m_model.serverkaydet();
    if (outcome.refused) {
        showmessage(outcome.refused->message, Caption::Dikkat, Icon::Warning, Buttons::Tamam, this);
        if (auto *field = findChild<QWidget *>(outcome.refused->field)) {
            m_tabs->setCurrentWidget(field->parentWidget());
            field->setFocus();
            if (auto *edit = qobject_cast<QLineEdit *>(field))
                edit->selectAll();
        }
        return;
    }
    if (!outcome.failures.isEmpty()) {
        // The window stays, so the user sees what was not saved and can try again.
        showmessage(QStringLiteral("Ayarların bir kısmı kaydedilemedi:\n") +
                        outcome.failures.join(QLatin1Char('\n')),
                    Caption::Dikkat, Icon::Cross, Buttons::Tamam, this);
        return;
    }
    accept();
}

void Parametre::testConnection()
{
    const ErpServerSettings typed{m_srvadi->text(), m_sqladi->text(), m_kladi->text(), m_pass->text()};
    m_bagdene->setEnabled(false);
    showConnectionResult(QStringLiteral("Bağlanılıyor..."), true);
    m_bagsonuc->repaint(); // the wait below blocks painting
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const ConnectionCheck check = checkConnection(typed, m_paths.workDir);
    QApplication::restoreOverrideCursor();
    m_bagdene->setEnabled(true);

    const bool connected = check.outcome == ConnectionCheck::Outcome::Connected;
    QString text = check.text;
    if (!connected && m_check1->isChecked() && !m_instance->text().trimmed().isEmpty() &&
        !typed.server.contains(QLatin1Char('\\')))
        text += QStringLiteral("\nİnstance adı bağlantıda kullanılmaz; sunucu adını \"sunucu\\instance\" "
                               "biçiminde yazınız.");
    showConnectionResult(text, connected);
}

void Parametre::showConnectionResult(const QString &text, bool good)
{
    m_bagsonuc->setStyleSheet(good ? QStringLiteral("color: #1d6b1d;") : QStringLiteral("color: #a40000;"));
    m_bagsonuc->setText(text);
    m_bagsonuc->show();
}

void Parametre::addStartupEntry()
{
    if (const Result<void> done = StartupEntry(m_paths.workDir).add(); !done)
        showmessage(done.errorText(), Caption::Dikkat, Icon::Cross, Buttons::Tamam, this);
    else
        showmessage(QStringLiteral("Program Windows Açılışında Otomatik Olarak Çalışacaktır..."),
                    Caption::Tamam, Icon::Check, Buttons::Tamam, this);
}

void Parametre::removeStartupEntry()
{
    if (const Result<void> done = StartupEntry(m_paths.workDir).remove(); !done)
        showmessage(done.errorText(), Caption::Dikkat, Icon::Cross, Buttons::Tamam, this);
    else
        showmessage(QStringLiteral("Program Windows Açılışından Kaldırılmıştır..."), Caption::Tamam,
                    Icon::Check, Buttons::Tamam, this);
}

void Parametre::chooseScreenPicture()
{
    const QString chosen = m_pictureChooser ? m_pictureChooser(this, m_ekresmi->text()) : QString();
    if (!chosen.isEmpty())
        m_ekresmi->setText(QDir::toNativeSeparators(chosen));
}

} // namespace tarvel
