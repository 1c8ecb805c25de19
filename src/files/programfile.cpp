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

class Refused {
  public:
    explicit Refused(std::string why) : why_(std::move(why)) {}
    const std::string& why() const { return why_; }

  private:
    std::string why_;
};

// Numbers are written in plain decimal: an optional minus sign, no leading
// zero, within 16 bits.
Field numberof(std::string_view bare) {
    if (bare.empty()) return {};
    const std::string_view digits = bare.front() == '-' ? bare.substr(1) : bare;
    if (digits.empty() ||
        !std::all_of(digits.begin(), digits.end(), [](char c) { return c >= '0' && c <= '9'; }))
        throw Refused("not a number: " + std::string(bare));
    if ((digits.size() > 1 && digits.front() == '0') || bare == "-0")
        throw Refused("not written as a number is: " + std::string(bare));
    int value = 0;
    const auto [end, error] = std::from_chars(bare.data(), bare.data() + bare.size(), value);
    if (error != std::errc() || end != bare.data() + bare.size() || value < -32768 || value > 32767)
        throw Refused("number out of range: " + std::string(bare));
    Field field;
    field.kind = Field::Kind::number;
    field.number = value;
    return field;
}

Field textof(std::string_view quoted) {
    if (quoted.size() > longesttextfield) throw Refused("text too long");
    if (std::any_of(quoted.begin(), quoted.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20; }))
        throw Refused("control character in a text");
    Field field;
    field.kind = Field::Kind::text;
    field.text = cp1252toutf8(quoted);
    return field;
}

// One field from `at`, which then stands on what ends it.
Field nextfield(std::string_view line, std::size_t& at) {
    if (at < line.size() && line[at] == '"') {
        const std::size_t close = line.find('"', at + 1);
        if (close == std::string_view::npos) throw Refused("text without its closing quote");
        Field field = textof(line.substr(at + 1, close - at - 1));
        at = close + 1;
        return field;
    }
    const std::size_t end = std::min(line.find(',', at), line.size());
    const std::string_view bare = line.substr(at, end - at);
    if (bare.find('"') != std::string_view::npos) throw Refused("quote inside a bare field");
    at = end;
    return numberof(bare);
}

Line parseline(std::string_view line) {
    std::size_t at = 0;
    Line parsed;
    parsed.first = nextfield(line, at);
    if (at >= line.size() || line[at] != ',') throw Refused("a line needs two fields");
    ++at;
    parsed.second = nextfield(line, at);
    if (at != line.size()) throw Refused("more than two fields on a line");
    return parsed;
}

// The file's lines, each ended by CR LF or LF; the last may lack its end.
std::vector<std::string_view> splitlines(std::string_view bytes) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    while (start < bytes.size()) {
        std::size_t end = bytes.find('\n', start);
        if (end == std::string_view::npos) end = bytes.size();
        std::string_view line = bytes.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.find('\r') != std::string_view::npos) throw Refused("stray carriage return");
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

class Reader {
  public:
    explicit Reader(std::string_view bytes) : lines_(splitlines(bytes)) {}

    ProgramFile read() {
        ProgramFile program;
        const Line header = next();
        if (header.first.kind != Field::Kind::text || header.first.text != fileheader)
            throw Refused("not a JEX simulator file");
        program.authorname = text(header.second, "author");
        for (int slot = 0; slot < slotcount; ++slot)
            readslot(program.store, slot);
        if (at_ != lines_.size()) throw Refused("more lines after the last slot");
        return program;
    }

  private:
    Line next() {
        if (at_ >= lines_.size()) throw Refused("the file ends early");
        return parseline(lines_[at_++]);
    }

    static std::string text(const Field& field, std::string_view what) {
        if (field.kind != Field::Kind::text) throw Refused(std::string(what) + " is not a text");
        return field.text;
    }

    static int number(const Field& field, std::string_view what) {
        if (field.kind != Field::Kind::number)
            throw Refused(std::string(what) + " is not a number");
        return field.number;
    }

    void readslot(ProgramStore& store, int slot) {
        const Line heading = next();
        store.slotname[slot] = text(heading.first, "slot name");
        const int count = number(heading.second, "step count");
        if (count < 0 || count > maxsteps) throw Refused("step count out of range");
        store.clear(slot);

        int open = 0;
        for (int step = 1; step <= count; ++step) {
            const Line line = next();
            const std::string token = text(line.first, "command");
            const int value = number(line.second, "argument of " + token);
            const Command command = commandfortoken(token);
            if (command == Command::none || command == Command::done)
                throw Refused("unknown command: " + token);
            checkstep(command, value, slot, open);
            store.append(slot, command, static_cast<Int16>(value));
        }

        const Line terminator = next();
        if (text(terminator.first, "terminator") != tokenof(Command::done))
            throw Refused("slot without its terminator");
        if (terminator.second.kind == Field::Kind::text) throw Refused("terminator with a text");
        // A removed step leaves its number, whatever it was, in the row that
        // becomes the terminator.
        if (terminator.second.kind == Field::Kind::number)
            store.arguments[count + 1][slot] = static_cast<Int16>(terminator.second.number);
    }

    // Whatever the keypad and the use buttons can make, however odd: a number
    // still missing (-1) anywhere, since a call can follow it; numbers of any
    // size and a note above 9, since digits keyed after a restore run on into
    // the number restored; a call or an end step with digits keyed onto its
    // number. The runner refuses the steps it cannot do when it reaches them.
    // Never made: a number below -1 where digits build it, an end step's
    // number above its marker, more than three repeats open, an end without a
    // repeat, a call where the use buttons refuse it.
    static void checkstep(Command command, int value, int slot, int& open) {
        switch (kindof(command)) {
        case CommandKind::repeat:
            if (value < awaitingnumber) throw Refused("negative repeat count");
            if (++open > maxopenrepeats) throw Refused("too many repeats open");
            return;
        case CommandKind::end:
            if (value > endmarker) throw Refused("end without its marker");
            if (--open < 0) throw Refused("end without a repeat");
            return;
        case CommandKind::call:
            if (value < 0 || !callallowed(command, slot))
                throw Refused("call of function " + std::to_string(commandinfo(command).calls) +
                              " out of place");
            return;
        default:
            if (value < awaitingnumber) throw Refused("negative number");
            return;
        }
    }

    std::vector<std::string_view> lines_;
    std::size_t at_ = 0;
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
    if (bytes.size() > largestprogramfile) return {std::nullopt, "file too large"};
    try {
        return {Reader(bytes).read(), {}};
    } catch (const Refused& refused) {
        return {std::nullopt, refused.why()};
    }
}

} // namespace jex
