#pragma once
// The text that reports a failed Open of the serial port: the port, the step that failed and
// the system's reason, with a hint when the reason is a missing permission.

#include <string>

std::string DescribeOpenFailure(const std::string& port, int step, int os_error,
                                const std::string& reason);
