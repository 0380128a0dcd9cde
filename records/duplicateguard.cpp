#include "records/duplicateguard.h"

#include "config/configtables.h"
#include "config/epirbconfig.h"
#include "records/databaseifc.h"

#include <QCoreApplication>

#include <algorithm>

DuplicateGuard::DuplicateGuard(const DatabaseIfc *db)
    : m_db(db)
{
}

void DuplicateGuard::setExtraLookup(ExtraLookup lookup)
{
    m_extra = std::move(lookup);
}

DuplicateGuard::Holder DuplicateGuard::holderOf(const EpirbConfig &record, const QString &foundIn)
{
    Holder h;
    h.beaconType = record.beaconType();
    h.model = ConfigTables::instance(nullptr)->beaconLongName(record.beaconType());
    h.serial = record.beaconSerial();
    h.progDate = record.progDate();
    h.station = record.progStation();
    h.operatorName = record.progOperator();
    h.foundIn = foundIn;
    return h;
}

QList<DuplicateGuard::Holder> DuplicateGuard::othersCarrying(const QString &hexIdIn, int beaconType,
                                                             const QString &serial, QString *error) const
{
    if (error)
        error->clear();
    QList<Holder> others;
    const QString hexId = hexIdIn.trimmed().toUpper();
    // An ID that is no ID (no message yet) is carried by nobody.
    if (hexId.size() != 15)
        return others;

    if (m_db) {
        const QString here = QCoreApplication::translate("DuplicateGuard", "database of this station");
        for (int i : m_db->indicesCarrying(hexId)) {
            const EpirbConfig *record = m_db->beaconAt(i);
            if (!record || (record->beaconType() == beaconType && record->beaconSerial() == serial))
                continue;
            others << holderOf(*record, here);
        }
    }

    if (m_extra) {
        QString extraError;
        // A holder found here already makes this a duplicate: reserving the ID now would take
        // it from that beacon's own programming still waiting to be sent.
        const bool reserve = others.isEmpty();
        const QList<Holder> found = m_extra(hexId, QString::number(beaconType), serial, reserve, &extraError);
        for (const Holder &h : found) {
            // The register may know this very beacon, or one the database already named.
            if (h.serial == serial && (h.beaconType == beaconType || h.beaconType < 0))
                continue;
            const bool known = std::any_of(others.cbegin(), others.cend(), [&h](const Holder &o) {
                return o.serial == h.serial && o.beaconType == h.beaconType;
            });
            if (!known)
                others << h;
        }
        if (error)
            *error = extraError;
    }
    return others;
}

QList<DuplicateGuard::Holder> DuplicateGuard::othersCarrying(const EpirbConfig &record, QString *error) const
{
    return othersCarrying(record.epirbHexMsg(), record.beaconType(), record.beaconSerial(), error);
}

QString DuplicateGuard::describe(const Holder &h)
{
    const auto tr = [](const char *text) { return QCoreApplication::translate("DuplicateGuard", text); };
    const QString beacon = h.model.isEmpty() ? tr("Beacon %1").arg(h.serial) : h.model + QLatin1Char(' ') + h.serial;
    // Whole sentences, one per set of known facts: word order differs between languages.
    const bool station = !h.station.isEmpty(), by = !h.operatorName.isEmpty();
    QString text;
    if (h.progDate.isValid()) {
        const QString date = h.progDate.toString(Qt::ISODate);
        text = station && by ? tr("%1, programmed %2 at %3 by %4").arg(beacon, date, h.station, h.operatorName)
            : station        ? tr("%1, programmed %2 at %3").arg(beacon, date, h.station)
            : by             ? tr("%1, programmed %2 by %3").arg(beacon, date, h.operatorName)
                             : tr("%1, programmed %2").arg(beacon, date);
    } else {
        text = station && by ? tr("%1, date of programming unknown at %2 by %3").arg(beacon, h.station, h.operatorName)
            : station        ? tr("%1, date of programming unknown at %2").arg(beacon, h.station)
            : by             ? tr("%1, date of programming unknown by %2").arg(beacon, h.operatorName)
                             : tr("%1, date of programming unknown").arg(beacon);
    }
    if (!h.foundIn.isEmpty())
        text += QStringLiteral(" (%1)").arg(h.foundIn);
    return text;
}
