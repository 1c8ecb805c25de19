// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/programfile.h"

#include "core/commands.h"
#include "files/cp1252.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <vector>

namespace jex {
namespace {

// --- Writing --------------------------------------------------------------

std::string textfield(std::string_view text) {
    std::string bytes = fieldbytes(text);
    // Names are kept within the limit as they are typed; anything longer
    // loses its end rather than make a file that cannot be read.
    if (bytes.size() > longesttextfield) bytes.resize(longesttextfield);
    return '"' + bytes + '"';
}

std::string numberfield(const Argument& number) {
    return number ? std::to_string(*number) : std::string();
}

void writeline(std::string& out, const std::string& first, const std::string& second) {
    out += first;
    out += ',';
    out += second;
    out += "\r\n";
}

// --- Reading --------------------------------------------------------------

struct Field {
    enum class Kind { text, number, empty } kind = Kind::empty;
    std::string text; // UTF-8
    int number = 0;
};

struct Line {
    Field first, second;
};

// Reads the file's lines in turn and stops at the first thing wrong with it,
// keeping what that was. Every step answers false once the file is refused.
class Reader {
  public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    ReadResult read() {
        ProgramFile program;
        if (!readall(program)) return {std::nullopt, refusal_};
        return {std::move(program), {}};
    }

  private:
    bool refuse(std::string why) {
        refusal_ = std::move(why);
        return false;
    }

    [[nodiscard]] bool readall(ProgramFile& program) {
        if (!splitlines()) return false;
        Line header;
        if (!next(header)) return false;
        if (header.first.kind != Field::Kind::text || header.first.text != fileheader)
            return refuse("not a JEX simulator file");
        if (!text(header.second, "author", program.authorname)) return false;
        for (int slot = 0; slot < slotcount; ++slot)
            if (!readslot(program.store, slot)) return false;
        if (at_ != lines_.size()) return refuse("more lines after the last slot");
        return true;
    }

    // The file's lines, each ended by CR LF or LF; the last may lack its end.
    [[nodiscard]] bool splitlines() {
        std::size_t start = 0;
        while (start < bytes_.size()) {
            std::size_t end = bytes_.find('\n', start);
            if (end == std::string_view::npos) end = bytes_.size();
            std::string_view line = bytes_.substr(start, end - start);
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            if (line.find('\r') != std::string_view::npos) return refuse("stray carriage return");
            lines_.push_back(line);
            start = end + 1;
        }
        return true;
    }

    [[nodiscard]] bool next(Line& parsed) {
        if (at_ >= lines_.size()) return refuse("the file ends early");
        return parseline(lines_[at_++], parsed);
    }

    [[nodiscard]] bool parseline(std::string_view line, Line& parsed) {
        std::size_t at = 0;
        if (!nextfield(line, at, parsed.first)) return false;
        if (at >= line.size() || line[at] != ',') return refuse("a line needs two fields");
        ++at;
        if (!nextfield(line, at, parsed.second)) return false;
        if (at != line.size()) return refuse("more than two fields on a line");
        return true;
    }

    // One field from `at`, which then stands on what ends it.
    [[nodiscard]] bool nextfield(std::string_view line, std::size_t& at, Field& field) {
        if (at < line.size() && line[at] == '"') {
            const std::size_t close = line.find('"', at + 1);
            if (close == std::string_view::npos) return refuse("text without its closing quote");
            if (!textof(line.substr(at + 1, close - at - 1), field)) return false;
            at = close + 1;
            return true;
        }
        const std::size_t end = std::min(line.find(',', at), line.size());
        const std::string_view bare = line.substr(at, end - at);
        if (bare.find('"') != std::string_view::npos) return refuse("quote inside a bare field");
        at = end;
        return numberof(bare, field);
    }

