// Placeholder until the generator writes this file.
#include "catalogue/definitions/Definitions.h"
namespace korvex::definitions {
void AppendAll(std::vector<std::unique_ptr<Bericht>>&) {}
}
