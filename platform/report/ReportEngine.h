// Preparing a report: the template's bands laid out over its datasets into pages.
#pragma once

#include "PreparedReport.h"
#include "ReportTemplate.h"

#include <QHash>
#include <QString>

namespace dukkano {
class Dataset;
}

namespace dukkano::report {

// The datasets a template reads, under the names the template uses (compared without case).
using ReportDatasets = QHash<QString, Dataset*>;

// The master band prints one band per visible row of its dataset, in the object's order and
// under its filter, reading rows in place: no dataset's current row moves. Fields outside the
// band read the current row of their dataset; the master dataset's own fields there read the
// row the band stands on (its first row before the band, its last after).
// The date and time are those of Clock::now(). Throws DataError when the template names a
// dataset, field or band that is not there.
PreparedReport prepareReport(const ReportTemplate& report, const ReportDatasets& datasets);

} // namespace dukkano::report
