import QtQuick

// One line of caption and value.
TextandparamForm {
    visible: !(hideOnEmptyOrNA && (paramText === "" || paramText === "N/A"))
}
