<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
<context>
    <name>BankEditorWindow</name>
    <message>
        <source>Your changes are not protected: %1.</source>
        <translation>Deine Änderungen sind nicht geschützt: %1.</translation>
    </message>
    <message>
        <source>Your changes are kept for recovery in %1, as the usual folder cannot take them.</source>
        <translation>Deine Änderungen werden zur Wiederherstellung in %1 aufbewahrt, da der übliche Ordner sie nicht aufnehmen kann.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Fragen</translation>
    </message>
    <message>
        <source>One row per line of the bank: the question, the right answer and two wrong answers.</source>
        <translation>Eine Tabellenzeile pro Zeile der Fragendatei: die Frage, die richtige Antwort und zwei falsche Antworten.</translation>
    </message>
    <message>
        <source>Line count</source>
        <translation>Zeilenzahl</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Neu</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>Ö&amp;ffnen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Zuletzt geöffnet</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Speichern</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Speichern &amp;unter…</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>CSV &amp;importieren…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV e&amp;xportieren…</translation>
    </message>
    <message>
        <source>P&amp;lay This Bank</source>
        <translation>Diese Fragendatei spie&amp;len</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Beenden</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Wieder&amp;holen</translation>
    </message>
    <message>
        <source>Question Editor &amp;Guide</source>
        <translation>&amp;Anleitung zum Fragen-Editor</translation>
    </message>
    <message>
        <source>&amp;About Korvane Question Editor</source>
        <translation>Ü&amp;ber den Korvane-Fragen-Editor</translation>
    </message>
    <message>
        <source>Save the bank, then play it in Korvane</source>
        <translation>Die Fragendatei speichern und dann in Korvane spielen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Korvane Question Editor %1&lt;/b&gt;&lt;p&gt;Write the questions for your own game of Korvane: a hundred of them, each with its right answer and two wrong ones. Every line is checked as you type, shown the way the game will show it, and one key plays the bank.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Korvane-Fragen-Editor %1&lt;/b&gt;&lt;p&gt;Schreibe die Fragen für dein eigenes Korvane-Spiel: hundert Stück, jede mit ihrer richtigen Antwort und zwei falschen. Jede Zeile wird schon beim Tippen geprüft und so gezeigt, wie das Spiel sie zeigen wird, und eine Taste spielt die Fragendatei.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The game is running.</source>
        <translation>Das Spiel läuft.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Datei</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Bearbeiten</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Probleme</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Hilfe</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Korvane-Fragen-Editor</translation>
    </message>
    <message>
        <source>The field being edited cannot take its text as it stands, so nothing went on. Change the text, or press Esc to leave the field as it was.</source>
        <translation>Das Feld, das gerade bearbeitet wird, kann seinen Text so nicht aufnehmen, daher ist nichts geschehen. Ändere den Text oder drücke Esc, um das Feld so zu lassen, wie es war.</translation>
    </message>
    <message>
        <source>%1: row %2, %3, holds “%4”, a character the game cannot show (it uses Windows-1252). Replace it, then try again.</source>
        <translation>%1: Zeile %2, %3, enthält „%4“, ein Zeichen, das das Spiel nicht zeigen kann (es verwendet Windows-1252). Ersetze es und versuche es dann erneut.</translation>
    </message>
    <message>
        <source>The bank was not saved</source>
        <translation>Die Fragendatei wurde nicht gespeichert</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 gespeichert</translation>
    </message>
    <message>
        <source>the new bank</source>
        <translation>die neue Fragendatei</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen</translation>
    </message>
    <message>
        <source>Save the changes to %1 first?</source>
        <translation>Zuerst die Änderungen an %1 speichern?</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>Nicht gespeicherte Änderungen gehen verloren.</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>Save Bank As</source>
        <translation>Fragendatei speichern unter</translation>
    </message>
    <message>
        <source>Open Bank</source>
        <translation>Fragendatei öffnen</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importieren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Kommagetrennte Werte (*.csv);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Nichts wurde importiert: %1.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exportieren</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2.</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2.</translation>
    </message>
    <message>
        <source>“%1” was deleted or renamed by another program. Its questions stay open here, and Save writes the file again.</source>
        <translation>„%1“ wurde von einem anderen Programm gelöscht oder umbenannt. Die Fragen bleiben hier geöffnet, und „Speichern“ schreibt die Datei neu.</translation>
    </message>
    <message>
        <source>Changed on Disk</source>
        <translation>Auf der Festplatte geändert</translation>
    </message>
    <message>
        <source>Another program changed “%1” since it was opened or saved here.</source>
        <translation>Ein anderes Programm hat „%1“ geändert, seit die Datei hier geöffnet oder gespeichert wurde.</translation>
    </message>
    <message>
        <source>Reload it to see that version (Undo brings yours back), keep your version and save it over the other, or save yours as another file.</source>
        <translation>Lade sie neu, um diese Fassung zu sehen („Rückgängig“ holt deine zurück), behalte deine Fassung und speichere sie über die andere, oder speichere deine als andere Datei.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Neu laden</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Meine behalten</translation>
    </message>
    <message>
        <source>Your version, which Reload replaces, is not protected: %1. Undo brings it back while the editor runs.</source>
        <translation>Deine Fassung, die „Neu laden“ ersetzt, ist nicht geschützt: %1. „Rückgängig“ holt sie zurück, solange der Editor läuft.</translation>
    </message>
    <message>
        <source>Reload %1 from disk</source>
        <translation>%1 neu von der Festplatte laden</translation>
    </message>
    <message>
        <source>%1 Its questions stay open here as they were.</source>
        <translation>%1 Die Fragen bleiben hier so geöffnet, wie sie waren.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Unbenannt</translation>
    </message>
    <message>
        <source>%1[*] — Korvane Question Editor</source>
        <translation>%1[*] — Korvane-Fragen-Editor</translation>
    </message>
    <message>
        <source>Game Running</source>
        <translation>Spiel läuft</translation>
    </message>
    <message>
        <source>The game started from this editor is still running. Closing the editor ends the game too.</source>
        <translation>Das Spiel, das aus diesem Editor gestartet wurde, läuft noch. Wenn du den Editor schließt, endet auch das Spiel.</translation>
    </message>
    <message>
        <source>&amp;End Game and Close</source>
        <translation>Spiel &amp;beenden und schließen</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Druckvorschau…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Dru&amp;cken…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>&amp;PDF exportieren…</translation>
    </message>
    <message>
        <source>New Answer Or&amp;der</source>
        <translation>Neue Antwort&amp;reihenfolge</translation>
    </message>
    <message>
        <source>Show the question sheet and its answer key as they will print</source>
        <translation>Das Fragenblatt und seinen Lösungsschlüssel so zeigen, wie sie gedruckt werden</translation>
    </message>
    <message>
        <source>Save the question sheet and its answer key as a PDF file</source>
        <translation>Das Fragenblatt und seinen Lösungsschlüssel als PDF-Datei speichern</translation>
    </message>
    <message>
        <source>Shuffle the answers of the next print anew</source>
        <translation>Die Antworten für den nächsten Druck neu mischen</translation>
    </message>
    <message>
        <source>New from Starter &amp;Bank…</source>
        <translation>Neu aus &amp;Vorlage…</translation>
    </message>
    <message>
        <source>Start a new bank holding the questions of a bank that comes with the game</source>
        <translation>Eine neue Fragendatei mit den Fragen einer Fragendatei beginnen, die mit dem Spiel geliefert wird</translation>
    </message>
    <message>
        <source>&amp;Top Up from Bank…</source>
        <translation>&amp;Auffüllen aus Fragendatei…</translation>
    </message>
    <message>
        <source>Add questions from another bank, leaving out those this one already asks, up to 100</source>
        <translation>Fragen aus einer anderen Fragendatei hinzufügen, bis 100; Fragen, die diese schon stellt, bleiben weg</translation>
    </message>
    <message>
        <source>Play &amp;Without Saving</source>
        <translation>Spielen &amp;ohne Speichern</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving its file as it is</source>
        <translation>Die Fragendatei, wie sie gerade ist, aus einer vorübergehenden Kopie spielen und ihre Datei unverändert lassen</translation>
    </message>
    <message>
        <source>New from Starter Bank</source>
        <translation>Neu aus Vorlage</translation>
    </message>
    <message>
        <source>Top Up from Bank</source>
        <translation>Auffüllen aus Fragendatei</translation>
    </message>
    <message>
        <source>Other File…</source>
        <translation>Andere Datei…</translation>
    </message>
    <message>
        <source>The banks that come with the game were not found. Install Korvane, then try again.</source>
        <translation>Die Fragendateien, die mit dem Spiel geliefert werden, wurden nicht gefunden. Installiere Korvane und versuche es dann erneut.</translation>
    </message>
    <message>
        <source>Take questions from:</source>
        <translation>Fragen übernehmen aus:</translation>
    </message>
    <message>
        <source>Start from:</source>
        <translation>Beginnen mit:</translation>
    </message>
    <message>
        <source>Added 1 question from %1</source>
        <translation>1 Frage aus %1 hinzugefügt</translation>
    </message>
    <message>
        <source>Added %1 questions from %2</source>
        <translation>%1 Fragen aus %2 hinzugefügt</translation>
    </message>
    <message>
        <source>, leaving out 1 already in this bank</source>
        <translation>, 1 schon vorhandene ausgelassen</translation>
    </message>
    <message>
        <source>, leaving out %1 already in this bank</source>
        <translation>, %1 schon vorhandene ausgelassen</translation>
    </message>
    <message>
        <source>%1 more did not fit in the %2 slots.</source>
        <translation>%1 weitere passten nicht in die %2 Plätze.</translation>
    </message>
    <message>
        <source>Nothing was added: the bank already fills all %1 slots the game reads.</source>
        <translation>Nichts wurde hinzugefügt: Die Fragendatei füllt schon alle %1 Plätze, die das Spiel liest.</translation>
    </message>
    <message>
        <source>Nothing was added: every question in %1 is already in this bank, or it holds none.</source>
        <translation>Nichts wurde hinzugefügt: Jede Frage in %1 ist schon in dieser Fragendatei, oder sie enthält keine.</translation>
    </message>
    <message>
        <source>Empty Slots</source>
        <translation>Leere Plätze</translation>
    </message>
    <message>
        <source>%1 of the %2 slots are empty.</source>
        <translation>%1 der %2 Plätze sind leer.</translation>
    </message>
    <message>
        <source>The game draws an empty slot as often as any other, so players will now and then get a question with nothing in it. Play anyway, or top the bank up from another first?</source>
        <translation>Das Spiel zieht einen leeren Platz genauso oft wie jeden anderen, also bekommen die Spieler ab und zu eine Frage ohne Inhalt. Trotzdem spielen oder die Fragendatei vorher aus einer anderen auffüllen?</translation>
    </message>
    <message>
        <source>&amp;Play Anyway</source>
        <translation>&amp;Trotzdem spielen</translation>
    </message>
    <message>
        <source>&amp;Top Up…</source>
        <translation>&amp;Auffüllen…</translation>
    </message>
    <message>
        <source>Cannot Save Here</source>
        <translation>Hier nicht speicherbar</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving the file as it is and your changes unsaved here, or save it as another file.</source>
        <translation>Die Fragendatei, wie sie gerade ist, aus einer vorübergehenden Kopie spielen (die Datei bleibt unverändert, deine Änderungen bleiben hier ungespeichert) oder sie als andere Datei speichern.</translation>
    </message>
    <message>
        <source>The bank was not played</source>
        <translation>Die Fragendatei wurde nicht gespielt</translation>
    </message>
    <message>
        <source>&amp;Next Problem</source>
        <translation>&amp;Nächstes Problem</translation>
    </message>
    <message>
        <source>&amp;Previous Problem</source>
        <translation>&amp;Voriges Problem</translation>
    </message>
    <message>
        <source>&amp;Fix Selected Problem</source>
        <translation>Ausgewähltes Problem &amp;beheben</translation>
    </message>
    <message>
        <source>Fix All of This &amp;Kind</source>
        <translation>Alle dieser &amp;Art beheben</translation>
    </message>
    <message>
        <source>Fix &amp;All Problems</source>
        <translation>A&amp;lle Probleme beheben</translation>
    </message>
    <message>
        <source>&amp;Cut Field to Its Width</source>
        <translation>Feld auf seine Breite &amp;kürzen</translation>
    </message>
    <message>
        <source>Cut the selected field to the width the game keeps, dropping the rest</source>
        <translation>Das ausgewählte Feld auf die Breite kürzen, die das Spiel behält, und den Rest weglassen</translation>
    </message>
    <message>
        <source>Go to the next problem or warning in the bank</source>
        <translation>Zum nächsten Problem oder zur nächsten Warnung in der Fragendatei gehen</translation>
    </message>
    <message>
        <source>Go to the previous problem or warning in the bank</source>
        <translation>Zum vorigen Problem oder zur vorigen Warnung in der Fragendatei gehen</translation>
    </message>
    <message>
        <source>Fix every problem like the selected one, as one step to undo</source>
        <translation>Jedes Problem wie das ausgewählte beheben, als ein Schritt zum Rückgängigmachen</translation>
    </message>
    <message>
        <source>Fix every problem Fix can mend, line ends first, as one step to undo</source>
        <translation>Jedes Problem beheben, das „Beheben“ lösen kann, zuerst die Zeilenenden, als ein Schritt zum Rückgängigmachen</translation>
    </message>
    <message>
        <source>No problem or warning on a line to go to.</source>
        <translation>Kein Problem und keine Warnung in einer Zeile, zu der man gehen könnte.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>&amp;Ausschneiden</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopieren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Einfügen</translation>
    </message>
    <message>
        <source>Cl&amp;ear Cells</source>
        <translation>&amp;Zellen leeren</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>Zeile ein&amp;fügen</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>Zeilen &amp;löschen</translation>
    </message>
    <message>
        <source>Delete Rows Past &amp;100</source>
        <translation>Zeilen nach &amp;100 löschen</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>Nach &amp;oben</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Nach &amp;unten</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Alles aus&amp;wählen</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Suchen…</translation>
    </message>
    <message>
        <source>Rep&amp;lace…</source>
        <translation>Erse&amp;tzen…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Nä&amp;chstes suchen</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>&amp;Vorheriges suchen</translation>
    </message>
    <message>
        <source>&amp;Sort A to Z by This Column</source>
        <translation>A bis Z &amp;nach dieser Spalte sortieren</translation>
    </message>
    <message>
        <source>Sort &amp;Z to A by This Column</source>
        <translation>Z bis A nach dieser S&amp;palte sortieren</translation>
    </message>
    <message>
        <source>S&amp;huffle Rows</source>
        <translation>Zeilen &amp;mischen</translation>
    </message>
    <message>
        <source>Sort the rows by the current column; rows holding nothing stay at the end</source>
        <translation>Die Zeilen nach der aktuellen Spalte sortieren; leere Zeilen bleiben am Ende</translation>
    </message>
    <message>
        <source>Keep only the first 100 rows, which the game reads</source>
        <translation>Nur die ersten 100 Zeilen behalten, die das Spiel liest</translation>
    </message>
    <message>
        <source>Put the rows in a random order; rows holding nothing stay at the end</source>
        <translation>Die Zeilen in eine zufällige Reihenfolge bringen; leere Zeilen bleiben am Ende</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Ausschneiden</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Die Zwischenablage enthält keinen Text zum Einfügen.</translation>
    </message>
    <message>
        <source>Delete line %1, %2</source>
        <translation>Zeile %1 löschen, %2</translation>
    </message>
    <message>
        <source>Delete %1 lines from %2 on</source>
        <translation>%1 Zeilen ab %2 löschen</translation>
    </message>
    <message>
        <source>Sort the rows by %1, A to Z</source>
        <translation>Die Zeilen nach %1 sortieren, A bis Z</translation>
    </message>
    <message>
        <source>Sort the rows by %1, Z to A</source>
        <translation>Die Zeilen nach %1 sortieren, Z bis A</translation>
    </message>
    <message>
        <source>Shuffle the rows</source>
        <translation>Die Zeilen mischen</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 ausschneiden</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 leeren</translation>
    </message>
