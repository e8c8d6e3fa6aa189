#include "gateway/KeyFilters.h"

namespace gw {

TKeyAnswer HexKeyPress(char32_t key) {
    if ((key >= U'0' && key <= U'9') || (key >= U'A' && key <= U'F')) return {true, key};
    if (key >= U'a' && key <= U'f') return {true, key - U'a' + U'A'};
    if (key <= U' ') return {true, key};
    return {false, key};
}

namespace {

TOctetEdit NextOctet(TOctetEdit edit) {
    switch (edit) {
        case Octet_Sec_DNS4:
        case Octet_EIP_GAT4:
        case Octet_None:
            return Octet_None;
        default:
            return static_cast<TOctetEdit>(edit + 1);
    }
}

}  // namespace

TOctetKeyAnswer OctetKeyPress(TOctetEdit edit, char32_t key) {
    if (key != U'.') return {{true, key}, Octet_None};
    return {{false, key}, NextOctet(edit)};
}

TIpKeyAnswer IpEditKeyPress(int edit, char32_t key) {
    if (key != U'.') return {{true, key}, 0};
    return {{false, key}, (edit >= 1 && edit <= 3) ? edit + 1 : 0};
}

}  // namespace gw
