import QtQuick

// Every page quorvik-screens shows, one entry each. The PNG is named after `file`
// (".qml" dropped), with "-" + `suffix` for a variant.
//
//   file        the page's QML file (also the picture name)
//   scene       "main" (default), "production" or "batch" (production with a plan of five, two
//               done and one failed before, the simulated beacon connected as the picture is staged):
//               the window the page is shown in
//   page        a page to show with mainView.setWithProperties(page, properties)
//   push        true: mainView.pushWithProperties instead (stacked over what `before` set up)
//   properties  properties of the page
//   wizardPage  a wizard page: ProgrammingSwipeView opened with initialPage at that file
//   firstStart  true: settings of a fresh installation (first-time set-up)
//   database    [[serial, owner, extra], ...] stored beacons before the page opens; extra (optional)
//               may hold protocol (a ConfigTables protocol number), mmsi, beaconNo, additionalData,
//               additionalDataType, customSerial, tacNoRlsPlb, station, operator, address, other, note
//   generated   that many more stored beacons (distinct serials and dates), as the benchmark has them
//   popup       true: the settings pop-up open
//   menu        index of the menu entry shown selected
//   before      JavaScript run before the page is shown (same scope as `run`), e.g.
//               "QMLProxy.configPending.setProtocolId(ConfigTables.E_UserSerialPlb)"
//   run         JavaScript run before the picture is taken, with `scene` (the window),
//               `view` (QuorvikContext.mainView) and `page` (the current page) in scope;
//               Quorvik.Backend and Quorvik.Frontend are imported
//   shows       the wizard page the page must have led to by the time of the picture
//   wait        extra milliseconds to wait before the picture (default 0)
QtObject {
    readonly property var pages: [
        // The windows and the frame.
        { file: "QMLScene.qml" },
        { file: "QMLSceneProduction.qml", scene: "production" },
        { file: "QMLSceneProduction.qml", suffix: "batch", scene: "batch", wait: 5000 },
        { file: "QMLScene.qml", suffix: "menu", popup: true },
        { file: "QMLScene.qml", suffix: "programming", run: "QuorvikContext.menubar.menuProgrammingSetup()" },
        { file: "ControlGallery.qml", page: "qrc:/screens/ControlGallery.qml",
          database: [["20002", "Bjorn"], ["10001", "Astrid"], ["30003", "Carl"]] },
        { file: "ControlGallery.qml", suffix: "2", page: "qrc:/screens/ControlGallery.qml",
          database: [["20002", "Bjorn"], ["10001", "Astrid"], ["30003", "Carl"]],
          run: "page.flickable.contentY = page.flickable.contentHeight - page.flickable.height" },

        // Programming wizard and production pages.
        { file: "Main_StartProg.qml" },
        // The identification reads the simulated beacon and opens the wizard at its first page.
        { file: "Prog_2_Identified.qml", page: "Prog_1_Identify.qml", wait: 4000, shows: "Prog_2_Identified.qml",
          before: "QuorvikContext.menubar.menuProgrammingSetup()" },
        // The beacon has answered once and waits for its TEST button: the page waits with it.
        { file: "Prog_1_Identify.qml", page: "Prog_1_Identify.qml", run: "QuorvikContext.menubar.menuProgrammingSetup()" },
        { file: "Prog_1_EpirbSelect.qml", page: "Prog_1_EpirbSelect.qml", run: "QuorvikContext.menubar.menuProgrammingSetup()" },
        { file: "Prog_5_CountryCode.qml", wizardPage: "Prog_5_CountryCode.qml",
          before: "QMLProxy.configPending.setCountryCode(257)" },
        { file: "Prog_6_SelectProtocol.qml", wizardPage: "Prog_6_SelectProtocol.qml",
          before: "QMLProxy.configPending.setCountryCode(211); QMLProxy.configPending.setProtocolId(ConfigTables.E_StdLocationMmsi)" },
        { file: "Prog_7_ProtocolParticular.qml", suffix: "mmsi", wizardPage: "Prog_7_ProtocolParticular.qml",
          before: "const c = QMLProxy.configPending; c.setCountryCode(211); c.setProtocolId(ConfigTables.E_StdLocationMmsi);"
                  + " c.setMmsi('123456'); c.setBeaconNo(3)" },
        { file: "Prog_7_ProtocolParticular.qml", suffix: "serial", wizardPage: "Prog_7_ProtocolParticular.qml",
          before: "const c = QMLProxy.configPending; c.setCountryCode(211); c.setProtocolId(ConfigTables.E_StdLocationSerialPlb);"
                  + " c.setCustomSerial(0)" },
        { file: "Prog_7_ProtocolParticular.qml", suffix: "callsign", wizardPage: "Prog_7_ProtocolParticular.qml",
          before: "const c = QMLProxy.configPending; c.setCountryCode(257); c.setProtocolId(ConfigTables.E_RlsUserTacPlb);"
                  + " c.setCustomSerial(1234)" },
        { file: "Prog_7_ProtocolParticular.qml", suffix: "national", wizardPage: "Prog_7_ProtocolParticular.qml",
          before: "const c = QMLProxy.configPending; c.setCountryCode(227); c.setProtocolId(ConfigTables.E_NationalLocationPlb);"
                  + " c.setCustomSerial(4711); c.setAdditionalDataType(true); c.setAdditionalData(42)" },
        { file: "Prog_8_OwnerInfo.qml", wizardPage: "Prog_8_OwnerInfo.qml",
          before: "const c = QMLProxy.configPending; c.setOwnerName('ØYVIND HANSEN'); c.setOwnerAddress('STORGATA 1, 0155 OSLO');"
                  + " c.setOwnerTelephone('+47 22 00 00 00'); c.setOwnerOther(''); c.setAdditionalInfo('Service visit')" },
        { file: "Prog_10_Summary.qml", wizardPage: "Prog_10_Summary.qml",
          before: "const c = QMLProxy.configPending; c.setCountryCode(211); c.setProtocolId(ConfigTables.E_StdLocationMmsi);"
                  + " c.setMmsi('123456'); c.setBeaconNo(3); c.calculateCsMsg()" },
        { file: "Prog_10_Summary.qml", suffix: "national", wizardPage: "Prog_10_Summary.qml",
          before: "const c = QMLProxy.configPending; c.setCountryCode(227); c.setProtocolId(ConfigTables.E_NationalLocationPlb);"
                  + " c.setCustomSerial(4711); c.setAdditionalDataType(true); c.setAdditionalData(42); c.calculateCsMsg()" },
        { file: "Prog_11_Transfer.qml", wizardPage: "Prog_11_Transfer.qml" },
        // Programmed, but the database folder could not be written: the run stops on that status.
        { file: "Prog_11_Transfer.qml", suffix: "notsaved", wizardPage: "Prog_11_Transfer.qml",
          run: "const transfer = page.swipeView.currentItem.item;"
               + " QMLProxy.app.stopEpirbReceive(); QMLProxy.app.progProgress = 100;"
               + " QMLProxy.app.progStatus = qsTranslate('ProgrammingSession', 'PLB programmed successfully, but not saved in the database');"
               + " QMLProxy.app.progStatusError = true; transfer.progressBar.barColor = AldmarStyle.jProgressBarErrorColor;"
               + " transfer.storeFailureBox.text = qsTranslate('Prog_11_Transfer', 'The PLB is programmed and verified, but it could not be saved in the database:<br><br>%1<br><br>Open the labelling guide now?<br>&nbsp;')"
               + " .arg(qsTranslate('DatabaseIfc', '%1 could not be written: %2').arg(QMLProxy.database.databasePath).arg('Permission denied'));"
               + " transfer.storeFailureBox.open()" },
        // Another stored beacon carries the hex ID about to be written: the question before the write.
        { file: "Prog_11_Transfer.qml", suffix: "duplicate", wizardPage: "Prog_11_Transfer.qml", wait: 500,
          database: [["40001", "Bjorn", { protocol: 19, customSerial: 1234, tacNoRlsPlb: 3123,
                                          station: "Workshop Tromsø", operator: "Ola Nordmann" }]],
          before: "const c = QMLProxy.configPending; c.beaconType = ConfigTables.E_SkuaP5; c.setSerial('31337');"
                  + " IdentityRules.changeCountry(c, 257); IdentityRules.changeProtocol(c, ConfigTables.E_RlsUserTacPlb);"
                  + " c.setTacNumberRlsPlb(3123);"
                  + " c.setCustomSerial(1234); c.calculateCsMsg()" },
        { file: "ProductionTransfer.qml", scene: "production" },


        // Read-out, boot-log and database pages.
        { file: "BeaconDbDisplay.qml", page: "BeaconDbDisplay.qml", menu: 1, generated: 10000 },
        { file: "BeaconDbDisplay.qml", suffix: "search", page: "BeaconDbDisplay.qml", menu: 1, generated: 10000,
          run: "page.searchField.text = '1234'; page.table.headerClicked(3); page.table.cellClicked(1)" },
        // Two stored beacons with one hex ID are tagged.
        { file: "BeaconDbDisplay.qml", suffix: "duplicate", page: "BeaconDbDisplay.qml", menu: 1,
          database: [["40001", "Bjorn", { protocol: 19, customSerial: 1234, tacNoRlsPlb: 3123 }],
                     ["31337", "Kari", { protocol: 19, customSerial: 1234, tacNoRlsPlb: 3123 }],
                     ["20002", "Astrid"]] },
        // From the keyboard: the table has the focus frame, Down has selected the first row.
        { file: "BeaconDbDisplay.qml", suffix: "keyboard", page: "BeaconDbDisplay.qml", menu: 1,
          database: [["20002", "Bjorn"], ["10001", "Astrid"], ["30003", "Carl"]],
          run: "page.table.forceActiveFocus(Qt.TabFocusReason); page.table.moveKeyRow(1)" },
        { file: "BeaconDbDisplaySingle.qml", suffix: "serial", page: "BeaconDbDisplaySingle.qml", menu: 1,
          database: [["31337", "Kari Nordmann", { address: "Strandkaien 3, 5013 Bergen",
                                                  other: "Email: kari@example.no",
                                                  note: "Serviced together with the life raft." }]],
          before: "QMLProxy.dbBeacon = 0" },
        { file: "BeaconDbDisplaySingle.qml", suffix: "mmsi", page: "BeaconDbDisplaySingle.qml", menu: 1,
          // E_UserLocationMmsi
          database: [["31338", "Ola Nordmann", { protocol: 5, mmsi: "123456", beaconNo: 1 }]],
          before: "QMLProxy.dbBeacon = 0" },
        { file: "BeaconDbDisplaySingle.qml", suffix: "national", page: "BeaconDbDisplaySingle.qml", menu: 1,
          // E_NationalLocationPlb
          database: [["4242", "Per Hansen", { protocol: 18, additionalData: 12, additionalDataType: true }]],
          before: "QMLProxy.dbBeacon = 0" },
        { file: "BeaconDbDisplaySingle.qml", suffix: "narrow", page: "BeaconDbDisplaySingle.qml", menu: 1,
          database: [["31337", "Kari Nordmann", { note: "One column when the window is narrow." }]],
          before: "QMLProxy.dbBeacon = 0", run: "scene.width = 800; scene.height = 1000" },
        // The simulator answers at once, so the reading state is shown on the pages' own form.
        { file: "Main_StartRead.qml", page: "BeaconReadForm.ui.qml", push: true, menu: 2,
          run: "page.progress = 40; page.statusText.text = qsTranslate('ProgrammingSession', 'Reading data from PLB...')" },
        { file: "Main_StartRead.qml", suffix: "failed", page: "BeaconReadForm.ui.qml", push: true, menu: 2,
          run: "page.progress = 100; page.progressFill.color = AldmarStyle.jProgressBarErrorColor; "
               + "page.statusText.text = qsTranslate('ProgrammingSession', 'Read failed. Please retry: %1').arg(3)" },
        // A laptop-sized window: the page scrolls so that the failed status is in view.
        { file: "Main_StartRead.qml", suffix: "800x600", page: "BeaconReadForm.ui.qml", push: true, menu: 2, wait: 1000,
          run: "scene.width = 800; scene.height = 600; page.progress = 100; "
               + "page.progressFill.color = AldmarStyle.jProgressBarErrorColor; "
               + "page.statusText.color = AldmarStyle.jTextErrorColor; page.statusText.text = qsTranslate('ProgrammingSession', 'Read failed. Please retry: %1').arg(3); "
               // The window takes its new size a moment later; then the page scrolls as the read page does.
               + "const t = Qt.createQmlObject('import QtQuick; Timer { interval: 300; running: true }', page); "
               + "t.triggered.connect(function() { page.scrollView.updateContentHeight(); const f = page.scrollView.flickable; "
               + "f.contentY = Math.max(0, f.contentHeight - f.height) })" },
        { file: "Main_StartLogRead.qml", page: "BeaconReadForm.ui.qml", push: true, menu: 3,
          run: "page.heading.text = qsTranslate('BeaconReadPage', 'LOG READBACK'); page.progress = 0; page.statusText.text = qsTranslate('ProgrammingSession', 'Waiting for connection...')" },
        // The log page comes up by itself once the read page has read the simulator's log.
        { file: "BeaconLogDbDisplay.qml", page: "Main_StartLogRead.qml", push: true, menu: 3, wait: 6000 },
        // The message inspector: a message read from a label, then compared with the beacon's.
        { file: "MessageDecode.qml", page: "MessageDecode.qml", menu: 4,
          properties: { input: "FFFE2F901D87B475DFEFFA9DF4B861F0FABE" } },
        { file: "MessageDecode.qml", suffix: "compare", page: "MessageDecode.qml", menu: 4,
          // A label one serial number off the beacon's message.
          properties: { input: "203B0F68EC3FDFF" },
          run: "page.compareField.text = 'FFFE2F901D87B475DFEFFA9DF4B861F0FABE'" },
        { file: "MessageDecode.qml", suffix: "refused", page: "MessageDecode.qml", menu: 4,
          properties: { input: "9C6F40C0E4003D50" } },


        // Set-up, settings, labelling guide and about pages.
        { file: "FirstTimeSetup.qml", firstStart: true },
        { file: "MiscConfig.qml", page: "MiscConfig.qml",
          before: "ConfigTables.defaultContactInfo = 'Aldmar Service\\n+47 555 01 234'" },
        { file: "MiscConfig.qml", suffix: "register", page: "MiscConfig.qml",
          before: "QMLProxy.sharedRegister.applySettings(true, '', 'register.workshop.lan', 5432, 'register', 'bench1')",
          run: "page.flickable.contentY = Math.max(0, page.registerSection.y - 40)" },
        { file: "ProtocolConfig.qml", page: "ProtocolConfig.qml" },
        { file: "LabelingPage_BoxCountry.qml", page: "LabelingSwipeView.qml",
          properties: { initialPage: 0, exitPageUrl: "BeaconDbDisplaySingle.qml", allowBackExit: false },
          database: [["31337", "Kari Nordmann"]], before: "QMLProxy.dbBeacon = 0" },
        { file: "LabelingPage_Programming.qml", page: "LabelingSwipeView.qml",
          properties: { initialPage: 1, exitPageUrl: "BeaconDbDisplaySingle.qml", allowBackExit: false },
          database: [["31337", "Kari Nordmann"]], before: "QMLProxy.dbBeacon = 0" },
        { file: "LabelingPage_ContactInfo.qml", page: "LabelingSwipeView.qml",
          properties: { initialPage: 2, exitPageUrl: "BeaconDbDisplaySingle.qml", allowBackExit: false },
          database: [["31337", "Kari Nordmann"]],
          before: "QMLProxy.dbBeacon = 0; ConfigTables.defaultContactInfo = 'Aldmar Service\\n+47 555 01 234'" },
        { file: "LabelingPage_Protection.qml", page: "LabelingSwipeView.qml",
          properties: { initialPage: 3, exitPageUrl: "BeaconDbDisplaySingle.qml", allowBackExit: false },
          database: [["31337", "Kari Nordmann"]], before: "QMLProxy.dbBeacon = 0" },
        { file: "LabelingPage_BlockRLS.qml", page: "LabelingSwipeView.qml",
          properties: { initialPage: 4, exitPageUrl: "BeaconDbDisplaySingle.qml", allowBackExit: false },
          database: [["31337", "Kari Nordmann"]], before: "QMLProxy.dbBeacon = 0" },
        // A report saved, but no program on the computer opened it.
        { file: "DocumentNotice.qml", suffix: "no-viewer", page: "BeaconDbDisplaySingle.qml", menu: 1, wait: 600,
          database: [["31337", "Kari Nordmann"]], before: "QMLProxy.dbBeacon = 0",
          run: "Datablock.documentNotOpened(String(Datablock.getReportFileNameURI()).substring(7))" },
        { file: "About.qml", page: "About.qml" },
        { file: "About.qml", suffix: "legal", page: "About.qml",
          run: "page.tabBar.currentIndex = 1; page.licenseBox.currentIndex = 1" },

    ]
}
