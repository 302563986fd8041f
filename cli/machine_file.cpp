// SPDX-License-Identifier: GPL-3.0-or-later
// TOML through toml++ (https://marzer.github.io/tomlplusplus/), as Debian
// packages it, header-only (cli/toml.h).
#include "cli/machine_file.h"

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <optional>
#include <tuple>

#include "calc/ascii_case.h"
#include "calc/calc_error.h"
#include "calc/decimal_text.h"
#include "calc/exact_ratio.h"
#include "calc/firmware_lines.h"
#include "calc/translation.h"
#include "cli/options.h"
#include "cli/toml.h"

namespace cnc::cli {
namespace {

// Far more than any machine; a file beyond it (a device that never ends) is
// not read to its end.
constexpr std::size_t kMostFileBytes = std::size_t{1} << 20;

// The file's keys, each by either name.
struct FileKey {
    std::string_view italian;
    std::string_view english;
};
constexpr FileKey kFirmwareKey{"firmware", "firmware"};
constexpr FileKey kNameKey{"nome", "name"};
constexpr FileKey kAxesKey{"asse", "axis"};

bool isKey(std::string_view key, FileKey named) {
    return key == named.italian || key == named.english;
}

// Debian's toml++ 3.3 reaches undefined behaviour when it asks whether some
// characters beyond ASCII are blanks (is_non_ascii_horizontal_whitespace,
// U+00A1 to U+0499 such as "è"): it does so where the grammar allows no such
// character, outside strings and comments, and while it reads past a syntax
// error to name it. So a text is first refused where such a character
// stands outside strings and comments, then read with every character
// beyond ASCII made an "x" (its lines and columns unchanged), and only a text
// valid then is read as it is.

// Where a byte beyond ASCII first stands outside the text's strings and
// comments. The strings are scanned as TOML ends them: escapes in basic
// ones, and up to two quotes more at the end of a multi-line one.
class OutsideStrings {
public:
    explicit OutsideStrings(std::string_view text) : text_(text) {}

    std::optional<toml::source_position> firstNonAscii() {
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (static_cast<unsigned char>(c) >= 0x80) return place();
            if (c == '#') {
                skipPast("\n");
            } else if (c == '"' || c == '\'') {
                skipString(c);
            } else {
                advance(1);
            }
        }
        return std::nullopt;
    }

private:
    toml::source_position place() const {
        return {static_cast<toml::source_index>(line_), static_cast<toml::source_index>(column_)};
    }

    void advance(std::size_t bytes) {
        for (; bytes > 0 && at_ < text_.size(); --bytes, ++at_) {
            const auto byte = static_cast<unsigned char>(text_[at_]);
            if (text_[at_] == '\n') {
                ++line_;
                column_ = 1;
            } else if ((byte & 0xC0) != 0x80) {
                ++column_;
            }
        }
    }

    // Past the next `end`, or to the end of the text.
    void skipPast(std::string_view end) {
        const std::size_t found = text_.find(end, at_);
        advance(found == std::string_view::npos ? text_.size() - at_ : found - at_ + end.size());
    }

    void skipString(char quote) {
        const std::string triple(3, quote);
        const bool multiLine = text_.substr(at_, 3) == triple;
        advance(multiLine ? 3 : 1);
        while (at_ < text_.size()) {
            const char c = text_[at_];
            if (c == '\\' && quote == '"') {
                advance(2);
            } else if (multiLine && text_.substr(at_, 3) == triple) {
                advance(3);
                for (int extra = 0; extra < 2 && at_ < text_.size() && text_[at_] == quote; ++extra) {
                    advance(1);
                }
                return;
            } else if (!multiLine && (c == quote || c == '\n')) {
                advance(c == quote ? 1 : 0);
                return;
            } else {
                advance(1);
            }
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
    std::size_t column_ = 1;
};

// Each character beyond ASCII made one "x".
std::string asciiOnly(std::string_view text) {
    std::string ascii;
    ascii.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            ascii += c;
        } else if ((byte & 0xC0) != 0x80) {
            ascii += 'x';
        }
    }
    return ascii;
}

// An option's text read from the file.
struct Entry {
    std::string name;  // Italian, without dashes
    std::string text;
};

// "asse X", as the messages of a machine's axis begin.
std::string axisNamed(char letter) {
    // TRANSLATORS: an axis of a machine file, by its letter: "asse X"
    return filled(_("asse {0}"), {std::string(1, letter)});
}

bool precedes(const toml::source_position& a, const toml::source_position& b) {
    return std::tie(a.line, a.column) < std::tie(b.line, b.column);
}

class Reader {
public:
    Reader(std::string_view text, std::string_view fileName) : text_(text), fileName_(fileName) {
        lineStarts_.push_back(0);
        for (std::size_t i = 0; i < text.size(); ++i) {
            if (text[i] == '\n') lineStarts_.push_back(i + 1);
        }
    }

