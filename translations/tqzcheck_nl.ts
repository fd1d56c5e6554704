<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>tqzcheck</name>
    <message>
        <source>it is a folder</source>
        <translation>het is een map</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>het lezen is mislukt</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>het is geen gewoon bestand</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2): the game would show &quot;The File &apos;QUARL3.TQZ&apos; is not found!&quot;
</source>
        <translation>%1: kan niet worden gelezen (%2): het spel zou “Bestand ‘QUARL3.TQZ’ niet gevonden!” tonen
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
        <translation>Gebruik: tqzcheck BESTAND
Toont regel voor regel wat Korvane zal laden uit de vragenbank BESTAND,
en elke regel die niet gespeeld wordt zoals hij geschreven is.
Onder elke regel: “regel N: …” is een probleem, iets wat het spel weglaat,
afknipt of als andere tekens toont; “regel N: waarschuwing: …” gaat over
wat de regel zegt zodra het spel de antwoorden schudt: een vraag die twee
keer gesteld wordt, of antwoorden die een speler niet uit elkaar kan
houden, in hun geheel of zoals het spel ze inkort (hoofdletters, spaties
en leestekens niet meegerekend).
Het spel leest zijn vragenbank als quarl3.tqz uit de map waarin het start,
of, als die er niet is, onder die naam met willekeurige hoofd- en
kleine letters (QUARL3.TQZ).
Afsluitstatus: 0 als er niets gevonden is, 1 als er een probleem of
waarschuwing gevonden is, 2 als het bestand niet kan worden gelezen.
--language CODE spreekt die taal (nl: Nederlands) in plaats van
die van het systeem.
</translation>
    </message>
    <message>
        <source>line %1: warning: %2
</source>
        <translation>regel %1: waarschuwing: %2
</translation>
    </message>
    <message>
        <source>line %1: %2
</source>
        <translation>regel %1: %2
</translation>
    </message>
    <message>
        <source>%1 entry</source>
        <translation>%1 vraag</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 vragen</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 probleem</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemen</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 waarschuwing</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 waarschuwingen</translation>
    </message>
</context>
</TS>
