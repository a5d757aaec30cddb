#include "sim/vcard_split.h"

#include <algorithm>
#include <random>

std::vector<std::string> SplitAt(const std::string& text, std::vector<std::size_t> cuts) {
  std::sort(cuts.begin(), cuts.end());
  std::vector<std::string> pieces;
  std::size_t from = 0;
  for (const std::size_t cut : cuts) {
    if (cut <= from || cut >= text.size()) continue;
    pieces.push_back(text.substr(from, cut - from));
    from = cut;
  }
  if (from < text.size()) pieces.push_back(text.substr(from));
  return pieces;
}

std::vector<std::size_t> ArbitraryCuts(std::size_t size, std::size_t max_piece,
                                       std::uint32_t seed) {
  std::vector<std::size_t> cuts;
  if (max_piece == 0) return cuts;
  std::minstd_rand random(seed);
  for (std::size_t at = 1 + random() % max_piece; at < size; at += 1 + random() % max_piece) {
    cuts.push_back(at);
  }
  return cuts;
}
