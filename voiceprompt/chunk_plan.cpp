#include "voiceprompt/chunk_plan.h"

namespace voiceprompt {

std::vector<Chunk> planChunks(std::size_t dataSize) {
  std::vector<Chunk> chunks;
  std::size_t offset = 0;
  for (; offset + kChunkBytes <= dataSize; offset += kChunkBytes) {
    chunks.push_back({chunks.empty() ? kFirstChunk : kNextChunk, offset, kChunkBytes});
  }
  if (offset < dataSize) chunks.push_back({kLastPartialChunk, offset, dataSize - offset});
  return chunks;
}

}  // namespace voiceprompt
