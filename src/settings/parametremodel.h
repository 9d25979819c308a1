#pragma once

#include "foundation/base/apppaths.h"
#include "foundation/base/result.h"
#include "foundation/store/localstore.h"
#include "parametrefields.h"

#include <QSet>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>

namespace tarvel {

class ErpConnection;

// A field whose text cannot be saved, and what the user is told about it.
struct FieldProblem {
    QString field; // objectName of the control
    QString message;
};

// What a save did: refused before writing anything, or done with the steps
// that failed listed (every step runs even when one before it failed).
struct SaveOutcome {
    std::optional<FieldProblem> refused;
    QStringList failures;
    bool ok() const { return !refused && failures.isEmpty(); }
};

// The model of the window parametre: its fields, their loading from data.dbs
// and the side files of the working directory, the firm choice that refills
// the dependent lists, and the save.
class ParametreModel {
public:
    // connection: where the lists are read.
    ParametreModel(const AppPaths &paths, ErpConnection &connection);

    ParametreFields &fields() { return m_fields; }
    const ParametreFields &fields() const { return m_fields; }
    const ParametreChoices &choices() const { return m_choices; }

    // The fixed list of material card types.
    static QStringList cardTypes();

    // The load: oku, sqloku, fytparyukle, irssatiroku, in this order. Then
    // the lists of the stored firm are filled as its choice would fill them,
    // so its periods and currencies can be picked without choosing the firm
    // again (a failure there only leaves those lists empty).
    void load();
    // login, instan and server rows; a failing step or column is skipped and
    // remembered: a save never writes a row it could not read.
    void oku();
    // What of data.dbs the load could not read, with the cause ("" when all
    // was read): the window says it, and the save leaves those rows alone.
    QString storeLoadError() const;
    // The firm list, then the stored firm, period, currencies, unit set, units
    // and card type. The stored values are loaded even when the firm list
    // cannot be read, so a save never blanks them. False when the firm list
    // failed; firmListError() says why.
    bool sqloku();
    QString firmListError() const { return m_firmListError; }
    // The eleven lines of fytPar.velmor; a missing file or line keeps the
    // fields as they are, and an empty option line means option "1".
    void fytparyukle();
    // The two lines of irssatir.velmor into rowsPerForm and copies.
    void irssatiroku();

    // The user picked an entry of the firm list: the firm's periods,
    // currencies, unit sets and special and group codes replace the lists.
    // All or nothing: when a statement fails every list stays as it was and
    // its error comes back. No field's text changes either way.
    Result<void> firChosen(const QString &firmEntry);

    // The print counts must be whole numbers from 1 up, or printing fails later.
    std::optional<FieldProblem> printCountProblem() const;

    // The chosen period must be one of the chosen firm's: its firm number is
    // the firm's, and it is in the firm's period list when that was read.
    std::optional<FieldProblem> periodProblem() const;

    // serverkaydet: the four updates of data.dbs, then fytPar.velmor and
    // irssatir.velmor written anew. Refused, with nothing written, while a
    // print count is not a whole number from 1 up or the period is not the
    // firm's. A row the load could not read is not written (a failure says
    // why); a column that held NULL and is still empty stays NULL.
    SaveOutcome serverkaydet();

    QString storeFile() const;
    QString fytParFile() const;
    QString irssatirFile() const;

private:
    ErpConnection &erp() const { return m_connection; }
    void readVeritabani();
    // One row of data.dbs, or none; a failure is remembered for the table.
    std::optional<StoreRow> readRow(LocalStore &store, const QString &table);
    void copyColumn(const std::optional<StoreRow> &row, const QString &table, const char *column,
                    QString &field);
    StoreValue storeValue(const QString &table, const char *column, const QString &text) const;

    AppPaths m_paths;
    ErpConnection &m_connection;
    ParametreFields m_fields;
    ParametreChoices m_choices;
    QString m_firmListError;
    // Firm whose lists m_choices holds (after a firm choice).
    QString m_choicesFirm;
    // Tables of data.dbs the load could not read, with the cause.
    std::map<QString, QString> m_unreadTables;
    // "table.column" that held NULL when loaded.
    QSet<QString> m_nullColumns;
};

} // namespace tarvel