    MachineReading read() {
        if (const auto place = OutsideStrings(text_).firstNonAscii()) {
            fail({*place, *place, nullptr},
                 _("un carattere oltre l'ASCII sta solo in un testo tra virgolette o in un "
                   "commento."));
            return sortedErrors();
        }
        toml::table table;
        try {
            (void)toml::parse(asciiOnly(text_), fileName_);
            table = toml::parse(text_, fileName_);
        } catch (const toml::parse_error& error) {
            fail(error.source(), std::string(error.description()));
            return sortedErrors();
        }
        Machine machine;
        for (const auto& [key, node] : table) readTopLevel(key, node, machine);
        if (machine.axes.empty() && errors_.empty()) {
            fail({}, _("la macchina non ha assi: ciascuno è una tabella come [asse.X]."));
        }
        if (!errors_.empty()) return sortedErrors();
        std::sort(machine.axes.begin(), machine.axes.end(), [](const auto& a, const auto& b) {
            return kMachineAxisOrder.find(a.letter) < kMachineAxisOrder.find(b.letter);
        });
        return machine;
    }

private:
    void fail(const toml::source_region& where, std::string message,
              std::optional<char> axis = std::nullopt,
              std::optional<std::string> key = std::nullopt) {
        std::string placed(fileName_);
        if (where.begin) {
            placed += ":" + std::to_string(where.begin.line) + ":" +
                      std::to_string(where.begin.column);
        }
        errors_.push_back({where.begin, {placed + ": " + message, axis, std::move(key)}});
    }

    // In the file's order; those of no place first.
    std::vector<MachineFileError> sortedErrors() {
        std::stable_sort(errors_.begin(), errors_.end(), [](const auto& a, const auto& b) {
            return precedes(a.first, b.first);
        });
        std::vector<MachineFileError> errors;
        for (auto& [place, error] : errors_) errors.push_back(std::move(error));
        return errors;
    }

    void readTopLevel(const toml::key& key, const toml::node& node, Machine& machine) {
        if (isKey(key.str(), kFirmwareKey)) {
            const auto* name = node.as_string();
            const auto firmware = name ? firmwareNamed(name->get()) : std::nullopt;
            if (firmware) {
                machine.firmware = std::string(firmware->name);
            } else {
                std::string names;
                for (const FirmwareName& each : kFirmwares) {
                    names += (names.empty() ? "" : ", ") + std::string(each.name);
                }
                // TRANSLATORS: "firmware" is the machine file's key; {0} the firmwares' names
                fail(node.source(),
                     filled(_("firmware vuole il nome di un firmware: {0}."), {names}),
                     std::nullopt, std::string(key.str()));
            }
        } else if (isKey(key.str(), kNameKey)) {
            if (const auto* name = node.as_string()) {
                machine.name = name->get();
            } else {
                // TRANSLATORS: {0} is the machine file's key of the machine's name, as written
                fail(node.source(), filled(_("{0} vuole un testo."), {key.str()}), std::nullopt,
                     std::string(key.str()));
            }
        } else if (isKey(key.str(), kAxesKey)) {
            readAxes(key, node, machine);
        } else {
            fail(key.source(),
                 // TRANSLATORS: {0} is a key of the machine file, quoted; the keys in parentheses
                 // are the file's own
                 filled(_("chiave sconosciuta {0} (firmware, nome, asse)."), {cnc::quoted(key.str())}),
                 std::nullopt, std::string(key.str()));
        }
    }

    void readAxes(const toml::key& key, const toml::node& node, Machine& machine) {
        const auto* axes = node.as_table();
        if (!axes) {
            fail(node.source(),
                 // TRANSLATORS: {0} is the machine file's key of the axes, as written ("asse",
                 // "axis")
                 filled(_("{0} vuole una tabella per ciascun asse, come [asse.X]."), {key.str()}),
                 std::nullopt, std::string(key.str()));
            return;
        }
        for (const auto& [letterKey, options] : *axes) {
            const std::string_view written = letterKey.str();
            const char letter = written.size() == 1
                                    ? static_cast<char>(written[0] >= 'a' && written[0] <= 'z'
                                                            ? written[0] - 'a' + 'A'
                                                            : written[0])
                                    : '\0';
            if (letter == '\0' || kMachineAxisOrder.find(letter) == std::string_view::npos) {
                fail(letterKey.source(),
                     // TRANSLATORS: {0} is the axis's letter as written, quoted
                     filled(_("asse {0}: un asse è X, Y, Z, E, A, B o C."), {cnc::quoted(written)}),
                     std::nullopt, std::string(written));
                continue;
            }
            const bool twice = std::any_of(machine.axes.begin(), machine.axes.end(),
                                           [&](const auto& axis) { return axis.letter == letter; });
            if (twice) {
                fail(letterKey.source(), filled(_("{0}: dato due volte."), {axisNamed(letter)}),
                     letter);
                continue;
            }
            readAxis(letter, letterKey, options, machine);
        }
    }

