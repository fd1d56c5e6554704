// The question bank loader and the question picker, timed on their own.
#include "forms/BankFile.h"
#include "forms/QuestionState.h"
#include "app/Random.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

std::string ReadWhole(const fs::path &path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void WriteWhole(const fs::path &path, const std::string &bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

// A scratch folder for the generated banks, removed at exit.
struct Scratch {
    fs::path folder;
    Scratch()
    {
        std::string pattern = (fs::temp_directory_path() / "korvane-bench-XXXXXX").string();
        if (!mkdtemp(pattern.data()))
            throw std::runtime_error("cannot make a scratch folder");
        folder = pattern;
    }
    ~Scratch()
    {
        std::error_code ignored;
        fs::remove_all(folder, ignored);
    }
};

Scratch &ScratchFolder()
{
    static Scratch scratch;
    return scratch;
}

const fs::path ShippedBankPath = fs::path(KORVANE_SOURCE_DIR) / "data" / BankFileName;

const fs::path &TenThousandLineBank()
{
    static const fs::path path = [] {
        const std::string shipped = ReadWhole(ShippedBankPath);
        std::string bytes;
        bytes.reserve(shipped.size() * 101);
        for (std::size_t line = 0; line < 10000; ++line)
            bytes += "Question " + std::to_string(line) + " of a long bank?\"Right\"Wrong one\"Wrong two\"\r\n";
        const fs::path file = ScratchFolder().folder / "long.tqz";
        WriteWhole(file, bytes);
        return file;
    }();
    return path;
}

const fs::path &SingleLineBank()
{
    static const fs::path path = [] {
        // 200 MB with no line end: everything after the first 140 characters
        // must be skipped.
        std::string bytes(200u * 1024 * 1024, 'x');
        const char head[] = "A question that never ends?\"Right\"Wrong\"Wrong\"";
        std::memcpy(bytes.data(), head, sizeof head - 1);
        const fs::path file = ScratchFolder().folder / "single.tqz";
        WriteWhole(file, bytes);
        return file;
    }();
    return path;
}

void LoadFile(benchmark::State &state, const fs::path &path)
{
    for (auto _ : state) {
        ResetPerGameState();
        if (!ReadBankFile(path.c_str(), StoreBankEntry))
            state.SkipWithError("the bank could not be read");
        benchmark::DoNotOptimize(QuestionCursor);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(fs::file_size(path)));
}

void BM_LoadShippedBankFromMemory(benchmark::State &state)
{
    const std::string bytes = ReadWhole(ShippedBankPath);
    for (auto _ : state) {
        std::size_t offset = 0;
        const BankByteSource source = [&](char *buffer, std::size_t capacity) -> std::ptrdiff_t {
            const std::size_t count = std::min(capacity, bytes.size() - offset);
            std::memcpy(buffer, bytes.data() + offset, count);
            offset += count;
            return static_cast<std::ptrdiff_t>(count);
        };
        ResetPerGameState();
        ReadBank(source, StoreBankEntry);
        benchmark::DoNotOptimize(QuestionCursor);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_LoadShippedBankFromMemory)->Unit(benchmark::kMicrosecond);

void BM_LoadShippedBankFromFile(benchmark::State &state)
{
    LoadFile(state, ShippedBankPath);
}
BENCHMARK(BM_LoadShippedBankFromFile)->Unit(benchmark::kMicrosecond);

void BM_LoadTenThousandLineBank(benchmark::State &state)
{
    LoadFile(state, TenThousandLineBank());
}
BENCHMARK(BM_LoadTenThousandLineBank)->Unit(benchmark::kMicrosecond);

void BM_LoadSingleLine200MB(benchmark::State &state)
{
    LoadFile(state, SingleLineBank());
}
BENCHMARK(BM_LoadSingleLine200MB)->Unit(benchmark::kMillisecond)->MinTime(2.0);

// The hardest pick short of the reset: one entry left unasked. Restoring the
// marks is part of each iteration; it is a 100-entry copy.
void BM_PickQuestionWith99Asked(benchmark::State &state)
{
    OneBased<Flag, BankSlots> marks;
    for (std::size_t slot = 1; slot <= BankSlots; ++slot)
        marks[slot] = "T";
    marks[57] = "F";
    RandSeed = 12345;
    for (auto _ : state) {
        QuestionUsed = marks;
        PickQuestion();
        benchmark::DoNotOptimize(QuestionCursor);
    }
}
BENCHMARK(BM_PickQuestionWith99Asked)->Unit(benchmark::kNanosecond);

} // namespace

BENCHMARK_MAIN();
