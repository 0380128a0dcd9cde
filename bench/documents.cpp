// Median time to write the programming report and each label, LBX and PDF.
// Targets on the reference machine: report <= 300 ms, label <= 100 ms.
#include "config/configtables.h"
#include "config/countrycodemodel.h"
#include "config/epirbconfig.h"
#include "documents/labelfonts.h"
#include "documents/labelglyphatlas.h"
#include "documents/labelwriter.h"
#include "documents/pdfreport.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {
double medianMs(int runs, const std::function<bool()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer t;
        t.start();
        if (!work()) {
            std::fprintf(stderr, "a document could not be written\n");
            return -1;
        }
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

void print(const char *name, double ms, double target)
{
    std::printf("%-22s %8.2f ms   (target <= %.0f ms)%s\n", name, ms, target, ms <= target ? "" : "  OVER");
}
}

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_LOGGING_RULES", "*.debug=false");
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationVersion(QStringLiteral("5.3.9"));
    LabelFonts::install();
    LabelGlyphAtlas::prepare();
    CountryCodeModel::instance(nullptr)->loadCountryList(QCoreApplication::applicationDirPath(), QString());

    EpirbConfig config;
    config.setBeaconType(ConfigTables::E_SkuaP5);
    config.setSerial(QStringLiteral("12345"));
    config.setProtocolId(ConfigTables::E_RlsUserMmsiPlb);
    config.setMmsi(QStringLiteral("123456"));
    config.setCountryCode(257);
    config.setProgDate(QDate(2024, 3, 5));
    config.setOwnerName(QStringLiteral("Ola Nordmann"));
    config.setOwnerOther(QStringLiteral("Email: ola@example.no"));
    config.setAdditionalInfo(QStringLiteral("Red kayak, two paddles, VHF on channel 16"));
    config.calculateCsMsg();

    QTemporaryDir dir;
    const int runs = 21;
    auto toBuffer = [](const std::function<int(QIODevice *)> &write) {
        return [write] {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            return write(&buffer) == 0 && !bytes.isEmpty();
        };
    };
    const QString contact = QStringLiteral("Aldmar service\n+47 5555 0000\nservice@aldmar.example");

    std::printf("Documents, median of %d runs\n", runs);
    print("report PDF", medianMs(runs, [&] { return pdfReport().writeReport(0, dir.filePath(QStringLiteral("r.pdf")), config); }), 300);
    print("programming label LBX", medianMs(runs, toBuffer([&](QIODevice *d) { return LabelWriter::writeProgrammingLabelLbx(config, d); })), 100);
    print("programming label PDF", medianMs(runs, toBuffer([&](QIODevice *d) { return LabelWriter::writeProgrammingLabelPdf(config, d); })), 100);
    print("country label LBX", medianMs(runs, toBuffer([&](QIODevice *d) { return LabelWriter::writeCountryLabelLbx(257, QString(), d); })), 100);
    print("country label PDF", medianMs(runs, toBuffer([&](QIODevice *d) { return LabelWriter::writeCountryLabelPdf(257, QString(), d); })), 100);
    print("contact label LBX", medianMs(runs, toBuffer([&](QIODevice *d) { return LabelWriter::writeContactLabelLbx(contact, d); })), 100);
    print("contact label PDF", medianMs(runs, toBuffer([&](QIODevice *d) { return LabelWriter::writeContactLabelPdf(contact, d); })), 100);
    return 0;
}