</context>
<context>
    <name>BankFileReader</name>
    <message>
        <source>a folder</source>
        <translation>ein Ordner</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>eine Pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>ein Gerät</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>ein Socket</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>„%1“ kann nicht geöffnet werden: %2.</translation>
    </message>
    <message>
        <source>it is a link to a file that no longer exists</source>
        <translation>sie ist eine Verknüpfung zu einer Datei, die es nicht mehr gibt</translation>
    </message>
    <message>
        <source>it is %1, not %2</source>
        <translation>sie ist %1, nicht %2</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>sie hat sich beim Öffnen verändert</translation>
    </message>
    <message>
        <source>it grew past %1 while it was being read</source>
        <translation>sie ist beim Lesen über %1 hinausgewachsen</translation>
    </message>
    <message>
        <source>a question bank file</source>
        <translation>eine Fragendatei</translation>
    </message>
    <message>
        <source>it holds %1, far more than a question bank of %2 lines</source>
        <translation>sie enthält %1, weit mehr als eine Fragendatei mit %2 Zeilen</translation>
    </message>
    <message>
        <source>the bank would hold %1, more than the %2 the editor can open again</source>
        <translation>die Fragendatei würde %1 enthalten, mehr als die %2, die der Editor wieder öffnen kann</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>eine CSV-Datei</translation>
    </message>
    <message>
        <source>it holds %1, more than a CSV file of %2 rows</source>
        <translation>sie enthält %1, mehr als eine CSV-Datei mit %2 Zeilen</translation>
    </message>
    <message>
        <source>a recovery file</source>
        <translation>eine Wiederherstellungsdatei</translation>
    </message>
    <message>
        <source>it holds %1, more than the unsaved changes to the largest bank the editor opens (%2 bytes) can</source>
        <translation>sie enthält %1, mehr als die ungespeicherten Änderungen an der größten Fragendatei, die der Editor öffnet (%2 Bytes), umfassen können</translation>
    </message>
