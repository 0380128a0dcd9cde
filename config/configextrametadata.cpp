#include "config/configextrametadata.h"

bool ConfigExtraMetadata::operator==(const ConfigExtraMetadata &other) const
{
    return m_hexId == other.m_hexId && m_batteryType == other.m_batteryType
        && m_batteryArticleNr == other.m_batteryArticleNr && m_batteryAssemblyDate == other.m_batteryAssemblyDate
        && m_batteryExpireDate == other.m_batteryExpireDate && m_lastTestError == other.m_lastTestError
        && m_serial == other.m_serial && m_type == other.m_type && m_batterySerial == other.m_batterySerial
        && m_approvedHours == other.m_approvedHours && m_activeUptime == other.m_activeUptime
        && m_numSelfTests == other.m_numSelfTests && m_numGnssSelfTests == other.m_numGnssSelfTests
        && m_valid == other.m_valid;
}
