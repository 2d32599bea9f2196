// The system's printers through Qt PrintSupport. A name that is not installed must be refused
// here: QPrinter would accept it and print elsewhere or nowhere, reporting nothing.
#include "Printers.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace dukkano::report {
namespace {

class SystemPrinters : public Printers {
public:
    QStringList names() override { return QPrinterInfo::availablePrinterNames(); }
    QString defaultName() override { return QPrinterInfo::defaultPrinterName(); }

    PrintResult print(const PreparedReport& report, const QString& printerName) override
    {
        const QPrinterInfo info = printerName.isEmpty() ? QPrinterInfo::defaultPrinter()
                                                        : QPrinterInfo::printerInfo(printerName);
        if (info.isNull())
            return printerMissing(printerName);
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(report.name);
        printer.setFullPage(true);
        if (!paintReport(report, printer) || printer.printerState() == QPrinter::Error)
            return PrintResult::failure(
                QStringLiteral("\"%1\" yazıcısına yazdırılamadı.").arg(info.printerName()));
        return PrintResult::success();
    }
};

SystemPrinters systemPrinters;
Printers* installed = nullptr;

} // namespace

PrintResult printerMissing(const QString& printerName)
{
    return PrintResult::failure(printerName.isEmpty()
                                    ? QStringLiteral("Yazdırılamadı: bilgisayarda kurulu bir yazıcı yok.")
                                    : QStringLiteral("Yazdırılamadı: \"%1\" adlı yazıcı bulunamadı.").arg(printerName));
}

Printers& printers()
{
    return installed ? *installed : systemPrinters;
}

void setPrinters(Printers* printers)
{
    installed = printers;
}

PrintResult printReport(const PreparedReport& report, const QString& printerName)
{
    return printers().print(report, printerName);
}

} // namespace dukkano::report
