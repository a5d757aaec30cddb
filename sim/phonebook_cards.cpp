#include "sim/phonebook_cards.h"

namespace phonebook_cards {

const std::string& Contacts() {
  static const std::string text =
      "BEGIN:VCARD\r\n"
      "VERSION:2.1\r\n"
      "N:Lindqvist;Maja;;;\r\n"
      "TEL;CELL:+46-70-174-06-05\r\n"
      "END:VCARD\r\n"
      "BEGIN:VCARD\r\n"
      "VERSION:2.1\r\n"
      // The family name and given name of Wang Xiaoming in UTF-8, folded after the second
      // character by a soft line break.
      "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E7=8E=8B;=E5=B0=8F=\r\n"
      "=E6=98=8E;;;\r\n"
      "TEL;CELL:+86-138-0013-8000\r\n"
      "END:VCARD\r\n"
      "BEGIN:VCARD\r\n"
      "VERSION:2.1\r\n"
      "N:Okafor;Chidi;;;\r\n"
      "TEL;HOME:+44-20-7946-0321\r\n"
      "TEL;WORK:+44-20-7946-0999\r\n"
      "END:VCARD\r\n";
  return text;
}

const std::string& MissedCalls() {
  static const std::string text =
      "BEGIN:VCARD\r\n"
      "VERSION:2.1\r\n"
      "N:Lindqvist;Maja;;;\r\n"
      "TEL;CELL:+46-70-174-06-05\r\n"
      "X-IRMC-CALL-DATETIME;MISSED:20240311T081502\r\n"
      "END:VCARD\r\n"
      "BEGIN:VCARD\r\n"
      "VERSION:2.1\r\n"
      "TEL:+1-202-555-0143\r\n"
      "X-IRMC-CALL-DATETIME;MISSED:20240310T221040\r\n"
      "END:VCARD\r\n";
  return text;
}

const std::string& ReceivedCalls() {
  static const std::string text =
      "BEGIN:VCARD\r\n"
      "VERSION:2.1\r\n"
      "N:Okafor;Chidi;;;\r\n"
      "TEL;WORK:+44-20-7946-0999\r\n"
      "X-IRMC-CALL-DATETIME;RECEIVED:20240309T143015\r\n"
      "END:VCARD\r\n";
  return text;
}

const std::string& DialledCalls() {
  static const std::string text =
      "BEGIN:VCARD\r\n"
      "VERSION:2.1\r\n"
      "N;CHARSET=UTF-8;ENCODING=QUOTED-PRINTABLE:=E7=8E=8B;=E5=B0=8F=E6=98=8E;;;\r\n"
      "TEL;CELL:+86-138-0013-8000\r\n"
      "X-IRMC-CALL-DATETIME;DIALED:20240308T090000\r\n"
      "END:VCARD\r\n";
  return text;
}

const std::string& CombinedCalls() {
  static const std::string text = MissedCalls() + ReceivedCalls() + DialledCalls();
  return text;
}

}  // namespace phonebook_cards
