import QtQuick

// Page heading; a heading too wide for its page gets smaller, down to the normal text size.
PageIdentifierTextForm {
    id: heading

    Component.onCompleted: {
        if (!parent || parent.width <= 0)
            return
        const limit = parent.width - autoResizeMargin
        if (implicitWidth <= limit)
            return
        while (idText.font.pointSize > AldmarStyle.jFontSizeNormal && implicitWidth > limit)
            idText.font.pointSize -= 1
        console.log("Scaled header down to point size " + idText.font.pointSize)
    }
}