    void readAxis(char letter, const toml::key& letterKey, const toml::node& node,
                  Machine& machine) {
        const auto* table = node.as_table();
        if (!table) {
            fail(
                letterKey.source(),
                filled(_("{0}: vuole una tabella di opzioni, come [asse.X]."), {axisNamed(letter)}),
                letter);
            return;
        }
        // In the file's order, which the table does not keep.
        std::vector<std::pair<const toml::key*, const toml::node*>> written;
        for (const auto& [key, value] : *table) written.emplace_back(&key, &value);
        std::sort(written.begin(), written.end(), [](const auto& a, const auto& b) {
            return precedes(a.first->source().begin, b.first->source().begin);
        });
        std::vector<Entry> entries;
        for (const auto& [key, value] : written) {
            if (auto entry = entryOf(letter, *key, *value, entries)) entries.push_back(*entry);
        }
        MachineAxisOptions axis{letter, {}};
        for (Entry& entry : entries) axis.options.emplace_back(entry.name, std::move(entry.text));
        machine.axes.push_back(std::move(axis));
    }

    // The option of one key, nullopt for an error or for false.
    std::optional<Entry> entryOf(char letter, const toml::key& key, const toml::node& value,
                                 const std::vector<Entry>& before) {
        const std::string written(key.str());
        const std::string axis = axisNamed(letter);
        const std::string quotedKey = cnc::quoted(written);
        const auto name = optionName("--" + written);
        if (!name) {
            // TRANSLATORS: {0} is an axis ("asse X"), {1} a key as written, quoted
            fail(key.source(), filled(_("{0}: chiave sconosciuta {1}."), {axis, quotedKey}), letter,
                 written);
            return std::nullopt;
        }
        if (!isAxisOption(*name)) {
            // TRANSLATORS: {0} is an axis ("asse X"), {1} a key as written, quoted
            fail(key.source(),
                 filled(_("{0}: {1} non è una chiave di un asse."), {axis, quotedKey}), letter,
                 written);
            return std::nullopt;
        }
        const std::string italian(name->substr(2));
        const bool twice = std::any_of(before.begin(), before.end(),
                                       [&](const Entry& entry) { return entry.name == italian; });
        if (twice) {
            fail(key.source(),
                 // TRANSLATORS: {0} is an axis ("asse X"), {1} a key as written, quoted, {2} the
                 // option it is, quoted
                 filled(_("{0}: {1} è di nuovo l'opzione {2}, già data."),
                        {axis, quotedKey, cnc::quoted(optionNameShown(italian).substr(2))}),
                 letter, written);
            return std::nullopt;
        }
        if (!*takesText(*name)) {
            const auto* flag = value.as_boolean();
            if (!flag) {
                // TRANSLATORS: {0} is an axis ("asse X"), {1} a key as written, quoted
                fail(value.source(), filled(_("{0}: {1} vuole true o false."), {axis, quotedKey}),
                     letter, written);
                return std::nullopt;
            }
            if (!flag->get()) return std::nullopt;
            return Entry{italian, ""};
        }
        auto text = textOf(value);
        if (!text) {
            fail(value.source(),
                 // TRANSLATORS: {0} is an axis ("asse X"), {1} a key as written, quoted
                 filled(_("{0}: {1} vuole un testo o un numero."), {axis, quotedKey}), letter,
                 written);
            return std::nullopt;
        }
        return Entry{italian, *std::move(text)};
    }

    std::optional<std::string> textOf(const toml::node& node) const {
        if (const auto* text = node.as_string()) return text->get();
        if (const auto* whole = node.as_integer()) return std::to_string(whole->get());
        if (const auto* number = node.as_floating_point()) return decimalText(*number);
        return std::nullopt;
    }

    // The number as written, every digit kept, when it is a plain decimal
    // that reads back as its value; else the value's shortest text.
    std::string decimalText(const toml::value<double>& number) const {
        std::string written;
        for (const char c : slice(number.source())) {
            if (c != '_') written += c;
        }
        const bool plain = !written.empty() && written.find_first_not_of("+-0123456789.") ==
                                                   std::string::npos;
        if (plain) {
            try {
                if (nearestDouble(decimalRatio(written, ".")) == std::abs(number.get())) {
                    return written;
                }
            } catch (const CalcError&) {
                // not of the entries' grammar: the value's own text below
            }
        }
        if (!std::isfinite(number.get())) return written;
        return shortestText(number.get());
    }

