#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class QJSEngine;
class QQmlEngine;

// "MessageInspector": the message decoder for the pages. Each call decodes anew; the
// JSON it gives is the one quorvik-cli msg decode prints for the same digits.
class MessageInspector : public QObject
{
    Q_OBJECT
    QML_NAMED_ELEMENT(MessageInspector)
    QML_SINGLETON

public:
    explicit MessageInspector(QObject *parent);
    static MessageInspector *instance(QObject *parent);
    static MessageInspector *create(QQmlEngine *qmlEngine, QJSEngine *jsEngine);

    // { ok, error, fields: [{ key, label, value, problem }], bits: [{ range, field, value }],
    //   json (indented text), text (plain text) }
    Q_INVOKABLE QVariantMap decode(const QString &text) const;
    // Keys of the fields that differ between two decodable inputs; empty otherwise.
    Q_INVOKABLE QStringList compare(const QString &text, const QString &other) const;
    // Whether stored message bytes (as hex) fail a BCH check.
    Q_INVOKABLE bool messageFails(const QString &hexMessage) const;
    Q_INVOKABLE void copyToClipboard(const QString &text) const;
};
