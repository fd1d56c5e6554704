#include "forms/BankFile.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace {


// Letters compared in either case; other bytes as they are, whatever the
// locale.
bool SameIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c; };
    return std::ranges::equal(a, b, {}, lower, lower);
}

} // namespace

// The bytes of the source, a buffer at a time, with the end of data
// (end of file or Ctrl-Z) and a failed read told apart.
class BankLineSplitter::Bytes {
public:
    explicit Bytes(const BankByteSource &source) : source_(source) {}

    bool failed() const { return failed_; }
    std::size_t offset() const { return offset_; }

    // The next byte, or -1 at the end of data (or after a failure).
    int peek()
    {
        if (!fill())
            return -1;
        const char byte = buffer_[position_];
        return byte == CtrlZ ? -1 : static_cast<unsigned char>(byte);
    }

    bool atCtrlZ() { return fill() && buffer_[position_] == CtrlZ; }

    void advance()
    {
        ++position_;
        ++offset_;
    }

    // Takes the bytes up to the next carriage return or the end of data,
    // copying the first keep.size() of them; returns how many there were.
    std::size_t takeToLineEnd(std::span<char> keep)
    {
        std::size_t length = 0;
        while (fill()) {
            const char *start = buffer_.data() + position_;
            const std::size_t count = std::min(length_, ctrlZAt_) - position_;
            const void *returnAt = std::memchr(start, CarriageReturn, count);
            const std::size_t run = returnAt ? std::size_t(static_cast<const char *>(returnAt) - start) : count;
            if (length < keep.size())
                std::copy_n(start, std::min(run, keep.size() - length), keep.data() + length);
            length += run;
            position_ += run;
            offset_ += run;
            if (position_ < length_)
                break; // at a carriage return or a Ctrl-Z
        }
        return length;
    }

private:
    bool fill()
    {
        if (position_ < length_)
            return true;
        if (atEnd_)
            return false;
        const std::ptrdiff_t got = source_(buffer_.data(), buffer_.size());
        position_ = 0;
        length_ = got > 0 ? static_cast<std::size_t>(got) : 0;
        if (got <= 0) {
            atEnd_ = true;
            failed_ = got < 0;
        }
        // Found once a buffer: a search per line would cross the whole buffer.
        const void *ctrlZ = std::memchr(buffer_.data(), CtrlZ, length_);
        ctrlZAt_ = ctrlZ ? std::size_t(static_cast<const char *>(ctrlZ) - buffer_.data()) : length_;
        return length_ > 0;
    }

    const BankByteSource &source_;
    std::array<char, 64 * 1024> buffer_;
    std::size_t position_ = 0;
    std::size_t length_ = 0;
    std::size_t ctrlZAt_ = 0; // the first Ctrl-Z in the buffer, or length_
    std::size_t offset_ = 0;  // of position_ in the data
    bool atEnd_ = false;
    bool failed_ = false;
};

BankLineSplitter::BankLineSplitter(const BankByteSource &source) : bytes_(std::make_unique<Bytes>(source)) {}

BankLineSplitter::~BankLineSplitter() = default;

BankLineCut BankLineSplitter::next(std::span<char> keep)
{
    BankLineCut line{bytes_->offset()};
    line.length = bytes_->takeToLineEnd(keep);
    if (bytes_->peek() == CarriageReturn) {
        bytes_->advance();
        line.endLength = 1;
        if (bytes_->peek() == LineFeed) {
            bytes_->advance();
            line.endLength = 2;
        }
    }
    return line;
}

bool BankLineSplitter::atEnd()
{
    return bytes_->peek() < 0;
}

bool BankLineSplitter::failed() const
{
    return bytes_->failed();
}

bool BankLineSplitter::atCtrlZ()
{
    return bytes_->atCtrlZ();
}

std::size_t BankLineSplitter::offset() const
{
    return bytes_->offset();
}

