// Every control that carries meaning has a name a screen reader can speak.
#include "tests/GameHarness.h"

#include "app/SharedState.h"
#include "forms/Game.h"
#include "forms/Question.h"
#include "forms/Title2.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

namespace {

QString SpokenName(QWidget *widget)
{
    QAccessibleInterface *spoken = QAccessible::queryAccessibleInterface(widget);
    return spoken ? spoken->text(QAccessible::Name) : QString();
}

// Controls a player acts on or reads; bevels, shapes and empty frames only
// decorate, and the three hand-off labels are never shown.
bool CarriesMeaning(const QWidget *widget)
{
    if (qobject_cast<const QAbstractButton *>(widget) || qobject_cast<const QLineEdit *>(widget)
        || qobject_cast<const QPlainTextEdit *>(widget))
        return true;
    if (const auto *image = dynamic_cast<const Image *>(widget))
        return !image->picture().isNull();
    return false;
}

QString PathOf(const QWidget *widget)
{
    return widget->window()->objectName() + QLatin1Char('.') + widget->objectName();
}

} // namespace

class AccessibilityTest : public QObject {
    Q_OBJECT

private slots:
    void everyMeaningfulControlIsNamed();
    void namesFollowThePlay_data();
    void namesFollowThePlay();
};

void AccessibilityTest::everyMeaningfulControlIsNamed()
{
    GameHarness game;
    GameHarness::startGame();
    frmPlayingField->btnDice->click();
    int checked = 0;
    for (QWidget *window : QApplication::topLevelWidgets()) {
        for (QWidget *control : window->findChildren<QWidget *>()) {
            if (!CarriesMeaning(control))
                continue;
            ++checked;
            QVERIFY2(!SpokenName(control).trimmed().isEmpty(), qPrintable(PathOf(control)));
        }
    }
    QVERIFY(checked > 50);
}

void AccessibilityTest::namesFollowThePlay_data()
{
    QTest::addColumn<int>("roll");
    QTest::addColumn<QString>("forward");
    QTest::addColumn<QString>("backward");
    QTest::newRow("1") << 1 << "Move forward to square 2" << "Move backward to square 22";
    QTest::newRow("4") << 4 << "Move forward to square 5" << "Move backward to square 19";
    QTest::newRow("5") << 5 << "Move forward to square 6" << "Move backward to square 18";
}

void AccessibilityTest::namesFollowThePlay()
{
    QFETCH(int, roll);
    QFETCH(QString, forward);
    QFETCH(QString, backward);
    GameHarness game;
    GameHarness::startGame();
    GameHarness::seedNextRoll(roll);
    frmPlayingField->btnDice->click();
    QCOMPARE(SpokenName(frmPlayingField->IcoDice), QStringLiteral("Die showing %1").arg(roll));
    QCOMPARE(SpokenName(frmPlayingField->IcoSelect1), forward);
    QCOMPARE(SpokenName(frmPlayingField->IcoSelect2), backward);

    // Player 1 already holds the o: the letter places say so.
    CornerLetter[1][2] = 1;
    CornerCount[1] = 1;
    QTest::mouseClick(frmPlayingField->IcoSelect1, Qt::LeftButton);
    QCOMPARE(SpokenName(frmQuestion->lblLove), QStringLiteral("Letter L not won yet"));
    QCOMPARE(SpokenName(frmQuestion->lbllove2), QStringLiteral("Letter o won"));
}

QTEST_MAIN(AccessibilityTest)
#include "AccessibilityTest.moc"
