// A registry whose construction fails part-way must not be handed out part-built. Runs in
// a process of its own: it replaces the global allocator to make one allocation fail.
#include <cstdlib>
#include <new>

#include <gtest/gtest.h>

#include "catalogue/Berichtdefinities.h"

namespace {
long allocationsBeforeFailure = -1;  // negative: never fail
}

void* operator new(std::size_t size) {
    if (allocationsBeforeFailure >= 0 && allocationsBeforeFailure-- == 0)
        throw std::bad_alloc();
    if (void* p = std::malloc(size == 0 ? 1 : size))
        return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept { std::free(p); }
void operator delete(void* p, std::size_t) noexcept { std::free(p); }

namespace korvex {
namespace {

TEST(RegistryConstruction, AFailedBuildLeavesNothingHalfBuilt) {
    allocationsBeforeFailure = 300;  // about a third of the way through the definitions
    EXPECT_THROW((void)Berichtdefinities::Standaarden(), std::bad_alloc);
    allocationsBeforeFailure = -1;
    EXPECT_EQ(Berichtdefinities::Standaarden().size(), 103u);
    EXPECT_NE(Berichtdefinities::FindBericht("246", "01", "00"), nullptr);
}

}  // namespace
}  // namespace korvex
