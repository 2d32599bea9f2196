// Printers for tests: a fixed list of names; "printing" writes a PDF file per job into a folder,
// or fails on demand. Installs itself as the program's printers for its lifetime.
// Header-only, so that only the tests that link dukkano_report need it.
#pragma once

#include "Printers.h"

#include <QDir>
#include <vector>

namespace dukkano::test {

using namespace Qt::Literals::StringLiterals;

class TestPrinters : public report::Printers {
public:
    TestPrinters(QStringList names, QString folder) : m_names(std::move(names)), m_folder(std::move(folder))
    {
        report::setPrinters(this);
    }
    ~TestPrinters() override { report::setPrinters(nullptr); }

    struct Job {
        QString printer;  // the name asked for (empty: the default)
        report::PreparedReport report;
        QString pdf;      // the file written; empty when the job failed
    };

    QStringList names() override { return m_names; }
    QString defaultName() override { return m_names.value(0); }

    report::PrintResult print(const report::PreparedReport& report, const QString& printerName) override
    {
        jobs.push_back({printerName, report, QString()});
        const QString printer = printerName.isEmpty() ? defaultName() : printerName;
        if (!m_names.contains(printer))
            return report::printerMissing(printerName);
        if (!failure.isEmpty())
            return report::PrintResult::failure(failure);
        const QString path = QDir(m_folder).filePath(u"job%1.pdf"_s.arg(jobs.size()));
        const report::PrintResult result = report::exportPdf(report, path);
        if (result.ok)
            jobs.back().pdf = path;
        return result;
    }

    std::vector<Job> jobs;  // every print asked for, failed ones too
    QString failure;        // when set, every print on an installed printer fails with it

private:
    QStringList m_names;
    QString m_folder;
};

} // namespace dukkano::test
