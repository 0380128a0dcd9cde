#pragma once

// Coding protocol numbers as stored in configurations, data blocks and settings.
// The configuration tables mirror these values; never renumber.
namespace ProtocolType {
enum Value : int {
    StdLocationMmsi = 0,
    StdLocationSerialEpirb = 1,
    UserMmsi = 2,
    UserRadiocall = 3,
    UserSerialEpirb = 4,
    UserLocationMmsi = 5,
    UserLocationRadioCallsign = 6,
    UserLocationSerialEpirb = 7,
    RlsUserTacEpirb = 8,
    RlsUserMmsiEpirb = 9,
    StdLocationTest = 10,
    UserTestEpirb = 11,
    UserLocationTestEpirb = 12,
    RlsUserTacTest = 13,
    RlsUserMmsiTest = 14,
    StdLocationSerialPlb = 15,
    UserSerialPlb = 16,
    UserLocationSerialPlb = 17,
    NationalLocationPlb = 18,
    RlsUserTacPlb = 19,
    RlsUserMmsiPlb = 20,
    UserTestPlb = 21,
    UserLocationTestPlb = 22,
    NationalLocationTest = 23,
    ProtocolMax = 24 // none / not supported
};
}
