// The korvex tool's catalogue listing, driven without a process.
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "cli/Commands.h"

namespace korvex::cli {
namespace {

struct Result {
    ExitCode code;
    std::string out;
    std::string err;
};

Result RunTool(std::vector<std::string_view> args) {
    std::ostringstream out, err;
    const ExitCode code = cli::Run(args, out, err);
    return {code, out.str(), err.str()};
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

TEST(CliCatalogue, ListsOneDefinitionFieldByField) {
    const Result r = RunTool({"catalogue", "GZ340V0100"});
    ASSERT_EQ(r.code, ExitCode::Ok);
    EXPECT_EQ(r.err, "");
    const auto lines = Lines(r.out);
    ASSERT_EQ(lines.size(), 8u + 20u + 4u);
    EXPECT_EQ(lines.front(), "GZ340V0100\t249\t01\tVoorlooprecord\tKenmerk Record\t2\t0\t2\t\tM");
    EXPECT_EQ(lines[1], "GZ340V0100\t249\t01\tVoorlooprecord\tCode Externe-integratiebericht\t3\t2\t5\tNNN\tM");
    EXPECT_EQ(lines.back(), "GZ340V0100\t249\t99\tSluitrecord\tReserve\t152\t18\t170\t\tS");
}

TEST(CliCatalogue, KeepsCodesTrailingBlanksAndRegistryOrder) {
    const Result zh = RunTool({"catalogue", "ZH308V0702"});
    EXPECT_EQ(zh.out.substr(0, zh.out.find('\n')),
              "ZH308V0702\t101,103,156,160,162\t01\tVoorlooprecord\tKenmerk Record\t2\t0\t2\t\tM");
    const Result ef = RunTool({"catalogue", "EF301V0101"});
    EXPECT_NE(ef.out.find("\tVoorlooprecord\tUzovi-nummer \t4\t13\t17\t\tM\n"), std::string::npos);
    EXPECT_NE(ef.out.find("\t18\t(e)125 formulierrecord \tKenmerk Record\t"), std::string::npos);

    const Result all = RunTool({"catalogue"});
    ASSERT_EQ(all.code, ExitCode::Ok);
    const auto lines = Lines(all.out);
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines.front().substr(0, 11), "AP304V0702\t");
    EXPECT_EQ(lines.back().substr(0, 11), "ZV303V0100\t");
    EXPECT_NE(all.out.find(zh.out), std::string::npos) << "one class prints as it does in the whole";
}

TEST(CliCatalogue, RefusesWhatItCannotList) {
    const struct {
        std::vector<std::string_view> args;
        ExitCode code;
        std::string_view message;
    } cases[] = {
        {{}, ExitCode::Usage, "usage: korvex catalogue [CLASS]"},
        {{"katalogus"}, ExitCode::Usage, "usage:"},
        {{"catalogue", "ZH308V0702", "extra"}, ExitCode::Usage, "usage:"},
        {{"catalogue", "ZH308V0703"}, ExitCode::UnknownDefinition, "ZH308V0703"},
        {{"catalogue", "zh308v0702"}, ExitCode::UnknownDefinition, "zh308v0702"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.args.size() << " arguments");
        const Result r = RunTool(c.args);
        EXPECT_EQ(r.code, c.code);
        EXPECT_EQ(r.out, "");
        EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    }
}

TEST(CliCatalogue, ReportsAFailedWrite) {
    std::ostringstream out, err;
    out.setstate(std::ios::badbit);
    const std::vector<std::string_view> args{"catalogue", "GZ340V0100"};
    EXPECT_EQ(cli::Run(args, out, err), ExitCode::OutputFailed);
    EXPECT_NE(err.str(), "");
}

}  // namespace
}  // namespace korvex::cli
