#include "session/writegate.h"

#include "config/datablockcodec.h"
#include "config/epirbconfig.h"
#include "config/identityrules.h"

#include <QDebug>

WriteGate::WriteGate(const DuplicateGuard *guard)
    : m_guard(guard)
{
}

QByteArray WriteGate::messageOfBlock(const QByteArray &block, const EpirbConfig &record)
{
    EpirbConfig written(nullptr);
    if (decodeDataBlock(block, written))
        return written.messageBytes();
    return record.messageBytes();
}

QString WriteGate::uncheckedText()
{
    return tr("The shared register cannot be reached: this ID was checked against this station only");
}

WriteGate::Verdict WriteGate::check(const EpirbConfig &record) const
{
    Verdict verdict;
    // The rules first: they say what is wrong with what was entered.
    QString why = IdentityRules::checkRecord(record);
    if (why.isEmpty()) {
        verdict.block = encodeDataBlock(record);
        if (verdict.block.isEmpty())
            why = tr("the configuration does not make a data block");
    }
    // What goes out is the block: its message, read back, must carry the record's identity.
    if (why.isEmpty())
        why = IdentityRules::compareMessage(record, messageOfBlock(verdict.block, record));
    if (!why.isEmpty()) {
        verdict.kind = Verdict::Refused;
        verdict.text = why;
        verdict.block.clear();
        return verdict;
    }
    if (m_guard) {
        QString registerError;
        verdict.holders = m_guard->othersCarrying(record, &registerError);
        if (!registerError.isEmpty()) {
            qWarning().noquote() << "Duplicate check: the shared register could not be asked (" + registerError
                    + "); only this station's database was searched";
            verdict.kind = Verdict::Unchecked;
            verdict.text = record.epirbHexMsg();
            verdict.registerError = registerError;
            return verdict;
        }
    }
    if (!verdict.holders.isEmpty()) {
        verdict.kind = Verdict::Duplicate;
        verdict.text = record.epirbHexMsg();
        return verdict;
    }
    verdict.kind = Verdict::Go;
    return verdict;
}