    // Numbers are written in plain decimal: an optional minus sign, no
    // leading zero, within 16 bits.
    [[nodiscard]] bool numberof(std::string_view bare, Field& field) {
        field = {};
        if (bare.empty()) return true;
        const std::string_view digits = bare.front() == '-' ? bare.substr(1) : bare;
        if (digits.empty() ||
            !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
            return refuse("not a number: " + std::string(bare));
        if ((digits.size() > 1 && digits.front() == '0') || bare == "-0")
            return refuse("not written as a number is: " + std::string(bare));
        int value = 0;
        const auto [end, error] = std::from_chars(bare.data(), bare.data() + bare.size(), value);
        if (error != std::errc() || end != bare.data() + bare.size() || value < -32768 ||
            value > 32767)
            return refuse("number out of range: " + std::string(bare));
        field.kind = Field::Kind::number;
        field.number = value;
        return true;
    }

    [[nodiscard]] bool textof(std::string_view quoted, Field& field) {
        if (quoted.size() > longesttextfield) return refuse("text too long");
        if (std::any_of(quoted.begin(), quoted.end(),
                        [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
            return refuse("control character in a text");
        field = {};
        field.kind = Field::Kind::text;
        field.text = cp1252toutf8(quoted);
        return true;
    }

    [[nodiscard]] bool text(const Field& field, std::string_view what, std::string& out) {
        if (field.kind != Field::Kind::text) return refuse(std::string(what) + " is not a text");
        out = field.text;
        return true;
    }

    [[nodiscard]] bool number(const Field& field, std::string_view what, int& out) {
        if (field.kind != Field::Kind::number)
            return refuse(std::string(what) + " is not a number");
        out = field.number;
        return true;
    }

    [[nodiscard]] bool readslot(ProgramStore& store, int slot) {
        Line heading;
        if (!next(heading) || !text(heading.first, "slot name", store.slotname[slot])) return false;
        int count = 0;
        if (!number(heading.second, "step count", count)) return false;
        if (count < 0 || count > maxsteps) return refuse("step count out of range");
        store.clear(slot);

        int open = 0;
        for (int step = 1; step <= count; ++step) {
            Line line;
            std::string token;
            int value = 0;
            if (!next(line) || !text(line.first, "command", token) ||
                !number(line.second, "argument of " + token, value))
                return false;
            const Command command = commandfortoken(token);
            if (command == Command::none || command == Command::done)
                return refuse("unknown command: " + token);
            if (!checkstep(command, value, slot, open)) return false;
            store.append(slot, command, static_cast<Int16>(value));
        }

        Line terminator;
        std::string done;
        if (!next(terminator) || !text(terminator.first, "terminator", done)) return false;
        if (done != tokenof(Command::done)) return refuse("slot without its terminator");
        if (terminator.second.kind == Field::Kind::text) return refuse("terminator with a text");
        // A removed step leaves its number, whatever it was, in the row that
        // becomes the terminator.
        if (terminator.second.kind == Field::Kind::number)
            store.arguments[count + 1][slot] = static_cast<Int16>(terminator.second.number);
        return true;
    }

    // Whatever the keypad and the use buttons can make, however odd: a number
    // still missing (-1) anywhere, since a call can follow it; numbers of any
    // size and a note above 9, since digits keyed after a restore run on into
    // the number restored; a call or an end step with digits keyed onto its
    // number. The runner refuses the steps it cannot do when it reaches them.
    // Never made: a number below -1 where digits build it, an end step's
    // number above its marker, more than three repeats open, an end without a
    // repeat, a call where the use buttons refuse it.
    [[nodiscard]] bool checkstep(Command command, int value, int slot, int& open) {
        switch (kindof(command)) {
        case CommandKind::repeat:
            if (value < awaitingnumber) return refuse("negative repeat count");
            if (++open > maxopenrepeats) return refuse("too many repeats open");
            return true;
        case CommandKind::end:
            if (value > endmarker) return refuse("end without its marker");
            if (--open < 0) return refuse("end without a repeat");
            return true;
        case CommandKind::call:
            if (value < 0 || !callallowed(command, slot))
                return refuse("call of function " + std::to_string(commandinfo(command).calls) +
                              " out of place");
            return true;
        default:
            if (value < awaitingnumber) return refuse("negative number");
            return true;
        }
    }

    std::string_view bytes_;
    std::vector<std::string_view> lines_;
    std::size_t at_ = 0;
    std::string refusal_;
};

} // namespace

std::string fieldbytes(std::string_view text) {
    return writablename(utf8tocp1252(text));
}

std::string writablename(std::string_view name) {
    std::string result;
    result.reserve(name.size());
    for (const char c : name)
        if (c != '"' && static_cast<unsigned char>(c) >= 0x20) result += c;
    return result;
}

std::string writeprogram(const ProgramFile& program) {
    std::string out;
    writeline(out, textfield(fileheader), textfield(program.authorname));
    const ProgramStore& store = program.store;
    for (int slot = 0; slot < slotcount; ++slot) {
        const int count = std::clamp<int>(store.stepcount[slot], 0, maxsteps);
        writeline(out, textfield(store.slotname[slot]), std::to_string(count));
        for (int step = 1; step <= count + 1; ++step)
            writeline(out, textfield(tokenof(store.commands[step][slot])),
                      numberfield(store.arguments[step][slot]));
    }
    return out;
}

ReadResult readprogram(std::string_view bytes) {
    if (bytes.size() > largestprogramfile) return {std::nullopt, std::string(filetoolarge)};
    return Reader(bytes).read();
}

} // namespace jex
