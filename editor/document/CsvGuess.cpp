#include "editor/document/CsvGuess.h"

#include "editor/document/DelimitedText.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>
#include <map>
#include <tuple>

namespace CsvGuess {

namespace {

// Enough records to outvote a few odd ones, few enough to guess at once.
constexpr qsizetype RecordsWeighed = 50;

// Folded as Fold() folds them; a field's words are matched by their start,
// so that plurals and longer forms ("Fragen", "Antworten") match too; "repons"
// keeps a spelling checker from taking the folded French word for a typo.
constexpr std::array QuestionWords = {"question", "frage",    "pregunta",  "domanda", "vraag",   "pergunta", "questao",
                                      "sporsmal", "sporgsmal", "fraga",    "kysymys", "kerdes",  "enonce"};
constexpr std::array AnswerWords = {"answer",   "antwort", "repons",  "respuesta", "risposta", "antwoord",
                                    "resposta", "svar",    "vastaus", "valasz",    "solution", "losung"};

// Lower case, accents dropped; ø, æ and ß, which have no accent to drop, as o, ae and ss.
QString Fold(const QString &text)
{
    QString folded;
    for (const QChar ch : text.normalized(QString::NormalizationForm_D).toLower()) {
        if (ch.category() == QChar::Mark_NonSpacing)
            continue;
        if (ch == QChar(0xF8))
            folded += QLatin1Char('o');
        else if (ch == QChar(0xE6))
            folded += QLatin1String("ae");
        else if (ch == QChar(0xDF))
            folded += QLatin1String("ss");
        else
            folded += ch;
    }
    return folded;
}

template <std::size_t N>
bool HasWord(const QString &field, const std::array<const char *, N> &words)
{
    const QString folded = Fold(field);
    for (qsizetype at = 0; at < folded.size();) {
        qsizetype end = at;
        while (end < folded.size() && folded[end].isLetter())
            ++end;
        const QStringView word = QStringView(folded).sliced(at, end - at);
        for (const char *known : words)
            if (!word.isEmpty() && word.startsWith(QLatin1String(known)))
                return true;
        at = end + 1;
    }
    return false;
}

bool EndsAsAQuestion(const QString &field)
{
    return field.trimmed().endsWith(QLatin1Char('?'));
}

bool NamesColumns(const QStringList &record)
{
    return record.size() >= 2 && HasWord(record.front(), QuestionWords)
        && std::any_of(record.begin() + 1, record.end(), [](const QString &field) { return HasWord(field, AnswerWords); });
}

// A header in words the lists lack: every field a few words with no
// question mark, above records most of which ask a question.
bool ShapedAsHeader(const QList<QStringList> &records)
{
    const QStringList &first = records.front();
    const bool brief = first.size() >= 2 && std::all_of(first.begin(), first.end(), [](const QString &field) {
        const qsizetype words = field.split(QLatin1Char(' '), Qt::SkipEmptyParts).size();
        return words >= 1 && words <= 3 && !EndsAsAQuestion(field);
    });
    if (!brief)
        return false;
    const qsizetype weighed = std::min(records.size(), RecordsWeighed) - 1;
    const auto questions = std::count_if(records.begin() + 1, records.begin() + 1 + weighed,
                                         [](const QStringList &record) { return EndsAsAQuestion(record.front()); });
    return weighed >= 2 && questions * 3 >= weighed * 2;
}

} // namespace

CsvEncoding Encoding(QByteArrayView bytes)
{
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return CsvEncoding::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        return CsvEncoding::Utf16LE;
    if (bytes.startsWith("\xFE\xFF"))
        return CsvEncoding::Utf16BE;
    // Latin text in UTF-16 has a zero byte in every character: the second
    // byte little-endian, the first big-endian. Other 8-bit text has none.
    const qsizetype pairs = std::min(bytes.size(), qsizetype(4096)) / 2;
    qsizetype zeroFirst = 0;
    qsizetype zeroSecond = 0;
    for (qsizetype pair = 0; pair < pairs; ++pair) {
        zeroFirst += bytes[2 * pair] == '\0';
        zeroSecond += bytes[2 * pair + 1] == '\0';
    }
    if (pairs > 0 && zeroSecond * 3 >= pairs && zeroFirst * 10 < zeroSecond)
        return CsvEncoding::Utf16LE;
    if (pairs > 0 && zeroFirst * 3 >= pairs && zeroSecond * 10 < zeroFirst)
        return CsvEncoding::Utf16BE;
    QStringDecoder utf8(QStringConverter::Utf8, QStringDecoder::Flag::Stateless);
    [[maybe_unused]] const QString text = utf8(bytes);
    return utf8.hasError() ? CsvEncoding::Windows1252 : CsvEncoding::Utf8;
}

QChar Separator(QStringView text)
{
    QChar best = QLatin1Char(',');
    std::tuple<qsizetype, bool> bestScore{0, false};
    for (const char candidate : CsvSeparators) {
        const QChar separator = QLatin1Char(candidate);
        std::map<qsizetype, qsizetype> widths; // fields a record: how many records
        for (const QStringList &record : DelimitedText::ParseRecords(text, separator, RecordsWeighed).records)
            if (record.size() >= 2)
                ++widths[record.size()];
        for (const auto &[width, count] : widths) {
            const std::tuple<qsizetype, bool> score{count, width == 4};
            if (score > bestScore) {
                bestScore = score;
                best = separator;
            }
        }
    }
    return best;
}

bool StartsWithHeader(const QList<QStringList> &records)
{
    return !records.isEmpty() && (NamesColumns(records.front()) || ShapedAsHeader(records));
}

CsvFormat Format(QByteArrayView bytes)
{
    CsvFormat format;
    format.encoding = Encoding(bytes);
    const QString text = CsvText(bytes.first(std::min(bytes.size(), qsizetype(65536))), format.encoding);
    format.separator = Separator(text);
    QList<QStringList> records = DelimitedText::ParseRecords(text, format.separator, RecordsWeighed).records;
    records.removeIf(DelimitedText::IsBlank);
    format.header = StartsWithHeader(records);
    return format;
}

} // namespace CsvGuess
