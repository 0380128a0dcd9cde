#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include <functional>

class DatabaseIfc;
class EpirbConfig;

// One hex ID, one beacon: finds the other beacons (another model or serial number)
// that already carry the 15-hex ID a beacon is about to be programmed with.
class DuplicateGuard
{
public:
    // A beacon that carries the ID, as far as where it was found knows it.
    struct Holder
    {
        int beaconType = -1;   // the model's number; -1 when the source does not know it
        QString model;         // the model's name as shown to the user
        QString serial;
        QDate progDate;
        QString station;
        QString operatorName;
        QString foundIn;       // where the beacon was found, for the user
    };

    // The register's answer: the others carrying hexId; when there are none and reserve
    // is set, the register reserves the ID for the beacon of type (the model's number as
    // text) and serial. error is set when the register could not be asked.
    using ExtraLookup = std::function<QList<DuplicateGuard::Holder>(const QString &hexId, const QString &type,
                                                                    const QString &serial, bool reserve,
                                                                    QString *error)>;

    explicit DuplicateGuard(const DatabaseIfc *db);

    void setExtraLookup(ExtraLookup lookup);

    // Every other beacon carrying hexId, this station's database first. A register
    // that cannot be asked leaves error set and its part of the answer out.
    QList<Holder> othersCarrying(const QString &hexId, int beaconType, const QString &serial,
                                 QString *error = nullptr) const;
    // The same for the beacon a record describes and the ID its message carries.
    QList<Holder> othersCarrying(const EpirbConfig &record, QString *error = nullptr) const;

    // A stored record as a holder.
    static Holder holderOf(const EpirbConfig &record, const QString &foundIn);
    // "Skua P5 12345, programmed 2024-05-17 at Station 7 by Op (database of this station)".
    static QString describe(const Holder &holder);

private:
    const DatabaseIfc *m_db;
    ExtraLookup m_extra;
};
