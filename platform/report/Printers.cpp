// The system's printers through Qt PrintSupport. A name that is not installed, and a queue that
// rejects jobs or is stopped, must be refused here: QPrinter would hand the job over and report
// success, and no paper would come out.
#include "Printers.h"

#include <QPrinter>
#include <QPrinterInfo>
#include <cups/cups.h>
#include <optional>

using namespace Qt::Literals::StringLiterals;

namespace dukkano::report {
namespace {

// The queue's options as CUPS reports them now; nothing when CUPS does not know the queue.
std::optional<QMap<QString, QString>> queueOptions(const QString& printerName)
{
    const QByteArray name = printerName.section(QLatin1Char('/'), 0, 0).toUtf8();
    const QByteArray instance = printerName.section(QLatin1Char('/'), 1).toUtf8();
    cups_dest_t* dest = cupsGetNamedDest(CUPS_HTTP_DEFAULT, name.constData(),
                                         instance.isEmpty() ? nullptr : instance.constData());
    if (!dest)
        return std::nullopt;
    QMap<QString, QString> options;
    for (int i = 0; i < dest->num_options; ++i)
        options.insert(QString::fromUtf8(dest->options[i].name), QString::fromUtf8(dest->options[i].value));
    cupsFreeDests(1, dest);
    return options;
}

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
        const std::optional<QMap<QString, QString>> options = queueOptions(info.printerName());
        if (!options)
            return printerMissing(info.printerName());
        if (const PrintResult queue = checkQueue(info.printerName(), *options); !queue.ok)
            return queue;
        QPrinter printer(info, QPrinter::HighResolution);
        printer.setDocName(report.name);
        printer.setFullPage(true);
        if (!paintReport(report, printer) || printer.printerState() == QPrinter::Error)
            return PrintResult::failure(
                u"\"%1\" yazıcısına yazdırılamadı."_s.arg(info.printerName()));
        return PrintResult::success();
    }
};

SystemPrinters systemPrinters;
Printers* installed = nullptr;

} // namespace

PrintResult printerMissing(const QString& printerName)
{
    return PrintResult::failure(printerName.isEmpty()
                                    ? u"Yazdırılamadı: bilgisayarda kurulu bir yazıcı yok."_s
                                    : u"Yazdırılamadı: \"%1\" adlı yazıcı bulunamadı."_s.arg(printerName));
}

PrintResult checkQueue(const QString& printerName, const QMap<QString, QString>& options)
{
    QStringList reasons;
    if (options.value(u"printer-is-accepting-jobs"_s) == QLatin1String("false"))
        reasons << u"iş kabul etmiyor"_s;
    if (options.value(u"printer-state"_s) == QLatin1String("5"))
        reasons << u"durdurulmuş"_s;
    if (reasons.isEmpty())
        return PrintResult::success();
    return PrintResult::failure(
        u"Yazdırılamadı: \"%1\" yazıcısı %2."_s.arg(printerName, reasons.join(u" ve "_s)));
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
