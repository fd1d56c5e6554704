// Feeds arbitrary bytes to the question bank loader and checks every load:
// at most 100 slots, numbered 1..n in order, every field within its width and
// free of double quotes and line ends, and the same result however the bytes
// arrive (reads of sizes drawn from the input, then the whole input at once).
// A small model of the bank rules, kept apart from the loader, says what each
// slot must hold; a source that fails after the last byte may only cut the
// load short. The checks' own cut of the bytes into whole lines must give the
// loader's lines and fields, or tqzcheck and the editor would tell of another
// bank than the game plays. Any broken rule traps, so libFuzzer keeps the input.
#include "forms/BankFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace {

constexpr std::size_t Widths[4] = {73, 26, 26, 26};

struct Slot {
    std::size_t slot = 0;
    std::string fields[4]; // question, right answer, answer 2, answer 3
    bool operator==(const Slot &) const = default;
};

struct Load {
    bool ok = false;
    std::vector<Slot> slots;
    int readsAfterEnd = 0; // asking again after the end or a failure could block on a real file
};

void Show(const char *label, const Slot &slot)
{
    std::fprintf(stderr, "  %s slot %zu:", label, slot.slot);
    for (const std::string &field : slot.fields) {
        std::fputs(" [", stderr);
        for (const unsigned char c : field)
            std::fprintf(stderr, c >= 32 && c < 127 ? "%c" : "\\x%02x", c);
        std::fputc(']', stderr);
    }
    std::fputc('\n', stderr);
}

void Check(bool holds, const char *why)
{
    if (holds)
        return;
    std::fprintf(stderr, "bank loader rule broken: %s\n", why);
    __builtin_trap();
}

// Two lists of slots must agree; the first difference is shown before the trap.
void CheckSame(const std::vector<Slot> &got, const std::vector<Slot> &expected, const char *why)
{
    if (got == expected)
        return;
    std::fprintf(stderr, "%zu slots, expected %zu\n", got.size(), expected.size());
    for (std::size_t i = 0; i < std::min(got.size(), expected.size()); ++i)
        if (!(got[i] == expected[i])) {
            Show("got     ", got[i]);
            Show("expected", expected[i]);
            break;
        }
    Check(false, why);
}

// Read sizes drawn from the input's own bytes, so each input always arrives
// the same way (a crash replays), and inputs differ in how finely they are cut:
// single bytes, a few bytes, about a line, or long stretches.
class ChunkSizes {
public:
    ChunkSizes(const std::uint8_t *data, std::size_t size)
    {
        std::uint64_t hash = 1469598103934665603ull;
        for (std::size_t i = 0; i < size; ++i)
            hash = (hash ^ data[i]) * 1099511628211ull;
        state_ = hash | 1;
        static constexpr std::size_t Scales[] = {1, 8, 150, 5000};
        limit_ = Scales[next() % 4];
    }

    std::size_t operator()() { return 1 + next() % limit_; }

private:
    std::uint64_t next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 7;
        state_ ^= state_ << 17;
        return state_;
    }

    std::uint64_t state_;
    std::size_t limit_;
};

Slot SlotOf(std::size_t slot, const BankEntry &entry)
{
    Slot got{slot, {}};
    got.fields[0] = entry.question.view();
    for (std::size_t answer = 1; answer <= 3; ++answer)
        got.fields[answer] = entry.answers[answer].view();
    return got;
}

Load LoadBytes(std::string_view bytes, const std::function<std::size_t()> &chunk, bool failAtEnd)
{
    Load load;
    std::size_t at = 0;
    bool ended = false;
    const BankByteSource source = [&](char *buffer, std::size_t capacity) -> std::ptrdiff_t {
        if (ended)
            ++load.readsAfterEnd;
        if (at >= bytes.size()) {
            ended = true;
            return failAtEnd ? -1 : 0;
        }
        const std::size_t count = std::min({chunk(), bytes.size() - at, capacity});
        std::memcpy(buffer, bytes.data() + at, count);
        at += count;
        return static_cast<std::ptrdiff_t>(count);
    };
    const BankEntrySink sink = [&load](std::size_t slot, const BankEntry &entry) {
        load.slots.push_back(SlotOf(slot, entry));
    };
    load.ok = ReadBank(source, sink);
    return load;
}

