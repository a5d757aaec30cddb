#pragma once
// How the encoded voice-prompt data travels: after the start command, chunks of 480 bytes
// (20 frames), the first of kind 1 and every later full one of kind 2, then the bytes left
// over as one chunk of kind 3 (none when the data is a multiple of 480 bytes).

#include <cstddef>
#include <cstdint>
#include <vector>

namespace voiceprompt {

constexpr std::size_t kChunkBytes = 480;

enum ChunkKind : std::uint8_t { kFirstChunk = 1, kNextChunk = 2, kLastPartialChunk = 3 };

struct Chunk {
  ChunkKind kind;
  std::size_t offset;  // into the encoded data
  std::size_t size;
};

std::vector<Chunk> planChunks(std::size_t dataSize);

}  // namespace voiceprompt
