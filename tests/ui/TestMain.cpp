#include <gtest/gtest.h>

#include <windows.h>

#include "host/PluginBase.h"

int main(int argc, char** argv) {
    // The ui code takes its resources from the plug-in's module; here that is
    // this program, into which the resources are linked.
    korvex::host::PluginBase::module = ::GetModuleHandleW(nullptr);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
