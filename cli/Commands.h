// The korvex tool's subcommands, callable without a process so that tests can drive them.
#pragma once

#include <ostream>
#include <span>
#include <string_view>

#include "cli/ExitCode.h"

namespace korvex::cli {

// Runs the command line (without the program name): dispatches on the first argument.
[[nodiscard]] ExitCode Run(std::span<const std::string_view> args, std::ostream& out,
                           std::ostream& err);

// `catalogue [CLASS]`: one tab-separated row per field, in registry, record and field
// order: class, codes (comma-separated), kenmerk, record name, field name, length,
// start, end, patroon, verplicht. Texts as stored (UTF-8, trailing blanks kept).
[[nodiscard]] ExitCode PrintCatalogue(std::span<const std::string_view> args, std::ostream& out,
                                      std::ostream& err);

}  // namespace korvex::cli
