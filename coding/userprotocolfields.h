#pragma once

class FieldReader;

// The user protocols (bit 26 = 1): identity in bits 37-85, emergency or position data in bits 107-132.
class UserProtocolFields
{
public:
    // whole: false for a 15-hex ID, which has no bits beyond 85.
    static void read(FieldReader &r, bool whole);
};
