#include "coding/userprotocolfields.h"

#include "coding/epirbmsgbase.h"
#include "coding/fieldreader.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The decoder's texts share one catalogue context; the functions here have no class of their own.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ProtocolFields)
};

void shortUserTail(FieldReader &r, uint code, bool maritime)
{
    if (code == 1 || code == 2 || code == 3 || code == 6) {
        const uint flag = r.at(107, 1);
        r.bin(107, 1, Text::tr("Emergency code flag"));
        r.bin(108, 1, Text::tr("Activation type (1 automatic and manual)"));
        r.bin(109, 4, flag ? Text::tr("Emergency code") : Text::tr("National use"));
        r.field(QStringLiteral("activationType"), Text::tr("Activation"),
                r.at(108, 1) ? Text::tr("automatic and manual") : Text::tr("manual only"));
        if (!flag) {
            r.field(QStringLiteral("emergencyCode"), Text::tr("Emergency code"), Text::tr("none (bits 109-112 national use: %1)").arg(FieldReader::binary(r.at(109, 4), 4)));
        } else if (maritime) {
            static const char *const nature[] = { QT_TRANSLATE_NOOP("ProtocolFields", "unspecified distress"), QT_TRANSLATE_NOOP("ProtocolFields", "fire or explosion"), QT_TRANSLATE_NOOP("ProtocolFields", "flooding"), QT_TRANSLATE_NOOP("ProtocolFields", "collision"),
                                                  QT_TRANSLATE_NOOP("ProtocolFields", "grounding"), QT_TRANSLATE_NOOP("ProtocolFields", "listing, in danger of capsizing"), QT_TRANSLATE_NOOP("ProtocolFields", "sinking"),
                                                  QT_TRANSLATE_NOOP("ProtocolFields", "disabled and adrift"), QT_TRANSLATE_NOOP("ProtocolFields", "abandoning ship") };
            const uint e = r.at(109, 4);
            r.field(QStringLiteral("emergencyCode"), Text::tr("Emergency code (maritime)"),
                    e < 9 ? Text::tr(nature[e]) : Text::tr("spare (%1)").arg(FieldReader::binary(e, 4)));
        } else {
            QStringList parts;
            parts << (r.at(109, 1) ? Text::tr("fire") : Text::tr("no fire"))
                  << (r.at(110, 1) ? Text::tr("medical help needed") : Text::tr("no medical help needed"))
                  << (r.at(111, 1) ? Text::tr("disabled") : Text::tr("not known to be disabled"));
            r.field(QStringLiteral("emergencyCode"), Text::tr("Emergency code (non-maritime)"), parts.join(QStringLiteral(", ")));
        }
        return;
    }
    const QString what = code == 7 ? Text::tr("Test use") : Text::tr("National use");
    r.bin(107, 6, what);
    r.field(QStringLiteral("unprotectedData"), Text::tr("Bits 107-112"), QStringLiteral("%1: %2").arg(what, FieldReader::binary(r.at(107, 6), 6)));
}

void userLocationTail(FieldReader &r)
{
    r.bin(107, 1, Text::tr("Position data source"));
    const auto [lat, lon] = r.coarsePosition(108, 4, 4);
    r.field(QStringLiteral("positionSource"), Text::tr("Position data source"), FieldReader::source(r.at(107, 1)));
    QString text;
    if (r.at(108, 12) == 0b011111110000u && r.at(120, 13) == 0b0111111110000u) {
        text = Text::tr("default / no position");
    } else {
        text = r.positionText(lat, lon, Text::tr("4-minute resolution"));
    }
    r.field(QStringLiteral("position"), Text::tr("Position"), text);
}

} // namespace

