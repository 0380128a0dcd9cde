#include "reportcommand.h"

#include "blockfile.h"
#include "clicommand.h"

#include "config/epirbconfig.h"
#include "documents/pdfreport.h"

#include <cstdio>

int runReportCommand(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.contains(QLatin1String("--help"))) {
        std::printf("Usage: quorvik-cli report BLOCKFILE OUT.pdf [--mode 0|1|2]\n\n"
                    "Writes the programming report of a 192-byte data block as PDF.\n"
                    "Mode 0 just programmed (default), 1 read back from a beacon, 2 from the database.\n");
        return cli::Ok;
    }
    int mode = 0;
    const int modeAt = args.indexOf(QLatin1String("--mode"));
    if (modeAt >= 0) {
        if (modeAt + 1 >= args.size())
            return cli::usageError(QStringLiteral("--mode needs a value 0, 1 or 2"));
        bool ok = false;
        mode = args.at(modeAt + 1).toInt(&ok);
        if (!ok || mode < 0 || mode > 2)
            return cli::usageError(QStringLiteral("--mode must be 0, 1 or 2, not \"%1\"").arg(args.at(modeAt + 1)));
        args.remove(modeAt, 2);
    }
    if (args.size() != 2)
        return cli::usageError(QStringLiteral("usage: quorvik-cli report BLOCKFILE OUT.pdf [--mode 0|1|2]"));
    if (!args.at(1).endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return cli::usageError(QStringLiteral("the report is a PDF: OUT must end in .pdf"));

    EpirbConfig config;
    QString error;
    if (!cli::loadBlockFile(args.at(0), config, error))
        return cli::usageError(error);
    pdfReport report;
    if (!report.writeReport(mode, args.at(1), config)) {
        std::fprintf(stderr, "could not write %s\n", qPrintable(args.at(1)));
        return cli::Failure;
    }
    return cli::Ok;
}
