#pragma once

#include "editor/document/QuizSheet.h"

#include <QList>
#include <QString>

class QPagedPaintDevice;

// Prints a quiz: the question sheet (the title, a line for the pupil's name,
// the numbered questions with their answers and a box for the letter), then,
// from a new page, its answer key. Each part numbers its own pages, so that
// copies of the sheet can be handed out without the key. A question is never
// split across pages. Returns the number of pages printed, 0 when the
// printer could not start or finish.
int PrintQuiz(QPagedPaintDevice *printer, const QString &title, const QList<QuizQuestion> &questions);
