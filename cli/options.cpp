#include "cli/options.h"

#include <array>
#include <optional>
#include <string_view>

namespace cnc::cli {
namespace {

// Each TEXT goes to an entry field, or to an option of its own.
struct TextOption {
    std::string_view name;
    std::variant<Field, std::optional<std::string> Options::*> target;
};

constexpr std::array<TextOption, 6> kTextOptions{{
    {"--passi", Field::MotorSteps},
    {"--passo-vite", Field::ScrewPitch},
    {"--motore", Field::MotorTeeth},
    {"--vite", Field::ScrewTeeth},
    {"--cinta", Field::BeltLengthCode},
    {"--interasse-voluto", &Options::wantedDistance},
}};

void store(Options& options, const TextOption& option, std::string_view text) {
    if (const Field* field = std::get_if<Field>(&option.target)) {
        options.form.setText(*field, text);
    } else {
        options.*std::get<1>(option.target) = std::string(text);
    }
}

struct FlagOption {
    std::string_view name;
    bool Options::*flag;
};

constexpr std::array<FlagOption, 1> kFlagOptions{{
    {"--esatto", &Options::exactDistance},
}};

struct ChoiceOption {
    std::string_view name;
    std::variant<SteppingMode, Coupling> choice;
};

constexpr std::array<ChoiceOption, 4> kChoiceOptions{{
    {"--mezzo-passo", SteppingMode::HalfStep},
    {"--passo-intero", SteppingMode::FullStep},
    {"--diretto", Coupling::Direct},
    {"--ingranaggi", Coupling::Belt},
}};

// The choices given so far: a choice may be repeated, but not contradicted.
struct Chosen {
    std::optional<SteppingMode> steppingMode;
    std::optional<Coupling> coupling;
};

template <typename Choice>
bool record(std::optional<Choice>& previous, Choice choice, MemoryForm& form) {
    if (previous && *previous != choice) return false;
    previous = choice;
    form.select(choice);
    return true;
}

bool choose(Chosen& chosen, SteppingMode mode, MemoryForm& form) {
    return record(chosen.steppingMode, mode, form);
}

bool choose(Chosen& chosen, Coupling coupling, MemoryForm& form) {
    return record(chosen.coupling, coupling, form);
}

}  // namespace

std::string usage() {
    return "uso: cnc-axis-calc-cli [--passi TESTO] [--passo-vite TESTO]"
           " [--mezzo-passo | --passo-intero]\n"
           "                         [--diretto | --ingranaggi] [--motore TESTO]"
           " [--vite TESTO] [--cinta TESTO]\n"
           "                         [--esatto]\n"
           "       cnc-axis-calc-cli [--motore TESTO] [--vite TESTO] --interasse-voluto D\n"
           "       cnc-axis-calc-cli --help | --version\n"
           "\n"
           "Calcola passi per millimetro, millimetri per passo e interasse delle pulegge.\n"
           "\n"
           "  --passi TESTO       passi del motore per giro (200)\n"
           "  --passo-vite TESTO  passo della vite in mm (3)\n"
           "  --mezzo-passo       scheda in mezzo passo (predefinito)\n"
           "  --passo-intero      scheda in passo intero\n"
           "  --diretto           accoppiamento diretto (predefinito)\n"
           "  --ingranaggi        accoppiamento con pulegge e cinta\n"
           "  --motore TESTO      denti della puleggia del motore (17)\n"
           "  --vite TESTO        denti della puleggia della vite (36)\n"
           "  --cinta TESTO       codice di lunghezza della cinta XL, il numero prima di\n"
           "                      \"XL\" (decimi di pollice, il doppio dei denti): 120 per\n"
           "                      una cinta 120XL037 di 60 denti (120)\n"
           "  --esatto            dopo i risultati, l'interasse dalla geometria esatta\n"
           "                      della cinta\n"
           "  --interasse-voluto D\n"
           "                      le due cinte XL a denti interi con l'interasse esatto\n"
           "                      più vicino a D mm, sotto e sopra; legge solo --motore\n"
           "                      e --vite\n"
           "  --help              mostra questo aiuto\n"
           "  --version           mostra la versione\n"
           "\n"
           "I numeri usano il separatore decimale della lingua (LC_ALL, LC_NUMERIC, LANG);\n"
           "il punto è sempre accettato.\n";
}

std::variant<Options, UsageError> parseOptions(const std::vector<std::string>& arguments) {
    Options options;
    Chosen chosen;
    for (std::size_t i = 0; i < arguments.size(); ++i) {
        const std::string_view argument = arguments[i];
        if (argument == "--help" || argument == "-h") {
            options.help = true;
            continue;
        }
        if (argument == "--version") {
            options.version = true;
            continue;
        }
        bool known = false;
        for (const FlagOption& flag : kFlagOptions) {
            if (argument != flag.name) continue;
            options.*flag.flag = true;
            known = true;
        }
        for (const ChoiceOption& choice : kChoiceOptions) {
            if (argument != choice.name) continue;
            const bool consistent = std::visit(
                [&](auto element) { return choose(chosen, element, options.form); }, choice.choice);
            if (!consistent) return UsageError{"scelte in contrasto: " + std::string(argument)};
            known = true;
        }
        for (const TextOption& text : kTextOptions) {
            if (argument == text.name) {
                if (i + 1 == arguments.size()) {
                    return UsageError{"manca il testo dopo " + std::string(argument)};
                }
                store(options, text, arguments[++i]);
                known = true;
            } else if (argument.starts_with(text.name) && argument[text.name.size()] == '=') {
                store(options, text, argument.substr(text.name.size() + 1));
                known = true;
            }
        }
        if (!known) return UsageError{"opzione sconosciuta: " + std::string(argument)};
    }
    return options;
}

}  // namespace cnc::cli