    // The text between two places of the file; columns count characters.
    std::string_view slice(const toml::source_region& region) const {
        const std::size_t begin = offsetOf(region.begin);
        const std::size_t end = offsetOf(region.end);
        return end > begin ? text_.substr(begin, end - begin) : std::string_view();
    }

    std::size_t offsetOf(const toml::source_position& place) const {
        if (!place || place.line > lineStarts_.size()) return text_.size();
        std::size_t offset = lineStarts_[place.line - 1];
        for (auto column = place.column; column > 1 && offset < text_.size(); --column) {
            ++offset;  // past a character's first byte and its continuation bytes
            while (offset < text_.size() && (static_cast<unsigned char>(text_[offset]) & 0xC0) == 0x80) {
                ++offset;
            }
        }
        return offset;
    }

    std::string_view text_;
    std::string_view fileName_;
    std::vector<std::size_t> lineStarts_;
    std::vector<std::pair<toml::source_position, MachineFileError>> errors_;
};

bool isDigits(std::string_view text) {
    return !text.empty() && text.find_first_not_of("0123456789") == std::string_view::npos;
}

// A text TOML reads back as itself from a bare number: an integer without
// leading zeros within 64 bits, or a decimal with digits either side.
bool isBareNumber(std::string_view text) {
    const bool negative = text.starts_with('-');
    if (negative) text.remove_prefix(1);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    if (!isDigits(whole) || (whole.size() > 1 && whole.front() == '0')) return false;
    if (point != std::string_view::npos) return isDigits(text.substr(point + 1));
    // -0 reads back as 0.
    constexpr std::size_t kSafeDigits = 18;
    return whole.size() <= kSafeDigits && !(negative && whole == "0");
}

std::string tomlString(std::string_view text) {
    std::string out = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (byte < 0x20 || byte == 0x7F) {
            constexpr char kHex[] = "0123456789ABCDEF";
            out += "\\u00";
            out += kHex[byte >> 4];
            out += kHex[byte & 15u];
        } else {
            out += c;
        }
    }
    return out + "\"";
}

std::string valueText(const std::string& name, const std::string& text) {
    const auto takes = takesText("--" + name);
    if (takes && !*takes) return "true";
    return isBareNumber(text) ? text : tomlString(text);
}

}  // namespace

bool isAxisOption(std::string_view name) {
    static constexpr std::string_view kAxisOptions[] = {
        "--passi",       "--angolo-passo",   "--passo-vite",     "--filetti-pollice",
        "--principi",    "--pollici",        "--mezzo-passo",    "--passo-intero",
        "--micropassi",  "--diretto",        "--ingranaggi",     "--motore",
        "--vite",        "--cinta",          "--puleggia-asse",  "--profilo-cinghia",
        "--rapporto",    "--diametro-ruota", "--denti-pignone",  "--modulo",
        "--passo-cremagliera", "--rotativo", "--step-mm",        "--giunto",
        "--esatto",      "--strato",         "--velocita",       "--frequenza-max",
    };
    return std::find(std::begin(kAxisOptions), std::end(kAxisOptions), name) !=
           std::end(kAxisOptions);
}

MachineReading readMachineText(std::string_view text, std::string_view fileName) {
    return Reader(text, fileName).read();
}

MachineReading readMachineFile(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    std::string text;
    if (file) {
        text.resize(kMostFileBytes + 1);
        file.read(text.data(), static_cast<std::streamsize>(text.size()));
        text.resize(static_cast<std::size_t>(file.gcount()));
    }
    if (!file && !file.eof()) {
        return std::vector<MachineFileError>{
            {filled(_("{0}: il file non si può leggere."), {path}), {}, {}}};
    }
    if (text.size() > kMostFileBytes) {
        return std::vector<MachineFileError>{
            {filled(_("{0}: il file supera 1 MiB, troppo per un file di macchina."), {path}),
             {},
             {}}};
    }
    return readMachineText(text, path);
}

std::string machineText(const Machine& machine) {
    std::string text;
    if (machine.firmware) text += "firmware = " + tomlString(*machine.firmware) + "\n";
    if (machine.name) text += "nome = " + tomlString(*machine.name) + "\n";
    for (const MachineAxisOptions& axis : machine.axes) {
        text += std::string(text.empty() ? "" : "\n") + "[asse." + axis.letter + "]\n";
        for (const auto& [name, value] : axis.options) {
            text += name + " = " + valueText(name, value) + "\n";
        }
    }
    return text;
}

}  // namespace cnc::cli
