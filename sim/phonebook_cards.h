#pragma once
// The phone book and call histories of the virtual module's connected phone, as the vCard
// 2.1 text (CR LF line ends) the module forwards in PHONEBOOK_DATA events.

#include <string>

namespace phonebook_cards {

// Three contacts: one with a QUOTED-PRINTABLE UTF-8 name folded by a soft line break, one
// with two TEL lines.
const std::string& Contacts();

// Call histories: one card per call, stamped by X-IRMC-CALL-DATETIME.
const std::string& MissedCalls();
const std::string& ReceivedCalls();
const std::string& DialledCalls();
const std::string& CombinedCalls();  // the three above, in that order

}  // namespace phonebook_cards