BankByteSource BytesSource(std::string_view bytes)
{
    return [bytes, at = std::size_t(0)](char *buffer, std::size_t capacity) mutable -> std::ptrdiff_t {
        const std::size_t count = std::min(capacity, bytes.size() - at);
        std::copy_n(bytes.data() + at, count, buffer);
        at += count;
        return std::ptrdiff_t(count);
    };
}

RawBankLines SplitRawBank(std::string_view bytes)
{
    RawBankLines raw;
    const BankByteSource source = BytesSource(bytes);
    BankLineSplitter splitter(source);
    BankLineCut line;
    do {
        line = splitter.next();
        raw.lines.push_back(bytes.substr(line.offset, line.length));
    } while (!splitter.atEnd());
    raw.endsAtLineEnd = line.endLength > 0;
    raw.ctrlZ = splitter.atCtrlZ();
    if (raw.ctrlZ)
        raw.afterCtrlZ = bytes.size() - splitter.offset() - 1;
    return raw;
}

std::string FindBankFile()
{
    const std::string_view wanted = BankFileName;
    if (NameTakenHere(BankFileName))
        return std::string(wanted);
    std::string found;
    for (const std::string &name : NamesHere())
        if (SameIgnoringCase(name, wanted) && (found.empty() || name < found))
            found = name;
    return found.empty() ? std::string(wanted) : found;
}

FieldQuotes FindFieldQuotes(std::string_view line)
{
    FieldQuotes quotes;
    for (std::size_t at = line.find(FieldEnd); at != std::string_view::npos && quotes.count < BankFieldCount;
         at = line.find(FieldEnd, at + 1))
        quotes.at[quotes.count++] = at;
    return quotes;
}

std::array<std::string_view, BankFieldCount> FieldsAsWritten(std::string_view line)
{
    const FieldQuotes quotes = FindFieldQuotes(line);
    std::array<std::string_view, BankFieldCount> fields;
    // The loader takes nothing from a line without any quote; after the
    // last quote found, the next field runs to the end of the line.
    for (std::size_t field = 0; field < quotes.count; ++field) {
        const std::size_t from = field == 0 ? 0 : quotes.at[field - 1] + 1;
        fields[field] = line.substr(from, quotes.at[field] - from);
    }
    if (quotes.count > 0 && quotes.count < BankFieldCount)
        fields[quotes.count] = line.substr(quotes.at[quotes.count - 1] + 1);
    return fields;
}

std::string_view TextAfterFields(std::string_view line)
{
    const FieldQuotes quotes = FindFieldQuotes(line);
    if (quotes.count == 0)
        return line;
    return quotes.count < BankFieldCount ? std::string_view() : line.substr(quotes.at.back() + 1);
}

BankEntry SplitBankLine(std::string_view line)
{
    const std::array<std::string_view, BankFieldCount> fields = FieldsAsWritten(line);
    BankEntry entry;
    entry.question = fields[0];
    for (std::size_t answer = 1; answer <= 3; ++answer)
        entry.answers[answer] = fields[answer];
    return entry;
}

bool ReadBank(const BankByteSource &source, const BankEntrySink &store)
{
    BankLineSplitter splitter(source);
    std::array<char, BankLineLength> line;
    for (std::size_t slot = 1; slot <= BankSlots; ++slot) {
        // Only the first 140 characters of a line are used.
        const std::size_t length = std::min(splitter.next(line).length, line.size());
        if (splitter.failed())
            return false;
        store(slot, SplitBankLine(std::string_view(line.data(), length)));
        if (splitter.atEnd())
            break;
    }
    return !splitter.failed();
}

bool ReadBankFile(const char *path, const BankEntrySink &store)
{
    BankFileOpen file(path);
    if (!file.isOpen())
        return false;
    const BankByteSource source = [&file](char *buffer, std::size_t capacity) { return file.read(buffer, capacity); };
    const bool read = ReadBank(source, store);
    return file.close() && read;
}
