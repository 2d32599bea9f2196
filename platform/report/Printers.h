// The seam for printers: the list of installed printers and the act of printing. The program
// uses the system's printers; tests install their own, which write PDF files or fail on demand.
#pragma once

#include "PreparedReport.h"
#include "ReportPainter.h"

#include <QMap>
#include <QStringList>

namespace dukkano::report {

class Printers {
public:
    virtual ~Printers() = default;
    // The installed printers, in the order the system lists them.
    virtual QStringList names() = 0;
    // The system's default printer; empty when there is none.
    virtual QString defaultName() = 0;
    // Prints without a dialog; an empty name means the default printer. A printer that is not
    // installed, or a print that could not be done, is a failure with its reason.
    virtual PrintResult print(const PreparedReport& report, const QString& printerName) = 0;
};

// The printers in force: the system's unless a test installed others.
Printers& printers();
// Installs printers (nullptr: back to the system's).
void setPrinters(Printers* printers);

// The failures every Printers reports alike: no printer installed, or none of that name.
PrintResult printerMissing(const QString& printerName);

// Whether an installed queue takes a job now, from its options as CUPS reports them
// ("printer-is-accepting-jobs", "printer-state"): one that rejects jobs, or is stopped and
// would keep the job unprinted, is a failure naming the printer and why.
PrintResult checkQueue(const QString& printerName, const QMap<QString, QString>& options);

// Shorthand for printers().print(report, printerName).
PrintResult printReport(const PreparedReport& report, const QString& printerName);

} // namespace dukkano::report
