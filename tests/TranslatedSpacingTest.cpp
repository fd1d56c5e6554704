// The windows of a language that spaces its marks (French: a no-break space
// before ? ! : ; and inside « ») follow the rule its banks follow, with the
// code page's one no-break space: the game shows a bank's text beside its
// own, and Windows-1252 has no narrow no-break space. Every translation and
// help page of such a language is a row.
#include "app/Windows1252.h"
#include "forms/QuestionRules.h"

#include <QDir>
#include <QFile>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QString SourceDir()
{
    return qEnvironmentVariable("KORVANE_SOURCE_DIR");
}

// The language of a catalogue PROGRAM_LANGUAGE.ts or of a page folder,
// when the question rules space its marks.
const BankLanguage *SpacingLanguage(const QString &code)
{
    const BankLanguage *language = FindBankLanguage(code.toStdString());
    return language && !language->noBreakSpaceBefore.empty() ? language : nullptr;
}

// Every translation of a catalogue, numerus forms and all.
QStringList Translations(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        qFatal("cannot read %s", qPrintable(path));
    QXmlStreamReader reader(&file);
    QStringList texts;
    while (!reader.atEnd())
        if (reader.readNext() == QXmlStreamReader::StartElement && reader.name() == QLatin1String("translation"))
            texts += reader.readElementText(QXmlStreamReader::IncludeChildElements);
    if (reader.hasError())
        qFatal("%s: %s", qPrintable(path), qPrintable(reader.errorString()));
    return texts;
}

} // namespace

class TranslatedSpacingTest : public QObject {
    Q_OBJECT

private slots:
    void spacedAsTheBanks_data();
    void spacedAsTheBanks();
};

void TranslatedSpacingTest::spacedAsTheBanks_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<QStringList>("texts");
    const QDir catalogues(SourceDir() + QStringLiteral("/translations"));
    for (const QString &name : catalogues.entryList({QStringLiteral("*_*.ts")})) {
        const QString code = name.section(u'_', 1).chopped(3);
        if (SpacingLanguage(code))
            QTest::newRow(qPrintable(name)) << code << Translations(catalogues.filePath(name));
    }
    const QDir pages(SourceDir() + QStringLiteral("/assets/texts"));
    for (const QString &code : pages.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (!SpacingLanguage(code))
            continue;
        const QDir folder(pages.filePath(code));
        for (const QString &name : folder.entryList({QStringLiteral("*.txt")})) {
            QFile page(folder.filePath(name));
            QVERIFY(page.open(QIODevice::ReadOnly));
            QTest::newRow(qPrintable(code + u'/' + name)) << code << QStringList{QString::fromUtf8(page.readAll())};
        }
    }
}

void TranslatedSpacingTest::spacedAsTheBanks()
{
    QFETCH(QString, language);
    QFETCH(QStringList, texts);
    QVERIFY(!texts.isEmpty());
    for (const QString &text : texts) {
        // A narrow or thin space would not survive the code page.
        const std::string bytes = ToWindows1252(text);
        QVERIFY2(FromWindows1252(bytes) == text, qPrintable(text));
        QVERIFY2(QuotedInStyle(bytes, *SpacingLanguage(language)), qPrintable(text));
    }
}

QTEST_MAIN(TranslatedSpacingTest)
#include "TranslatedSpacingTest.moc"
