// SPDX-License-Identifier: GPL-3.0-or-later
// The command line's --help, in the user's language, every option named as
// its messages name it (optionNameShown): translators write the sentences,
// never the names, which the program puts in.
#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "calc/translation.h"
#include "cli/options.h"

namespace cnc::cli {
namespace {

constexpr std::string_view kProgram = "cnc-axis-calc-cli";

// The words in capitals that stand for a text in the synopsis and the
// options' column; one letter (T, N, D, ...) is the same in every language.
// TRANSLATORS: the words in capitals of the help's synopsis that stand for what follows an option:
// a text, degrees, teeth, a name, letters, a file
constexpr std::array kArgumentWords{N_("TESTO"), N_("GRADI"),   N_("DENTI"),
                                    N_("NOME"),  N_("LETTERE"), N_("FILE")};

// Characters, not bytes, of a UTF-8 text.
std::size_t displayWidth(std::string_view text) {
    std::size_t width = 0;
    for (const char c : text) width += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return width;
}

bool isNameCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-';
}
bool isCapital(char c) { return c >= 'A' && c <= 'Z'; }

// A line of the synopsis or of an example: "@key" is the option's name,
// and a word of kArgumentWords its translation.
//   "[@passi TESTO]" -> "[--passi TESTO]" in Italian, "[--steps TEXT]" in English
std::string expanded(std::string_view line) {
    std::string out;
    for (std::size_t at = 0; at < line.size();) {
        if (line[at] == '@') {
            std::size_t end = at + 1;
            while (end < line.size() && isNameCharacter(line[end])) ++end;
            out += optionNameShown(line.substr(at + 1, end - at - 1));
            at = end;
            continue;
        }
        if (isCapital(line[at]) && (at == 0 || !isCapital(line[at - 1]))) {
            std::size_t end = at;
            while (end < line.size() && isCapital(line[end])) ++end;
            const std::string_view word = line.substr(at, end - at);
            bool known = false;
            for (const std::string_view argument : kArgumentWords)
                known = known || argument == word;
            out += known ? _(word) : std::string(word);
            at = end;
            continue;
        }
        out += line[at++];
    }
    return out;
}

// The synopsis after "uso: ", one line each; the first follows the word.
constexpr std::string_view kSynopsis[] = {
    "cnc-axis-calc-cli [@passi TESTO | @angolo-passo GRADI]",
    "         [@passo-vite TESTO | @filetti-pollice T |",
    "          @puleggia-asse DENTI @profilo-cinghia P | @diametro-ruota D |",
    "          @denti-pignone Z (@modulo M | @passo-cremagliera P) |",
    "          @step-mm S | @rotativo] [@principi N] [@pollici]",
    "         [@rapporto A:B[,A:B...]]",
    "         [@mezzo-passo | @passo-intero | @micropassi N]",
    "         [@diretto | @ingranaggi] [@motore TESTO] [@vite TESTO] [@cinta TESTO]",
    "         [@firmware NOME [@asse LETTERE] [@giunto N[,N...]]]",
    "         [@esatto] [@strato H] [@velocita V] [@frequenza-max F] [@json]",
    "       cnc-axis-calc-cli [@motore TESTO] [@vite TESTO] @interasse-voluto D",
    "       cnc-axis-calc-cli @calibra (@attuali S | @rotation-distance R)",
    "         @comandati C @misurati M [@firmware NOME [@asse LETTERE]",
    "         [@giunto N[,N...]] [@micropassi N]] [@pollici] [@json]",
    "       cnc-axis-calc-cli @macchina FILE [@firmware NOME] [@json]",
    "       cnc-axis-calc-cli -h | @help | @version",
};

// An option's entry: its name and argument, then what it does, whose lines
// are indented under it and whose {0}, {1}, ... are the options `mentions`.
struct Entry {
    std::string_view key;
    std::string_view argument;
    std::string_view description;
    std::array<std::string_view, 6> mentions = {};
};

constexpr Entry kEntries[] = {
    {"passi", "TESTO", N_("passi del motore per giro (200)")},
    {"angolo-passo",
     "GRADI",
     // TRANSLATORS: what an option does, in --help: lines of at most 55 characters; {0}, {1}, ...
     // are other options' names, which the program writes
     N_("al posto di {0}, l'angolo di un passo: 1.8 per 200\n"
        "passi, 0.9 per 400; 360 / GRADI dev'essere intero"),
     {"passi"}},
    {"passo-vite", "TESTO",
     N_("passo della vite in mm (3); per una vite a più principi\n"
        "l'avanzamento per giro (8 per una T8x8)")},
    {"filetti-pollice",
     "T",
     N_("al posto di {0}, i filetti per pollice della\n"
        "vite: passo 25,4 / T mm (10 per una 1/2\"-10 ACME)"),
     {"passo-vite"}},
    {"principi",
     "N",
     N_("principi della vite, intero da 1 in su: avanzamento =\n"
        "passo x N ({0} 2 {1} 4 per una T8 a\n"
        "4 principi); non con {2}"),
     {"passo-vite", "principi", "puleggia-asse"}},
    {"pollici", "",
     N_("macchina in pollici: aggiunge step per pollice e\n"
        "risoluzione in pollici; SCALE per pollice in linuxcnc;\n"
        "{0}, {1} e le distanze di {2} in\n"
        "pollici, le risposte in pollici e in mm"),
     {"strato", "velocita", "calibra"}},
    {"mezzo-passo", "", N_("scheda in mezzo passo (predefinito)")},
    {"passo-intero", "", N_("scheda in passo intero")},
    {"micropassi", "N", N_("scheda a N micropassi per passo, da 1 a 256")},
    {"diretto", "", N_("accoppiamento diretto (predefinito)")},
    {"ingranaggi", "", N_("accoppiamento con pulegge e cinta")},
    {"motore", "TESTO", N_("denti della puleggia del motore (17)")},
    {"vite", "TESTO", N_("denti della puleggia della vite (36)")},
    {"cinta", "TESTO",
     N_("codice di lunghezza della cinta XL, il numero prima di\n"
        "\"XL\" (decimi di pollice, il doppio dei denti): 120 per\n"
        "una cinta 120XL037 di 60 denti (120)")},
    {"puleggia-asse", "DENTI",
     N_("asse mosso da una cinghia al posto della vite: denti\n"
        "della sua puleggia, da 1 a 32767")},
    {"profilo-cinghia", "P",
     N_("GT2, GT3, HTD3M, HTD5M, T2.5, T5, MXL, XL, L,\n"
        "oppure il passo della cinghia in mm")},
    {"rapporto",
     "A:B[,A:B...]",
     N_("riduzione dopo il motore: giri del motore e giri\n"
        "dell'uscita, interi (50:17 per un ingranaggio di 17\n"
        "denti che ne muove 50, 5:1 per un riduttore); più stadi\n"
        "separati da virgole si moltiplicano; non con {0}"),
     {"ingranaggi"}},
    {"diametro-ruota", "D",
     N_("al posto della vite, una ruota di D mm: corsa per giro\n"
        "pi greco x D (l'ingranaggio di un estrusore, un rullo)")},
    {"denti-pignone", "Z",
     N_("al posto della vite, un pignone di Z denti su una\n"
        "cremagliera di modulo M o di passo P")},
    {"modulo", "M", N_("il modulo della cremagliera: corsa pi greco x M x Z mm")},
    {"passo-cremagliera", "P", N_("il passo della cremagliera in mm: corsa P x Z mm")},
    {"step-mm", "S",
     N_("al posto della vite, i passi per mm già noti (da una\n"
        "configurazione): per klipper rotation_distance =\n"
        "passi x micropassi x rapporto / S")},
    {"rotativo",
     "",
     N_("asse rotativo, in gradi: Step/grado e risoluzione in\n"
        "gradi, velocità in gradi; righe per l'asse A\n"
        "(predefinito), B o C di linuxcnc, reprapfirmware o\n"
        "grblhal; non con vite, cinghia, ruota, cremagliera,\n"
        "{0}, {1} o {2}"),
     {"step-mm", "pollici", "strato"}},
    {"firmware", "NOME",
     N_("dopo i risultati, le righe da incollare in marlin,\n"
        "reprapfirmware, grbl, grblhal, klipper o linuxcnc")},
    {"asse", "LETTERE",
     N_("l'asse di quelle righe: X (predefinito), Y, Z, E, A, B, C;\n"
        "più lettere per più assi dello stesso azionamento (XY)")},
    {"giunto",
     "N[,N...]",
     N_("solo linuxcnc: i giunti [JOINT_n], da 0 a 15; più giunti\n"
        "per un asse a portale ({0} Y {1} 1,2)"),
     {"asse", "giunto"}},
    {"esatto",
     "",
     N_("dopo i risultati, l'interasse dalla geometria esatta\n"
        "della cinta; oltre le opzioni della finestra vuole\n"
        "{0}, che sola dà la cinta XL"),
     {"ingranaggi"}},
    {"interasse-voluto",
     "D",
     N_("le due cinte XL a denti interi con l'interasse esatto\n"
        "più vicino a D mm, sotto e sopra; legge solo {0}\n"
        "e {1}, e non vuole altre opzioni del calcolo"),
     {"motore", "vite"}},
    {"strato", "H",
     N_("dopo i risultati, il movimento di un passo intero e i\n"
        "suoi multipli più vicini ad H mm, sotto e sopra\n"
        "(H in pollici con {0})"),
     {"pollici"}},
    {"velocita", "V", N_("la frequenza dei passi, in kHz, a V mm/s (pollici/s con\n{0})"),
     {"pollici"}},
    {"frequenza-max", "F",
     N_("la velocità massima, in mm/s e mm/min, a F kHz di passi\n"
        "(anche in pollici/s e pollici/min con {0})"),
     {"pollici"}},
    {"calibra",
     "",
     N_("corregge i passi per mm da un movimento misurato: con\n"
        "{0} S (i passi per mm del firmware) o, per\n"
        "Klipper, {1} R, {2} C (mm\n"
        "comandati) e {3} M (mm misurati); legge solo\n"
        "queste e le opzioni del firmware (reprapfirmware vuole\n"
        "{4}); con {5} C e M in pollici"),
     {"attuali", "rotation-distance", "comandati", "misurati", "micropassi", "pollici"}},
    {"macchina",
     "FILE",
     N_("una macchina intera da un file TOML: firmware, nome e\n"
        "una tabella [asse.X] per asse con le opzioni qui sopra\n"
        "senza trattini; ogni riga di un asse comincia con la\n"
        "sua lettera, poi le righe del firmware per tutta la\n"
        "macchina; {0} sostituisce quello del file"),
     {"firmware"}},
    {"json", "", N_("un oggetto JSON al posto delle righe, anche per gli errori")},
    {"help", "", N_("mostra questo aiuto")},
    {"version", "", N_("mostra la versione e la licenza")},
};

// The options' column is this wide; a longer name puts its description on
// the next line.
constexpr std::size_t kNameWidth = 21;
constexpr std::size_t kDescriptionColumn = 25;

std::string entryText(const Entry& entry) {
    std::string name =
        entry.key == "help" ? "-h, " + optionNameShown("help") : optionNameShown(entry.key);
    if (!entry.argument.empty()) name += " " + expanded(entry.argument);
    std::string text = "  " + name;
    if (displayWidth(name) > kNameWidth) {
        text += "\n" + std::string(kDescriptionColumn, ' ');
    } else {
        text += std::string(kNameWidth + 2 - displayWidth(name), ' ');
    }
    std::array<std::string, std::tuple_size_v<decltype(entry.mentions)>> mentions;
    for (std::size_t i = 0; i < mentions.size(); ++i) {
        if (!entry.mentions[i].empty()) mentions[i] = optionNameShown(entry.mentions[i]);
    }
    const std::string description = filled(_(entry.description), mentions);
    for (std::size_t at = 0; at < description.size();) {
        const std::size_t end = std::min(description.find('\n', at), description.size());
        if (at > 0) text += std::string(kDescriptionColumn, ' ');
        text += description.substr(at, end - at) + "\n";
        at = end + 1;
    }
    return text;
}

// An example: what it answers, and its command line.
struct Example {
    std::string_view what;
    std::string_view command;    // after the program's name, as kSynopsis writes it
    std::string_view more = {};  // its continuation line, if any
};

constexpr Example kExamples[] = {
    {N_("a 1/16 con una vite T8x8: 400 passi/mm"), "@micropassi 16 @passo-vite 8"},
    {N_("a 1/16 con una puleggia GT2 di 20 denti: 80 passi/mm"),
     "@micropassi 16 @puleggia-asse 20 @profilo-cinghia GT2"},
    {N_("a 1/8 con una vite 1/2\"-10 ACME, in pollici: 16000 passi/pollice"),
     "@micropassi 8 @filetti-pollice 10 @pollici"},
    {N_("un estrusore: ingranaggi 17 e 50, ruota di 7,3 mm, le righe di Klipper"),
     "@micropassi 16 @rapporto 50:17 @diametro-ruota 7.3 \\", "@firmware klipper @asse E"},
    {N_("una tavola rotante a vite senza fine 90:1: 800 passi/grado"),
     "@micropassi 16 @rotativo @rapporto 90:1"},
    {N_("le righe per l'asse Y di Klipper"),
     "@micropassi 16 @passo-vite 8 @firmware klipper @asse Y"},
    {N_("in JSON"), "@micropassi 16 @passo-vite 8 @json"},
    {N_("le cinte per pulegge di 17 e 36 denti a 100 mm: 132XL e 134XL"), "@interasse-voluto 100"},
    {N_("80 passi per mm, 100 mm comandati, 99 misurati: 80.808080808 passi per mm"),
     "@calibra @attuali 80 @comandati 100 @misurati 99"},
    // TRANSLATORS: {0} is the name of an example machine file, which you may translate too
    {N_("una stampante intera, le righe di Marlin"), "@macchina {0} @firmware marlin"},
};

std::string exampleText(const Example& example) {
    // TRANSLATORS: the file name of an example of a whole printer in the help
    const std::string file = _("stampante.toml");
    std::string text = "  " + _(example.what) + "\n    " + std::string(kProgram) + " " +
                       filled(expanded(example.command), {file}) + "\n";
    if (!example.more.empty()) text += "      " + expanded(example.more) + "\n";
    return text;
}

// "Nomi inglesi delle stesse opzioni: --steps (--passi), ...", the names of
// the other language, each with the one the help uses, wrapped at 80.
std::string otherNames() {
    // Italian names the English ones; every other language, the Italian.
    std::string text = speaksItalian() ? std::string("Nomi inglesi delle stesse opzioni:")
                                       // TRANSLATORS: before the Italian names of the options, each
                                       // followed by the name this help uses
                                       : _("Nomi italiani delle stesse opzioni:");
    std::size_t lineWidth = displayWidth(text);
    const std::vector<OptionNames> names = optionNames();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const OptionNames& option = names[i];
        const std::string_view shown = speaksItalian() ? option.italian : option.english;
        const std::string_view other = speaksItalian() ? option.english : option.italian;
        const std::string words[] = {std::string(other), "(" + std::string(shown) + ")" +
                                                             (i + 1 == names.size() ? "." : ",")};
        for (const std::string& word : words) {
            if (lineWidth + 1 + displayWidth(word) > 80) {
                text += "\n" + word;
                lineWidth = displayWidth(word);
            } else {
                text += " " + word;
                lineWidth += 1 + displayWidth(word);
            }
        }
    }
    return text + "\n";
}

