<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>tqzcheck</name>
    <message>
        <source>it is a folder</source>
        <translation>es ist ein Ordner</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>das Lesen ist fehlgeschlagen</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>es ist keine normale Datei</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2): the game would show &quot;The File &apos;QUARL3.TQZ&apos; is not found!&quot;
</source>
        <translation>%1: kann nicht gelesen werden (%2): das Spiel würde &quot;Datei „QUARL3.TQZ“ nicht gefunden!&quot; zeigen
</translation>
    </message>
    <message>
        <source>Usage: tqzcheck FILE
Shows, line by line, what Korvane will load from the question bank FILE
and every line that will not play as written.
Under each line: &quot;line N: ...&quot; is a problem, something the game leaves
out, cuts or shows as other characters; &quot;line N: warning: ...&quot; is about
what the line says once the game shuffles the answers: a question asked
twice, or answers a player cannot tell apart, whole or as the game cuts
them (case, spaces and punctuation aside).
The game reads its bank as quarl3.tqz from the folder it starts in, or,
when there is none, under that name in any case of letters (QUARL3.TQZ).
Exit status: 0 when nothing was found, 1 when a problem or a warning was
found, 2 when the file cannot be read.
--language CODE speaks that language (de: German) rather than the system&apos;s.
</source>
        <translation>Aufruf: tqzcheck DATEI
Zeigt Zeile für Zeile, was Korvane aus der Fragendatei DATEI lädt,
und jede Zeile, die nicht so gespielt wird, wie sie geschrieben ist.
Unter jeder Zeile: „Zeile N: …“ ist ein Problem, etwas, das das Spiel
weglässt, abschneidet oder als andere Zeichen zeigt; „Zeile N: Warnung: …“
betrifft, was die Zeile aussagt, wenn das Spiel die Antworten mischt: eine
Frage, die zweimal gestellt wird, oder Antworten, die man nicht
auseinanderhalten kann, ganz oder so, wie das Spiel sie abschneidet
(Groß- und Kleinschreibung, Leerzeichen und Satzzeichen nicht mitgezählt).
Das Spiel liest seine Fragendatei als quarl3.tqz aus dem Ordner, in dem es
startet, oder, wenn es dort keine gibt, unter diesem Namen in beliebiger
Groß- und Kleinschreibung (QUARL3.TQZ).
Rückgabewert: 0, wenn nichts gefunden wurde, 1, wenn ein Problem oder eine
Warnung gefunden wurde, 2, wenn die Datei nicht gelesen werden kann.
--language CODE spricht diese Sprache (de: Deutsch) statt der des Systems.
</translation>
    </message>
    <message>
        <source>line %1: warning: %2
</source>
        <translation>Zeile %1: Warnung: %2
</translation>
    </message>
    <message>
        <source>line %1: %2
</source>
        <translation>Zeile %1: %2
</translation>
    </message>
    <message>
        <source>%1 entry</source>
        <translation>%1 Eintrag</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 Einträge</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 Problem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 Probleme</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 Warnung</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 Warnungen</translation>
    </message>
</context>
</TS>
