#include "cli/options.h"

#include <array>
#include <optional>
#include <string_view>

namespace cnc::cli {
namespace {

struct TextOption {
    std::string_view name;
    Field field;
};

constexpr std::array<TextOption, 5> kTextOptions{{
    {"--passi", Field::MotorSteps},
    {"--passo-vite", Field::ScrewPitch},
    {"--motore", Field::MotorTeeth},
    {"--vite", Field::ScrewTeeth},
    {"--cinta", Field::BeltLengthCode},
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
           "                         [--help] [--version]\n"
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
           "  --cinta TESTO       denti della cinta (120)\n"
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
                options.form.setText(text.field, arguments[++i]);
                known = true;
            } else if (argument.starts_with(text.name) && argument[text.name.size()] == '=') {
                options.form.setText(text.field, argument.substr(text.name.size() + 1));
                known = true;
            }
        }
        if (!known) return UsageError{"opzione sconosciuta: " + std::string(argument)};
    }
    return options;
}

}  // namespace cnc::cli