// A line of the synopsis as expanded() gives it, broken before a group
// where the language's names make it longer than 80 columns and longer
// than the Italian names do; the rest is indented as a continuation.
std::string synopsisLine(std::string_view line) {
    constexpr std::size_t kWidth = 80;
    constexpr std::string_view kContinuation = "         ";
    // Each "@" is two dashes in Italian.
    const std::size_t italianWidth =
        displayWidth(line) + static_cast<std::size_t>(std::count(line.begin(), line.end(), '@'));
    std::string rest = expanded(line);
    std::string text;
    while (displayWidth(rest) > std::max(kWidth, italianWidth)) {
        // The last blank outside brackets, before a group or an option, that
        // leaves the line within the width.
        std::size_t breakAt = 0;
        int depth = 0;
        for (std::size_t at = 0; at + 1 < rest.size(); ++at) {
            depth += rest[at] == '[' || rest[at] == '(';
            depth -= rest[at] == ']' || rest[at] == ')';
            const bool groupFollows = rest[at + 1] == '[' || rest[at + 1] == '-';
            if (rest[at] == ' ' && depth == 0 && groupFollows &&
                displayWidth(std::string_view(rest).substr(0, at)) <= kWidth &&
                rest.find_first_not_of(' ') < at) {
                breakAt = at;
            }
        }
        if (breakAt == 0) break;
        text += rest.substr(0, breakAt) + "\n";
        rest = std::string(kContinuation) + rest.substr(breakAt + 1);
    }
    return text + rest + "\n";
}

}  // namespace

std::string usage() {
    std::string text = _("uso:") + " ";
    for (const std::string_view line : kSynopsis) text += synopsisLine(line);
    // TRANSLATORS: the help's opening, after its synopsis: two lines of at most 80 characters
    text += "\n" +
            _("Calcola passi per millimetro, millimetri per passo e interasse delle "
              "pulegge.\nLe opzioni oltre la finestra vogliono passi per giro e denti "
              "interi.\n") +
            "\n";
    for (const Entry& entry : kEntries) text += entryText(entry);
    text += "\n" + otherNames() + "\n" + _("Esempi, con un motore di 200 passi:") + "\n";
    for (const Example& example : kExamples) text += exampleText(example);
    // TRANSLATORS: the help's end: two lines of at most 80 characters
    text += "\n" + _("I numeri usano il separatore decimale della lingua (LC_ALL, LC_NUMERIC, "
                     "LANG);\nil punto è sempre accettato. Le righe dei firmware e il JSON usano "
                     "il punto.\n");
    return text;
}

}  // namespace cnc::cli
