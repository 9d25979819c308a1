#pragma once

#include "foundation/base/apppaths.h"
#include "settings/parametremodel.h"

#include <QDialog>
#include <QVector>
#include <array>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QTabWidget;

namespace tarvel {

class ErpConnection;

// The parameters window parametre ("PARAMETRELER") over ParametreModel: the
// connection, the settings password, firm and period, the print counts and
// the options of the companion program. "Kaydet" saves and closes, "İptal"
// closes without saving. Opened modally from the menu and non-modally after
// the settings password gate.
class Parametre : public QDialog {
    Q_OBJECT
public:
    // connection: where the lists are read (the session's primary connection).
    Parametre(const AppPaths &paths, ErpConnection &connection, QWidget *parent = nullptr);

    QTabWidget *tabs() const { return m_tabs; }

    // What "Ekran Resmi Seç" asks: the chosen picture file, or empty when the
    // user gave none. A file dialog unless tests answer it themselves.
    using PictureChooser = std::function<QString(QWidget *parent, const QString &current)>;
    void setPictureChooser(PictureChooser chooser) { m_pictureChooser = std::move(chooser); }

private:
    QWidget *titleBand();
    QWidget *serverTab();
    QWidget *programTab();
    QWidget *hiddenTab();

    // Each field's widget and its text in the model.
    struct TextBinding {
        QLineEdit *edit;
        QString *text;
    };
    struct ListBinding {
        QComboBox *combo;
        const QStringList *entries;
        QString *text;
    };
    QVector<TextBinding> textBindings();
    QVector<ListBinding> listBindings();
    void showFields();
    void takeFields();
    void showOption(const QString &option);
    void showConnectionResult(const QString &text, bool good);

    void firChosen(int index);
    void lgpassChanged(const QString &text);
    void kaydet();
    void testConnection();
    void addStartupEntry();
    void removeStartupEntry();
    void chooseScreenPicture();

    AppPaths m_paths;
    ParametreModel m_model;
    PictureChooser m_pictureChooser;

    QTabWidget *m_tabs = nullptr;
    QLineEdit *m_srvadi = nullptr, *m_sqladi = nullptr, *m_kladi = nullptr, *m_pass = nullptr;
    QLineEdit *m_lgpass = nullptr, *m_instance = nullptr;
    QCheckBox *m_check1 = nullptr;
    QPushButton *m_bagdene = nullptr;
    QLabel *m_bagsonuc = nullptr;

    QComboBox *m_fir = nullptr, *m_don = nullptr, *m_dov1 = nullptr, *m_stkartipi = nullptr;
    QLabel *m_firdurum = nullptr;
    QLineEdit *m_text3 = nullptr, *m_text4 = nullptr;
    QRadioButton *m_option1 = nullptr, *m_option2 = nullptr;
    QLabel *m_ekresmi = nullptr;

    QComboBox *m_dov2 = nullptr, *m_brset = nullptr, *m_br1 = nullptr, *m_br2 = nullptr;
    QLineEdit *m_text1 = nullptr, *m_text2 = nullptr, *m_firadi = nullptr;
    std::array<QComboBox *, 5> m_ch{};
    QComboBox *m_grp = nullptr;
};

} // namespace tarvel
