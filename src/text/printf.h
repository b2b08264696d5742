// printf-style formatting into a std::string, for the many message and page
// fragments that are written as printf formats.
#pragma once

#include <string>

namespace vellix::text {

/// `format` filled with the arguments as std::snprintf does ("%%" stands for
/// "%"); the compiler checks the arguments against the format.
std::string Printf(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace vellix::text
