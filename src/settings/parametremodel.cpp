#include "parametremodel.h"

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

// One row of the store, or none when the table, the row or the file fails.
std::optional<StoreRow> readRow(LocalStore &store, const QString &table)
{
    try {
        return store.query(selectRow(table));
    } catch (const StoreError &) {
        return std::nullopt;
    }
}

// A missing column or a NULL leaves the field as it was; the next one is still read.
void copyColumn(const std::optional<StoreRow> &row, const char *column, QString &field)
{
    if (row && row->has(QLatin1String(column)))
        field = row->value(QLatin1String(column));
}

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
    const bool digitsOnly = !t.isEmpty() && std::all_of(t.begin(), t.end(), [](QChar c) {
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    });
    if (!ok || !digitsOnly || value < 1)
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

void ParametreModel::oku()
{
    try {
        StoreSession session(storeFile());
        const std::optional<StoreRow> login = readRow(session.store(), QStringLiteral("login"));
        copyColumn(login, "sifre", m_fields.lgpass);
        // The field upper-cases whatever it is given, the stored text included.
        m_fields.lgpass = turkishUpper(m_fields.lgpass);

        const std::optional<StoreRow> instan = readRow(session.store(), QStringLiteral("instan"));
        copyColumn(instan, "insname", m_fields.instance);
        QString used;
        copyColumn(instan, "inskullan", used);
        m_fields.check1 = used.trimmed() == QLatin1String("1");

        const std::optional<StoreRow> server = readRow(session.store(), QStringLiteral("server"));
        copyColumn(server, "server", m_fields.srvadi);
        copyColumn(server, "sql", m_fields.sqladi);
        copyColumn(server, "kuladi", m_fields.kladi);
        copyColumn(server, "sifre", m_fields.pass);
    } catch (const StoreError &) {
        // no store: the fields keep their initial values
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
    try {
        StoreSession session(storeFile());
        const std::optional<StoreRow> row = readRow(session.store(), QStringLiteral("veritabani"));
        copyColumn(row, "fir", m_fields.fir);
        copyColumn(row, "fiyat1", m_fields.dov1);
        copyColumn(row, "stkartipi", m_fields.stkartipi);
        copyColumn(row, "don", m_fields.don);
        // Never shown, but written back on save: they start from what is stored.
        copyColumn(row, "fiyat2", m_fields.dov2);
        copyColumn(row, "brset", m_fields.brset);
        copyColumn(row, "birim1", m_fields.br1);
        copyColumn(row, "birim2", m_fields.br2);
    } catch (const StoreError &) {
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

SaveOutcome ParametreModel::serverkaydet()
{
    SaveOutcome outcome;
    outcome.refused = printCountProblem();
    if (outcome.refused)
        return outcome;

    const ParametreFields &f = m_fields;
    try {
        StoreSession session(storeFile());
        const std::pair<const char *, QString> updates[] = {
            {"login", updateLogin(f.lgpass)},
            {"server", updateServer(f.kladi, f.pass, f.srvadi, f.sqladi)},
            {"instan", updateInstan(f.instance, f.check1 ? QStringLiteral("1") : QStringLiteral("0"))},
            {"veritabani", updateVeritabani({.fir = f.fir,
                                             .don = f.don,
                                             .fiyat1 = f.dov1,
                                             .fiyat2 = f.dov2,
                                             .brset = f.brset,
                                             .birim1 = f.br1,
                                             .birim2 = f.br2,
                                             .stkartipi = f.stkartipi})},
        };
        for (const auto &[table, statement] : updates) {
            try {
                session.store().execute(statement);
            } catch (const StoreError &e) {
                outcome.failures << QStringLiteral("Yerel veri dosyasında %1 tablosu kaydedilemedi: %2")
                                        .arg(QLatin1String(table), e.description());
            }
        }
    } catch (const StoreError &e) {
        outcome.failures << e.description();
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
