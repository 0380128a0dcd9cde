// Writes the seed corpora of the fuzz targets from the project's own fixtures and
// the simulator's blocks: quorvik-fuzz-seeds <tests/fuzz/corpus>. Not run by ctest;
// its output is kept in the repository.
#include "beaconsimulator.h"
#include "bootloggenerator.h"
#include "../records/bootlogblock.h"
#include "../records/recordfixture.h"

#include "coding/epirbmsgbase.h"
#include "config/datablockcodec.h"
#include "link/epirbxmodemtx.h"
#include "records/databaseifc.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

QString s_root;

void put(const QString &target, const QString &name, const QByteArray &bytes)
{
    QDir().mkpath(s_root + QLatin1Char('/') + target);
    QFile file(s_root + QLatin1Char('/') + target + QLatin1Char('/') + name);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
}

// The chunked stream of the link targets: a length byte before each piece.
QByteArray chunked(const QByteArray &stream, int piece)
{
    QByteArray out;
    for (qsizetype at = 0; at < stream.size(); at += piece) {
        const QByteArray chunk = stream.mid(at, piece);
        out.append(char(chunk.size()));
        out.append(chunk);
    }
    return out;
}

QByteArray xmodemStream(const QByteArray &data)
{
    QByteArray stream;
    for (int k = 0; k * EpirbXmodemTx::kBlockSize < data.size(); ++k)
        stream += EpirbXmodemTx::packet(quint8(k + 1), data.mid(k * EpirbXmodemTx::kBlockSize, EpirbXmodemTx::kBlockSize));
    return stream + QByteArray(1, char(EpirbXmodemTx::ETB));
}

QByteArray programmedBlock(const QString &serial, int protocol)
{
    auto record = makeP5(serial);
    record->setProtocolId(protocol);
    record->setMmsi(QStringLiteral("257123456"));
    record->setMorseSequence(QStringLiteral("LA2AB"));
    record->calculateCsMsg();
    return encodeDataBlock(*record);
}

} // namespace

