// Placeholder until the generator writes this file.
#pragma once
#include <memory>
#include <vector>
#include "catalogue/Bericht.h"
namespace korvex::definitions {
void AppendAll(std::vector<std::unique_ptr<Bericht>>& out);
}
