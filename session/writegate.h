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
        // Unchecked: the register is set up but could not answer; asked about as a
        // duplicate is, since an ID nobody could look up is no free ID.
        enum Kind { Go, Refused, Duplicate, Unchecked };
        Kind kind = Refused;
        // Refused: why, as the user is told. Duplicate and Unchecked: the hex ID.
        QString text;
        // The block to write (Go, Duplicate and Unchecked).
        QByteArray block;
        // Duplicate and Unchecked: every other beacon found carrying the hex ID.
        QList<DuplicateGuard::Holder> holders;
        // Unchecked: why the register could not answer.
        QString registerError;
        bool go() const { return kind == Go; }
    };

    explicit WriteGate(const DuplicateGuard *guard);

    // The record must be ready for writing (stamped, message computed, texts limited to
    // what the block holds); nothing in it is changed here.
    Verdict check(const EpirbConfig &record) const;

    // The message a block carries; the older models' blocks are not decoded, and theirs
    // is the record's.
    static QByteArray messageOfBlock(const QByteArray &block, const EpirbConfig &record);
    // What the technician is told of an unchecked ID.
    static QString uncheckedText();

private:
    const DuplicateGuard *m_guard;
};