</context>
<context>
    <name>BankFileWriter</name>
    <message>
        <source>the file is read-only</source>
        <translation>die Datei ist schreibgeschützt</translation>
    </message>
    <message>
        <source>%1; the bank is kept as %2</source>
        <translation>%1; die Fragendatei bleibt als %2 erhalten</translation>
    </message>
</context>
<context>
    <name>BankTableModel</name>
    <message>
        <source>, removing %1 and %2 more</source>
        <translation>, dabei %1 und %2 weitere entfernen</translation>
    </message>
    <message>
        <source>, removing %1</source>
        <translation>, dabei %1 entfernen</translation>
    </message>
    <message>
        <source>Fix all: %1 and %2</source>
        <translation>Alle beheben: %1 und %2</translation>
    </message>
    <message>
        <source>The game&apos;s character set (Windows-1252) has no “%1”: replace it before saving.</source>
        <translation>Der Zeichensatz des Spiels (Windows-1252) hat kein „%1“: Ersetze es vor dem Speichern.</translation>
    </message>
    <message>
        <source>The game reads only the first %1 lines: this one is never asked.</source>
        <translation>Das Spiel liest nur die ersten %1 Zeilen: Diese wird nie gefragt.</translation>
    </message>
    <message>
        <source>Not read: the game holds %1 questions.</source>
        <translation>Nicht gelesen: Das Spiel fasst %1 Fragen.</translation>
    </message>
    <message>
        <source>The line is %1 characters: the game reads the first %2.</source>
        <translation>Die Zeile hat %1 Zeichen: Das Spiel liest die ersten %2.</translation>
    </message>
    <message>
        <source>The game shows the first %1 characters.</source>
        <translation>Das Spiel zeigt die ersten %1 Zeichen.</translation>
    </message>
    <message>
        <source>Edit %1 on line %2</source>
        <translation>%1 in Zeile %2 bearbeiten</translation>
    </message>
    <message>
        <source>Replace %1 with %2 on line %3</source>
        <translation>%1 in Zeile %3 durch %2 ersetzen</translation>
    </message>
    <message>
        <source>Replace %1 with %2 in %3 cells</source>
        <translation>%1 in %3 Zellen durch %2 ersetzen</translation>
    </message>
    <message>
        <source>Top up with 1 question from %1</source>
        <translation>Mit 1 Frage aus %1 auffüllen</translation>
    </message>
    <message>
        <source>Top up with %1 questions from %2</source>
        <translation>Mit %1 Fragen aus %2 auffüllen</translation>
    </message>
