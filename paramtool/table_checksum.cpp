#include "paramtool/table_checksum.h"

#include <openssl/evp.h>

#include <memory>
#include <vector>

namespace paramtool {
namespace {

void appendWord(std::vector<unsigned char>& data, uint16_t word) {
  data.push_back(static_cast<unsigned char>(word & 0xFF));
  data.push_back(static_cast<unsigned char>(word >> 8));
}

}  // namespace

std::optional<uint16_t> computeChecksum(const EepromTable& table, const std::string& header) {
  std::string kept;
  for (char c : header) {
    if (c != ';' && c != '\n' && c != '\r') kept += c;
  }
  if (kept.size() > kChecksumHeaderLimit) return std::nullopt;

  // Each table byte and each header character is hashed as a little-endian 16-bit word.
  std::vector<unsigned char> data;
  data.reserve(2 * (EepromTable::kBytes + kept.size()));
  for (int a = 0; a < EepromTable::kBytes; ++a) {
    appendWord(data, table.present(a) ? table.bytes[static_cast<std::size_t>(a)] : 0xFF00);
  }
  for (char c : kept) appendWord(data, static_cast<uint16_t>(static_cast<int16_t>(static_cast<signed char>(c))));

  unsigned char digest[EVP_MAX_MD_SIZE];
  unsigned int digestLength = 0;
  if (EVP_Digest(data.data(), data.size(), digest, &digestLength, EVP_sha256(), nullptr) != 1) {
    return std::nullopt;
  }
  unsigned sum = 0;
  for (unsigned i = 0; i < digestLength; ++i) sum += digest[i];
  return static_cast<uint16_t>(sum);
}

}  // namespace paramtool
