#pragma once

#include "editor/document/QuizSheet.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;

// Prints a quiz: the question sheet (the title, a line for the pupil's name,
// the numbered questions with their answers and a box for the letter), then,
// from a new page, its answer key. Each part numbers its own pages, so that
// copies of the sheet can be handed out without the key, and every page
// names the order and its check, so that a sheet and a key can be matched.
// A question is never split across pages. Returns the number of pages
// printed, 0 when the printer could not start or finish.
int PrintQuiz(QPagedPaintDevice *printer, const QuizSheet &sheet);

// The pages each part takes on the printer's paper, without printing.
struct QuizPages {
    int sheet = 0;
    int key = 0;
};
QuizPages CountQuizPages(QPagedPaintDevice *printer, const QuizSheet &sheet);
