import QtQuick
import Quorvik.Backend

LabelingPage_ProtectionForm {
    id: page
    objectName: "LabelingPage_Protection"

    Component.onCompleted: console.log("LabelingPage_ProtectionForm component completed")
}
