import QtQuick

CompanyBarForm {
    objectName: "companyBar"
}
