#pragma once
// The packet dump the console writes to its log for every packet it sends or receives:
//
//   09:05:07:042<TAB>< Command: AA 00 02 14 05 E5 \n
//
// one line per 16 bytes (continuation lines carry no time stamp or prefix), every byte as two
// upper-case hex digits and a blank, "\n" after every 16th byte and after the last one.

#include "link/trace_direction.h"

#include <cstdint>
#include <string>

// "%02d:%02d:%02d:%03d\t" of hours, minutes, seconds and milliseconds.
std::string FormatTimestamp(int hours, int minutes, int seconds, int milliseconds);
// The same of the local clock now.
std::string MakeTimestamp();

// SPP data packets (SEND_SPP_DATA commands, SPP_DATA events) are dumped only on request.
// A command may start with the fill-null byte.
bool IsSppDataPacket(int direction, const std::uint8_t* bytes, int length);

// The log entry for one traced packet; empty when it is an SPP data packet and
// show_spp_data is off.
std::string FormatTraceEntry(int direction, const std::uint8_t* bytes, int length,
                             const std::string& timestamp, bool show_spp_data);
