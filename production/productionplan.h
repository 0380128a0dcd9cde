#pragma once

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

class EpirbConfig;

// A batch of beacons to program: a CSV file with a header and one row per beacon,
// keyed by the beacon's own serial number. Values a row leaves out come from the
// defaults given for the whole batch. A plan is taken whole or not at all: every row
// must pass the same identity rules as the wizard before the first beacon is written.
class ProductionPlan
{
public:
    struct Row
    {
        int line = 0; // in the file, from 1 (the header)
        QString serial;
        QMap<QString, QString> values; // column -> text as given (not empty)
    };

    // The columns a plan may have; "serial" is required.
    static const QStringList &columns();

    // False with errors() when the file cannot be read or any row is bad.
    bool load(const QString &path, const QMap<QString, QString> &defaults);
    bool parse(const QByteArray &text, const QMap<QString, QString> &defaults);

    // One "line N: reason" per bad row (or per bad header / bad default).
    QStringList errors() const { return m_errors; }
    // What the reader decided that the technician should know (a semicolon-separated file).
    QStringList notes() const { return m_notes; }
    const QList<Row> &rows() const { return m_rows; }
    int size() const { return int(m_rows.size()); }
    // Index of the row for a serial number, -1 when the plan has none.
    int indexOf(const QString &serial) const;
    // The row's value, else the default, else empty.
    QString value(int row, const QString &column) const;
    QString path() const { return m_path; }
    // The file name without folder and extension: names the record and the label folder.
    QString name() const;

    // Gives a record read from the beacon the row's identity, owner and battery expiry.
    // Empty when it passes the identity rules, else why not.
    QString applyTo(int row, EpirbConfig &config) const;
    // The record a row makes for a beacon with its serial number, message computed.
    // Empty when it passes the identity rules, else why not.
    QString recordOf(int row, EpirbConfig &config) const;

    // CSV as RFC 4180 has it: a quote opens a field only at its start, "" inside a quoted
    // field is one quote, and a quoted field may span lines. A record with a stray or
    // unclosed quote is left out, and errors gets "line N: why" for it.
    static QList<QPair<int, QStringList>> splitCsv(const QString &text, QChar separator, QStringList *errors);
    static QString csvField(const QString &text);

private:
    static QString applyValues(const QMap<QString, QString> &values, EpirbConfig &config);
    QString checkRow(const Row &row, EpirbConfig &config) const;

    QString m_path;
    QMap<QString, QString> m_defaults;
    QList<Row> m_rows;
    QStringList m_errors;
    QStringList m_notes;
};