void UserProtocolFields::read(FieldReader &r, bool whole)
{
    const uint code = r.at(37, 3);
    bool maritime = code == 2 || code == 6;
    bool auxiliary = code == 1 || code == 2 || code == 3 || code == 6;
    switch (code) {
    case 0: {
        const QString data = r.baudot(40, 7, 6, Text::tr("Orbitography data"));
        r.bin(82, 4, Text::tr("Orbitography data (last bits)"));
        r.field(QStringLiteral("orbitographyData"), Text::tr("Orbitography data"), data + QStringLiteral(" / ") + FieldReader::binary(r.at(82, 4), 4));
        break;
    }
    case 1:
        r.field(QStringLiteral("registrationMarking"), Text::tr("Aircraft registration marking"),
                r.baudot(40, 7, 6, Text::tr("Aircraft registration marking")).trimmed());
        r.dec(82, 2, Text::tr("Specific ELT number"));
        r.field(QStringLiteral("eltNumber"), Text::tr("Specific ELT number"), QString::number(r.at(82, 2)));
        break;
    case 2:
    case 6: {
        QString id;
        if (code == 2) {
            id = r.baudot(40, 6, 6, Text::tr("MMSI (last six digits) or radio call sign"));
        } else {
            id = r.baudot(40, 4, 6, Text::tr("Radio call sign characters 1-4"));
            QString digits;
            for (int i = 0; i < 3; ++i) {
                const uint bcd = r.at(64 + 4 * i, 4);
                if (bcd <= 9) {
                    digits += QChar(u'0' + bcd);
                } else if (bcd == 10) {
                    digits += QLatin1Char(' ');
                } else {
                    digits += QLatin1Char('<') + FieldReader::binary(bcd, 4) + QLatin1Char('>');
                    r.problem(Text::tr("Radio call sign: character %1 is not a BCD digit (%2)").arg(5 + i).arg(FieldReader::binary(bcd, 4)));
                }
            }
            r.row(64, 12, Text::tr("Radio call sign characters 5-7 (BCD, 1010 a space)"), QStringLiteral("\"%1\"").arg(digits));
            id += digits;
        }
        r.field(code == 2 ? QStringLiteral("mmsiOrCallSign") : QStringLiteral("callSign"),
                code == 2 ? Text::tr("MMSI (last six digits) or radio call sign") : Text::tr("Radio call sign"), id.trimmed());
        r.field(QStringLiteral("specificBeacon"), Text::tr("Specific beacon number"),
                r.baudot(76, 1, 6, Text::tr("Specific beacon number")));
        r.bin(82, 2, Text::tr("Spare"));
        break;
    }
    case 3: {
        const uint type = r.at(40, 3);
        static const char *const types[] = { QT_TRANSLATE_NOOP("ProtocolFields", "ELT with a serial number"), QT_TRANSLATE_NOOP("ProtocolFields", "ELT with aircraft operator designator and serial number"),
                                             QT_TRANSLATE_NOOP("ProtocolFields", "float-free EPIRB with a serial number"), QT_TRANSLATE_NOOP("ProtocolFields", "ELT with aircraft 24-bit address"),
                                             QT_TRANSLATE_NOOP("ProtocolFields", "non-float-free EPIRB with a serial number"), QT_TRANSLATE_NOOP("ProtocolFields", "spare"), QT_TRANSLATE_NOOP("ProtocolFields", "PLB with a serial number"), QT_TRANSLATE_NOOP("ProtocolFields", "spare") };
        maritime = type == 2 || type == 4;
        r.bin(40, 3, Text::tr("Serial beacon type"));
        r.field(QStringLiteral("serialBeaconType"), Text::tr("Beacon type"),
                QStringLiteral("%1 (%2)").arg(Text::tr(types[type]), FieldReader::binary(type, 3)), type == 5 || type == 7);
        if (type == 5 || type == 7)
            r.problem(Text::tr("serial beacon type %1 is spare").arg(FieldReader::binary(type, 3)));
        const uint tacFlag = r.at(43, 1);
        r.bin(43, 1, Text::tr("C/S type approval number flag"));
        if (type == 3) {
            r.row(44, 24, Text::tr("Aircraft 24-bit address"), FieldReader::hexOf(r.at(44, 24), 6));
            r.dec(68, 6, Text::tr("Specific ELT number"));
            r.field(QStringLiteral("aircraftAddress"), Text::tr("Aircraft address (24 bits)"), FieldReader::hexOf(r.at(44, 24), 6));
            r.field(QStringLiteral("eltNumber"), Text::tr("Specific ELT number"), QString::number(r.at(68, 6)));
        } else if (type == 1) {
            r.field(QStringLiteral("operatorDesignator"), Text::tr("Aircraft operator designator"),
                    r.baudot(44, 3, 6, Text::tr("Aircraft operator designator")));
            r.dec(62, 12, Text::tr("Serial number (from the operator)"));
            r.field(QStringLiteral("operatorSerial"), Text::tr("Serial number (from the operator)"), QString::number(r.at(62, 12)));
        } else {
            r.dec(44, 20, Text::tr("Serial number"));
            r.bin(64, 10, Text::tr("National use"));
            r.field(QStringLiteral("serial"), Text::tr("Serial number"), QString::number(r.at(44, 20)));
            r.field(QStringLiteral("nationalUse64"), Text::tr("Bits 64-73 (national use)"), FieldReader::binary(r.at(64, 10), 10));
        }
        if (tacFlag) {
            r.dec(74, 10, Text::tr("C/S type approval number"));
            r.field(QStringLiteral("csTac"), Text::tr("C/S type approval number"), QString::number(r.at(74, 10)));
        } else {
            r.bin(74, 10, Text::tr("National use"));
            r.field(QStringLiteral("csTac"), Text::tr("C/S type approval number"),
                    Text::tr("none: bit 43 = 0, bits 74-83 are national use (%1)").arg(FieldReader::binary(r.at(74, 10), 10)));
            r.note(Text::tr("bit 43 = 0: bits 74-83 are national use, no C/S type approval number"));
        }
        break;
    }
    case 4:
        r.bin(40, 46, Text::tr("National use"));
        r.field(QStringLiteral("nationalUse"), Text::tr("National use (bits 40-85)"), FieldReader::hexOf(r.at(40, 22), 6) + FieldReader::hexOf(r.at(62, 24), 6));
        r.note(Text::tr("national user protocol: bits 40-85 are national use and cannot be read"));
        break;
    case 5:
        r.bin(40, 46, Text::tr("Spare protocol: not defined"));
        r.problem(Text::tr("user protocol code 101 is spare: not a first-generation protocol"));
        auxiliary = false;
        break;
    case 7:
        r.bin(40, 46, Text::tr("Test data"));
        r.field(QStringLiteral("testData"), Text::tr("Test data (bits 40-85)"), FieldReader::hexOf(r.at(40, 22), 6) + FieldReader::hexOf(r.at(62, 24), 6));
        break;
    }
    if (auxiliary) {
        r.bin(84, 2, Text::tr("Auxiliary radio-locating device"));
        r.field(QStringLiteral("auxiliaryDevice"), Text::tr("Auxiliary radio-locating device"), FieldReader::auxDevice(r.at(84, 2)));
    }
    if (!whole || code == 5)
        return;
    if (!r.message().isLongFormat()) {
        shortUserTail(r, code, maritime);
    } else if (auxiliary) {
        userLocationTail(r);
    } else {
        const QString what = code == 7 ? Text::tr("Test use") : Text::tr("National use");
        r.bin(107, 26, what);
        r.field(QStringLiteral("pdf2Data"), Text::tr("Bits 107-132"), QStringLiteral("%1: %2").arg(what, FieldReader::binary(r.at(107, 26), 26)));
    }
}
