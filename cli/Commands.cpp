#include "cli/Commands.h"

#include <array>
#include <string>

#include "catalogue/Berichtdefinities.h"

namespace korvex::cli {

namespace {

constexpr std::string_view usage =
    "usage: korvex catalogue [CLASS]\n"
    "  catalogue    list every field of every built-in definition, or of CLASS (e.g. ZH308V0702)\n";

struct Command {
    std::string_view name;
    ExitCode (*run)(std::span<const std::string_view>, std::ostream&, std::ostream&);
};

constexpr std::array commands{
    Command{"catalogue", PrintCatalogue},
};

// The class name is not stored: every built-in class is named Standaard "V" Versie Subversie.
std::string ClassName(const Bericht& bericht) {
    std::string name{bericht.Standaard};
    name += 'V';
    name += bericht.Versie;
    name += bericht.Subversie;
    return name;
}

void PrintDefinition(const Bericht& bericht, std::ostream& out) {
    const std::string name = ClassName(bericht);
    std::string codes;
    for (std::size_t i = 0; i < bericht.Codes.size(); ++i) {
        if (i > 0)
            codes += ',';
        codes += bericht.Codes[i];
    }
    for (const Regel& regel : bericht.Regels)
        for (const Veld& veld : regel.Velden)
            out << name << '\t' << codes << '\t' << regel.Kenmerk << '\t' << regel.Naam << '\t'
                << veld.Naam << '\t' << veld.Lengte << '\t' << veld.Start << '\t' << veld.Eind
                << '\t' << veld.Patroon << '\t' << veld.Verplicht << '\n';
}

ExitCode Finish(std::ostream& out, std::ostream& err) {
    out.flush();
    if (!out) {
        err << "korvex: could not write the output\n";
        return ExitCode::OutputFailed;
    }
    return ExitCode::Ok;
}

}  // namespace

ExitCode PrintCatalogue(std::span<const std::string_view> args, std::ostream& out,
                        std::ostream& err) {
    if (args.size() > 1) {
        err << usage;
        return ExitCode::Usage;
    }
    const auto& standaarden = Berichtdefinities::Standaarden();
    if (args.empty()) {
        for (const auto& bericht : standaarden)
            PrintDefinition(*bericht, out);
        return Finish(out, err);
    }
    for (const auto& bericht : standaarden)
        if (ClassName(*bericht) == args[0]) {
            PrintDefinition(*bericht, out);
            return Finish(out, err);
        }
    err << "korvex: no built-in definition named '" << args[0] << "'\n";
    return ExitCode::UnknownDefinition;
}

ExitCode Run(std::span<const std::string_view> args, std::ostream& out, std::ostream& err) {
    if (!args.empty())
        for (const Command& command : commands)
            if (command.name == args[0])
                return command.run(args.subspan(1), out, err);
    err << usage;
    return ExitCode::Usage;
}

}  // namespace korvex::cli
