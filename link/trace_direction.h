#pragma once
// The direction a traced packet travelled: the trace callback's first argument.

enum TraceDirection { kTraceEvent = 0, kTraceCommand = 1 };