</context>
<context>
    <name>CellClipboard</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 und %2 weitere</translation>
    </message>
    <message>
        <source>Paste over %1</source>
        <translation>Über %1 einfügen</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Einfügen</translation>
    </message>
</context>
<context>
    <name>CharacterReplacements</name>
    <message>
        <source>Spell out the Greek letters %1</source>
        <translation>Die griechischen Buchstaben %1 ausschreiben</translation>
    </message>
    <message>
        <source>Replace %1 with the quotes, dashes and spaces the game has</source>
        <translation>%1 durch die Anführungszeichen, Striche und Leerzeichen ersetzen, die das Spiel kennt</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>The quote opened on line %1 is never closed, so every row after it would run into one field. Close it, then import again.</source>
        <translation>Das Anführungszeichen, das in Zeile %1 beginnt, wird nie geschlossen, daher würde jede Zeile danach in ein Feld laufen. Schließe es und importiere dann erneut.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rows, more than can be imported at once. Split it, then import each part.</source>
        <translation>Die Datei enthält mehr als %1 Zeilen, mehr als auf einmal importiert werden können. Teile sie und importiere dann jeden Teil.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import “%1”</source>
        <translation>„%1“ importieren</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Semikolon</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulator</translation>
    </message>
    <message>
        <source>Vertical bar |</source>
        <translation>Senkrechter Strich |</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Anderes</translation>
    </message>
    <message>
        <source>UTF-16, little-endian</source>
        <translation>UTF-16, Little-Endian</translation>
    </message>
    <message>
        <source>UTF-16, big-endian</source>
        <translation>UTF-16, Big-Endian</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (westeuropäisch)</translation>
    </message>
    <message>
        <source>The first row names the &amp;columns</source>
        <translation>Die erste Zeile benennt die &amp;Spalten</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importieren</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Trennzeichen:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Kodierung:</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>Über&amp;nehmen:</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Alle Zeilen</translation>
    </message>
    <message>
        <source>Rows at random</source>
        <translation>Zufällige Zeilen</translation>
    </message>
    <message>
        <source>A range of rows</source>
        <translation>Einen Bereich von Zeilen</translation>
    </message>
    <message>
        <source>How many rows</source>
        <translation>Wie viele Zeilen</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Erste Zeile</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Letzte Zeile</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>Type the character that separates the fields.</source>
        <translation>Tippe das Zeichen, das die Felder trennt.</translation>
    </message>
    <message>
        <source>The file holds 1 row.</source>
        <translation>Die Datei enthält 1 Zeile.</translation>
    </message>
    <message>
        <source>The file holds %1 rows; the first %2 are shown.</source>
        <translation>Die Datei enthält %1 Zeilen; die ersten %2 werden gezeigt.</translation>
    </message>
    <message>
        <source>The file holds %1 rows.</source>
        <translation>Die Datei enthält %1 Zeilen.</translation>
    </message>
    <message>
        <source>Row %1 has text past the fourth field, which does not come in: %2.</source>
        <translation>Zeile %1 hat Text nach dem vierten Feld, der nicht übernommen wird: %2.</translation>
    </message>
