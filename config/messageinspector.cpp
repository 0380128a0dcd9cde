#include "config/messageinspector.h"

#include "coding/messagedecoder.h"
#include "config/countrycodemodel.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QJSEngine>
#include <QQmlEngine>
#include <QJsonDocument>
#include <QPointer>
#include <QVariantList>

namespace {
QPointer<MessageInspector> s_instance;
}

MessageInspector::MessageInspector(QObject *parent)
    : QObject(parent)
{
}

MessageInspector *MessageInspector::instance(QObject *parent)
{
    if (!s_instance)
        s_instance = new MessageInspector(parent);
    return s_instance;
}

MessageInspector *MessageInspector::create(QQmlEngine *qmlEngine, QJSEngine *jsEngine)
{
    // It holds no state: the engine that first asks for it may as well own it.
    MessageInspector *inspector = instance(qmlEngine);
    if (jsEngine)
        QJSEngine::setObjectOwnership(inspector, QJSEngine::CppOwnership);
    return inspector;
}

QVariantMap MessageInspector::decode(const QString &text) const
{
    const MessageDecoder::Result r = MessageDecoder::decodeText(text, CountryCodeModel::instance(nullptr)->nameLookup());
    QVariantMap out;
    out.insert(QStringLiteral("ok"), r.ok);
    out.insert(QStringLiteral("error"), r.error);
    QVariantList fields;
    for (const MessageDecoder::Field &f : r.fields) {
        fields.append(QVariantMap { { QStringLiteral("key"), f.key },
                                    { QStringLiteral("label"), f.label },
                                    { QStringLiteral("value"), f.value },
                                    { QStringLiteral("problem"), f.problem } });
    }
    out.insert(QStringLiteral("fields"), fields);
    QVariantList bits;
    for (const MessageDecoder::BitRow &row : r.bits) {
        bits.append(QVariantMap { { QStringLiteral("range"), row.range },
                                  { QStringLiteral("field"), row.field },
                                  { QStringLiteral("value"), row.value } });
    }
    out.insert(QStringLiteral("bits"), bits);
    out.insert(QStringLiteral("json"), r.ok ? QString::fromUtf8(QJsonDocument(r.json).toJson(QJsonDocument::Indented)) : QString());
    out.insert(QStringLiteral("text"), r.ok ? MessageDecoder::plainText(r) : QString());
    return out;
}

QStringList MessageInspector::compare(const QString &text, const QString &other) const
{
    return MessageDecoder::differingKeys(MessageDecoder::decodeText(text, CountryCodeModel::instance(nullptr)->nameLookup()), MessageDecoder::decodeText(other, CountryCodeModel::instance(nullptr)->nameLookup()));
}

bool MessageInspector::messageFails(const QString &hexMessage) const
{
    return MessageDecoder::storedMessageFails(QByteArray::fromHex(hexMessage.toLatin1()));
}

void MessageInspector::copyToClipboard(const QString &text) const
{
    if (QClipboard *clipboard = QGuiApplication::clipboard())
        clipboard->setText(text);
}
