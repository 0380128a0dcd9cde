.pragma library

// Which page owns the link operation under way. A page that replaces another is
// created before the old one is destroyed, so the old page's stop would otherwise
// end the operation the new page has just started.
var owner = 0
var issued = 0

function claim() {
    issued += 1
    owner = issued
    return owner
}

function owns(token) {
    return token !== 0 && token === owner
}

// True when the caller still owned the operation and must stop it.
function release(token) {
    if (!owns(token))
        return false
    owner = 0
    return true
}
