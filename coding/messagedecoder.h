#pragma once

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

#include <functional>

class EpirbMsgBase;

// Decodes a hex ID or a 406 MHz message typed by a person or given to quorvik-cli:
// one decode for the window's inspector and the command line, so both say the same.
class MessageDecoder
{
public:
    // The name of a country code, empty for a code the caller's list does not hold.
    using CountryNames = std::function<QString(int)>;

    struct Field
    {
        QString key;     // the JSON member it shows, or a name of its own
        QString label;
        QString value;
        bool problem = false; // shown as an error (a failed check, an unknown code)
    };
    struct BitRow
    {
        QString range;
        QString field;
        QString value;
    };
    struct Result
    {
        bool ok = false;
        QString error;
        bool wholeMessage = false;
        QJsonObject json;
        QList<Field> fields;
        QList<BitRow> bits;
        QStringList problems; // what the decode cannot read, each named; also the JSON's "problems"
        QStringList notes;    // national-use bits, named but valid; the JSON's "notes"
    };

    // What any input that is not accepted is told.
    static QString acceptedLengths();

    // Exactly the digits given: 15 (hex ID), 22/30 (message without sync), 28/36 (with sync).
    static Result decodeHex(const QByteArray &digits, const CountryNames &countryNames);
    // Pasted or typed text: blanks and line ends are ignored, any case.
    static Result decodeText(const QString &text, const CountryNames &countryNames);
    // A decode the command line reports as a failure (exit code 1): a BCH code fails, or a problem is named.
    static bool fails(const Result &result);

    // The JSON of one message: what quorvik-cli msg decode and msg encode print.
    static QJsonObject describe(const EpirbMsgBase &msg, bool wholeMessage);

    // A stored message that fails BCH-1 or BCH-2 (or is cut short); an empty one does not.
    static bool storedMessageFails(const QByteArray &messageBytes);
    // bch1Valid, bch2Valid, bch1Computed, bch2Computed of stored bytes (null when empty).
    static QJsonObject bchJson(const QByteArray &messageBytes);

    // The keys of the fields that both decodes show and that differ.
    static QStringList differingKeys(const Result &a, const Result &b);
    // The decode as lines of "label: value", then the bit table.
    static QString plainText(const Result &result);
};
