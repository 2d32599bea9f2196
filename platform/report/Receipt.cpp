// The receipt binds its two datasets under the names its template reads.
#include "Receipt.h"

#include "ReportEngine.h"

namespace dukkano::report {

PreparedReport prepareReceipt(Dataset& basket, Dataset& header)
{
    static const ReportTemplate receipt = ReportTemplate::builtIn(QStringLiteral("frxReportFisim"));
    return prepareReport(receipt, {{QStringLiteral("frxDBDatasetGeciciSatilanUrunler"), &basket},
                                   {QStringLiteral("frxDBDatasetureticiler"), &header}});
}

} // namespace dukkano::report
