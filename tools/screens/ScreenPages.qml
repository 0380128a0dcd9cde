import QtQuick

// Every page quorvik-screens shows, one entry each. The PNG is named after `file`
// (".qml" dropped), with "-" + `suffix` for a variant.
//
//   file        the page's QML file (also the picture name)
//   scene       "main" (default) or "production": the window the page is shown in
//   page        a page to show with mainView.setWithProperties(page, properties)
//   push        true: mainView.pushWithProperties instead (stacked over what `before` set up)
//   properties  properties of the page
//   wizardPage  a wizard page: ProgrammingSwipeView opened with initialPage at that file
//   firstStart  true: settings of a fresh installation (first-time set-up)
//   database    [[serial, owner], ...] stored beacons before the page opens
//   popup       true: the settings pop-up open
//   menu        index of the menu entry shown selected
//   before      JavaScript run before the page is shown (same scope as `run`), e.g.
//               "QMLProxy.configPending.setProtocolId(ConfigTables.E_UserSerialPlb)"
//   run         JavaScript run before the picture is taken, with `scene` (the window),
//               `view` (QuorvikContext.mainView) and `page` (the current page) in scope;
//               Quorvik.Backend and Quorvik.Frontend are imported
//   wait        extra milliseconds to wait before the picture (default 0)
QtObject {
    readonly property var pages: [
        // The windows and the frame.
        { file: "QMLScene.qml" },
        { file: "QMLSceneProduction.qml", scene: "production" },
        { file: "QMLScene.qml", suffix: "menu", popup: true },
        { file: "QMLScene.qml", suffix: "programming", run: "QuorvikContext.menubar.menuProgrammingSetup()" },
        { file: "ControlGallery.qml", page: "qrc:/screens/ControlGallery.qml",
          database: [["20002", "Bjorn"], ["10001", "Astrid"], ["30003", "Carl"]] },
        { file: "ControlGallery.qml", suffix: "2", page: "qrc:/screens/ControlGallery.qml",
          database: [["20002", "Bjorn"], ["10001", "Astrid"], ["30003", "Carl"]],
          run: "page.flickable.contentY = page.flickable.contentHeight - page.flickable.height" },

        // Programming wizard and production pages.


        // Read-out, boot-log and database pages.


        // Set-up, settings, labelling guide and about pages.

    ]
}
