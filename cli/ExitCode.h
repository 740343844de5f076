// Process exit codes of the korvex tool.
#pragma once

namespace korvex::cli {

enum class ExitCode : int {
    Ok = 0,
    Usage = 2,              // bad command line; usage on stderr
    UnknownDefinition = 3,  // no built-in definition has that class name
    OutputFailed = 4,       // stdout could not be written: never report a short listing as success
};

}  // namespace korvex::cli