</context>
<context>
    <name>EditorGuide</name>
    <message>
        <source>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;The basics&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Adding questions.&lt;/b&gt; Type in a cell to fill it; Enter keeps what you typed. Down on the last row, or Tab or Enter in its last cell, starts a new row, as in a spreadsheet. Insert Row (Ctrl+Return) puts a blank row below the current one, to insert a question between others.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Importing a spreadsheet.&lt;/b&gt; Save it as CSV, then choose File, Import CSV (Ctrl+Shift+I). The preview shows the rows as the bank will hold them and how many the file has; change the separator, encoding or header row if it guessed wrong. From a large file, Take picks a number of rows at random or a range of them. The rows come in below the current row, as one step to undo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Printing a worksheet.&lt;/b&gt; File, Print (Ctrl+P) prints the questions with their answers shuffled, and an answer key; Print Preview shows it first, and Export PDF saves it as a file. New Answer Order shuffles the answers anew for the next print.&lt;/p&gt;&lt;p&gt;&lt;b&gt;After a crash.&lt;/b&gt; The editor keeps unsaved changes aside as you work. When it stopped without saving them, it offers them at the next start: Recover opens them, Discard deletes them, and Not Now keeps them for later.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;Die Grundlagen&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Fragen hinzufügen.&lt;/b&gt; Tippe in eine Zelle, um sie zu füllen; die Eingabetaste behält, was du getippt hast. Pfeil nach unten in der letzten Zeile, oder Tab oder Eingabe in ihrer letzten Zelle, beginnt eine neue Zeile, wie in einer Tabellenkalkulation. „Zeile einfügen“ (Strg+Eingabe) setzt eine leere Zeile unter die aktuelle, um eine Frage zwischen andere einzufügen.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Eine Tabelle importieren.&lt;/b&gt; Speichere sie als CSV und wähle dann Datei, CSV importieren (Strg+Umschalt+I). Die Vorschau zeigt die Zeilen so, wie die Fragendatei sie enthalten wird, und wie viele die Datei hat; ändere Trennzeichen, Kodierung oder Kopfzeile, wenn die Vermutung falsch war. Aus einer großen Datei wählt „Übernehmen“ eine Anzahl zufälliger Zeilen oder einen Bereich davon. Die Zeilen kommen unter der aktuellen Zeile hinzu, als ein Schritt zum Rückgängigmachen.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Ein Arbeitsblatt drucken.&lt;/b&gt; Datei, Drucken (Strg+P) druckt die Fragen mit gemischten Antworten und einen Lösungsschlüssel; die Druckvorschau zeigt es vorher, und „PDF exportieren“ speichert es als Datei. „Neue Antwortreihenfolge“ mischt die Antworten für den nächsten Druck neu.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Nach einem Absturz.&lt;/b&gt; Der Editor bewahrt ungespeicherte Änderungen während der Arbeit auf. Wurde er beendet, ohne sie zu speichern, bietet er sie beim nächsten Start an: „Wiederherstellen“ öffnet sie, „Verwerfen“ löscht sie, und „Nicht jetzt“ hebt sie für später auf.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Writing a bank&lt;/h2&gt;&lt;p&gt;Each row is one question: the question itself (the game shows up to 73 characters), the right answer and two wrong ones (up to 26 characters each). The counter in each cell shows how much of the width is used. The game asks the first 100 rows; rows past the 100th are greyed out and never asked. It shows the three answers in a random order, so the right one may stand anywhere.&lt;/p&gt;&lt;p&gt;A straight double quote cannot go in a field: the game uses it to end fields. Typed, pasted or replaced, it becomes an opening or closing typographic quote, and line breaks become spaces; Find still finds typographic quotes from a straight one. The game uses the Windows-1252 characters: one it lacks is marked red, and the bank is not saved until it is replaced. Fix offers a replacement where there is one.&lt;/p&gt;&lt;p&gt;Ctrl+F finds text in the fields and Ctrl+H replaces it; F3 and Shift+F3 find the next and previous cell. The Edit menu sorts the rows by the current column and shuffles them; rows holding nothing stay at the end. Every change can be undone.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Eine Fragendatei schreiben&lt;/h2&gt;&lt;p&gt;Jede Zeile ist eine Frage: die Frage selbst (das Spiel zeigt bis zu 73 Zeichen), die richtige Antwort und zwei falsche (je bis zu 26 Zeichen). Der Zähler in jeder Zelle zeigt, wie viel der Breite belegt ist. Das Spiel fragt die ersten 100 Zeilen; Zeilen nach der 100. sind grau und werden nie gefragt. Es zeigt die drei Antworten in zufälliger Reihenfolge, die richtige kann also überall stehen.&lt;/p&gt;&lt;p&gt;Ein gerades doppeltes Anführungszeichen kann nicht in ein Feld: Das Spiel beendet damit Felder. Getippt, eingefügt oder ersetzt wird es zu einem typografischen öffnenden oder schließenden Anführungszeichen, und Zeilenumbrüche werden zu Leerzeichen; die Suche findet typografische Anführungszeichen auch über ein gerades. Das Spiel verwendet die Zeichen von Windows-1252: Ein Zeichen, das dort fehlt, wird rot markiert, und die Fragendatei wird erst gespeichert, wenn es ersetzt ist. „Beheben“ bietet einen Ersatz an, wo es einen gibt.&lt;/p&gt;&lt;p&gt;Strg+F sucht Text in den Feldern und Strg+H ersetzt ihn; F3 und Umschalt+F3 finden die nächste und vorige Zelle. Das Menü „Bearbeiten“ sortiert die Zeilen nach der aktuellen Spalte und mischt sie; leere Zeilen bleiben am Ende. Jede Änderung lässt sich rückgängig machen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Problems and warnings&lt;/h2&gt;&lt;p&gt;The panel below the table lists what will not play as written, and warnings about questions that play but may not work once the answers are shuffled. Choose one, or press F8 and Shift+F8, to go to its field. Fix mends the chosen one; Fix All mends every one it can, line ends first, as one step to undo. Fix All never shortens what you wrote: Fix on a field too long selects what the game drops, for you to reword, and Cut Field to Its Width cuts it; Fix on a line over 140 characters opens its longest field to reword. Each row&apos;s header shows its line&apos;s length against 140. Check rows past 100 lists the findings on the rows the game never reads too; Edit, Delete Rows Past 100 keeps the first 100.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Probleme und Warnungen&lt;/h2&gt;&lt;p&gt;Die Liste unter der Tabelle zeigt, was nicht so gespielt wird, wie es geschrieben ist, und Warnungen zu Fragen, die zwar gespielt werden, aber nach dem Mischen der Antworten vielleicht nicht funktionieren. Wähle einen Eintrag oder drücke F8 und Umschalt+F8, um zu seinem Feld zu gehen. „Beheben“ behebt den gewählten; „Alle beheben“ behebt jeden, den es kann, zuerst die Zeilenenden, als ein Schritt zum Rückgängigmachen. „Alle beheben“ kürzt nie, was du geschrieben hast: „Beheben“ bei einem zu langen Feld markiert, was das Spiel weglässt, damit du es umformulierst, und „Feld auf seine Breite kürzen“ schneidet es ab; „Beheben“ bei einer Zeile über 140 Zeichen öffnet ihr längstes Feld zum Umformulieren. Der Kopf jeder Zeile zeigt ihre Länge im Vergleich zu 140. „Zeilen nach 100 prüfen“ zeigt auch die Funde in den Zeilen, die das Spiel nie liest; Bearbeiten, „Zeilen nach 100 löschen“ behält die ersten 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Playing the bank&lt;/h2&gt;&lt;p&gt;F5 (File, Play This Bank) saves the bank, then starts the game with it. A bank named &lt;i&gt;quarl3.tqz&lt;/i&gt; is played in its own folder; any other is copied under that name into a temporary folder of its own, removed when the game ends. With fewer than 100 questions it asks first, as the game would draw the empty slots too.&lt;/p&gt;&lt;p&gt;To reach 100, File, Top Up from Bank adds questions from another bank, leaving out those this bank already asks; New from Starter Bank opens a copy of a bank that comes with the game. Play Without Saving (Shift+F5) tries the table as it stands from a temporary copy, for a bank that cannot be saved where it is.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Die Fragendatei spielen&lt;/h2&gt;&lt;p&gt;F5 (Datei, Diese Fragendatei spielen) speichert die Fragendatei und startet dann das Spiel damit. Eine Fragendatei namens &lt;i&gt;quarl3.tqz&lt;/i&gt; wird in ihrem eigenen Ordner gespielt; jede andere wird unter diesem Namen in einen eigenen vorübergehenden Ordner kopiert, der entfernt wird, wenn das Spiel endet. Mit weniger als 100 Fragen fragt der Editor vorher, da das Spiel auch die leeren Plätze ziehen würde.&lt;/p&gt;&lt;p&gt;Um 100 zu erreichen, fügt Datei, „Auffüllen aus Fragendatei“ Fragen aus einer anderen Fragendatei hinzu, ohne die, die diese schon stellt; „Neu aus Vorlage“ öffnet eine Kopie einer Fragendatei, die mit dem Spiel geliefert wird. „Spielen ohne Speichern“ (Umschalt+F5) probiert die Tabelle, wie sie gerade ist, aus einer vorübergehenden Kopie aus, für eine Fragendatei, die dort, wo sie ist, nicht gespeichert werden kann.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;The manual tells the whole story: type &lt;tt&gt;man 6 korvedit&lt;/tt&gt; in a terminal, or open &lt;a href=&quot;man:korvedit(6)&quot;&gt;the korvedit manual page&lt;/a&gt; where the desktop can show it.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Mehr&lt;/h2&gt;&lt;p&gt;Das Handbuch erzählt alles: Tippe &lt;tt&gt;man 6 korvedit&lt;/tt&gt; in einem Terminal, oder öffne &lt;a href=&quot;man:korvedit(6)&quot;&gt;die Handbuchseite zu korvedit&lt;/a&gt;, wo die Arbeitsumgebung sie zeigen kann.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;This guide is the editor&apos;s manual here: start with &lt;a href=&quot;#basics&quot;&gt;the basics&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Mehr&lt;/h2&gt;&lt;p&gt;Diese Anleitung ist hier das Handbuch des Editors: Beginne mit &lt;a href=&quot;#basics&quot;&gt;den Grundlagen&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Question Editor Guide</source>
        <translation>Anleitung zum Fragen-Editor</translation>
    </message>
