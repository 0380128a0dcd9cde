import QtQuick
import QtQuick.Controls
import QtQuick.Shapes
import QtQml.Models
import Quorvik.Backend

// Table with a sortable header and row selection.
AldmarTableViewForm {
    id: root

    enum SelectionMode { NoSelection, SingleSelection, MultiSelection }
    enum SortOrder { Ascending, Descending }

    property var model: null
    property ItemSelectionModel selectionModel: ItemSelectionModel { model: root.model }
    property int selectionMode: AldmarTableView.NoSelection
    property bool tooltipOnPress: false
    property real itemLeftMargin: 12
    property int sortColumn: -1
    property int sortOrder: Qt.AscendingOrder
    property bool allowSorting: true
    property real sortIndicatorSize: 20
    readonly property real sortIndicatorMargins: 5
    property bool adjustHeaderSizeForSortIndicator: false
    property var columnWidthProvider: undefined
    // A tag shown in one column of the rows whose model role markRole is true.
    property string markRole: ""
    property int markColumn: 0
    property string markText: ""
    signal doubleClicked(int button, int row, int column)

    // Bumped on every selection change so that cells repaint.
    property int selectionRevision: 0

    function positionViewAtRowTop(row) {
        tableView.positionViewAtRow(row, TableView.AlignTop)
    }

    function positionViewAtRowCenter(row) {
        tableView.positionViewAtRow(row, TableView.AlignVCenter)
    }

    function select(index, flags) {
        selectionModel.select(index, flags)
    }

    function clearSelection() {
        selectionModel.clearSelection()
    }

    function rowCount() {
        return tableView.rows
    }

    function headerClicked(column) {
        if (!allowSorting)
            return
        if (column === sortColumn) {
            sortOrder = sortOrder === Qt.AscendingOrder ? Qt.DescendingOrder : Qt.AscendingOrder
        } else {
            sortColumn = column
            sortOrder = Qt.AscendingOrder
        }
        if (model)
            model.sort(sortColumn, sortOrder)
    }

    function cellClicked(row) {
        if (!model || selectionMode === AldmarTableView.NoSelection)
            return
        const index = model.index(row, 0)
        if (selectionMode === AldmarTableView.SingleSelection) {
            selectionModel.select(index, ItemSelectionModel.ClearAndSelect | ItemSelectionModel.Rows
                                  | ItemSelectionModel.Current)
        }
        else {
            // With the Current flag each toggle would replace the previous one instead of adding to it.
            selectionModel.select(index, ItemSelectionModel.Toggle | ItemSelectionModel.Rows)
            selectionModel.setCurrentIndex(index, ItemSelectionModel.NoUpdate)
        }
    }

    // The row the keyboard is on: the current row of the selection, else the first selected.
    function keyRow() {
        const current = selectionModel.currentIndex
        if (current && current.valid)
            return current.row
        const selected = selectionModel.hasSelection ? selectionModel.selectedRows(0) : []
        return selected.length > 0 ? selected[0].row : -1
    }

    // Up/Down/Page keys/Home/End move the current row (and select it where rows are selected),
    // Space selects it, Return opens it as a double click would.
    function moveKeyRow(step) {
        const rows = tableView.rows
        if (!model || rows <= 0)
            return
        const from = keyRow()
        const row = Math.max(0, Math.min(rows - 1, from < 0 ? (step > 0 ? 0 : rows - 1) : from + step))
        const index = model.index(row, 0)
        if (selectionMode === AldmarTableView.SingleSelection)
            cellClicked(row)
        selectionModel.setCurrentIndex(index, ItemSelectionModel.NoUpdate)
        tableView.positionViewAtRow(row, TableView.Contain)
    }

    function pageRows() {
        return Math.max(1, Math.floor(tableView.height / AldmarStyle.jTableRowHeight) - 1)
    }

    activeFocusOnTab: true
    Keys.onUpPressed: moveKeyRow(-1)
    Keys.onDownPressed: moveKeyRow(1)
    Keys.onPressed: function (event) {
        if (event.key === Qt.Key_PageUp)
            moveKeyRow(-pageRows())
        else if (event.key === Qt.Key_PageDown)
            moveKeyRow(pageRows())
        else if (event.key === Qt.Key_Home)
            moveKeyRow(-tableView.rows)
        else if (event.key === Qt.Key_End)
            moveKeyRow(tableView.rows)
        else if (event.key === Qt.Key_Space && keyRow() >= 0)
            cellClicked(keyRow())
        else if ((event.key === Qt.Key_Return || event.key === Qt.Key_Enter) && keyRow() >= 0)
            doubleClicked(Qt.LeftButton, keyRow(), 0)
        else
            return
        event.accepted = true
    }

    FocusFrame { gap: 0 }

    // A cell's row read out: "column title: value" for every column.
    function rowText(row) {
        if (!model || row < 0)
            return ""
        const parts = []
        const columns = tableView.columns
        for (let c = 0; c < columns; ++c) {
            const title = model.headerData(c, Qt.Horizontal)
            const value = model.data(model.index(row, c))
            parts.push((title !== undefined && title !== null ? title + ": " : "")
                       + (value !== undefined && value !== null ? value : ""))
        }
        return QMLProxy.plainText(parts.join(", "))
    }

    function columnWidth(column) {
        if (typeof columnWidthProvider !== "function")
            return -1
        let width = columnWidthProvider(column)
        if (adjustHeaderSizeForSortIndicator && column === sortColumn && width !== -1) {
            const extra = sortIndicatorSize + 2 * sortIndicatorMargins
            if (!(header.implicitColumnWidth(column) + extra < width))
                width += extra
        }
        return width
    }

    tableView.model: model
    tableView.selectionModel: selectionModel
    tableView.columnWidthProvider: columnWidth
    tableView.delegate: cellDelegate
    header.delegate: headerDelegate

    onWidthChanged: tableView.forceLayout()
    onSortColumnChanged: tableView.forceLayout()
    onColumnWidthProviderChanged: tableView.forceLayout()

    Connections {
        target: root.selectionModel
        function onSelectionChanged() { root.selectionRevision++ }
        function onModelChanged() { root.selectionRevision++ }
    }

    Accessible.role: Accessible.Table
    Accessible.name: objectName
    Accessible.description: qsTr("%n row(s)", "", tableView.rows)

    Component {
        id: headerDelegate
        Rectangle {
            id: headerCell
            required property int index
            required property var display
            readonly property bool sorted: headerCell.index === root.sortColumn
            readonly property bool automaticWidth: typeof root.columnWidthProvider !== "function"
            implicitHeight: AldmarStyle.jTableRowHeight
            implicitWidth: title.implicitWidth + 5
                           + (automaticWidth && sorted ? root.sortIndicatorSize + 2 * root.sortIndicatorMargins : 0)
            color: AldmarStyle.jTableHeaderColor
            Accessible.role: Accessible.ColumnHeader
            Accessible.name: QMLProxy.plainText(title.text)
            Accessible.onPressAction: root.headerClicked(headerCell.index)

            Text {
                id: title
                x: 5
                anchors.verticalCenter: parent.verticalCenter
                text: headerCell.display !== undefined && headerCell.display !== null ? headerCell.display : ""
                font.family: AldmarStyle.jFont
                font.pointSize: AldmarStyle.jFontSizeNormal
                font.bold: true
                color: AldmarStyle.jTableHeaderTextColor
                Accessible.ignored: true
            }

            Shape {
                id: sortIndicator
                objectName: "sortIndicator"
                visible: headerCell.sorted
                width: root.sortIndicatorSize
                height: root.sortIndicatorSize
                anchors.right: parent.right
                anchors.rightMargin: root.sortIndicatorMargins
                anchors.verticalCenter: parent.verticalCenter
                rotation: root.sortOrder === Qt.AscendingOrder ? 0 : 180
                ShapePath {
                    strokeWidth: 0
                    strokeColor: "transparent"
                    fillColor: AldmarStyle.jTableHeaderTextColor
                    startX: 0
                    startY: sortIndicator.height * 0.8
                    PathLine { x: sortIndicator.width / 2; y: sortIndicator.height * 0.2 }
                    PathLine { x: sortIndicator.width; y: sortIndicator.height * 0.8 }
                    PathLine { x: 0; y: sortIndicator.height * 0.8 }
                }
            }

            TapHandler {
                onTapped: root.headerClicked(headerCell.index)
            }
        }
    }

    Component {
        id: cellDelegate
        Rectangle {
            id: cell
            required property int row
            required property int column
            required property var display
            required property var model
            // The mark belongs to the row; its tag is shown in one column.
            readonly property bool rowMarked: root.markRole !== "" && cell.model[root.markRole] === true
            readonly property bool marked: rowMarked && cell.column === root.markColumn
            readonly property bool selected: {
                root.selectionRevision
                return root.selectionModel.isRowSelected(cell.row)
            }
            // A cell the table keeps for reuse is out of sight and out of the accessibility tree.
            property bool pooled: false
            TableView.onPooled: pooled = true
            TableView.onReused: pooled = false
            visible: !pooled
            implicitWidth: 200
            implicitHeight: AldmarStyle.jTableRowHeight
            color: selected ? AldmarStyle.jTableRowSelectedColor
                            : (cell.row % 2 ? AldmarStyle.jTableRowSecondaryColor : AldmarStyle.jTableRowPrimaryColor)
            Accessible.role: Accessible.Cell
            Accessible.name: QMLProxy.plainText(cellText.text)
            // The whole row, so that a reader landing on any cell hears what the row is.
            Accessible.description: {
                cell.display
                return cell.pooled ? "" : root.rowText(cell.row) + (cell.rowMarked ? ", " + root.markText : "")
            }
            Accessible.selectable: root.selectionMode !== AldmarTableView.NoSelection
            Accessible.selected: selected
            Accessible.onPressAction: root.cellClicked(cell.row)

            Text {
                id: cellText
                anchors.left: parent.left
                anchors.leftMargin: root.itemLeftMargin
                anchors.right: cell.marked ? markTag.left : parent.right
                anchors.rightMargin: cell.marked ? 6 : 0
                anchors.verticalCenter: parent.verticalCenter
                text: cell.display !== undefined && cell.display !== null ? cell.display : ""
                elide: Text.ElideRight
                font.family: AldmarStyle.jFont
                font.pointSize: AldmarStyle.jFontSizeNormal
                color: cell.selected ? AldmarStyle.jTextBrightColor : AldmarStyle.jTextColor
                Accessible.ignored: true
            }

            Rectangle {
                id: markTag
                objectName: "cellMark"
                visible: cell.marked
                anchors.right: parent.right
                anchors.rightMargin: 6
                anchors.verticalCenter: parent.verticalCenter
                width: visible ? markLabel.implicitWidth + 12 : 0
                height: markLabel.implicitHeight + 4
                radius: 4
                color: AldmarStyle.jTableMarkColor
                Accessible.ignored: true

                Text {
                    id: markLabel
                    anchors.centerIn: parent
                    text: root.markText
                    font.family: AldmarStyle.jFont
                    font.pointSize: AldmarStyle.jFontSizeSmall
                    font.bold: true
                    color: AldmarStyle.jTableMarkTextColor
                    Accessible.ignored: true
                }
            }

            ToolTip {
                id: cellTip
                objectName: "cellToolTip"
                text: cellText.text
                timeout: 5000
            }

            MouseArea {
                anchors.fill: parent
                acceptedButtons: Qt.LeftButton | Qt.RightButton
                onClicked: function(mouse) {
                    if (mouse.button === Qt.LeftButton)
                        root.cellClicked(cell.row)
                }
                onDoubleClicked: function(mouse) { root.doubleClicked(mouse.button, cell.row, cell.column) }
                onPressAndHold: function(mouse) {
                    if (mouse.button === Qt.LeftButton && root.tooltipOnPress && cellText.truncated)
                        cellTip.open()
                }
                onReleased: cellTip.close()
            }
        }
    }
}
