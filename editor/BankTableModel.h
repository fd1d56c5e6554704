#pragma once

#include "forms/BankChecks.h"

#include <QAbstractTableModel>
#include <QByteArray>
#include <QList>
#include <QString>

#include <optional>

class QUndoStack;

// A field holding a character that Windows-1252 lacks; saving is refused
// while one is left.
struct UnencodableField {
    int row = 0;
    int column = 0;
    QChar character;
};

// The bank as the editor's table shows it: one row per line as the game
// reads it (rows past the 100th included, marked as not read), columns 0 to 3
// the question, the right answer and the two wrong answers as written.
// Every change goes through the undo stack given.
class BankTableModel : public QAbstractTableModel {
    Q_OBJECT

public:
    explicit BankTableModel(QUndoStack *undoStack, QObject *parent = nullptr);

    // Replaces the whole bank with the bytes of a file and clears the undo stack.
    void load(const QByteArray &bytes);
    // What Save writes: Windows-1252, CR LF; lines not edited keep their bytes.
    QByteArray bytes() const;
    std::optional<UnencodableField> firstUnencodable() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    int columnCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    // Edit role only; refuses (false) text holding a double quote.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;

    // Row edits, each one undo step.
    void insertBlankRows(int row, int count);
    void removeLines(int row, int count);
    void moveLines(int row, int count, int destinationRow);
    QString linesAsTabSeparated(const QList<int> &rows) const;
    bool pasteTabSeparated(int row, const QString &text);
    bool importCsv(int row, const QByteArray &csv);

    // One-click fixes for a problem CheckBank reported on these bytes.
    bool canFix(const BankProblem &problem) const;
    void fix(const BankProblem &problem);

signals:
    // After every change, undo and redo included: for the live checks and the preview.
    void bankChanged();
};
