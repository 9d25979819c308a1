#include "foundation/store/sharedsettings.h"

#include "foundation/base/choices.h"
#include "foundation/base/errors.h"
#include "foundation/store/localstore.h"

namespace tarvel {

SharedSettings &sharedSettings()
{
    static SharedSettings settings;
    return settings;
}

Result<void> oku(const QString &workDir, SharedSettings &settings)
{
    try {
        StoreSession session(storePath(workDir));
        // Field by field, so a failure leaves the fields after it as they were.
        const StoreRow ses = session.store().query(selectRow(QStringLiteral("ses")));
        settings.bulses = ses.value(QStringLiteral("bulses"));
        settings.bulmases = ses.value(QStringLiteral("bulmases"));

        const StoreRow db = session.store().query(selectRow(QStringLiteral("veritabani")));
        settings.sateleman = db.value(QStringLiteral("sateleman"));
        settings.genkdv = db.value(QStringLiteral("genkdv"));
        settings.fir = db.value(QStringLiteral("fir"));
        settings.don = db.value(QStringLiteral("don"));
        settings.fiyat1 = db.value(QStringLiteral("fiyat1"));
        settings.fiyat2 = db.value(QStringLiteral("fiyat2"));
        settings.birim1 = db.value(QStringLiteral("birim1"));
        settings.birim2 = db.value(QStringLiteral("birim2"));
        settings.stkartipi = db.value(QStringLiteral("stkartipi"));
        settings.brset = db.value(QStringLiteral("brset"));
        // A damaged or mismatched pair would only show later as a missing ERP table.
        if (const QString problem = choiceProblem(settings.fir, settings.don); !problem.isEmpty())
            throw StoreError(storePath(workDir) + QStringLiteral(": kayıtlı firma ve dönem geçersiz. ") +
                             problem);
    } catch (const StoreError &e) {
        return e;
    }
    return {};
}

QString settingsCheckMessage(const QString &cause)
{
    const QString message = QStringLiteral("Ayarları Kontrol Ediniz...");
    return cause.isEmpty() ? message : message + QLatin1Char('\n') + cause;
}

} // namespace tarvel
