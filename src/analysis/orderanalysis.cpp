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

ErpRead OrderAnalysis::linesRead() const
{
    return documentLinesRead(orderLineTable(), QStringLiteral("ORDFICHEREF"));
}

ErpRead OrderAnalysis::purchasesRead(const QString &upToKey) const
{
    return purchaseRead(stockLineTable(), upToKey, PurchaseStatement::Plain);
}

ErpReread OrderAnalysis::lineReread() const
{
    const QString orderLines = orderLineTable();
    return {.sets = saleLineColumns(true), .verbatim = [orderLines](const QString &ref) -> QString {
                return QStringLiteral("select VATINC,VAT,AMOUNT AS miktar1,LINENET AS tutar1,ADDTAXAMOUNT AS "
                                      "EKVERGITUTAR,TOTAL AS toptutar1 ,LINETYPE AS linetip,DISTCOST from ") +
                       orderLines + QStringLiteral(" where LOGICALREF=") + sqlValue(ref);
            }};
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
