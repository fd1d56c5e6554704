<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BankField</name>
    <message>
        <source>Question</source>
        <translation>Frage</translation>
    </message>
    <message>
        <source>the question</source>
        <translation>die Frage</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Richtige Antwort</translation>
    </message>
    <message>
        <source>the right answer</source>
        <translation>die richtige Antwort</translation>
    </message>
    <message>
        <source>Wrong answer 1</source>
        <translation>Falsche Antwort 1</translation>
    </message>
    <message>
        <source>wrong answer 1</source>
        <translation>falsche Antwort 1</translation>
    </message>
    <message>
        <source>Wrong answer 2</source>
        <translation>Falsche Antwort 2</translation>
    </message>
    <message>
        <source>wrong answer 2</source>
        <translation>falsche Antwort 2</translation>
    </message>
</context>
<context>
    <name>ProblemKinds</name>
    <message>
        <source>empty line: the slot stays empty</source>
        <translation>leere Zeile: der Platz bleibt leer</translation>
    </message>
    <message>
        <source>Empty line</source>
        <translation>Leere Zeile</translation>
    </message>
    <message>
        <source>the line holds nothing, so its slot in the game stays empty.</source>
        <translation>Die Zeile enthält nichts, daher bleibt ihr Platz im Spiel leer.</translation>
    </message>
    <message>
        <source>%1 is %2 characters: the game keeps %3 and drops %4</source>
        <translation>%1 hat %2 Zeichen: das Spiel behält %3 und lässt %4 weg</translation>
    </message>
    <message>
        <source>Cut %2 from the end of the %3 on line %1</source>
        <translation>Zeile %1, Feld „%4“: %2 am Ende abschneiden</translation>
    </message>
    <message>
        <source>Field too long</source>
        <translation>Feld zu lang</translation>
    </message>
    <message>
        <source>the game cuts the question to 73 characters and an answer to 26; the message says what is dropped. Fix selects that part for you to reword; Cut Field to Its Width cuts it.</source>
        <translation>Das Spiel kürzt die Frage auf 73 Zeichen und eine Antwort auf 26; die Meldung sagt, was wegfällt. „Beheben“ markiert diesen Teil, damit du ihn umformulieren kannst; „Feld auf seine Breite kürzen“ schneidet ihn ab.</translation>
    </message>
    <message>
        <source>the line is %1 characters: the game reads the first %2 and drops %3</source>
        <translation>die Zeile hat %1 Zeichen: das Spiel liest die ersten %2 und lässt %3 weg</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Zeile zu lang</translation>
    </message>
    <message>
        <source>the game reads only the first 140 characters of a line, whatever the fields hold.</source>
        <translation>Das Spiel liest nur die ersten 140 Zeichen einer Zeile, egal was in den Feldern steht.</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes</source>
        <translation>nur %1 der 4 Anführungszeichen</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters</source>
        <translation>nur %1 der 4 Anführungszeichen in den ersten %2 Zeichen</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes: %3 takes the rest of the line</source>
        <translation>nur %1 der 4 Anführungszeichen: %3 bekommt den Rest der Zeile</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters: %3 takes the rest of the line</source>
        <translation>nur %1 der 4 Anführungszeichen in den ersten %2 Zeichen: %3 bekommt den Rest der Zeile</translation>
    </message>
    <message>
        <source>Missing double quotes</source>
        <translation>Fehlende Anführungszeichen</translation>
    </message>
    <message>
        <source>a line needs four, one after each field; with fewer, fields run together or stay empty. With none at all, nothing loads from the line.</source>
        <translation>Eine Zeile braucht vier, eines nach jedem Feld; mit weniger laufen Felder ineinander oder bleiben leer. Ganz ohne wird aus der Zeile nichts geladen.</translation>
    </message>
    <message>
        <source>no double quote: the game loads nothing from this line</source>
        <translation>kein Anführungszeichen: das Spiel lädt nichts aus dieser Zeile</translation>
    </message>
    <message>
        <source>no double quote in the first %1 characters: the game loads nothing from this line</source>
        <translation>kein Anführungszeichen in den ersten %1 Zeichen: das Spiel lädt nichts aus dieser Zeile</translation>
    </message>
    <message>
        <source>text after the 4th double quote is not used: %1</source>
        <translation>Text nach dem 4. Anführungszeichen wird nicht verwendet: %1</translation>
    </message>
    <message>
        <source>Drop %2 after the fourth double quote on line %1</source>
        <translation>%2 nach dem vierten Anführungszeichen in Zeile %1 entfernen</translation>
    </message>
    <message>
        <source>Split line %1 at its line feeds</source>
        <translation>Zeile %1 an ihren Zeilenvorschüben teilen</translation>
    </message>
    <message>
        <source>Move the question run on after line %1 to a line of its own</source>
        <translation>Die nach Zeile %1 angehängte Frage in eine eigene Zeile verschieben</translation>
    </message>
    <message>
        <source>Mend the text after the fourth double quote on every line</source>
        <translation>Den Text nach dem vierten Anführungszeichen in jeder Zeile bereinigen</translation>
    </message>
    <message>
        <source>mend the text after the fourth double quote</source>
        <translation>den Text nach dem vierten Anführungszeichen bereinigen</translation>
    </message>
    <message>
        <source>Text after the fourth double quote</source>
        <translation>Text nach dem vierten Anführungszeichen</translation>
    </message>
    <message>
        <source>the game ignores it; often it is a further question that needs a line of its own.</source>
        <translation>Das Spiel übergeht ihn; oft ist es eine weitere Frage, die eine eigene Zeile braucht.</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 ist leer</translation>
    </message>
    <message>
        <source>%1 are empty</source>
        <translation>%1 sind leer</translation>
    </message>
    <message>
        <source>Empty fields</source>
        <translation>Leere Felder</translation>
    </message>
    <message>
        <source>the game shows an empty question or answer box.</source>
        <translation>Das Spiel zeigt ein leeres Frage- oder Antwortfeld.</translation>
    </message>
    <message>
        <source>lone line feed (LF) at character %2: the game reads it as an ordinary character, not a line end</source>
        <translation>einzelner Zeilenvorschub (LF) bei Zeichen %2: das Spiel liest ihn als gewöhnliches Zeichen, nicht als Zeilenende</translation>
    </message>
    <message>
        <source>%1 lone line feeds (LF), the first at character %2: the game reads them as ordinary characters, not line ends</source>
        <translation>%1 einzelne Zeilenvorschübe (LF), der erste bei Zeichen %2: das Spiel liest sie als gewöhnliche Zeichen, nicht als Zeilenenden</translation>
    </message>
    <message>
        <source>End line %1 at its line feeds</source>
        <translation>Zeile %1 an ihren Zeilenvorschüben beenden</translation>
    </message>
    <message>
        <source>End every line at its line feeds</source>
        <translation>Jede Zeile an ihren Zeilenvorschüben beenden</translation>
    </message>
    <message>
        <source>end lines at their line feeds</source>
        <translation>Zeilen an ihren Zeilenvorschüben beenden</translation>
    </message>
    <message>
        <source>Line feed without carriage return</source>
        <translation>Zeilenvorschub ohne Wagenrücklauf</translation>
    </message>
    <message>
        <source>the game does not end the line there but shows an odd character.</source>
        <translation>Das Spiel beendet die Zeile dort nicht, sondern zeigt ein seltsames Zeichen.</translation>
    </message>
    <message>
        <source>%1 holds UTF-8 text the game shows as other characters: %2</source>
        <translation>%1 enthält UTF-8-Text, den das Spiel als andere Zeichen zeigt: %2</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on line %1</source>
        <translation>Den UTF-8-Text in Zeile %1 umwandeln</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on every line</source>
        <translation>Den UTF-8-Text in jeder Zeile umwandeln</translation>
    </message>
    <message>
        <source>read the UTF-8 text</source>
        <translation>den UTF-8-Text umwandeln</translation>
    </message>
    <message>
        <source>UTF-8 text</source>
        <translation>UTF-8-Text</translation>
    </message>
    <message>
        <source>the file was saved in another encoding; the game shows “ü” as “Ã¼”. Fix reads it as intended.</source>
        <translation>Die Datei wurde in einer anderen Kodierung gespeichert; das Spiel zeigt „ü“ als „Ã¼“. „Beheben“ liest sie so, wie sie gemeint war.</translation>
    </message>
    <message>
        <source>%1 holds characters the game cannot show (Windows-1252 has none of them): %2</source>
        <translation>%1 enthält Zeichen, die das Spiel nicht zeigen kann (Windows-1252 kennt keines davon): %2</translation>
    </message>
    <message>
        <source>Characters the game cannot show</source>
        <translation>Zeichen, die das Spiel nicht zeigen kann</translation>
    </message>
    <message>
        <source>typed or pasted characters Windows-1252 lacks; the bank is not saved until they are replaced.</source>
        <translation>Getippte oder eingefügte Zeichen, die Windows-1252 fehlen; die Fragendatei wird erst gespeichert, wenn sie ersetzt sind.</translation>
    </message>
    <message>
        <source>%1 holds bytes Windows-1252 does not define: %2</source>
        <translation>%1 enthält Bytes, die Windows-1252 nicht festlegt: %2</translation>
    </message>
    <message>
        <source>Undefined bytes and control characters</source>
        <translation>Undefinierte Bytes und Steuerzeichen</translation>
    </message>
    <message>
        <source>characters the game shows as nothing or as boxes.</source>
        <translation>Zeichen, die das Spiel als nichts oder als Kästchen zeigt.</translation>
    </message>
    <message>
        <source>%1 holds control characters: %2</source>
        <translation>%1 enthält Steuerzeichen: %2</translation>
    </message>
    <message>
        <source>a Ctrl-Z in this line ends the data: the %1 bytes after it are not read</source>
        <translation>ein Strg-Z in dieser Zeile beendet die Daten: die %1 Bytes danach werden nicht gelesen</translation>
    </message>
    <message>
        <source>a Ctrl-Z after this line ends the data: the %1 bytes after it are not read</source>
        <translation>ein Strg-Z nach dieser Zeile beendet die Daten: die %1 Bytes danach werden nicht gelesen</translation>
    </message>
    <message>
        <source>Ctrl-Z</source>
        <translation>Strg-Z</translation>
    </message>
    <message>
        <source>the game stops reading the file there.</source>
        <translation>Das Spiel hört dort auf, die Datei zu lesen.</translation>
    </message>
    <message>
        <source>the checks count %1 lines where the game loads %2: please report this</source>
        <translation>die Prüfungen zählen %1 Zeilen, wo das Spiel %2 lädt: bitte melde das</translation>
    </message>
    <message>
        <source>Lines counted differently</source>
        <translation>Zeilen unterschiedlich gezählt</translation>
    </message>
    <message>
        <source>the checks and the game disagree on the number of lines: look at the line ends near it.</source>
        <translation>Die Prüfungen und das Spiel zählen die Zeilen verschieden: sieh dir die Zeilenenden in der Nähe an.</translation>
    </message>
    <message>
        <source>slot %1 stays empty: the game finds only %3 lines</source>
        <translation>Platz %1 bleibt leer: das Spiel findet nur %3 Zeilen</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 line</source>
        <translation>die Plätze %1 bis %2 bleiben leer: das Spiel findet nur %3 Zeile</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 lines</source>
        <translation>die Plätze %1 bis %2 bleiben leer: das Spiel findet nur %3 Zeilen</translation>
    </message>
    <message>
        <source>Slots empty</source>
        <translation>Leere Plätze</translation>
    </message>
    <message>
        <source>the bank has fewer than 100 questions; the game draws an empty slot like any other, as a blank question.</source>
        <translation>Die Fragendatei hat weniger als 100 Fragen; das Spiel zieht einen leeren Platz wie jeden anderen, als leere Frage.</translation>
    </message>
    <message>
        <source>line %1 is not read: the game holds %3 entries</source>
        <translation>Zeile %1 wird nicht gelesen: das Spiel fasst %3 Einträge</translation>
    </message>
    <message>
        <source>lines %1 to %2 are not read: the game holds %3 entries</source>
        <translation>die Zeilen %1 bis %2 werden nicht gelesen: das Spiel fasst %3 Einträge</translation>
    </message>
    <message>
        <source>Lines not read</source>
        <translation>Nicht gelesene Zeilen</translation>
    </message>
    <message>
        <source>lines after the 100th are never asked.</source>
        <translation>Zeilen nach der 100. werden nie gefragt.</translation>
    </message>
    <message>
        <source>the same question as line %1 (case, spaces and punctuation aside)</source>
        <translation>dieselbe Frage wie in Zeile %1 (abgesehen von Groß- und Kleinschreibung, Leerzeichen und Satzzeichen)</translation>
    </message>
    <message>
        <source>Duplicate question</source>
        <translation>Doppelte Frage</translation>
    </message>
    <message>
        <source>the same question stands on two lines, so it may be asked twice in one game.</source>
        <translation>Dieselbe Frage steht in zwei Zeilen, daher kann sie in einem Spiel zweimal gestellt werden.</translation>
    </message>
    <message>
        <source>%1 are the same answer (case, spaces and punctuation aside)</source>
        <translation>%1 sind dieselbe Antwort (abgesehen von Groß- und Kleinschreibung, Leerzeichen und Satzzeichen)</translation>
    </message>
    <message>
        <source>Equal answers</source>
        <translation>Gleiche Antworten</translation>
    </message>
    <message>
        <source>two answers of one question read the same, so the player cannot tell them apart.</source>
        <translation>Zwei Antworten einer Frage lauten gleich, daher kann der Spieler sie nicht unterscheiden.</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts them to %2 characters</source>
        <translation>%1 werden zur selben Antwort, sobald das Spiel sie auf %2 Zeichen kürzt</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts the line to %3 characters</source>
        <translation>%1 werden zur selben Antwort, sobald das Spiel die Zeile auf %3 Zeichen kürzt</translation>
    </message>
    <message>
        <source>Answers equal after the cut</source>
        <translation>Nach dem Kürzen gleiche Antworten</translation>
    </message>
    <message>
        <source>two answers differ only after their 26th character, or past the line&apos;s 140th, so the game, which shows neither, shows them the same.</source>
        <translation>Zwei Antworten unterscheiden sich erst nach ihrem 26. Zeichen oder nach dem 140. Zeichen der Zeile; das Spiel zeigt diese Stellen nicht, also sehen die Antworten gleich aus.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 und %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>a byte order mark (EF BB BF) shows as %1</source>
        <translation>eine Byte-Order-Mark (EF BB BF) erscheint als %1</translation>
    </message>
    <message>
        <source>%1 shows as %2</source>
        <translation>%1 erscheint als %2</translation>
    </message>
    <message>
        <source>%1 (no character)</source>
        <translation>%1 (kein Zeichen)</translation>
    </message>
</context>
</TS>
