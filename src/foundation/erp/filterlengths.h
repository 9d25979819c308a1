#pragma once

namespace tarvel {

// The longest text a typed filter may hold: as long as the ERP column it is
// compared with, so nothing a user can type is cut from a real value, and no
// typed text can make a statement fail (a LIKE pattern too long for the
// database). The windows' boxes take no more; tarvel-report refuses more.
namespace filterLength {
constexpr int customerName = 201;   // CLCARD.DEFINITION_: "Cari Unvanı", "Cari Kartlar"
constexpr int customerCode = 18;    // CLCARD.CODE (17) with its "*"
constexpr int itemName = 51;        // ITEMS.NAME: "Malzeme Cinsi"
constexpr int itemSpecialCode = 11; // ITEMS.SPECODE
constexpr int itemGroupCode = 25;   // ITEMS.STGRPCODE
} // namespace filterLength

} // namespace tarvel
