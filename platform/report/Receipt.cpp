// The receipt binds its two datasets under the names its template reads.
#include "Receipt.h"

#include "ReportEngine.h"

using namespace Qt::Literals::StringLiterals;

namespace dukkano::report {

PreparedReport prepareReceipt(Dataset& basket, Dataset& header)
{
    static const ReportTemplate receipt = ReportTemplate::builtIn(u"frxReportFisim"_s);
    return prepareReport(receipt, {{u"frxDBDatasetGeciciSatilanUrunler"_s, &basket},
                                   {u"frxDBDatasetureticiler"_s, &header}});
}

} // namespace dukkano::report
