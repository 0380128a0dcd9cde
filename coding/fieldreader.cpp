#include "coding/fieldreader.h"

#include "coding/epirbmsgbase.h"

#include <QCoreApplication>

#include <cmath>

namespace {

// The decoder's texts share one catalogue context; the functions here have no class of their own.
struct Text
{
    Q_DECLARE_TR_FUNCTIONS(ProtocolFields)
};

QString degrees(double v, const char *pos, const char *neg)
{
    const double a = std::fabs(v);
    int d = int(a);
    const int totalSec = int(std::lround((a - d) * 3600));
    int min = totalSec / 60;
    const int sec = totalSec % 60;
    if (min == 60) {
        min = 0;
        ++d;
    }
    return QStringLiteral("%1°%2'%3\" %4").arg(d).arg(min, 2, 10, QLatin1Char('0')).arg(sec, 2, 10, QLatin1Char('0'))
        .arg(QLatin1String(v < 0 ? neg : pos));
}

} // namespace

FieldReader::FieldReader(const EpirbMsgBase &m, ProtocolFields::Output &o)
    : m(m)
    , o(o)
{
}

uint FieldReader::at(int first, int width) const
{
    return m.bits(first, width);
}

void FieldReader::field(const QString &key, const QString &label, const QString &value, bool problem)
{
    o.fields.append({ key, label, value, problem });
    o.json.insert(key, value);
}

void FieldReader::problem(const QString &text)
{
    o.problems.append(text);
}

void FieldReader::note(const QString &text)
{
    o.notes.append(text);
}

void FieldReader::row(int first, int width, const QString &name, const QString &value)
{
    const QString range = width == 1 ? QString::number(first) : QStringLiteral("%1-%2").arg(first).arg(first + width - 1);
    o.bits.append({ range, name, value });
}

void FieldReader::bin(int first, int width, const QString &name)
{
    row(first, width, name, binary(at(first, width), width));
}

void FieldReader::dec(int first, int width, const QString &name)
{
    row(first, width, name, QStringLiteral("%1 (%2)").arg(at(first, width)).arg(binary(at(first, width), width)));
}

QString FieldReader::baudot(int first, int chars, int width, const QString &what)
{
    QString text;
    for (int i = 0; i < chars; ++i) {
        const uint raw = at(first + width * i, width);
        const uint code = width == 5 ? (raw | 0x20) : raw;
        const char c = EpirbMsgBase::fromBaudot(code);
        const bool space = code == 0x24;
        if ((c == ' ' && !space) || (width == 5 && space)) {
            text += QLatin1Char('<') + binary(raw, width) + QLatin1Char('>');
            problem(Text::tr("%1: character %2 has no modified-Baudot meaning (%3)").arg(what).arg(i + 1).arg(binary(raw, width)));
        } else {
            text += QLatin1Char(c);
        }
    }
    row(first, width * chars, what, QStringLiteral("\"%1\"").arg(text));
    return text;
}

std::pair<FieldReader::Coordinate, FieldReader::Coordinate> FieldReader::coarsePosition(int first, int minuteBits,
                                                                                      int stepMinutes)
{
    const int lonFirst = first + 8 + minuteBits;
    bin(first, 1, Text::tr("Latitude N/S"));
    dec(first + 1, 7, Text::tr("Latitude degrees"));
    dec(first + 8, minuteBits, Text::tr("Latitude minutes (%1-minute steps)").arg(stepMinutes));
    bin(lonFirst, 1, Text::tr("Longitude E/W"));
    dec(lonFirst + 1, 8, Text::tr("Longitude degrees"));
    dec(lonFirst + 9, minuteBits, Text::tr("Longitude minutes (%1-minute steps)").arg(stepMinutes));
    return { { at(first, 1), at(first + 1, 7) + at(first + 8, minuteBits) * stepMinutes / 60.0 },
             { at(lonFirst, 1), at(lonFirst + 1, 8) + at(lonFirst + 9, minuteBits) * stepMinutes / 60.0 } };
}

QString FieldReader::positionText(const Coordinate &lat, const Coordinate &lon, const QString &resolution)
{
    const double la = lat.hemisphere ? -lat.magnitude : lat.magnitude;
    const double lo = lon.hemisphere ? -lon.magnitude : lon.magnitude;
    if (lat.magnitude > 90 || lon.magnitude > 180) {
        problem(Text::tr("the position is out of range (latitude %1, longitude %2)").arg(lat.magnitude).arg(lon.magnitude));
        return Text::tr("invalid (beyond 90° or 180°)");
    }
    return QStringLiteral("%1 %2 (%3, %4), %5").arg(degrees(la, "N", "S"), degrees(lo, "E", "W"))
        .arg(la, 0, 'f', 5).arg(lo, 0, 'f', 5).arg(resolution);
}

double FieldReader::offsetOf(int first, int minuteBits, const QString &name)
{
    const uint sign = at(first, 1);
    const uint minutes = at(first + 1, minuteBits);
    const uint seconds = at(first + 1 + minuteBits, 4) * 4;
    row(first, 5 + minuteBits, name, QStringLiteral("%1%2' %3\" (%4)").arg(sign ? '+' : '-').arg(minutes).arg(seconds)
              .arg(binary(at(first, 5 + minuteBits), 5 + minuteBits)));
    return (sign ? 1 : -1) * (minutes / 60.0 + seconds / 3600.0);
}

QString FieldReader::binary(uint value, int width)
{
    return QStringLiteral("%1").arg(value, width, 2, QLatin1Char('0'));
}

QString FieldReader::hexOf(uint value, int digits)
{
    return QStringLiteral("%1").arg(value, digits, 16, QLatin1Char('0')).toUpper();
}

QString FieldReader::auxDevice(uint code)
{
    static const char *const names[] = { QT_TRANSLATE_NOOP("ProtocolFields", "none"), QT_TRANSLATE_NOOP("ProtocolFields", "121.5 MHz homing"), QT_TRANSLATE_NOOP("ProtocolFields", "maritime 9 GHz SART"), QT_TRANSLATE_NOOP("ProtocolFields", "other auxiliary radio-locating device(s)") };
    return Text::tr(names[code & 3]);
}

QString FieldReader::yesNo(uint bit)
{
    return bit ? Text::tr("yes") : Text::tr("no");
}

QString FieldReader::source(uint bit)
{
    return bit ? Text::tr("internal navigation device") : Text::tr("external navigation device");
}
