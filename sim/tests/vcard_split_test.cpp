#include "sim/vcard_split.h"

#include "sim/phonebook_cards.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

std::string Join(const std::vector<std::string>& pieces) {
  return std::accumulate(pieces.begin(), pieces.end(), std::string());
}

TEST(SplitAt, ACardCutAtAnyBytePositionJoinsBackToTheCard) {
  const std::string& cards = phonebook_cards::Contacts();
  for (std::size_t at = 1; at < cards.size(); ++at) {
    const std::vector<std::string> pieces = SplitAt(cards, {at});
    ASSERT_EQ(pieces.size(), 2u) << at;
    EXPECT_EQ(pieces[0].size(), at);
    EXPECT_EQ(Join(pieces), cards) << at;
  }
}

TEST(SplitAt, IgnoresCutsOutOfOrderRepeatedOrOutsideAndMakesNoEmptyPiece) {
  EXPECT_EQ(SplitAt("abcdef", {4, 2, 2, 0, 6, 9}), (std::vector<std::string>{"ab", "cd", "ef"}));
  EXPECT_EQ(SplitAt("abc", {}), (std::vector<std::string>{"abc"}));
  EXPECT_TRUE(SplitAt("", {0, 1}).empty());
}

TEST(ArbitraryCuts, GiveIrregularPiecesWithinTheLimitTheSameForTheSameSeed) {
  const std::string& cards = phonebook_cards::CombinedCalls();
  const std::vector<std::size_t> cuts = ArbitraryCuts(cards.size(), 40, 7);
  const std::vector<std::string> pieces = SplitAt(cards, cuts);
  EXPECT_EQ(Join(pieces), cards);
  EXPECT_GT(pieces.size(), cards.size() / 40);
  std::size_t smallest = 40, largest = 0;
  for (const std::string& piece : pieces) {
    smallest = std::min(smallest, piece.size());
    largest = std::max(largest, piece.size());
  }
  EXPECT_GE(smallest, 1u);
  EXPECT_LE(largest, 40u);
  EXPECT_LT(smallest, largest);  // not one fixed size
  EXPECT_EQ(ArbitraryCuts(cards.size(), 40, 7), cuts);
  EXPECT_NE(ArbitraryCuts(cards.size(), 40, 8), cuts);
}

}  // namespace
