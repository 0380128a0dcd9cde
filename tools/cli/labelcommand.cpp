#include "labelcommand.h"

#include "blockfile.h"
#include "clicommand.h"

#include "config/countrycodemodel.h"
#include "config/epirbconfig.h"
#include "documents/labelfonts.h"
#include "documents/labelwriter.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <cstdio>

namespace {
const char *const kUsage =
    "usage: quorvik-cli label programming|country|contact [--block BLOCKFILE] [--text TEXT] OUT.lbx|OUT.pdf";

// The country list the program itself would use: the user's copy first, then the shipped one.
void loadCountryList()
{
    const QString userFolder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    CountryCodeModel *model = CountryCodeModel::instance(nullptr);
    if (QFileInfo::exists(userFolder + QStringLiteral("/Country.txt")) && model->loadCountryList(userFolder, QString()))
        return;
    model->loadCountryList(QCoreApplication::applicationDirPath(), QString());
}

bool takeOption(QStringList &args, const QString &name, QString &value, bool &missing)
{
    const int at = args.indexOf(name);
    if (at < 0)
        return false;
    if (at + 1 >= args.size()) {
        missing = true;
        return false;
    }
    value = args.at(at + 1);
    args.remove(at, 2);
    return true;
}
}

int runLabelCommand(const QStringList &argsIn)
{
    QStringList args = argsIn;
    if (args.contains(QLatin1String("--help"))) {
        std::printf("%s\n\n"
                    "Writes one label as LBX (label editor) or PDF, chosen by OUT's extension.\n"
                    "  programming  needs --block (a 192-byte data block)\n"
                    "  country      needs --block; --text replaces the country name\n"
                    "  contact      needs --text, the contact information (not empty)\n",
                    kUsage);
        return cli::Ok;
    }
    QString blockPath;
    QString text;
    bool missing = false;
    const bool haveBlock = takeOption(args, QStringLiteral("--block"), blockPath, missing);
    const bool haveText = takeOption(args, QStringLiteral("--text"), text, missing);
    if (missing || args.size() != 2)
        return cli::usageError(QString::fromLatin1(kUsage));
    const QString kind = args.at(0);
    const QString out = args.at(1);
    const bool pdf = out.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive);
    if (!pdf && !out.endsWith(QLatin1String(".lbx"), Qt::CaseInsensitive))
        return cli::usageError(QStringLiteral("OUT must end in .lbx or .pdf"));

    loadCountryList();
    EpirbConfig config;
    if (kind == QLatin1String("programming") || kind == QLatin1String("country")) {
        if (!haveBlock)
            return cli::usageError(QStringLiteral("the %1 label needs --block BLOCKFILE").arg(kind));
        QString error;
        if (!cli::loadBlockFile(blockPath, config, error))
            return cli::usageError(error);
    } else if (kind == QLatin1String("contact")) {
        if (!haveText || text.isEmpty())
            return cli::usageError(QStringLiteral("the contact label needs a non-empty --text"));
    } else {
        return cli::usageError(QStringLiteral("unknown label \"%1\": programming, country or contact").arg(kind));
    }

    LabelFonts::install();
    QSaveFile file(out);
    if (!file.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(out), qPrintable(file.errorString()));
        return cli::Failure;
    }
    int code = 0;
    if (kind == QLatin1String("programming"))
        code = pdf ? LabelWriter::writeProgrammingLabelPdf(config, &file) : LabelWriter::writeProgrammingLabelLbx(config, &file);
    else if (kind == QLatin1String("country"))
        code = pdf ? LabelWriter::writeCountryLabelPdf(config.countryCode(), text, &file)
                   : LabelWriter::writeCountryLabelLbx(config.countryCode(), text, &file);
    else
        code = pdf ? LabelWriter::writeContactLabelPdf(text, &file) : LabelWriter::writeContactLabelLbx(text, &file);
    if (code != 0 || !file.commit()) {
        std::fprintf(stderr, "could not write the %s label (%d)\n", qPrintable(kind), code);
        return cli::Failure;
    }
    return cli::Ok;
}
