#pragma once
// quorlin-cli's voice-prompt subcommands:
//
//   quorlin-cli tts-encode IN.wav OUT.bin [--standard]
//       converts IN.wav as the console's "Generate" does and writes OUT.bin with exactly the
//       bytes the download sends after its start command (frames in order, the bytes of each
//       16-bit word exchanged), and the check file "output.wav" in the working directory.
//       --standard uses the coder's published tables and full gain search instead.
//   quorlin-cli --port PATH ... tts-send IN.wav
//       converts IN.wav the same way and downloads it to the module with TTS_DATA, one
//       acknowledged chunk at a time, while the log is printed as usual.
//
// A rejected WAV file exits with kCliExitInputRejected and the console's message on
// standard error; a download that stops for want of an acknowledgement exits with
// kCliExitNotAcknowledged.

#include "console/cli/command_table.h"

#include <cstdio>
#include <ostream>
#include <string>
#include <vector>

bool IsTtsEncodeCommandLine(const std::vector<std::string>& args);
int RunTtsEncode(const std::vector<std::string>& args, std::FILE* out, std::ostream& err);

// Parses "tts-send IN.wav" at args[pos] into a step that converts and downloads, and advances
// pos past it. False with a message when the file name is missing.
bool IsTtsSendStep(const std::vector<std::string>& args, std::size_t pos);
bool ParseTtsSendStep(const std::vector<std::string>& args, std::size_t& pos, CliStep& step, std::string& error);

std::string TtsCommandsHelpText();
