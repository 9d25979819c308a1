#include "analysis/orderanalysis.h"

#include "foundation/base/sqlvalue.h"

namespace tarvel {

namespace {

AnalysisDesign orderDesign()
{
    return {.appearanceFile = QStringLiteral("sipkarlist.velmor"),
            .documentCaption = QStringLiteral("SİPARİŞ"),
            .groupTotalText = QStringLiteral("SİPARİŞ TOPLAMLARI"),
            .groupingCaption = QStringLiteral("Sipariş Başlıklarını Göster"),
            .heading = QStringLiteral("SATIŞ SİPARİŞLERİ  KARLILIK ANALİZİ"),
            .vatLabelName = QStringLiteral("Label1"),
            .grossAmounts = false};
}

} // namespace

OrderAnalysis::OrderAnalysis(const ReportContext &context, QObject *parent)
    : DocumentAnalysis(orderDesign(), context, parent)
{
    // The type-name table stays empty: every heading ends in " - ()".
}

QString OrderAnalysis::linesStatement(const QString &ref) const
{
    return QStringLiteral("select * from ") + orderLineTable() + QStringLiteral(" Where ORDFICHEREF=") +
           sqlValue(ref);
}

KeyedRead OrderAnalysis::linesRead() const
{
    return {.columns = QStringLiteral("*"), .table = orderLineTable(), .key = QStringLiteral("ORDFICHEREF")};
}

QString OrderAnalysis::purchaseStatement(const QString &cardRef, const QString &dateKey) const
{
    return purchaseLinesStatement(cardRef, dateKey);
}

QString OrderAnalysis::rereadStatement(const QString &lineRef) const
{
    return QStringLiteral("select VATINC,VAT,AMOUNT AS miktar1,LINENET AS tutar1,ADDTAXAMOUNT AS "
                          "EKVERGITUTAR,TOTAL AS toptutar1 ,LINETYPE AS linetip,DISTCOST from ") +
           orderLineTable() + QStringLiteral(" where LOGICALREF=") + sqlValue(lineRef);
}

void OrderAnalysis::faturagenelmaliyethesapla()
{
    m_overall = {};
    if (writeCostedOverall())
        return;
    m_overall = Error(QStringLiteral("Sıfıra bölme hatası: listenin satış maliyeti toplamı 0 olduğundan "
                                     "genel karlılık hesaplanamadı."));
    emit overallProfitabilityFailed(m_overall.errorText());
}

} // namespace tarvel
