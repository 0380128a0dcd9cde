import QtQuick
import QtQml.Models
import Quorvik.Backend

// Country code of the beacon, picked from the country list with a search filter.
Prog_5_CountryCodeForm {
    id: page
    objectName: "Prog_5_CountryCode"

    heading.idTooltip.visible: true
    heading.idTooltip.text: qsTr("Input relevant letters or digits<br>to filter the list accordingly")

    searchField.Accessible.role: Accessible.EditableText
    searchField.Accessible.name: qsTr("Search country")
    countryTable.Accessible.role: Accessible.Table
    countryTable.Accessible.name: qsTr("Countries")

    SortFilterProxyModel {
        id: countryFilter
        sourceModel: QMLProxy.countryModel
        filterKeyColumn: -1
        filterCaseSensitivity: Qt.CaseInsensitive
        // Typed text is matched literally: "[" or "*" are characters, not a pattern.
        filterSyntax: SortFilterProxyModel.FixedString
        filterString: page.searchField.text
    }

    countryTable.model: countryFilter
    countryTable.columnWidthProvider: function (column) {
        return column === 1 ? countryTable.width - 250 : 250
    }

    searchField.onTextChanged: countryTable.positionViewAtRowTop(0)
    searchField.onAccepted: QMLProxy.hideInputMethod()

    Connections {
        target: page.countryTable.selectionModel
        function onSelectionChanged(selected, deselected) {
            const indexes = page.countryTable.selectionModel.selectedIndexes
            if (indexes.length === 0)
                return
            const index = indexes[0]
            if (!index.valid || index.column !== 0)
                return
            const code = countryFilter.data(index)
            console.log("Country selected: " + code)
            if (code !== undefined) {
                IdentityRules.changeCountry(QMLProxy.configPending, parseInt(code, 10))
                page.pageBrowserNavigationVisible(true, true, true)
            }
        }
    }

    Component.onCompleted: {
        console.log("Created Prog_5")
        const model = QMLProxy.countryModel
        model.selectCountry(QMLProxy.configPending.countryCode())
        const row = model.selectedIndex()
        let selected = false
        if (row >= 0) {
            const index = countryFilter.mapFromSource(model.index(row, 0))
            if (index.valid) {
                countryTable.select(index, QMLProxy.bitOr(QMLProxy.bitOr(ItemSelectionModel.ClearAndSelect,
                                                                         ItemSelectionModel.Rows),
                                                          ItemSelectionModel.Current))
                countryTable.positionViewAtRowCenter(index.row)
                selected = true
            }
        }
        if (!selected)
            countryTable.clearSelection()
        pageBrowserNavigationVisible(true, selected, true)
    }

    Component.onDestruction: console.log("Prog_5 component destroyed")
}
