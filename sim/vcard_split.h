#pragma once
// Cutting phone-book text into the pieces that travel in separate PHONEBOOK_DATA events.
// The module cuts wherever its buffer happens to end, so a piece may end in the middle of
// a line, an escape sequence or a multi-byte character; a host must reassemble any cut.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

// The text cut before each given byte position. Positions out of order, repeated, 0 or at
// the end or beyond are ignored, so no piece is empty and the pieces join to the text.
std::vector<std::string> SplitAt(const std::string& text, std::vector<std::size_t> cuts);

// Cut positions that give pieces of 1 to max_piece bytes of irregular sizes; the same seed
// always gives the same cuts.
std::vector<std::size_t> ArbitraryCuts(std::size_t size, std::size_t max_piece,
                                       std::uint32_t seed);