</context>
<context>
    <name>FieldEdit</name>
    <message>
        <source>Line breaks and Ctrl-Z cannot go in a field: the game reads them as the end of the line or of the bank.</source>
        <translation>Zeilenumbrüche und Strg-Z können nicht in ein Feld: Das Spiel liest sie als Ende der Zeile oder der Fragendatei.</translation>
    </message>
    <message>
        <source>Pasted double quotes became typographic ones, and line breaks spaces: the game reads a straight double quote as the end of the field.</source>
        <translation>Eingefügte doppelte Anführungszeichen wurden zu typografischen und Zeilenumbrüche zu Leerzeichen: Das Spiel liest ein gerades doppeltes Anführungszeichen als Ende des Felds.</translation>
    </message>
    <message>
        <source>“%1” is not in the game&apos;s character set (Windows-1252): the bank cannot be saved until it is replaced.</source>
        <translation>„%1“ ist nicht im Zeichensatz des Spiels (Windows-1252): Die Fragendatei kann erst gespeichert werden, wenn es ersetzt ist.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>its access list cannot be read (%1)</source>
        <translation>ihre Zugriffsliste kann nicht gelesen werden (%1)</translation>
    </message>
    <message>
        <source>its access list cannot be given to the new file (%1)</source>
        <translation>ihre Zugriffsliste kann nicht auf die neue Datei übertragen werden (%1)</translation>
    </message>
    <message>
        <source>its attribute %1 cannot be given to the new file (%2)</source>
        <translation>ihr Attribut %1 kann nicht auf die neue Datei übertragen werden (%2)</translation>
    </message>
    <message>
        <source>its attributes cannot be read (%1)</source>
        <translation>ihre Attribute können nicht gelesen werden (%1)</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Su&amp;chen:</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Ersetzen d&amp;urch:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Groß-/Kleinschreibung beachten</translation>
    </message>
    <message>
        <source>Nex&amp;t</source>
        <translation>&amp;Weiter</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>E&amp;rsetzen</translation>
    </message>
    <message>
        <source>Replace A&amp;ll</source>
        <translation>Alle ersetze&amp;n</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Close the find strip (Esc)</source>
        <translation>Die Suchleiste schließen (Esc)</translation>
    </message>
    <message>
        <source>%1 is not in the bank.</source>
        <translation>%1 ist nicht in der Fragendatei.</translation>
    </message>
    <message>
        <source>Replaced in 1 cell.</source>
        <translation>In 1 Zelle ersetzt.</translation>
    </message>
    <message>
        <source>Replaced in %1 cells.</source>
        <translation>In %1 Zellen ersetzt.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>The game is already running. Close it to play the bank again.</source>
        <translation>Das Spiel läuft schon. Schließe es, um die Fragendatei noch einmal zu spielen.</translation>
    </message>
    <message>
        <source>The game (%1) was found neither beside the editor nor on the PATH. Install Korvane, then try again.</source>
        <translation>Das Spiel (%1) wurde weder neben dem Editor noch im PATH gefunden. Installiere Korvane und versuche es dann erneut.</translation>
    </message>
    <message>
        <source>The bank could not be copied for the game into a temporary folder.</source>
        <translation>Die Fragendatei konnte nicht für das Spiel in einen vorübergehenden Ordner kopiert werden.</translation>
    </message>
    <message>
        <source>The game stopped unexpectedly.</source>
        <translation>Das Spiel wurde unerwartet beendet.</translation>
    </message>
    <message>
        <source>The game could not be started: %1</source>
        <translation>Das Spiel konnte nicht gestartet werden: %1</translation>
    </message>
</context>
<context>
    <name>LineCountSummary</name>
    <message>
        <source>1 line</source>
        <translation>1 Zeile</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 Zeilen</translation>
    </message>
    <message>
        <source>%1 of %2: the game still draws from all %2 slots, so %3 of its questions come up blank, with empty answers</source>
        <translation>%1 von %2: Das Spiel zieht weiter aus allen %2 Plätzen, also erscheinen %3 seiner Fragen leer, mit leeren Antworten</translation>
    </message>
    <message>
        <source>%1: the game reads them all</source>
        <translation>%1: Das Spiel liest sie alle</translation>
    </message>
    <message>
        <source>%1: the game reads the first %2 and never shows the other %3</source>
        <translation>%1: Das Spiel liest die ersten %2 und zeigt die anderen %3 nie</translation>
    </message>
