#pragma once

#include "config/protocolmodel.h"

#include <QByteArray>
#include <QDateTime>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <cstdint>

class EpirbConfig;
class QJSEngine;
class QQmlEngine;

// What identity a protocol carries and what a typed value of it means. Pages, the
// command line, production and the controller's check before a write all ask here, so
// what is accepted, what is shown and what is written cannot drift apart.
//
// Fields: "mmsi" (MMSI or call sign), "beaconNo", "serial" (serial number, or a
// country's call sign standing for it), "nationalId", "nationalData".
class IdentityRules : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    explicit IdentityRules(QObject *parent);

    static IdentityRules *instance(QObject *parent);
    static IdentityRules *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

    // The fields a protocol's identity is made of, in the order a page shows them.
    Q_INVOKABLE static QStringList fields(int protocol);
    Q_INVOKABLE static bool hasField(int protocol, const QString &field) { return fields(protocol).contains(field); }
    Q_INVOKABLE static QString caption(const QString &field, int protocol, int rawCountryCode);
    // Characters a field takes at most (typing stops there; nothing typed is cut away).
    Q_INVOKABLE static int maxLength(const QString &field, int protocol, int rawCountryCode);
    // The beacon number limit (exclusive) of the protocol.
    Q_INVOKABLE static int beaconNoMaximum(int protocol);
    // Empty when text is acceptable for the field, else the text to show the user.
    // deltaPosition only matters for "nationalData".
    Q_INVOKABLE static QString check(const QString &field, int protocol, int rawCountryCode, const QString &text,
                                     bool deltaPosition = false);
    // What an acceptable text means for the message: a 9-digit MMSI whose first three
    // digits are the country's MID is its last six; "LC1234" is 1234. The text itself
    // when it is not acceptable.
    Q_INVOKABLE static QString meaning(const QString &field, int protocol, int rawCountryCode, const QString &text);

    // The beacon's own serial number typed in when it is not read: five digits within the
    // model's limit. Empty when acceptable, else the text to show.
    Q_INVOKABLE static QString checkBeaconSerial(int beaconType, const QString &text);
    // A battery expiry typed as "MM/YYYY"; empty when acceptable, else the text to show.
    Q_INVOKABLE static QString checkBatteryExpiry(const QString &text);
    // The first day of the month of an acceptable "MM/YYYY".
    Q_INVOKABLE static QDateTime batteryExpiryDate(const QString &text);

    // Enabled for the model the tables were set to (updateProtocolList), and allowed by the
    // country: what the protocol page offers.
    Q_INVOKABLE static ProtocolModel *allowedProtocols(int countryCode);
    Q_INVOKABLE static bool isProtocolAllowed(int protocol, int countryCode);
    // The country's own restriction only, whatever protocols are enabled.
    Q_INVOKABLE static bool isProtocolAllowedInCountry(int protocol, int countryCode);
    // The country's conventions for the serial field (Norway's "LCxxxx" call signs).
    Q_INVOKABLE static QString customProtocolInputDescriptionText(int protocol, int countryCode);
    Q_INVOKABLE static QString protocolInputValidationExpr(int protocol, int countryCode);
    Q_INVOKABLE static Qt::InputMethodHints protocolInputMethodHints(int protocol, int countryCode);
    Q_INVOKABLE static QString protocolInputValidationExprCapture(int protocol, int countryCode, QString value);
    Q_INVOKABLE static QString protocolTransformIdentity(int protocol, int countryCode, uint32_t identity);
    // The largest serial number the protocol's message holds (0: none).
    Q_INVOKABLE static int protocolInputValidationInt(int protocol, int countryCode);
    Q_INVOKABLE static bool isCustomSerialForced(int protocol, int countryCode);
    // A protocol serial number other than the beacon's own, and not merely its wrapped form.
    Q_INVOKABLE static bool isCustomSerialInUse(QString beaconSerial, QString protocolSerial, int protocol,
                                                int countryCode);
    // The protocol's field holds the beacon's serial number cut to its width.
    Q_INVOKABLE static bool isSerialWrapped(QString beaconSerial, QString protocolSerial, int protocol,
                                            int countryCode);

    // The identity a record's message carries, decoded from its bytes: keys "valid",
    // "country", "protocol", "mmsi", "beaconNo", "serial", "tac", "nationalId",
    // "nationalData", "deltaPosition", "hexId", "checksum", "fields".
    Q_INVOKABLE static QVariantMap decode(const QByteArray &message);
    Q_INVOKABLE static QVariantMap decodeRecord(EpirbConfig *config);
    // The same for the message the record's fields make now, which is what will be written:
    // pages that show an identity value before the message is computed ask here.
    Q_INVOKABLE static QVariantMap decodeComposed(EpirbConfig *config);
    // The TAC the beacon will carry, as every page shows it: the one its message carries when
    // the protocol's identity has one (RLS numbers with their offset, 0 made 1), else the
    // one its data block keeps.
    Q_INVOKABLE static int writtenTac(EpirbConfig *config);

    // A new protocol or country for a record: what the previous one's fields held is
    // cleared unless it is valid, and means the same, for the new one. With only one
    // protocol enabled, a new country also takes the one protocol it allows (none: the
    // protocol stays and checkRecord() says why it cannot be written).
    Q_INVOKABLE static void changeProtocol(EpirbConfig *config, int protocol);
    Q_INVOKABLE static void changeCountry(EpirbConfig *config, int countryCode);
    // Empty when the record's protocol may be written for its country, else why not.
    Q_INVOKABLE static QString protocolProblem(EpirbConfig *config);

    // False where the program cannot code the protocol for the model and country.
    Q_INVOKABLE static bool isProtocolSupported(int beaconType, int countryCode, int protocol);

    // Every rule the wizard applies to the same values, for any write: the model's and the
    // enabled protocols, the test-protocol switch, the country list and country rules, the
    // serial-override setting, what the protocol carries and first/second EPIRB. Empty when
    // all pass, else the first refusal as a sentence for the user.
    static QString checkRecord(const EpirbConfig &config);
    // Compares the identity a message carries with the record it was made from, field by
    // field. Empty when they agree, else a text naming the first field that differs, e.g.
    // "MMSI 265123 in the message, 265123456 entered".
    static QString compareMessage(const EpirbConfig &config, const QByteArray &message);
    // The TAC a record stands for with its protocol (the offset RLS numbers included).
    static int recordTac(const EpirbConfig &config);

private:
    static QPointer<IdentityRules> s_instance;
};