// The fields of one line by the bank rules: the pieces between double quotes,
// the question only when a quote ends it, each field cut to its width.
Slot ModelLine(std::size_t slot, std::string_view line)
{
    Slot model{slot, {}};
    if (line.find('"') == std::string_view::npos)
        return model;
    std::size_t field = 0;
    std::size_t from = 0;
    for (; field < 4 && from <= line.size(); ++field) {
        const std::size_t quote = line.find('"', from);
        const std::size_t end = quote == std::string_view::npos ? line.size() : quote;
        model.fields[field] = line.substr(from, std::min(end - from, Widths[field]));
        if (quote == std::string_view::npos)
            break;
        from = quote + 1;
    }
    return model;
}

// The slots a bank must fill: data up to Ctrl-Z, lines ended by CR with an
// optional LF, 140 characters of a line used, at least one line, 100 at most.
std::vector<Slot> ModelBank(std::string_view bytes)
{
    bytes = bytes.substr(0, bytes.find('\x1a'));
    std::vector<Slot> slots;
    std::size_t at = 0;
    for (;;) {
        const std::size_t end = std::min(bytes.find('\r', at), bytes.size());
        slots.push_back(ModelLine(slots.size() + 1, bytes.substr(at, std::min<std::size_t>(end - at, 140))));
        if (end == bytes.size() || slots.size() == 100)
            break;
        at = end + 1;
        if (at < bytes.size() && bytes[at] == '\n')
            ++at;
        if (at == bytes.size())
            break;
    }
    return slots;
}

// The lines the checks see, cut at 140 and split, are the slots loaded.
void CheckChecksAgree(std::string_view bytes, const std::vector<Slot> &slots)
{
    const RawBankLines raw = SplitRawBank(bytes);
    Check(std::min<std::size_t>(raw.lines.size(), 100) == slots.size(),
          "the checks count other lines than the loader");
    std::vector<Slot> split;
    for (std::size_t i = 0; i < slots.size(); ++i)
        split.push_back(SlotOf(i + 1, SplitBankLine(raw.lines[i].substr(0, 140))));
    CheckSame(split, slots, "the checks split a line into other fields than the loader");
}

void CheckShape(const Load &load)
{
    Check(load.readsAfterEnd == 0, "the source was read again after its end");
    Check(!load.slots.empty() || !load.ok, "a successful load handed on no line");
    Check(load.slots.size() <= 100, "more than 100 slots handed on");
    for (std::size_t i = 0; i < load.slots.size(); ++i) {
        const Slot &slot = load.slots[i];
        Check(slot.slot == i + 1, "slots not handed on as 1..n in order");
        for (std::size_t field = 0; field < 4; ++field) {
            const std::string &text = slot.fields[field];
            Check(text.size() <= Widths[field], "a field is wider than its width");
            Check(text.find_first_of("\"\r\x1a") == std::string::npos,
                  "a field holds a double quote, a carriage return or Ctrl-Z");
        }
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char *>(data), size);

    ChunkSizes varied(data, size);
    const Load cut = LoadBytes(bytes, std::ref(varied), false);
    const Load whole = LoadBytes(bytes, [] { return SIZE_MAX; }, false);
    CheckShape(cut);
    CheckShape(whole);
    Check(cut.ok && whole.ok, "a load of readable bytes failed");
    CheckSame(cut.slots, whole.slots, "the load depends on how the bytes arrive");
    CheckSame(whole.slots, ModelBank(bytes), "the load does not follow the bank rules");
    CheckChecksAgree(bytes, whole.slots);

    // A read that fails after the last byte: what was handed on is a start of
    // the clean load, and all of it when the loader reports success.
    const Load failing = LoadBytes(bytes, std::ref(varied), true);
    CheckShape(failing);
    Check(failing.slots.size() <= whole.slots.size(), "a failing source yielded more slots");
    Check(std::equal(failing.slots.begin(), failing.slots.end(), whole.slots.begin()),
          "a failing source changed the slots handed on before it failed");
    Check(!failing.ok || failing.slots.size() == whole.slots.size(),
          "the loader reported success but lost lines");
    return 0;
}