</context>
<context>
    <name>ProblemPanel</name>
    <message>
        <source>Bank: %1</source>
        <translation>Fragendatei: %1</translation>
    </message>
    <message>
        <source>Line %1, warning: %2</source>
        <translation>Zeile %1, Warnung: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Zeile %1: %2</translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>Pr&amp;obleme</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Probleme</translation>
    </message>
    <message>
        <source>What the game would leave out, cut or show differently. Press Enter to go to the field.</source>
        <translation>Was das Spiel weglassen, abschneiden oder anders zeigen würde. Drücke die Eingabetaste, um zum Feld zu gehen.</translation>
    </message>
    <message>
        <source>Fi&amp;x</source>
        <translation>Beh&amp;eben</translation>
    </message>
    <message>
        <source>Fix the selected problem</source>
        <translation>Das ausgewählte Problem beheben</translation>
    </message>
    <message>
        <source>Fix the selected problem the way the game expects</source>
        <translation>Das ausgewählte Problem so beheben, wie das Spiel es erwartet</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>&amp;Alle beheben</translation>
    </message>
    <message>
        <source>Fix every problem that can be fixed</source>
        <translation>Jedes Problem beheben, das sich beheben lässt</translation>
    </message>
    <message>
        <source>Fix every problem of every kind that Fix can mend, as one step to undo</source>
        <translation>Jedes Problem jeder Art beheben, das „Beheben“ lösen kann, als ein Schritt zum Rückgängigmachen</translation>
    </message>
    <message>
        <source>Check rows past &amp;100</source>
        <translation>Zeilen nach &amp;100 prüfen</translation>
    </message>
    <message>
        <source>Also check the rows past 100, which the game never reads, before deleting rows brings them up: their problems, questions asked twice and answers alike</source>
        <translation>Auch die Zeilen nach 100 prüfen, die das Spiel nie liest, bevor das Löschen von Zeilen sie nach vorn holt: ihre Probleme, doppelt gestellte Fragen und gleiche Antworten</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Beheben</translation>
    </message>
    <message>
        <source>Fix can put this right in one step.</source>
        <translation>„Beheben“ kann das in einem Schritt richten.</translation>
    </message>
    <message>
        <source>The game plays this line, but the question may not work once the answers are shuffled.</source>
        <translation>Das Spiel spielt diese Zeile, aber die Frage funktioniert vielleicht nicht mehr, wenn die Antworten gemischt werden.</translation>
    </message>
    <message>
        <source>1 finding on rows past %1</source>
        <translation>1 Fund in Zeilen nach %1</translation>
    </message>
    <message>
        <source>%1 findings on rows past %2</source>
        <translation>%1 Funde in Zeilen nach %2</translation>
    </message>
</context>
<context>
    <name>QuestionPreview</name>
    <message>
        <source>Preview of the question window</source>
        <translation>Vorschau des Fragefensters</translation>
    </message>
    <message>
        <source>A) is the right answer here; the game shuffles the three answers.</source>
        <translation>A) ist hier die richtige Antwort; das Spiel mischt die drei Antworten.</translation>
    </message>
    <message>
        <source>The game does not read this line: it holds %1 questions, from the first %1 lines.</source>
        <translation>Das Spiel liest diese Zeile nicht: Es fasst %1 Fragen, aus den ersten %1 Zeilen.</translation>
    </message>
    <message>
        <source>Select a question to see it as the game shows it.</source>
        <translation>Wähle eine Frage, um sie so zu sehen, wie das Spiel sie zeigt.</translation>
    </message>
</context>
<context>
    <name>QuizPrintCommands</name>
    <message>
        <source>The answers will be printed in a new order.</source>
        <translation>Die Antworten werden in einer neuen Reihenfolge gedruckt.</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Korvane-Fragen-Editor</translation>
    </message>
    <message>
        <source>Sheets of order %1 were already printed. Their key will not match a sheet of another order. Change the order?</source>
        <translation>Blätter der Reihenfolge %1 wurden schon gedruckt. Ihr Lösungsschlüssel passt nicht zu einem Blatt einer anderen Reihenfolge. Reihenfolge ändern?</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>There is nothing to print: no line has a question.</source>
        <translation>Es gibt nichts zu drucken: Keine Zeile hat eine Frage.</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Drucken…</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vorschau</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportieren…</translation>
    </message>
    <message>
        <source>The quiz was not printed: the printer could not start.</source>
        <translation>Das Quiz wurde nicht gedruckt: Der Drucker konnte nicht starten.</translation>
    </message>
    <message>
        <source>Print Preview — %1</source>
        <translation>Druckvorschau — %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exportieren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;All files (*)</source>
        <translation>PDF-Dokumente (*.pdf);;Alle Dateien (*)</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 exportiert</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2. Choose another folder or name, then export again.</source>
        <translation>„%1“ konnte nicht geschrieben werden: %2. Wähle einen anderen Ordner oder Namen und exportiere dann erneut.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>die Seiten konnten nicht gezeichnet werden</translation>
    </message>
</context>
<context>
    <name>QuizPrinter</name>
    <message>
        <source>Write the letter of the right answer in the box beside each question.</source>
        <translation>Schreibe den Buchstaben der richtigen Antwort in das Kästchen neben jeder Frage.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klasse</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1 — Seite %2 von %3 — Reihenfolge %4 (Prüfzahl %5)</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Lösungsschlüssel: %1</translation>
    </message>
    <message>
        <source>%1, answer key — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1, Lösungsschlüssel — Seite %2 von %3 — Reihenfolge %4 (Prüfzahl %5)</translation>
    </message>
</context>
<context>
    <name>QuizSheetDialog</name>
    <message>
        <source>&amp;All questions (%1)</source>
        <translation>A&amp;lle Fragen (%1)</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>&amp;Fragen</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Zufällig</translation>
    </message>
    <message>
        <source>&amp;Compact: more questions on a page</source>
        <translation>&amp;Kompakt: mehr Fragen pro Seite</translation>
    </message>
    <message>
        <source>Quiz Sheet</source>
        <translation>Fragenblatt</translation>
    </message>
    <message>
        <source>&amp;Paper…</source>
        <translation>&amp;Papier…</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titel:</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Fragen:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>bis</translation>
    </message>
    <message>
        <source>at random</source>
        <translation>ziehen</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Layout:</translation>
    </message>
    <message>
        <source>Printed on every page of the sheet and its key. Type an earlier order&apos;s number to print its sheet again.</source>
        <translation>Wird auf jede Seite des Blatts und seines Lösungsschlüssels gedruckt. Tippe die Nummer einer früheren Reihenfolge, um ihr Blatt noch einmal zu drucken.</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>&amp;Reihenfolge:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Seiten:</translation>
    </message>
    <message>
        <source>%1 for the sheet, %2 for the key, on %3 paper</source>
        <translation>%1 für das Blatt, %2 für den Lösungsschlüssel, auf %3-Papier</translation>
    </message>