int main(int argc, char *argv[])
{
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: quorvik-fuzz-seeds CORPUS_DIR\n");
        return 2;
    }
    s_root = QString::fromLocal8Bit(argv[1]);

    // Data blocks: blank from the simulator, programmed by the encoder, an older model.
    const QByteArray blank = BeaconSimulator::blankBlock(QStringLiteral("31337"));
    const QByteArray serialPlb = programmedBlock(QStringLiteral("1400"), ConfigTables::E_UserSerialPlb);
    const QByteArray mmsi = programmedBlock(QStringLiteral("1401"), ConfigTables::E_UserLocationMmsi);
    QByteArray older = serialPlb;
    older[0] = char(18);
    put(QStringLiteral("datablock"), QStringLiteral("blank"), blank);
    put(QStringLiteral("datablock"), QStringLiteral("serial-plb"), serialPlb);
    put(QStringLiteral("datablock"), QStringLiteral("location-mmsi"), mmsi);
    put(QStringLiteral("datablock"), QStringLiteral("older-model"), older);
    put(QStringLiteral("datablock"), QStringLiteral("shortest"), serialPlb.left(kDataBlockMinSize));

    // Messages of every protocol, long and short where the protocol has both.
    for (int type = 0; type <= 24; ++type) {
        std::unique_ptr<EpirbMsgBase> m(EpirbMsgBase::create(type));
        m->setCountryCode(257);
        m->setIdentity("257123456");
        m->setSerialNumber(1234);
        m->setTacNo(123);
        m->calculateBch();
        const QString name = QStringLiteral("protocol-%1").arg(type, 2, 10, QLatin1Char('0'));
        put(QStringLiteral("msgbytes"), name, m->messageBytes());
        if (type % 3 == 0) {
            put(QStringLiteral("msghex"), name, m->hexMessage());
            put(QStringLiteral("msghex"), name + QStringLiteral("-nosync"), m->hexMessage().mid(6));
            put(QStringLiteral("msghex"), name + QStringLiteral("-hexid"), m->hexId());
        }
    }
    put(QStringLiteral("msghex"), QStringLiteral("selftest"), QByteArray("FFFED0") + QByteArray(22, '0'));

    // Boot logs: the simulator's page 2 and the older layout.
    put(QStringLiteral("bootlog"), QStringLiteral("sim-transfer"), BootLogGenerator::sampleTransfer());
    BootLogBlock v1(1);
    v1.setCount(3);
    v1.setIndex(2);
    v1.setSlot1(0, 3, 0, 12, 1700000000u);
    v1.setSlot1(1, 0x08, 1, 5, 0x00C8FC18u);
    v1.setSlot1(2, 2, 0, 0, 0x00E60064u);
    put(QStringLiteral("bootlog"), QStringLiteral("layout1"), v1.bytes());

    // Report files and database files of both formats, written by the database itself.
    QTemporaryDir folder;
    {
        DatabaseIfc db(folder.path(), nullptr);
        db.addOrReplace(*makeP5(QStringLiteral("1400")));
        auto second = makeP5(QStringLiteral("1401"), QDate(2025, 1, 2));
        second->setProtocolId(ConfigTables::E_UserLocationMmsi);
        second->setMmsi(QStringLiteral("257123456"));
        second->calculateCsMsg();
        db.addOrReplace(*second);
        put(QStringLiteral("jsonimport"), QStringLiteral("two-beacons"),
            QJsonDocument(db.exportObject()).toJson(QJsonDocument::Indented));
        QJsonObject v1Report = db.exportObject();
        v1Report.insert(QStringLiteral("version"), 1);
        put(QStringLiteral("jsonimport"), QStringLiteral("version1-compact"),
            QJsonDocument(v1Report).toJson(QJsonDocument::Compact));
    }
    QFile dbFile(folder.filePath(QStringLiteral("Quorvik.db")));
    if (!dbFile.open(QIODevice::ReadOnly))
        qFatal("no database written");
    const QByteArray format101 = dbFile.readAll();
    QByteArray format100 = format101;
    format100[7] = char(100);
    put(QStringLiteral("dbfile"), QStringLiteral("format101"), format101);
    put(QStringLiteral("dbfile"), QStringLiteral("format100"), format100);

    // Country lists: the start of the shipped one, with Windows line ends and a BOM.
    QFile countries(QStringLiteral(QUORVIK_SOURCE_DIR "/data/Country.txt"));
    if (!countries.open(QIODevice::ReadOnly))
        qFatal("no Country.txt");
    const QList<QByteArray> lines = countries.readAll().split('\n');
    QByteArray head;
    for (int i = 0; i < 40 && i < lines.size(); ++i)
        head += lines.at(i) + '\n';
    put(QStringLiteral("countrylist"), QStringLiteral("shipped-head"), head);
    put(QStringLiteral("countrylist"), QStringLiteral("crlf-bom"), QByteArray("\xEF\xBB\xBF") + QByteArray(head).replace("\n", "\r\n"));

    // Link: the simulator's page 0 and page 2 by XMODEM in pieces, a repeated packet,
    // a cancel, and the older beacons' page protocol.
    const QByteArray page0 = xmodemStream(blank);
    put(QStringLiteral("xmodemrx"), QStringLiteral("page0-whole"), chunked(page0, 255));
    put(QStringLiteral("xmodemrx"), QStringLiteral("page0-pieces"), chunked(page0, 13));
    put(QStringLiteral("xmodemrx"), QStringLiteral("page2-timeouts"),
        chunked(xmodemStream(BootLogGenerator::sampleTransfer()), 64).insert(130, '\0'));
    put(QStringLiteral("xmodemrx"), QStringLiteral("repeat-cancel"),
        chunked(EpirbXmodemTx::packet(1, blank) + EpirbXmodemTx::packet(1, blank) + QByteArray(1, char(EpirbXmodemTx::CAN)), 40)
            + QByteArray(1, '\0'));
    const QByteArray older256 = QByteArray(256, '\x11');
    put(QStringLiteral("handshake"), QStringLiteral("read-page0-H"), QByteArray(1, '\0') + chunked("H", 1) + chunked(page0, 50));
    put(QStringLiteral("handshake"), QStringLiteral("read-page2-H"),
        QByteArray(1, '\1') + chunked("xH", 2) + chunked(xmodemStream(BootLogGenerator::sampleTransfer()), 200));
    put(QStringLiteral("handshake"), QStringLiteral("read-older-F"),
        QByteArray(1, '\0') + chunked("F", 1) + chunked("r" + older256, 100) + QByteArray(1, '\0')
            + chunked("r" + older256, 100));
    put(QStringLiteral("handshake"), QStringLiteral("read-older-A"), QByteArray(1, '\0') + chunked("Ar" + older256, 37));
    put(QStringLiteral("handshake"), QStringLiteral("production-acks"),
        QByteArray(1, '\2') + chunked("F", 1) + chunked(QByteArray(40, '\x06'), 1));
    return 0;
}
