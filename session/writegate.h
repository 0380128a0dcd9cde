#pragma once

#include "records/duplicateguard.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QList>
#include <QString>

class EpirbConfig;

// The one check every write passes, whichever path asks (the wizard, quorvik-cli program,
// the production window, a production plan): the identity rules in full, the block the
// record makes with its message read back against the record, and the other beacons
// that already carry its hex ID.
class WriteGate
{
    Q_DECLARE_TR_FUNCTIONS(WriteGate)

public:
    struct Verdict
    {
        enum Kind { Go, Refused, Duplicate };
        Kind kind = Refused;
        // Refused: why, as the user is told. Duplicate: the hex ID.
        QString text;
        // The block to write (Go and Duplicate).
        QByteArray block;
        // Duplicate: every other beacon carrying the hex ID.
        QList<DuplicateGuard::Holder> holders;
        bool go() const { return kind == Go; }
    };

    explicit WriteGate(const DuplicateGuard *guard);

    // The record must be ready for writing (stamped, message computed, texts limited to
    // what the block holds); nothing in it is changed here.
    Verdict check(const EpirbConfig &record) const;

    // The message a block carries; the older models' blocks are not decoded, and theirs
    // is the record's.
    static QByteArray messageOfBlock(const QByteArray &block, const EpirbConfig &record);

private:
    const DuplicateGuard *m_guard;
};