</context>
<context>
    <name>RecentFiles</name>
    <message>
        <source>&amp;%1 %2</source>
        <translation>&amp;%1 %2</translation>
    </message>
    <message>
        <source>&amp;Clear Recent Files</source>
        <translation>Liste &amp;leeren</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>kein JSON (%1 bei Byte %2)</translation>
    </message>
    <message>
        <source>not a recovery file of the question editor</source>
        <translation>keine Wiederherstellungsdatei des Fragen-Editors</translation>
    </message>
    <message>
        <source>written by another version of the question editor</source>
        <translation>von einer anderen Version des Fragen-Editors geschrieben</translation>
    </message>
    <message>
        <source>the bank&apos;s name is damaged</source>
        <translation>der Name der Fragendatei ist beschädigt</translation>
    </message>
    <message>
        <source>the time it was written is damaged</source>
        <translation>der Zeitpunkt des Schreibens ist beschädigt</translation>
    </message>
    <message>
        <source>it holds no line</source>
        <translation>sie enthält keine Zeile</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>Zeile %1 ist beschädigt</translation>
    </message>
    <message>
        <source>the text after the end of the data is damaged</source>
        <translation>der Text nach dem Ende der Daten ist beschädigt</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>der Ordner %1 kann nicht angelegt werden</translation>
    </message>
    <message>
        <source>%1 is locked by another editor</source>
        <translation>%1 ist von einem anderen Editor gesperrt</translation>
    </message>
    <message>
        <source>its lock %1 cannot be made (%2)</source>
        <translation>ihre Sperre %1 kann nicht angelegt werden (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>it could not be kept for recovery in %1 (%2), nor in %3 (%4)</source>
        <translation>sie konnte weder in %1 (%2) noch in %3 (%4) zur Wiederherstellung aufbewahrt werden</translation>
    </message>
    <message>
        <source>they could not be kept for recovery in %1 (%2)</source>
        <translation>sie konnten nicht zur Wiederherstellung in %1 aufbewahrt werden (%2)</translation>
    </message>
    <message>
        <source>, nor in %1 (%2)</source>
        <translation>, auch nicht in %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryOffers</name>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Ungespeicherte Änderungen wiederherstellen</translation>
    </message>
    <message>
        <source>an untitled bank</source>
        <translation>eine unbenannte Fragendatei</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>„%1“</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d. MMMM yyyy &apos;um&apos; HH:mm</translation>
    </message>
    <message>
        <source>“%1” is open in another question editor, with unsaved changes.</source>
        <translation>„%1“ ist in einem anderen Fragen-Editor geöffnet, mit ungespeicherten Änderungen.</translation>
    </message>
    <message>
        <source>Bank Open Elsewhere</source>
        <translation>Fragendatei anderswo geöffnet</translation>
    </message>
    <message>
        <source>Whichever editor saves it last replaces what the other saved. Save or close it there first, then open it here again.</source>
        <translation>Der Editor, der sie zuletzt speichert, ersetzt, was der andere gespeichert hat. Speichere oder schließe sie zuerst dort und öffne sie dann hier erneut.</translation>
    </message>
    <message>
        <source>The recovery file %1 cannot be read: %2.</source>
        <translation>Die Wiederherstellungsdatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 were kept on %2, when the editor stopped without saving them.</source>
        <translation>Ungespeicherte Änderungen an %1 wurden am %2 aufbewahrt, als der Editor beendet wurde, ohne sie zu speichern.</translation>
    </message>
    <message>
        <source>Recover opens them as a new bank</source>
        <translation>„Wiederherstellen“ öffnet sie als neue Fragendatei</translation>
    </message>
    <message>
        <source>Recover opens them as unsaved changes to %1</source>
        <translation>„Wiederherstellen“ öffnet sie als ungespeicherte Änderungen an %1</translation>
    </message>
    <message>
        <source>; save them to keep them. Discard deletes them. Not Now keeps them for later.</source>
        <translation>; speichere sie, um sie zu behalten. „Verwerfen“ löscht sie. „Nicht jetzt“ hebt sie für später auf.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Wiederherstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerfen</translation>
    </message>
    <message>
        <source>&amp;Not Now</source>
        <translation>&amp;Nicht jetzt</translation>
    </message>
    <message>
        <source>Move Aside renames it %1, which the editor does not read at start. Not Now leaves it where it is.</source>
        <translation>„Beiseitelegen“ benennt sie in %1 um, was der Editor beim Start nicht liest. „Nicht jetzt“ lässt sie, wo sie ist.</translation>
    </message>
    <message>
        <source>Not Now leaves it where it is.</source>
        <translation>„Nicht jetzt“ lässt sie, wo sie ist.</translation>
    </message>
    <message>
        <source>&amp;Move Aside</source>
        <translation>&amp;Beiseitelegen</translation>
    </message>
    <message>
        <source>Delete the unsaved changes to %1 kept on %2?</source>
        <translation>Die ungespeicherten Änderungen an %1 vom %2 löschen?</translation>
    </message>
    <message>
        <source>Delete the recovery file %1?</source>
        <translation>Die Wiederherstellungsdatei %1 löschen?</translation>
    </message>
    <message>
        <source>They cannot be recovered afterwards.</source>
        <translation>Sie können danach nicht wiederhergestellt werden.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Löschen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Korvane-Fragen-Editor</translation>
    </message>
    <message>
        <source>Write, check and play question banks for Korvane.</source>
        <translation>Fragendateien für Korvane schreiben, prüfen und spielen.</translation>
    </message>
    <message>
        <source>Speak this language (de: German) rather than the system&apos;s.</source>
        <translation>Diese Sprache sprechen (de: Deutsch) statt der des Systems.</translation>
    </message>
    <message>
        <source>The question bank (.tqz) to open.</source>
        <translation>Die Fragendatei (.tqz), die geöffnet werden soll.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>Code</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>Fragendatei</translation>
    </message>
    <message>
        <source>[bank]</source>
        <translation>[Fragendatei]</translation>
    </message>
</context>
</TS>
