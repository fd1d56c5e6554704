#pragma once

#include "editor/document/BankDocument.h"
#include "editor/document/BankFixes.h"
#include "editor/document/CharacterReplacements.h"
#include "editor/document/TopUp.h"

#include "forms/BankChecks.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>
#include <span>

class QUndoStack;

// A cell and the text to put in it.
struct CellText {
    int row = 0;
    int column = 0;
    QString text;
};

// The bank as the editor's table shows it: one row per line as the game
// reads it (rows past the 100th included, marked as not read), columns 0 to 3
// the question, the right answer and the two wrong answers as written.
// Every change goes through the undo stack given.
class BankTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    enum Role {
        // int: the characters the game would get from the cell's field as
        // written, for the counters (the cut itself is the checks' to tell).
        FieldLengthRole = Qt::UserRole + 1,
        // int: the characters the game keeps of the column's field.
        FieldWidthRole,
    };
    // Qt::ToolTipRole gives what the checks report on the cell, in full.

    explicit BankTableModel(QUndoStack *undoStack, QObject *parent = nullptr);

    // Replaces the whole bank with the bytes of a file and clears the undo stack.
    void load(const QByteArray &bytes);
    // Replaces the whole bank with a recovered document and clears the undo stack.
    void loadDocument(BankDocument document);
    const BankDocument &document() const { return document_; }
    // What Save writes: Windows-1252, CR LF; lines not edited keep their bytes.
    // A character Windows-1252 lacks stands as '?', so Save must refuse
    // while firstUnencodable() finds one.
    QByteArray bytes() const;
    std::optional<BankDocument::Unencodable> firstUnencodable() const;
    // What the live problems panel lists: CheckBank(bytes()) in the
    // author's reading, with a
    // character Windows-1252 lacks counted as the '?' it would become and
    // listed as Unencodable. Worked out once per change; valid until the
    // next bankChanged().
    const BankReport &report() const;
    // The report as it would be with `text` in the cell: for a list that
    // follows what is typed before it is committed.
    BankReport reportWith(const QModelIndex &cell, const QString &text) const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Edit role only; refuses (false) text holding a double quote.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Puts each text in its cell as one undo step called `name`, adding blank
    // lines for cells past the last one. Text a field cannot hold is fitted
    // as pasted text is; cells that already hold their text are left alone.
    void setCells(const QList<CellText> &cells, const QString &name);

    // Replaces `text` with `replacement` (fitted as pasted text is) in every
    // cell, or only in `cell` when given, as one undo step named for what it
    // replaced. Returns the cells changed; none changed pushes no step.
    int replace(const QString &text, const QString &replacement, Qt::CaseSensitivity sensitivity,
                std::optional<QModelIndex> cell = std::nullopt);

    // Puts the lines in the order given (every line number once, as
    // RowOrder plans it) as one undo step called `name`; each line keeps its
    // bytes. False, with no step, when the order changes nothing.
    bool reorderLines(const std::vector<int> &order, const QString &name);

    // Puts the lines and tail of `bytes` in place of the whole bank as one
    // undo step called `name`, whatever differs, so that the version
    // replaced can be had back.
    void reload(const QByteArray &bytes, const QString &name);

    // Row edits, each one undo step. Removing every line leaves one empty
    // line, as the game always reads one.
    void insertBlankRows(int row, int count);
    void removeLines(int row, int count);
    // Keeps the lines the game reads, one undo step naming how many go.
    void removeLinesPastSlots();
    // destinationRow counts before the move, as in QAbstractItemModel::moveRows:
    // one line down is moveLines(row, 1, row + 2).
    void moveLines(int row, int count, int destinationRow);
    // Four fields a line, tab-separated, lines joined by newlines, rows in
    // order; a field holding a tab or a line feed is quoted, as spreadsheets do.
    QString linesAsTabSeparated(const QList<int> &rows) const;
    // Every line's four fields, as a CSV file holds them.
    QList<QStringList> rowsOfFields() const;
    // Each text line a new row from `row` on; false when there is nothing to
    // paste. Pasted and imported text that a field cannot hold is fitted:
    // straight double quotes become typographic ones, line breaks and tabs
    // spaces. In a new bank, the rows take the place of its one empty line.
    bool pasteTabSeparated(int row, const QString &text);
    // Records read from a CSV file (ReadCsv), each a new row from `row` on,
    // as one undo step; fitted as pasted text is. False when there are none.
    bool importCsv(int row, const QList<QStringList> &records);
    // The records of a CSV file read in the format CsvGuess finds for it.
    bool importCsv(int row, const QByteArray &csv);
    // The size of bytes() once these records are imported: for refusing an
    // import past what the editor can open.
    qint64 bytesWithImport(const QList<QStringList> &records) const;

    // Adds the questions of another bank that this one lacks, up to the
    // game's 100, as one undo step named for them and for `sourceName`;
    // nothing when none fit. Questions compare in the source's language.
    TopUpPlan topUp(QByteArrayView source, const QString &sourceName, const BankLanguage &language);

    // One-click fixes for a problem CheckBank reported on these bytes; a
    // field too long or a line over 140 characters has none, but is the
    // author's to reword (toReword).
    // Characters the code page lacks are replaced in the whole bank, one
    // kind of stand-in a step (CharacterReplacements.h).
    bool canFix(const BankProblem &problem) const;
    void fix(const BankProblem &problem);
    // The kind of stand-in Fix puts in for the problem's characters.
    std::optional<CharacterReplacements::Kind> replacementFor(const BankProblem &problem) const;
    void replaceCharacters(CharacterReplacements::Kind kind);
    // What the author rewords instead of a fix (BankFixes::ToReword): what
    // the game drops of a field too long, or the end of a long line's
    // longest field.
    std::optional<BankFixes::FieldSpan> toReword(const BankProblem &problem) const;
    // A field too long cut to its width, as one undo step that names what it
    // cut; false when the problem is no such field.
    bool cutToWidth(const BankProblem &problem);
    // Every fixable problem of the kind that report() lists, fixed as one undo step.
    void fixAll(BankProblemKind kind);
    // Every fixable problem of every kind, fixed as one undo step named
    // after the kinds it mends.
    void fixAll();
    // Whether fixAll() would change anything.
    bool anyFixable() const;

    // Does a splice, telling the views, outside the undo stack: for the undo
    // steps, which undo with the splice reversed.
    void apply(const BankSplice &splice);

private:
    void push(BankSplice splice, const QString &text);
    void fixKinds(std::span<const BankProblemKind> kinds);
    bool hasLineFix(const BankProblem &problem) const;
    QStringList fieldsOf(int row) const;
    // How a field from elsewhere is made to fit: FieldText::Fitted() or Imported().
    using Fit = QString (*)(const QString &);
    std::vector<BankLine> linesFromRecords(const QList<QStringList> &records, Fit fit) const;
    // setCells() for text already fit for its field, as it stands.
    void setFittedCells(const QList<CellText> &cells, const QString &name);

    QUndoStack *undoStack_;
    BankDocument document_;

signals:
    // After every change, undo and redo included: for the live checks and the preview.
    void bankChanged();
};
