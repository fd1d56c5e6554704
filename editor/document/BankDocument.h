#pragma once

#include "forms/BankChecks.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <span>
#include <utility>
#include <vector>

// How one line of the bank ends. Each line keeps its own, so a file opened
// and saved unedited comes back byte for byte.
enum class LineEnd : std::uint8_t { None, CarriageReturn, CrLf };

// One line as the game reads it: a run of bytes up to its line end.
struct BankLine {
    // The bytes the game gets; a typed character Windows-1252 lacks stands here as '?'.
    QByteArray text;
    // Empty, or one entry a field: a field holding characters Windows-1252
    // lacks, exactly as typed, and null for the others. Saving is refused
    // while one is left. Kept apart so that a line costs little: a file can
    // hold millions of them.
    QStringList typed;
    LineEnd end = LineEnd::None;

    QString typedField(int column) const { return typed.value(column); }
    bool operator==(const BankLine &) const = default;
};

// Lines moved as QAbstractItemModel::moveRows moves them: `count` lines from
// `row` to stand before line `destination`, counted before the move.
struct BankMove {
    int row = 0;
    int count = 0;
    int destination = 0;

    // The move that brings the block back: it now stands where it was moved,
    // and goes back before the line that followed it.
    BankMove reversed() const;
};

// Replaces `before` (lines from `row` on) with `after`: every change to a
// bank is one of these, and undoing it applies the reversed splice.
struct BankSplice {
    int row = 0;
    std::vector<BankLine> before;
    std::vector<BankLine> after;
    // Set when the splice moves lines: views follow the move first, then
    // the lines whose ends it mended.
    std::optional<BankMove> move;
    // Set when the splice swaps the Ctrl-Z tail too, as a reload may: the
    // tail before and after.
    std::optional<std::pair<QByteArray, QByteArray>> tail;

    // The splice that undoes this one, its move included.
    BankSplice reversed() const;
};

// The bank file as a list of lines, cut exactly where the game cuts them,
// with whatever follows a Ctrl-Z kept as a tail. Qt Core only, so it can be
// fuzzed.
class BankDocument {
public:
    BankDocument();

    void load(QByteArrayView bytes);
    // The document as these very lines and tail, as a recovery file keeps
    // it: nothing is split, joined or mended.
    void assign(std::vector<BankLine> lines, QByteArray tail);
    // What Save writes: untouched lines keep their bytes; the caller refuses
    // to save while firstUnencodable() finds a character.
    QByteArray bytes() const;

    int lineCount() const { return int(lines_.size()); }
    const BankLine &line(int row) const { return lines_[std::size_t(row)]; }
    const std::vector<BankLine> &lines() const { return lines_; }
    // From the Ctrl-Z that ends the data on, or empty.
    const QByteArray &tail() const { return tail_; }
    // The field as written (not cut to its width), as the author sees it.
    QString field(int row, int column) const;

    // The first field holding a character Windows-1252 lacks: row, column
    // and that character (two code units for one beyond the BMP).
    struct Unencodable {
        int row = 0;
        int column = 0;
        QString character;
    };
    std::optional<Unencodable> firstUnencodable() const;

    // What CheckBank says about bytes() in the author's reading, without
    // writing out lines the game never reads, and an Unencodable entry for each field holding
    // characters Windows-1252 lacks, which bytes() holds as '?'.
    const BankReport &report() const;

    // Puts `lines` in place of `count` lines from `row`, adding the line ends
    // the bank then needs (a line followed by others must end, and an empty
    // last line must end to exist); the splice may so reach one line further
    // either way. A bank always keeps at least one line, as the game always
    // reads one.
    BankSplice planReplace(int row, int count, std::vector<BankLine> lines) const;
    // Inserts lines before `row`; a new bank's one empty line gives way to
    // them, as it is no line the author wrote.
    BankSplice planInsert(int row, std::vector<BankLine> lines) const;
    // Moves `count` lines from `row` to stand before line `destination`
    // (counted before the move), as QAbstractItemModel::moveRows does.
    BankSplice planMove(int row, int count, int destination) const;
    // Puts the lines and tail of `bytes` in place of the document's, as they
    // are, nothing mended: a reload, which one undo takes back whatever
    // differs. Only the lines that differ are in the splice, so that views
    // keep their place.
    BankSplice planReload(QByteArrayView bytes) const;
    // Swaps splice.before for splice.after; apply the reversed splice to undo.
    void apply(const BankSplice &splice);
    // Puts `lines` in place of `count` lines from `row`, exactly as given:
    // for applying a splice a part at a time.
    void replace(int row, int count, std::span<const BankLine> lines);
    // Moves lines as planMove does, but leaves their ends as they are: for
    // views that follow a move first and the mended ends after.
    void moveAsIs(int row, int count, int destination);
    // Sets the tail, for applying a splice a part at a time.
    void replaceTail(const QByteArray &tail);

private:
    std::vector<BankLine> lines_;
    QByteArray tail_; // from the Ctrl-Z that ends the data, included
    mutable std::optional<BankReport> report_;
};

// Building lines: a new or edited line is its four fields in Windows-1252,
// each ended by a double quote, ended by CR LF.
namespace BankLines {
// The field's text as the author sees it.
QString Field(const BankLine &line, int column);
// The line with one field replaced; what follows its 4th double quote stays.
// Text without any double quote, which the game never reads, is kept after
// the four new ones, where the checks still point at it.
BankLine WithField(const BankLine &line, int column, const QString &text);
BankLine FromFields(const std::array<QString, BankFieldCount> &fields);
// A row with four empty fields.
BankLine Blank();
// How many lines at the start and at the end the two lists share: what lies
// between is all a change from one to the other needs to hold.
struct SharedEnds {
    std::size_t head = 0;
    std::size_t tail = 0;
};
SharedEnds SharedEndsOf(const std::vector<BankLine> &before, const std::vector<BankLine> &after);
} // namespace BankLines
