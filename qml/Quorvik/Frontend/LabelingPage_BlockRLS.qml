import QtQuick
import Quorvik.Backend

LabelingPage_BlockRLSForm {
    id: page
    objectName: "LabelingPage_BlockRLS"

    // Same line as the country page: log readers match on it.
    Component.onCompleted: console.log("LabelingPage_BoxCountryForm component completed")
}
