#include "editor/window/QuizSheetDialog.h"

#include "editor/window/QuizPrinter.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

template <typename Widget, typename... Args>
Widget *Named(const char *name, Args &&...args)
{
    auto *widget = new Widget(std::forward<Args>(args)...);
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

QSpinBox *Spin(const char *name, int largest, int value)
{
    auto *spin = Named<QSpinBox>(name);
    spin->setRange(1, std::max(largest, 1));
    spin->setValue(value);
    return spin;
}

// Widgets side by side, as one row of a form.
QWidget *Row(std::initializer_list<QWidget *> widgets)
{
    auto *row = new QWidget;
    auto *layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    layout->addStretch();
    return row;
}

} // namespace

QuizSheetDialog::QuizSheetDialog(QWidget *parent, const QuizSheetOptions &options, int questions, QPrinter *printer,
                                 std::function<QuizSheet(const QuizSheetOptions &)> make, const QString &go)
    : QDialog(parent), printer_(printer), make_(std::move(make)),
      title_(Named<QLineEdit>("titleEdit", options.title)),
      all_(Named<QRadioButton>("allQuestionsButton", tr("&All questions (%1)").arg(questions))),
      range_(Named<QRadioButton>("rangeButton", tr("&Questions"))),
      random_(Named<QRadioButton>("randomButton", tr("&Draw"))),
      from_(Spin("rangeFromSpin", questions, std::min(options.from, questions))),
      to_(Spin("rangeToSpin", questions, std::min(options.to, questions))),
      count_(Spin("randomCountSpin", questions, std::min(options.count, questions))),
      order_(Spin("orderSpin", int(LargestQuizOrder), int(options.order))),
      compact_(Named<QCheckBox>("compactCheck", tr("&Compact: more questions on a page"))),
      pages_(Named<QLabel>("pageCountLabel"))
{
    setObjectName(QStringLiteral("quizSheetOptionsDialog"));
    setWindowTitle(tr("Quiz Sheet"));
    auto *choice = new QButtonGroup(this);
    for (QRadioButton *button : {all_, range_, random_})
        choice->addButton(button);
    (options.choice == QuizChoice::Range ? range_ : options.choice == QuizChoice::Random ? random_ : all_)
        ->setChecked(true);
    compact_->setChecked(options.compact);
    auto *paper = Named<QPushButton>("pageSetupButton", tr("&Paper…"));
    auto *buttons = Named<QDialogButtonBox>("buttonBox", QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    buttons->button(QDialogButtonBox::Ok)->setText(go);

    auto *form = new QFormLayout(this);
    form->addRow(tr("&Title:"), title_);
    form->addRow(tr("Questions:"), all_);
    form->addRow(QString(), Row({range_, from_, Named<QLabel>("rangeToLabel", tr("to")), to_}));
    form->addRow(QString(), Row({random_, count_, Named<QLabel>("atRandomLabel", tr("at random"))}));
    form->addRow(tr("Layout:"), compact_);
    order_->setToolTip(tr("Printed on every page of the sheet and its key. Type an earlier order's number to "
                          "print its sheet again."));
    form->addRow(tr("&Order:"), Row({order_}));
    form->addRow(tr("Pages:"), Row({pages_, paper}));
    form->addRow(buttons);
    // The range's and the draw's numbers pick their choice as they are set.
    for (auto [spin, button] : {std::pair{from_, range_}, {to_, range_}, {count_, random_}})
        connect(spin, &QSpinBox::valueChanged, button, [button = button] { button->setChecked(true); });
    // A range never runs backwards: each end pushes the other along.
    connect(from_, &QSpinBox::valueChanged, to_, [this](int from) { to_->setValue(std::max(to_->value(), from)); });
    connect(to_, &QSpinBox::valueChanged, from_, [this](int to) { from_->setValue(std::min(from_->value(), to)); });
    for (QSpinBox *spin : {from_, to_, count_, order_})
        connect(spin, &QSpinBox::valueChanged, this, &QuizSheetDialog::countPages);
    connect(choice, &QButtonGroup::buttonToggled, this, &QuizSheetDialog::countPages);
    connect(compact_, &QCheckBox::toggled, this, &QuizSheetDialog::countPages);
    connect(title_, &QLineEdit::textChanged, this, &QuizSheetDialog::countPages);
    connect(paper, &QPushButton::clicked, this, [this] {
        QPageSetupDialog setup(printer_, this);
        setup.setObjectName(QStringLiteral("pageSetupDialog"));
        if (setup.exec() == QDialog::Accepted)
            countPages();
    });
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    countPages();
}

QuizSheetOptions QuizSheetDialog::options() const
{
    QuizSheetOptions options;
    options.title = title_->text().simplified();
    options.choice = range_->isChecked()    ? QuizChoice::Range
                     : random_->isChecked() ? QuizChoice::Random
                                            : QuizChoice::All;
    options.from = from_->value();
    options.to = to_->value();
    options.count = count_->value();
    options.compact = compact_->isChecked();
    options.order = quint32(order_->value());
    return options;
}

void QuizSheetDialog::countPages()
{
    const QuizSheet sheet = make_(options());
    const QuizPages pages = CountQuizPages(printer_, sheet);
    pages_->setText(tr("%1 for the sheet, %2 for the key, on %3 paper")
                        .arg(pages.sheet)
                        .arg(pages.key)
                        .arg(printer_->pageLayout().pageSize().name()));
}
