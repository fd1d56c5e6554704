#pragma once

#include "app/BoundedText.h"
#include "app/OneBased.h"
#include "forms/BankFileOpen.h"

#include <array>
#include <cstddef>
#include <functional>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// The question bank file: one entry a line, four fields each ended by a
// double quote (question, right answer, two wrong answers), 8-bit text kept
// exactly as read. No window code here, so it can be tried on raw bytes.

inline constexpr std::size_t BankSlots = 100;
inline constexpr std::size_t BankLineLength = 140;
inline constexpr char BankFileName[] = "quarl3.tqz";

// The bytes that give a bank its shape.
inline constexpr char FieldEnd = '"';
inline constexpr char CarriageReturn = '\r';
inline constexpr char LineFeed = '\n'; // ends a line only after a carriage return
inline constexpr char CtrlZ = 26;       // ends the data

struct BankEntry {
    BoundedText<73> question;
    OneBased<BoundedText<26>, 3> answers; // answer 1 is the right one
};

inline constexpr std::size_t BankFieldCount = 4;

// Where a line's first four double quotes stand, each field's end: the one
// finder of fields that the loader, the checks and the editor all use.
struct FieldQuotes {
    std::array<std::size_t, BankFieldCount> at{};
    std::size_t count = 0; // 0 to 4
};
FieldQuotes FindFieldQuotes(std::string_view line);

// A line's four fields as written, each up to its double quote and not cut to
// its width. With fewer than four double quotes, the last field found runs
// to the end of the line and the fields after it are empty; a line without
// any double quote gives four empty fields.
std::array<std::string_view, BankFieldCount> FieldsAsWritten(std::string_view line);

// What follows the 4th double quote, or the whole line when it holds none:
// text the game never reads.
std::string_view TextAfterFields(std::string_view line);

// Splits one line as read into its fields, each cut to its width.
BankEntry SplitBankLine(std::string_view line);

// Fills up to the buffer's capacity; returns the bytes read, 0 at the end of
// the file, or a negative number when reading failed.
using BankByteSource = std::function<std::ptrdiff_t(char *buffer, std::size_t capacity)>;
using BankEntrySink = std::function<void(std::size_t slot, const BankEntry &entry)>;

// One line as the game cuts it out of the data.
struct BankLineCut {
    std::size_t offset = 0;    // of its first byte in the data
    std::size_t length = 0;    // up to its line end, not cut at 140
    std::size_t endLength = 0; // 0 at the end of data, 1 for CR, 2 for CR LF
};

// The one splitter of lines: a carriage return ends a line (with one line
// feed after it); a lone line feed is an ordinary character; Ctrl-Z or the end
// of the source ends the data. There is always at least one line. It reads
// the source a buffer at a time and never again after its end or a failure.
class BankLineSplitter {
public:
    explicit BankLineSplitter(const BankByteSource &source);
    ~BankLineSplitter();
    BankLineSplitter(const BankLineSplitter &) = delete;
    BankLineSplitter &operator=(const BankLineSplitter &) = delete;

    // Cuts the next line, copying its first keep.size() bytes to keep.
    BankLineCut next(std::span<char> keep = {});
    // True when no line follows the one just cut.
    bool atEnd();
    // The source failed; what was cut before may still be whole.
    bool failed() const;
    // The data ended at a Ctrl-Z, and where it stands (once atEnd()).
    bool atCtrlZ();
    std::size_t offset() const;

private:
    class Bytes;
    std::unique_ptr<Bytes> bytes_;
};

// A source reading the bytes given, which must outlive it.
BankByteSource BytesSource(std::string_view bytes);

// The data's lines, split as the loader splits them but kept whole rather
// than cut at 140, so that what the loader leaves out can be told. They end
// where the game's data ends: at the end of the bytes or at a Ctrl-Z.
struct RawBankLines {
    std::vector<std::string_view> lines; // views into the bytes split
    bool endsAtLineEnd = false;          // the data ends just after a line end
    bool ctrlZ = false;                  // a Ctrl-Z ended the data
    std::size_t afterCtrlZ = 0;          // bytes after that Ctrl-Z
};
RawBankLines SplitRawBank(std::string_view bytes);

// Reads lines until the end of data, handing line n to slot n. A carriage
// return ends a line (with one line feed after it); a lone line feed is an
// ordinary character; Ctrl-Z or the end of the file ends the data. Only the
// first 140 characters of a line count. There is always at least one line,
// and lines after the 100th are not read: the tables hold 100 entries.
// Returns false when the source failed; lines read in full before that have
// been handed on.
bool ReadBank(const BankByteSource &source, const BankEntrySink &store);

// The name to open the bank by in the current folder: "quarl3.tqz" when it
// is there, otherwise the first name in byte order that matches it when the
// case of letters is ignored, as names are matched on the platform the banks
// come from (they are often copied in capitals). With no such name it is
// "quarl3.tqz", which then fails to open.
std::string FindBankFile();

// Reads the bank file at the given path. A path that is missing, unreadable
// or not a regular file (a folder, a pipe, a device) fails before anything is
// read, so it can never hang the caller.
bool ReadBankFile(const char *path, const BankEntrySink &store);
