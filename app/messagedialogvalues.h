#pragma once

#include <QObject>
#include <QtQml/qqmlregistration.h>

// The standard dialog buttons, for the pages' message dialogs.
class MessageDialogValues : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON
    QML_UNCREATABLE("Enums only")

public:
    enum StandardButton {
        NoButton = 0,
        Ok = 1024,
        Save = 2048,
        SaveAll = 4096,
        Open = 8192,
        Yes = 16384,
        YesToAll = 32768,
        No = 65536,
        NoToAll = 131072,
        Abort = 262144,
        Retry = 524288,
        Ignore = 1048576,
        Close = 2097152,
        Cancel = 4194304,
        Discard = 8388608,
        Help = 16777216,
        Apply = 33554432,
        Reset = 67108864,
        RestoreDefaults = 134217728,
        YesNo = Yes | No
    };
    Q_ENUM(StandardButton)

    explicit MessageDialogValues(QObject *parent = nullptr) : QObject(parent) {}
};
