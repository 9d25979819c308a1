#include "parametremodel.h"

#include "foundation/base/choices.h"
#include "foundation/base/errors.h"
#include "foundation/base/numbers.h"
#include "foundation/base/sqlvalue.h"
#include "foundation/erp/erpconnection.h"
#include "foundation/erp/tablenames.h"
#include "foundation/store/fytpar.h"
#include "foundation/store/localstore.h"
#include "foundation/store/printcounts.h"

#include <QDir>

#include <algorithm>
#include <vector>

namespace tarvel {

namespace {

// Adds an entry once: a list must not offer the same choice twice.
void appendOnce(QStringList &list, const QString &entry)
{
    if (!list.contains(entry))
        list << entry;
}

// "12- NAME": the form of every list entry built from two columns.
QString entry(const ErpRows &rows, const char *number, const char *name)
{
    return rows.text(QLatin1String(number)) + QStringLiteral("- ") + rows.text(QLatin1String(name));
}

// A print count as it is saved, or nothing when it is not a whole number from 1 up.
std::optional<int> printCount(const QString &text)
{
    const QString t = text.trimmed();
    bool ok = false;
    const int value = t.toInt(&ok);
    if (!ok || !isAsciiDigits(t) || value < 1)
        return std::nullopt;
    return value;
}

// The lines of fytPar.velmor the window keeps in fields that are never shown.
std::vector<std::pair<FytPar::Line, QString *>> fytParFields(ParametreFields &f)
{
    using L = FytPar::Line;
    return {{L::Priority, &f.text1},     {L::SortOrder, &f.text2},    {L::SpecialCode1, &f.ch[0]},
            {L::SpecialCode2, &f.ch[1]}, {L::SpecialCode3, &f.ch[2]}, {L::SpecialCode4, &f.ch[3]},
            {L::SpecialCode5, &f.ch[4]}, {L::GroupCode, &f.grp},      {L::FirmName, &f.firadi}};
}

} // namespace

ParametreModel::ParametreModel(const AppPaths &paths, ErpConnection &connection)
    : m_paths(paths), m_connection(connection)
{
}

QStringList ParametreModel::cardTypes()
{
    return {QStringLiteral("1-Ticari mal"),
            QStringLiteral("2-Karma koli"),
            QStringLiteral("3-Depozitolu mal"),
            QStringLiteral("4-Sabit kıymet"),
            QStringLiteral("10-Hammadde"),
            QStringLiteral("11-Yarımamul"),
            QStringLiteral("12-Mamul"),
            QStringLiteral("13-Tükletim malı"),
            QStringLiteral("20-M.sınıfı (genel)"),
            QStringLiteral("21-M.sınıfı (tablolu)"),
            QStringLiteral("22-Firma dosyaları oluşturulurken default olarak eklenen malzeme ")};
}

QString ParametreModel::storeFile() const
{
    return storePath(m_paths.workDir);
}

QString ParametreModel::fytParFile() const
{
    return FytPar::path(m_paths.workDir);
}

QString ParametreModel::irssatirFile() const
{
    return printCountsPath(m_paths);
}

void ParametreModel::load()
{
    oku();
    sqloku();
    fytparyukle();
    irssatiroku();
    if (m_choices.fir.contains(m_fields.fir))
        (void)firChosen(m_fields.fir); // a failure leaves those lists empty
}

std::optional<StoreRow> ParametreModel::readRow(LocalStore &store, const QString &table)
{
    try {
        m_unreadTables.erase(table);
        return store.query(selectRow(table));
    } catch (const StoreError &e) {
        m_unreadTables[table] = e.description();
        return std::nullopt;
    }
}

void ParametreModel::copyColumn(const std::optional<StoreRow> &row, const QString &table, const char *column,
                                QString &field)
{
    const QString key = table + QLatin1Char('.') + QLatin1String(column);
    m_nullColumns.remove(key);
    if (row && row->isNull(QLatin1String(column)))
        m_nullColumns.insert(key);
    // A missing column or a NULL leaves the field as it was; the next one is still read.
    if (row && row->has(QLatin1String(column)))
        field = row->value(QLatin1String(column));
}

StoreValue ParametreModel::storeValue(const QString &table, const char *column, const QString &text) const
{
    if (text.isEmpty() && m_nullColumns.contains(table + QLatin1Char('.') + QLatin1String(column)))
        return StoreValue::null();
    return text;
}

QString ParametreModel::storeLoadError() const
{
    // An unopened store fails every table for the same cause: say it once.
    QStringList causes;
    for (const auto &[table, cause] : m_unreadTables) {
        if (!causes.contains(cause))
            causes << cause;
    }
    return causes.join(QLatin1Char('\n'));
}

void ParametreModel::oku()
{
    const QString login = QStringLiteral("login"), instan = QStringLiteral("instan"),
                  server = QStringLiteral("server");
    try {
        StoreSession session(storeFile());
        const std::optional<StoreRow> loginRow = readRow(session.store(), login);
        copyColumn(loginRow, login, "sifre", m_fields.lgpass);
        // The field upper-cases whatever it is given, the stored text included.
        m_fields.lgpass = turkishUpper(m_fields.lgpass);

        const std::optional<StoreRow> instanRow = readRow(session.store(), instan);
        copyColumn(instanRow, instan, "insname", m_fields.instance);
        QString used;
        copyColumn(instanRow, instan, "inskullan", used);
        m_fields.check1 = used.trimmed() == QLatin1String("1");

        const std::optional<StoreRow> serverRow = readRow(session.store(), server);
        copyColumn(serverRow, server, "server", m_fields.srvadi);
        copyColumn(serverRow, server, "sql", m_fields.sqladi);
        copyColumn(serverRow, server, "kuladi", m_fields.kladi);
        copyColumn(serverRow, server, "sifre", m_fields.pass);
    } catch (const StoreError &e) {
        // The fields keep their initial values, and a save must not write them over the store.
        for (const QString &table : {login, instan, server})
            m_unreadTables[table] = e.description();
    }
}

bool ParametreModel::sqloku()
{
    m_choices.fir.clear();
    m_choices.don.clear();
    m_firmListError.clear();
    try {
        ErpRows rows = erp().query(QStringLiteral("select * from L_CAPIFIRM"));
        for (rows.first(); !rows.eof(); rows.next())
            appendOnce(m_choices.fir, entry(rows, "NR", "name"));
    } catch (const ErpError &e) {
        m_firmListError = e.description();
    }
    readVeritabani();
    return m_firmListError.isEmpty();
}

void ParametreModel::readVeritabani()
{
    const QString table = QStringLiteral("veritabani");
    try {
        StoreSession session(storeFile());
        const std::optional<StoreRow> row = readRow(session.store(), table);
        copyColumn(row, table, "fir", m_fields.fir);
        copyColumn(row, table, "fiyat1", m_fields.dov1);
        copyColumn(row, table, "stkartipi", m_fields.stkartipi);
        copyColumn(row, table, "don", m_fields.don);
        // Never shown, but written back on save: they start from what is stored.
        copyColumn(row, table, "fiyat2", m_fields.dov2);
        copyColumn(row, table, "brset", m_fields.brset);
        copyColumn(row, table, "birim1", m_fields.br1);
        copyColumn(row, table, "birim2", m_fields.br2);
    } catch (const StoreError &e) {
        m_unreadTables[table] = e.description();
    }
}

void ParametreModel::fytparyukle()
{
    const FytPar file = FytPar::read(m_paths.workDir);
    for (const auto &[line, field] : fytParFields(m_fields)) {
        if (const std::optional<QString> text = file.line(line))
            *field = *text;
    }
    // Empty (or missing) means the barcode label printer; another value is
    // kept as read, so a save writes it back unchanged.
    const QString option = file.line(FytPar::Line::Option).value_or(QString());
    m_fields.option = option.isEmpty() ? QStringLiteral("1") : option;
    if (const std::optional<QString> picture = file.line(FytPar::Line::Picture))
        m_fields.ekresmi = *picture;
}

void ParametreModel::irssatiroku()
{
    const PrintCountTexts counts = readPrintCountTexts(m_paths);
    if (counts.rowsPerForm)
        m_fields.rowsPerForm = *counts.rowsPerForm;
    if (counts.copies)
        m_fields.copies = *counts.copies;
}

Result<void> ParametreModel::firChosen(const QString &firmEntry)
{
    const QString nr = rawFirmNumber(firmEntry);
    ParametreChoices next = m_choices;
    next.don.clear();
    next.dov1.clear();
    next.dov2.clear();
    next.brset.clear();
    next.ch.clear();
    next.grp.clear();
    try {
        ErpRows periods =
            erp().query(QStringLiteral("select * from L_CAPIPERIOD WHERE FIRMNR=") + sqlValue(nr));
        for (periods.first(); !periods.eof(); periods.next())
            appendOnce(next.don, entry(periods, "NR", "FIRMNR") + QStringLiteral("-(") +
                                     periods.text(QStringLiteral("BEGDATE")) + QStringLiteral(")  (") +
                                     periods.text(QStringLiteral("ENDDATE")) + QStringLiteral(")"));

        ErpRows currencies =
            erp().query(QStringLiteral("select * from L_CURRENCYLIST WHERE FIRMNR=") + sqlValue(nr));
        for (currencies.first(); !currencies.eof(); currencies.next()) {
            appendOnce(next.dov1, entry(currencies, "CURTYPE", "CURCODE"));
            appendOnce(next.dov2, entry(currencies, "CURTYPE", "CURCODE"));
        }

        ErpRows unitSets =
            erp().query(QStringLiteral("select * from ") + firmTable(firmEntry, QStringLiteral("UNITSETF")));
        for (unitSets.first(); !unitSets.eof(); unitSets.next())
            appendOnce(next.brset, entry(unitSets, "LOGICALREF", "NAME"));

        ErpRows codes =
            erp().query(QStringLiteral("select * from ") + firmTable(firmEntry, QStringLiteral("SPECODES")));
        for (codes.first(); !codes.eof(); codes.next()) {
            const QString specodeType = codes.text(QStringLiteral("SPECODETYPE"));
            const QString codeType = codes.text(QStringLiteral("CODETYPE"));
            if (specodeType == QLatin1String("26") && codeType == QLatin1String("1"))
                appendOnce(next.ch, entry(codes, "SPECODE", "DEFINITION_"));
            else if (specodeType == QLatin1String("2") && codeType == QLatin1String("10"))
                appendOnce(next.grp, entry(codes, "SPECODE", "DEFINITION_"));
        }
    } catch (const ErpError &e) {
        return e;
    }
    m_choices = next;
    m_choicesFirm = firmEntry;
    return {};
}

std::optional<FieldProblem> ParametreModel::printCountProblem() const
{
    const struct {
        const char *field;
        const QString &text;
        const char *label;
    } counts[] = {{"Text3", m_fields.rowsPerForm, "İrsaliye Satır Sayısı"},
                  {"Text4", m_fields.copies, "İrsaliye Kopya Sayısı"}};
    for (const auto &count : counts) {
        if (!printCount(count.text))
            return FieldProblem{QLatin1String(count.field),
                                QStringLiteral("%1 1 veya daha büyük bir tam sayı olmalıdır.")
                                    .arg(QString::fromUtf8(count.label))};
    }
    return std::nullopt;
}

std::optional<FieldProblem> ParametreModel::periodProblem() const
{
    const ParametreFields &f = m_fields;
    const QString field = QStringLiteral("don");
    if (!f.fir.trimmed().isEmpty() && f.don.trimmed().isEmpty())
        return FieldProblem{field, QStringLiteral("\"%1\" firmasının çalışma dönemini seçiniz.").arg(f.fir)};
    if (const QString problem = choiceProblem(f.fir, f.don); !problem.isEmpty())
        return FieldProblem{
            field, problem + QStringLiteral("\n\"%1\" firmasının çalışma dönemini seçiniz.").arg(f.fir)};
    // The firm's periods were read: the period must be one of them.
    if (!f.fir.isEmpty() && m_choicesFirm == f.fir && !m_choices.don.contains(f.don))
        return FieldProblem{field, QStringLiteral("\"%1\" dönemi \"%2\" firmasının dönemleri arasında yok.\n"
                                                  "Firmanın çalışma dönemini listeden seçiniz.")
                                       .arg(f.don, f.fir)};
    return std::nullopt;
}

SaveOutcome ParametreModel::serverkaydet()
{
    SaveOutcome outcome;
    outcome.refused = printCountProblem();
    if (!outcome.refused)
        outcome.refused = periodProblem();
    if (outcome.refused)
        return outcome;

    const ParametreFields &f = m_fields;
    const QString login = QStringLiteral("login"), server = QStringLiteral("server"),
                  instan = QStringLiteral("instan"), veritabani = QStringLiteral("veritabani");
    const std::pair<QString, QString> updates[] = {
        {login, updateLogin(storeValue(login, "sifre", f.lgpass))},
        {server, updateServer(storeValue(server, "kuladi", f.kladi), storeValue(server, "sifre", f.pass),
                              storeValue(server, "server", f.srvadi), storeValue(server, "sql", f.sqladi))},
        {instan, updateInstan(storeValue(instan, "insname", f.instance),
                              f.check1 ? QStringLiteral("1") : QStringLiteral("0"))},
        {veritabani, updateVeritabani({.fir = storeValue(veritabani, "fir", f.fir),
                                       .don = storeValue(veritabani, "don", f.don),
                                       .fiyat1 = storeValue(veritabani, "fiyat1", f.dov1),
                                       .fiyat2 = storeValue(veritabani, "fiyat2", f.dov2),
                                       .brset = storeValue(veritabani, "brset", f.brset),
                                       .birim1 = storeValue(veritabani, "birim1", f.br1),
                                       .birim2 = storeValue(veritabani, "birim2", f.br2),
                                       .stkartipi = storeValue(veritabani, "stkartipi", f.stkartipi)})},
    };
    const QString unread = storeLoadError();
    if (m_unreadTables.size() == std::size(updates)) {
        // Nothing of the store was read: the fields hold no stored value.
        outcome.failures << QStringLiteral("%1 kaydedilmedi, pencere açılırken okunamamıştı:\n%2")
                                .arg(storeFile(), unread);
    } else {
        try {
            StoreSession session(storeFile());
            for (const auto &[table, statement] : updates) {
                if (const auto unreadTable = m_unreadTables.find(table);
                    unreadTable != m_unreadTables.end()) {
                    outcome.failures << QStringLiteral(
                                            "Yerel veri dosyasında %1 tablosu kaydedilmedi, pencere "
                                            "açılırken okunamamıştı: %2")
                                            .arg(table, unreadTable->second);
                    continue;
                }
                try {
                    session.store().execute(statement);
                } catch (const StoreError &e) {
                    outcome.failures << QStringLiteral("Yerel veri dosyasında %1 tablosu kaydedilemedi: %2")
                                            .arg(table, e.description());
                }
            }
        } catch (const StoreError &e) {
            outcome.failures << e.description();
        }
    }

    // Read again: the lines after the window's own stay as they are now.
    FytPar fytPar = FytPar::read(m_paths.workDir);
    for (const auto &[line, field] : fytParFields(m_fields))
        fytPar.setLine(line, *field);
    fytPar.setLine(FytPar::Line::Option, f.option);
    fytPar.setLine(FytPar::Line::Picture, f.ekresmi);
    for (const Result<void> &written :
         {fytPar.write(m_paths.workDir),
          writePrintCounts(m_paths, {*printCount(f.rowsPerForm), *printCount(f.copies)})}) {
        if (!written)
            outcome.failures << written.errorText();
    }
    return outcome;
}

} // namespace tarvel
