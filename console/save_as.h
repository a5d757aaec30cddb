#pragma once
// "Save as" of the log pane: the ".txt" naming rule and the file write.

#include <string>

namespace console {

// Appends ".txt" unless the path holds ".txt" at or after its fifth-last character
// (case-sensitive, so "LOG.TXT" becomes "LOG.TXT.txt").
std::string SaveAsPath(const std::string& chosen);

// Creates or truncates the file and writes the pane text as UTF-8 with "\r\n" line ends
// (the pane's own line ends). Returns false when the file cannot be opened or written.
bool WritePaneText(const std::string& path, const std::string& pane_text_utf8);

}  // namespace console
