// The sale receipt: the template frxReportFisim over the basket and the shop's header record.
#pragma once

#include "PreparedReport.h"

namespace dukkano {
class Dataset;
}

namespace dukkano::report {

// basket: the GeciciSatilanUrunler object, one line per visible row in its order;
// header: the Ureticiler object, whose current row heads and closes the receipt.
// Neither object's current row moves.
PreparedReport prepareReceipt(Dataset& basket, Dataset& header);

} // namespace dukkano::report
