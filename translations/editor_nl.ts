<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>BankEditorWindow</name>
    <message>
        <source>Your changes are not protected: %1.</source>
        <translation>Je wijzigingen zijn niet veiliggesteld: %1.</translation>
    </message>
    <message>
        <source>Your changes are kept for recovery in %1, as the usual folder cannot take them.</source>
        <translation>Je wijzigingen worden voor herstel bewaard in %1, omdat de gebruikelijke map ze niet kan opnemen.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Vragen</translation>
    </message>
    <message>
        <source>One row per line of the bank: the question, the right answer and two wrong answers.</source>
        <translation>Eén rij per regel van de vragenbank: de vraag, het goede antwoord en twee foute antwoorden.</translation>
    </message>
    <message>
        <source>Line count</source>
        <translation>Aantal regels</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nieuw</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Openen…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>&amp;Recent geopend</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>Op&amp;slaan</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Opslaan &amp;als…</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>CSV &amp;importeren…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>CSV e&amp;xporteren…</translation>
    </message>
    <message>
        <source>P&amp;lay This Bank</source>
        <translation>Deze vragenbank spe&amp;len</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>Afsl&amp;uiten</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Ongedaan maken</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>Opnie&amp;uw</translation>
    </message>
    <message>
        <source>Question Editor &amp;Guide</source>
        <translation>&amp;Handleiding bij de vrageneditor</translation>
    </message>
    <message>
        <source>&amp;About Korvane Question Editor</source>
        <translation>&amp;Over Korvane-vrageneditor</translation>
    </message>
    <message>
        <source>Save the bank, then play it in Korvane</source>
        <translation>De vragenbank opslaan en daarna in Korvane spelen</translation>
    </message>
    <message>
        <source>&lt;b&gt;Korvane Question Editor %1&lt;/b&gt;&lt;p&gt;Write the questions for your own game of Korvane: a hundred of them, each with its right answer and two wrong ones. Every line is checked as you type, shown the way the game will show it, and one key plays the bank.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Korvane-vrageneditor %1&lt;/b&gt;&lt;p&gt;Schrijf de vragen voor je eigen Korvane-spel: honderd stuks, elk met het goede antwoord en twee foute. Elke regel wordt al tijdens het typen gecontroleerd en getoond zoals het spel hem zal tonen, en met één toets speel je de vragenbank.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The game is running.</source>
        <translation>Het spel loopt.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Bestand</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>Be&amp;werken</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Problemen</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Help</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Korvane-vrageneditor</translation>
    </message>
    <message>
        <source>The field being edited cannot take its text as it stands, so nothing went on. Change the text, or press Esc to leave the field as it was.</source>
        <translation>Het veld dat je bewerkt kan de tekst zo niet opnemen, dus er is niets gebeurd. Wijzig de tekst, of druk op Esc om het veld te laten zoals het was.</translation>
    </message>
    <message>
        <source>%1: row %2, %3, holds “%4”, a character the game cannot show (it uses Windows-1252). Replace it, then try again.</source>
        <translation>%1: rij %2, %3, bevat “%4”, een teken dat het spel niet kan tonen (het gebruikt Windows-1252). Vervang het en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>The bank was not saved</source>
        <translation>De vragenbank is niet opgeslagen</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>%1 opgeslagen</translation>
    </message>
    <message>
        <source>the new bank</source>
        <translation>de nieuwe vragenbank</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Niet-opgeslagen wijzigingen</translation>
    </message>
    <message>
        <source>Save the changes to %1 first?</source>
        <translation>Eerst de wijzigingen in %1 opslaan?</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>Wijzigingen die niet zijn opgeslagen gaan verloren.</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerpen</translation>
    </message>
    <message>
        <source>Save Bank As</source>
        <translation>Vragenbank opslaan als</translation>
    </message>
    <message>
        <source>Open Bank</source>
        <translation>Vragenbank openen</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>CSV importeren</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Kommagescheiden waarden (*.csv);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Er is niets geïmporteerd: %1.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>CSV exporteren</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2.</source>
        <translation>“%1” kon niet worden geschreven: %2.</translation>
    </message>
    <message>
        <source>“%1” was deleted or renamed by another program. Its questions stay open here, and Save writes the file again.</source>
        <translation>“%1” is door een ander programma verwijderd of hernoemd. De vragen blijven hier geopend, en Opslaan schrijft het bestand opnieuw.</translation>
    </message>
    <message>
        <source>Changed on Disk</source>
        <translation>Gewijzigd op schijf</translation>
    </message>
    <message>
        <source>Another program changed “%1” since it was opened or saved here.</source>
        <translation>Een ander programma heeft “%1” gewijzigd sinds het hier werd geopend of opgeslagen.</translation>
    </message>
    <message>
        <source>Reload it to see that version (Undo brings yours back), keep your version and save it over the other, or save yours as another file.</source>
        <translation>Laad het opnieuw om die versie te zien (Ongedaan maken haalt de jouwe terug), behoud je versie en sla ze op over de andere, of sla de jouwe op als een ander bestand.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Opnieuw laden</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Mijne behouden</translation>
    </message>
    <message>
        <source>Your version, which Reload replaces, is not protected: %1. Undo brings it back while the editor runs.</source>
        <translation>Jouw versie, die Opnieuw laden vervangt, is niet veiliggesteld: %1. Ongedaan maken haalt ze terug zolang de editor draait.</translation>
    </message>
    <message>
        <source>Reload %1 from disk</source>
        <translation>%1 opnieuw laden van schijf</translation>
    </message>
    <message>
        <source>%1 Its questions stay open here as they were.</source>
        <translation>%1 De vragen blijven hier geopend zoals ze waren.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Naamloos</translation>
    </message>
    <message>
        <source>%1[*] — Korvane Question Editor</source>
        <translation>%1[*] — Korvane-vrageneditor</translation>
    </message>
    <message>
        <source>Game Running</source>
        <translation>Spel loopt</translation>
    </message>
    <message>
        <source>The game started from this editor is still running. Closing the editor ends the game too.</source>
        <translation>Het spel dat vanuit deze editor is gestart, loopt nog. Als je de editor sluit, stopt ook het spel.</translation>
    </message>
    <message>
        <source>&amp;End Game and Close</source>
        <translation>Spel &amp;beëindigen en sluiten</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Afdruk&amp;voorbeeld…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>&amp;PDF exporteren…</translation>
    </message>
    <message>
        <source>New Answer Or&amp;der</source>
        <translation>Nieuwe antwoordvol&amp;gorde</translation>
    </message>
    <message>
        <source>Show the question sheet and its answer key as they will print</source>
        <translation>Het vragenblad en de antwoordsleutel tonen zoals ze afgedrukt worden</translation>
    </message>
    <message>
        <source>Save the question sheet and its answer key as a PDF file</source>
        <translation>Het vragenblad en de antwoordsleutel opslaan als PDF-bestand</translation>
    </message>
    <message>
        <source>Shuffle the answers of the next print anew</source>
        <translation>De antwoorden voor de volgende afdruk opnieuw schudden</translation>
    </message>
    <message>
        <source>New from Starter &amp;Bank…</source>
        <translation>Nieuw uit voorbeeld&amp;bank…</translation>
    </message>
    <message>
        <source>Start a new bank holding the questions of a bank that comes with the game</source>
        <translation>Een nieuwe vragenbank beginnen met de vragen van een vragenbank die bij het spel hoort</translation>
    </message>
    <message>
        <source>&amp;Top Up from Bank…</source>
        <translation>Aanvullen ui&amp;t vragenbank…</translation>
    </message>
    <message>
        <source>Add questions from another bank, leaving out those this one already asks, up to 100</source>
        <translation>Vragen uit een andere vragenbank toevoegen, tot 100, zonder de vragen die deze al stelt</translation>
    </message>
    <message>
        <source>Play &amp;Without Saving</source>
        <translation>Spelen &amp;zonder opslaan</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving its file as it is</source>
        <translation>De vragenbank zoals ze nu is spelen vanuit een tijdelijke kopie, en het bestand zelf ongewijzigd laten</translation>
    </message>
    <message>
        <source>New from Starter Bank</source>
        <translation>Nieuw uit voorbeeldbank</translation>
    </message>
    <message>
        <source>Top Up from Bank</source>
        <translation>Aanvullen uit vragenbank</translation>
    </message>
    <message>
        <source>Other File…</source>
        <translation>Ander bestand…</translation>
    </message>
    <message>
        <source>The banks that come with the game were not found. Install Korvane, then try again.</source>
        <translation>De vragenbanken die bij het spel horen zijn niet gevonden. Installeer Korvane en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>Take questions from:</source>
        <translation>Vragen overnemen uit:</translation>
    </message>
    <message>
        <source>Start from:</source>
        <translation>Beginnen met:</translation>
    </message>
    <message>
        <source>Added 1 question from %1</source>
        <translation>1 vraag toegevoegd uit %1</translation>
    </message>
    <message>
        <source>Added %1 questions from %2</source>
        <translation>%1 vragen toegevoegd uit %2</translation>
    </message>
    <message>
        <source>, leaving out 1 already in this bank</source>
        <translation>, zonder 1 die al in deze vragenbank stond</translation>
    </message>
    <message>
        <source>, leaving out %1 already in this bank</source>
        <translation>, zonder %1 die al in deze vragenbank stonden</translation>
    </message>
    <message>
        <source>%1 more did not fit in the %2 slots.</source>
        <translation>Nog %1 pasten niet in de %2 plekken.</translation>
    </message>
    <message>
        <source>Nothing was added: the bank already fills all %1 slots the game reads.</source>
        <translation>Er is niets toegevoegd: de vragenbank vult al alle %1 plekken die het spel leest.</translation>
    </message>
    <message>
        <source>Nothing was added: every question in %1 is already in this bank, or it holds none.</source>
        <translation>Er is niets toegevoegd: elke vraag in %1 staat al in deze vragenbank, of er staan geen vragen in.</translation>
    </message>
    <message>
        <source>Empty Slots</source>
        <translation>Lege plekken</translation>
    </message>
    <message>
        <source>%1 of the %2 slots are empty.</source>
        <translation>%1 van de %2 plekken zijn leeg.</translation>
    </message>
    <message>
        <source>The game draws an empty slot as often as any other, so players will now and then get a question with nothing in it. Play anyway, or top the bank up from another first?</source>
        <translation>Het spel trekt een lege plek even vaak als elke andere, dus spelers krijgen af en toe een vraag zonder inhoud. Toch spelen, of de vragenbank eerst aanvullen uit een andere?</translation>
    </message>
    <message>
        <source>&amp;Play Anyway</source>
        <translation>Toch &amp;spelen</translation>
    </message>
    <message>
        <source>&amp;Top Up…</source>
        <translation>&amp;Aanvullen…</translation>
    </message>
    <message>
        <source>Cannot Save Here</source>
        <translation>Kan hier niet opslaan</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving the file as it is and your changes unsaved here, or save it as another file.</source>
        <translation>De vragenbank zoals ze nu is spelen vanuit een tijdelijke kopie, waarbij het bestand ongewijzigd blijft en je wijzigingen hier niet worden opgeslagen, of de vragenbank opslaan als een ander bestand.</translation>
    </message>
    <message>
        <source>The bank was not played</source>
        <translation>De vragenbank is niet gespeeld</translation>
    </message>
    <message>
        <source>&amp;Next Problem</source>
        <translation>&amp;Volgend probleem</translation>
    </message>
    <message>
        <source>&amp;Previous Problem</source>
        <translation>V&amp;orig probleem</translation>
    </message>
    <message>
        <source>&amp;Fix Selected Problem</source>
        <translation>&amp;Geselecteerd probleem oplossen</translation>
    </message>
    <message>
        <source>Fix All of This &amp;Kind</source>
        <translation>Alle van deze &amp;soort oplossen</translation>
    </message>
    <message>
        <source>Fix &amp;All Problems</source>
        <translation>&amp;Alle problemen oplossen</translation>
    </message>
    <message>
        <source>&amp;Cut Field to Its Width</source>
        <translation>Veld &amp;inkorten tot zijn breedte</translation>
    </message>
    <message>
        <source>Cut the selected field to the width the game keeps, dropping the rest</source>
        <translation>Het geselecteerde veld inkorten tot de breedte die het spel houdt, en de rest weglaten</translation>
    </message>
    <message>
        <source>Go to the next problem or warning in the bank</source>
        <translation>Naar het volgende probleem of de volgende waarschuwing in de vragenbank gaan</translation>
    </message>
    <message>
        <source>Go to the previous problem or warning in the bank</source>
        <translation>Naar het vorige probleem of de vorige waarschuwing in de vragenbank gaan</translation>
    </message>
    <message>
        <source>Fix every problem like the selected one, as one step to undo</source>
        <translation>Elk probleem zoals het geselecteerde oplossen, in één stap ongedaan te maken</translation>
    </message>
    <message>
        <source>Fix every problem Fix can mend, line ends first, as one step to undo</source>
        <translation>Elk probleem oplossen dat Oplossen kan verhelpen, eerst de regeleinden, in één stap ongedaan te maken</translation>
    </message>
    <message>
        <source>No problem or warning on a line to go to.</source>
        <translation>Geen probleem of waarschuwing op een regel om naartoe te gaan.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>K&amp;nippen</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Kopiëren</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Plakken</translation>
    </message>
    <message>
        <source>Cl&amp;ear Cells</source>
        <translation>Cellen &amp;wissen</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>Rij &amp;invoegen</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>Rijen verwij&amp;deren</translation>
    </message>
    <message>
        <source>Delete Rows Past &amp;100</source>
        <translation>Rijen na &amp;100 verwijderen</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>Om&amp;hoog verplaatsen</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>O&amp;mlaag verplaatsen</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Alles selecteren</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Zoeken…</translation>
    </message>
    <message>
        <source>Rep&amp;lace…</source>
        <translation>&amp;Vervangen…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Vol&amp;gende zoeken</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Vo&amp;rige zoeken</translation>
    </message>
    <message>
        <source>&amp;Sort A to Z by This Column</source>
        <translation>&amp;Sorteren van A tot Z op deze kolom</translation>
    </message>
    <message>
        <source>Sort &amp;Z to A by This Column</source>
        <translation>Sor&amp;teren van Z tot A op deze kolom</translation>
    </message>
    <message>
        <source>S&amp;huffle Rows</source>
        <translation>Rijen s&amp;chudden</translation>
    </message>
    <message>
        <source>Sort the rows by the current column; rows holding nothing stay at the end</source>
        <translation>De rijen sorteren op de huidige kolom; lege rijen blijven aan het eind</translation>
    </message>
    <message>
        <source>Keep only the first 100 rows, which the game reads</source>
        <translation>Alleen de eerste 100 rijen behouden, die het spel leest</translation>
    </message>
    <message>
        <source>Put the rows in a random order; rows holding nothing stay at the end</source>
        <translation>De rijen in een willekeurige volgorde zetten; lege rijen blijven aan het eind</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Knippen</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wissen</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Het klembord bevat geen tekst om te plakken.</translation>
    </message>
    <message>
        <source>Delete line %1, %2</source>
        <translation>Regel %1 verwijderen, %2</translation>
    </message>
    <message>
        <source>Delete %1 lines from %2 on</source>
        <translation>%1 regels vanaf %2 verwijderen</translation>
    </message>
    <message>
        <source>Sort the rows by %1, A to Z</source>
        <translation>De rijen sorteren op %1, A tot Z</translation>
    </message>
    <message>
        <source>Sort the rows by %1, Z to A</source>
        <translation>De rijen sorteren op %1, Z tot A</translation>
    </message>
    <message>
        <source>Shuffle the rows</source>
        <translation>De rijen schudden</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>%1 knippen</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>%1 wissen</translation>
    </message>
</context>
<context>
    <name>BankFileReader</name>
    <message>
        <source>a folder</source>
        <translation>een map</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>een pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>een apparaat</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>een socket</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>geen gewoon bestand</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>“%1” kan niet worden geopend: %2.</translation>
    </message>
    <message>
        <source>it is a link to a file that no longer exists</source>
        <translation>het is een koppeling naar een bestand dat niet meer bestaat</translation>
    </message>
    <message>
        <source>it is %1, not %2</source>
        <translation>het is %1, geen %2</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>het is veranderd terwijl het werd geopend</translation>
    </message>
    <message>
        <source>it grew past %1 while it was being read</source>
        <translation>het is tijdens het lezen gegroeid tot voorbij %1</translation>
    </message>
    <message>
        <source>a question bank file</source>
        <translation>een vragenbankbestand</translation>
    </message>
    <message>
        <source>it holds %1, far more than a question bank of %2 lines</source>
        <translation>het bevat %1, veel meer dan een vragenbank van %2 regels</translation>
    </message>
    <message>
        <source>the bank would hold %1, more than the %2 the editor can open again</source>
        <translation>de vragenbank zou %1 bevatten, meer dan de %2 die de editor weer kan openen</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>een CSV-bestand</translation>
    </message>
    <message>
        <source>it holds %1, more than a CSV file of %2 rows</source>
        <translation>het bevat %1, meer dan een CSV-bestand van %2 rijen</translation>
    </message>
    <message>
        <source>a recovery file</source>
        <translation>een herstelbestand</translation>
    </message>
    <message>
        <source>it holds %1, more than the unsaved changes to the largest bank the editor opens (%2 bytes) can</source>
        <translation>het bevat %1, meer dan de niet-opgeslagen wijzigingen in de grootste vragenbank die de editor opent (%2 bytes) kunnen beslaan</translation>
    </message>
</context>
<context>
    <name>BankFileWriter</name>
    <message>
        <source>the file is read-only</source>
        <translation>het bestand is alleen-lezen</translation>
    </message>
    <message>
        <source>%1; the bank is kept as %2</source>
        <translation>%1; de vragenbank is bewaard als %2</translation>
    </message>
</context>
<context>
    <name>BankTableModel</name>
    <message>
        <source>, removing %1 and %2 more</source>
        <translation>, waarbij %1 en nog %2 andere verwijderd worden</translation>
    </message>
    <message>
        <source>, removing %1</source>
        <translation>, waarbij %1 verwijderd wordt</translation>
    </message>
    <message>
        <source>Fix all: %1 and %2</source>
        <translation>Alles oplossen: %1 en %2</translation>
    </message>
    <message>
        <source>The game&apos;s character set (Windows-1252) has no “%1”: replace it before saving.</source>
        <translation>De tekenset van het spel (Windows-1252) heeft geen “%1”: vervang het voordat je opslaat.</translation>
    </message>
    <message>
        <source>The game reads only the first %1 lines: this one is never asked.</source>
        <translation>Het spel leest alleen de eerste %1 regels: deze wordt nooit gevraagd.</translation>
    </message>
    <message>
        <source>Not read: the game holds %1 questions.</source>
        <translation>Niet gelezen: het spel heeft plaats voor %1 vragen.</translation>
    </message>
    <message>
        <source>The line is %1 characters: the game reads the first %2.</source>
        <translation>De regel heeft %1 tekens: het spel leest de eerste %2.</translation>
    </message>
    <message>
        <source>The game shows the first %1 characters.</source>
        <translation>Het spel toont de eerste %1 tekens.</translation>
    </message>
    <message>
        <source>Edit %1 on line %2</source>
        <translation>%1 op regel %2 bewerken</translation>
    </message>
    <message>
        <source>Replace %1 with %2 on line %3</source>
        <translation>%1 vervangen door %2 op regel %3</translation>
    </message>
    <message>
        <source>Replace %1 with %2 in %3 cells</source>
        <translation>%1 vervangen door %2 in %3 cellen</translation>
    </message>
    <message>
        <source>Top up with 1 question from %1</source>
        <translation>Aanvullen met 1 vraag uit %1</translation>
    </message>
    <message>
        <source>Top up with %1 questions from %2</source>
        <translation>Aanvullen met %1 vragen uit %2</translation>
    </message>
</context>
<context>
    <name>CellClipboard</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 en nog %2</translation>
    </message>
    <message>
        <source>Paste over %1</source>
        <translation>Plakken over %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Plakken</translation>
    </message>
</context>
<context>
    <name>CharacterReplacements</name>
    <message>
        <source>Spell out the Greek letters %1</source>
        <translation>De Griekse letters %1 uitschrijven</translation>
    </message>
    <message>
        <source>Replace %1 with the quotes, dashes and spaces the game has</source>
        <translation>%1 vervangen door de aanhalingstekens, streepjes en spaties die het spel kent</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>The quote opened on line %1 is never closed, so every row after it would run into one field. Close it, then import again.</source>
        <translation>Het aanhalingsteken dat op regel %1 opent, wordt nooit gesloten, dus elke rij daarna zou in één veld terechtkomen. Sluit het en importeer daarna opnieuw.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rows, more than can be imported at once. Split it, then import each part.</source>
        <translation>Het bestand bevat meer dan %1 rijen, meer dan in één keer geïmporteerd kan worden. Splits het en importeer daarna elk deel.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import “%1”</source>
        <translation>“%1” importeren</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Komma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Puntkomma</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tab</translation>
    </message>
    <message>
        <source>Vertical bar |</source>
        <translation>Verticale streep |</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Ander</translation>
    </message>
    <message>
        <source>UTF-16, little-endian</source>
        <translation>UTF-16, little-endian</translation>
    </message>
    <message>
        <source>UTF-16, big-endian</source>
        <translation>UTF-16, big-endian</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (West-Europees)</translation>
    </message>
    <message>
        <source>The first row names the &amp;columns</source>
        <translation>De eerste rij bevat de &amp;kolomnamen</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importeren</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Scheidingsteken:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Codering:</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Overnemen:</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Alle rijen</translation>
    </message>
    <message>
        <source>Rows at random</source>
        <translation>Willekeurige rijen</translation>
    </message>
    <message>
        <source>A range of rows</source>
        <translation>Een reeks rijen</translation>
    </message>
    <message>
        <source>How many rows</source>
        <translation>Hoeveel rijen</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Eerste rij</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Laatste rij</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>Type the character that separates the fields.</source>
        <translation>Typ het teken dat de velden scheidt.</translation>
    </message>
    <message>
        <source>The file holds 1 row.</source>
        <translation>Het bestand bevat 1 rij.</translation>
    </message>
    <message>
        <source>The file holds %1 rows; the first %2 are shown.</source>
        <translation>Het bestand bevat %1 rijen; de eerste %2 worden getoond.</translation>
    </message>
    <message>
        <source>The file holds %1 rows.</source>
        <translation>Het bestand bevat %1 rijen.</translation>
    </message>
    <message>
        <source>Row %1 has text past the fourth field, which does not come in: %2.</source>
        <translation>Rij %1 heeft tekst na het vierde veld, die niet wordt overgenomen: %2.</translation>
    </message>
</context>
<context>
    <name>EditorGuide</name>
    <message>
        <source>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;The basics&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Adding questions.&lt;/b&gt; Type in a cell to fill it; Enter keeps what you typed. Down on the last row, or Tab or Enter in its last cell, starts a new row, as in a spreadsheet. Insert Row (Ctrl+Return) puts a blank row below the current one, to insert a question between others.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Importing a spreadsheet.&lt;/b&gt; Save it as CSV, then choose File, Import CSV (Ctrl+Shift+I). The preview shows the rows as the bank will hold them and how many the file has; change the separator, encoding or header row if it guessed wrong. From a large file, Take picks a number of rows at random or a range of them. The rows come in below the current row, as one step to undo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Printing a worksheet.&lt;/b&gt; File, Print (Ctrl+P) prints the questions with their answers shuffled, and an answer key; Print Preview shows it first, and Export PDF saves it as a file. New Answer Order shuffles the answers anew for the next print.&lt;/p&gt;&lt;p&gt;&lt;b&gt;After a crash.&lt;/b&gt; The editor keeps unsaved changes aside as you work. When it stopped without saving them, it offers them at the next start: Recover opens them, Discard deletes them, and Not Now keeps them for later.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;De basis&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Vragen toevoegen.&lt;/b&gt; Typ in een cel om die te vullen; Enter bewaart wat je getypt hebt. Omlaag op de laatste rij, of Tab of Enter in de laatste cel daarvan, begint een nieuwe rij, zoals in een rekenblad. Rij invoegen (Ctrl+Return) zet een lege rij onder de huidige, om een vraag tussen andere in te voegen.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Een rekenblad importeren.&lt;/b&gt; Sla het op als CSV en kies dan Bestand, CSV importeren (Ctrl+Shift+I). Het voorbeeld toont de rijen zoals de vragenbank ze zal bevatten en hoeveel het bestand er heeft; wijzig het scheidingsteken, de codering of de kopregel als er verkeerd is gegokt. Uit een groot bestand neemt Overnemen een aantal willekeurige rijen of een reeks rijen. De rijen komen onder de huidige rij, in één stap ongedaan te maken.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Een vragenblad afdrukken.&lt;/b&gt; Bestand, Afdrukken (Ctrl+P) drukt de vragen af met geschudde antwoorden, en een antwoordsleutel; Afdrukvoorbeeld toont het eerst, en PDF exporteren slaat het op als bestand. Nieuwe antwoordvolgorde schudt de antwoorden opnieuw voor de volgende afdruk.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Na een crash.&lt;/b&gt; De editor bewaart niet-opgeslagen wijzigingen apart terwijl je werkt. Als hij stopte zonder ze op te slaan, biedt hij ze bij de volgende start aan: Herstellen opent ze, Verwerpen verwijdert ze, en Niet nu bewaart ze voor later.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Writing a bank&lt;/h2&gt;&lt;p&gt;Each row is one question: the question itself (the game shows up to 73 characters), the right answer and two wrong ones (up to 26 characters each). The counter in each cell shows how much of the width is used. The game asks the first 100 rows; rows past the 100th are greyed out and never asked. It shows the three answers in a random order, so the right one may stand anywhere.&lt;/p&gt;&lt;p&gt;A straight double quote cannot go in a field: the game uses it to end fields. Typed, pasted or replaced, it becomes an opening or closing typographic quote, and line breaks become spaces; Find still finds typographic quotes from a straight one. The game uses the Windows-1252 characters: one it lacks is marked red, and the bank is not saved until it is replaced. Fix offers a replacement where there is one.&lt;/p&gt;&lt;p&gt;Ctrl+F finds text in the fields and Ctrl+H replaces it; F3 and Shift+F3 find the next and previous cell. The Edit menu sorts the rows by the current column and shuffles them; rows holding nothing stay at the end. Every change can be undone.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Een vragenbank schrijven&lt;/h2&gt;&lt;p&gt;Elke rij is één vraag: de vraag zelf (het spel toont tot 73 tekens), het goede antwoord en twee foute (elk tot 26 tekens). De teller in elke cel toont hoeveel van de breedte gebruikt is. Het spel vraagt de eerste 100 rijen; rijen na de 100e zijn grijs en worden nooit gevraagd. Het toont de drie antwoorden in willekeurige volgorde, dus het goede kan overal staan.&lt;/p&gt;&lt;p&gt;Een recht dubbel aanhalingsteken kan niet in een veld: het spel gebruikt het om velden te beëindigen. Getypt, geplakt of vervangen wordt het een typografisch openings- of sluitaanhalingsteken, en regeleinden worden spaties; Zoeken vindt typografische aanhalingstekens ook met een recht aanhalingsteken. Het spel gebruikt de tekens van Windows-1252: een teken dat daarin ontbreekt wordt rood gemarkeerd, en de vragenbank wordt pas opgeslagen als het vervangen is. Oplossen biedt een vervanging aan waar die er is.&lt;/p&gt;&lt;p&gt;Ctrl+F zoekt tekst in de velden en Ctrl+H vervangt hem; F3 en Shift+F3 zoeken de volgende en vorige cel. Het menu Bewerken sorteert de rijen op de huidige kolom en schudt ze; lege rijen blijven aan het eind. Elke wijziging kan ongedaan worden gemaakt.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Problems and warnings&lt;/h2&gt;&lt;p&gt;The panel below the table lists what will not play as written, and warnings about questions that play but may not work once the answers are shuffled. Choose one, or press F8 and Shift+F8, to go to its field. Fix mends the chosen one; Fix All mends every one it can, line ends first, as one step to undo. Fix All never shortens what you wrote: Fix on a field too long selects what the game drops, for you to reword, and Cut Field to Its Width cuts it; Fix on a line over 140 characters opens its longest field to reword. Each row&apos;s header shows its line&apos;s length against 140. Check rows past 100 lists the findings on the rows the game never reads too; Edit, Delete Rows Past 100 keeps the first 100.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Problemen en waarschuwingen&lt;/h2&gt;&lt;p&gt;Het paneel onder de tabel toont wat niet gespeeld wordt zoals het geschreven is, en waarschuwingen over vragen die wel gespeeld worden maar misschien niet werken zodra de antwoorden geschud zijn. Kies er een, of druk op F8 en Shift+F8, om naar het veld te gaan. Oplossen verhelpt de gekozen; Alles oplossen verhelpt alles wat het kan, eerst de regeleinden, in één stap ongedaan te maken. Alles oplossen kort nooit in wat je geschreven hebt: Oplossen bij een te lang veld selecteert wat het spel weglaat, zodat je het anders kunt formuleren, en Veld inkorten tot zijn breedte knipt het af; Oplossen bij een regel van meer dan 140 tekens opent het langste veld om het anders te formuleren. De kop van elke rij toont de lengte van de regel tegenover 140. Rijen na 100 controleren toont ook wat er gevonden is op de rijen die het spel nooit leest; Bewerken, Rijen na 100 verwijderen houdt de eerste 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Playing the bank&lt;/h2&gt;&lt;p&gt;F5 (File, Play This Bank) saves the bank, then starts the game with it. A bank named &lt;i&gt;quarl3.tqz&lt;/i&gt; is played in its own folder; any other is copied under that name into a temporary folder of its own, removed when the game ends. With fewer than 100 questions it asks first, as the game would draw the empty slots too.&lt;/p&gt;&lt;p&gt;To reach 100, File, Top Up from Bank adds questions from another bank, leaving out those this bank already asks; New from Starter Bank opens a copy of a bank that comes with the game. Play Without Saving (Shift+F5) tries the table as it stands from a temporary copy, for a bank that cannot be saved where it is.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;De vragenbank spelen&lt;/h2&gt;&lt;p&gt;F5 (Bestand, Deze vragenbank spelen) slaat de vragenbank op en start dan het spel ermee. Een vragenbank met de naam &lt;i&gt;quarl3.tqz&lt;/i&gt; wordt in haar eigen map gespeeld; elke andere wordt onder die naam gekopieerd naar een eigen tijdelijke map, die verwijderd wordt als het spel eindigt. Met minder dan 100 vragen vraagt de editor het eerst, omdat het spel ook de lege plekken zou trekken.&lt;/p&gt;&lt;p&gt;Om 100 te halen voegt Bestand, Aanvullen uit vragenbank vragen toe uit een andere vragenbank, zonder de vragen die deze vragenbank al stelt; Nieuw uit voorbeeldbank opent een kopie van een vragenbank die bij het spel hoort. Spelen zonder opslaan (Shift+F5) probeert de tabel zoals ze nu is vanuit een tijdelijke kopie, voor een vragenbank die niet kan worden opgeslagen waar ze staat.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;The manual tells the whole story: type &lt;tt&gt;man 6 korvedit&lt;/tt&gt; in a terminal, or open &lt;a href=&quot;man:korvedit(6)&quot;&gt;the korvedit manual page&lt;/a&gt; where the desktop can show it.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Meer&lt;/h2&gt;&lt;p&gt;De handleiding vertelt alles: typ &lt;tt&gt;man 6 korvedit&lt;/tt&gt; in een terminal, of open &lt;a href=&quot;man:korvedit(6)&quot;&gt;de handleidingpagina van korvedit&lt;/a&gt; waar de werkomgeving die kan tonen.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;This guide is the editor&apos;s manual here: start with &lt;a href=&quot;#basics&quot;&gt;the basics&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Meer&lt;/h2&gt;&lt;p&gt;Hier neemt deze handleiding de plaats in van de handleidingpagina van de editor: begin met &lt;a href=&quot;#basics&quot;&gt;de basis&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Question Editor Guide</source>
        <translation>Handleiding bij de vrageneditor</translation>
    </message>
</context>
<context>
    <name>FieldEdit</name>
    <message>
        <source>Line breaks and Ctrl-Z cannot go in a field: the game reads them as the end of the line or of the bank.</source>
        <translation>Regeleinden en Ctrl-Z kunnen niet in een veld: het spel leest ze als het einde van de regel of van de vragenbank.</translation>
    </message>
    <message>
        <source>Pasted double quotes became typographic ones, and line breaks spaces: the game reads a straight double quote as the end of the field.</source>
        <translation>Geplakte dubbele aanhalingstekens zijn typografische geworden, en regeleinden spaties: het spel leest een recht dubbel aanhalingsteken als het einde van het veld.</translation>
    </message>
    <message>
        <source>“%1” is not in the game&apos;s character set (Windows-1252): the bank cannot be saved until it is replaced.</source>
        <translation>“%1” zit niet in de tekenset van het spel (Windows-1252): de vragenbank kan pas worden opgeslagen als het vervangen is.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>its access list cannot be read (%1)</source>
        <translation>de toegangslijst ervan kan niet worden gelezen (%1)</translation>
    </message>
    <message>
        <source>its access list cannot be given to the new file (%1)</source>
        <translation>de toegangslijst ervan kan niet aan het nieuwe bestand worden meegegeven (%1)</translation>
    </message>
    <message>
        <source>its attribute %1 cannot be given to the new file (%2)</source>
        <translation>het kenmerk %1 ervan kan niet aan het nieuwe bestand worden meegegeven (%2)</translation>
    </message>
    <message>
        <source>its attributes cannot be read (%1)</source>
        <translation>de kenmerken ervan kunnen niet worden gelezen (%1)</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Zoeken:</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Vervangen &amp;door:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Hoofdletter&amp;gevoelig</translation>
    </message>
    <message>
        <source>Nex&amp;t</source>
        <translation>&amp;Volgende</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>Vo&amp;rige</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Vervange&amp;n</translation>
    </message>
    <message>
        <source>Replace A&amp;ll</source>
        <translation>A&amp;lles vervangen</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Close the find strip (Esc)</source>
        <translation>De zoekbalk sluiten (Esc)</translation>
    </message>
    <message>
        <source>%1 is not in the bank.</source>
        <translation>%1 staat niet in de vragenbank.</translation>
    </message>
    <message>
        <source>Replaced in 1 cell.</source>
        <translation>In 1 cel is de tekst vervangen.</translation>
    </message>
    <message>
        <source>Replaced in %1 cells.</source>
        <translation>In %1 cellen is de tekst vervangen.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>The game is already running. Close it to play the bank again.</source>
        <translation>Het spel loopt al. Sluit het om de vragenbank opnieuw te spelen.</translation>
    </message>
    <message>
        <source>The game (%1) was found neither beside the editor nor on the PATH. Install Korvane, then try again.</source>
        <translation>Het spel (%1) is niet naast de editor en niet in het PATH gevonden. Installeer Korvane en probeer het daarna opnieuw.</translation>
    </message>
    <message>
        <source>The bank could not be copied for the game into a temporary folder.</source>
        <translation>De vragenbank kon niet voor het spel naar een tijdelijke map worden gekopieerd.</translation>
    </message>
    <message>
        <source>The game stopped unexpectedly.</source>
        <translation>Het spel is onverwacht gestopt.</translation>
    </message>
    <message>
        <source>The game could not be started: %1</source>
        <translation>Het spel kon niet worden gestart: %1</translation>
    </message>
</context>
<context>
    <name>LineCountSummary</name>
    <message>
        <source>1 line</source>
        <translation>1 regel</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 regels</translation>
    </message>
    <message>
        <source>%1 of %2: the game still draws from all %2 slots, so %3 of its questions come up blank, with empty answers</source>
        <translation>%1 van %2: het spel trekt nog steeds uit alle %2 plekken, dus %3 van de vragen zijn leeg, met lege antwoorden</translation>
    </message>
    <message>
        <source>%1: the game reads them all</source>
        <translation>%1: het spel leest ze allemaal</translation>
    </message>
    <message>
        <source>%1: the game reads the first %2 and never shows the other %3</source>
        <translation>%1: het spel leest de eerste %2 en toont de andere %3 nooit</translation>
    </message>
</context>
<context>
    <name>ProblemPanel</name>
    <message>
        <source>Bank: %1</source>
        <translation>Vragenbank: %1</translation>
    </message>
    <message>
        <source>Line %1, warning: %2</source>
        <translation>Regel %1, waarschuwing: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Regel %1: %2</translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>Probl&amp;emen</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemen</translation>
    </message>
    <message>
        <source>What the game would leave out, cut or show differently. Press Enter to go to the field.</source>
        <translation>Wat het spel zou weglaten, afknippen of anders tonen. Druk op Enter om naar het veld te gaan.</translation>
    </message>
    <message>
        <source>Fi&amp;x</source>
        <translation>&amp;Oplossen</translation>
    </message>
    <message>
        <source>Fix the selected problem</source>
        <translation>Het geselecteerde probleem oplossen</translation>
    </message>
    <message>
        <source>Fix the selected problem the way the game expects</source>
        <translation>Het geselecteerde probleem oplossen zoals het spel het verwacht</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>&amp;Alles oplossen</translation>
    </message>
    <message>
        <source>Fix every problem that can be fixed</source>
        <translation>Elk probleem oplossen dat kan worden opgelost</translation>
    </message>
    <message>
        <source>Fix every problem of every kind that Fix can mend, as one step to undo</source>
        <translation>Elk probleem van elke soort oplossen dat Oplossen kan verhelpen, in één stap ongedaan te maken</translation>
    </message>
    <message>
        <source>Check rows past &amp;100</source>
        <translation>Rijen na &amp;100 controleren</translation>
    </message>
    <message>
        <source>Also check the rows past 100, which the game never reads, before deleting rows brings them up: their problems, questions asked twice and answers alike</source>
        <translation>Ook de rijen na 100 controleren, die het spel nooit leest, voordat het verwijderen van rijen ze naar voren haalt: hun problemen, dubbel gestelde vragen en gelijke antwoorden</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Oplossen</translation>
    </message>
    <message>
        <source>Fix can put this right in one step.</source>
        <translation>Oplossen kan dit in één stap rechtzetten.</translation>
    </message>
    <message>
        <source>The game plays this line, but the question may not work once the answers are shuffled.</source>
        <translation>Het spel speelt deze regel, maar de vraag werkt misschien niet meer zodra de antwoorden geschud zijn.</translation>
    </message>
    <message>
        <source>1 finding on rows past %1</source>
        <translation>1 vondst in rijen na %1</translation>
    </message>
    <message>
        <source>%1 findings on rows past %2</source>
        <translation>%1 vondsten in rijen na %2</translation>
    </message>
</context>
<context>
    <name>QuestionPreview</name>
    <message>
        <source>Preview of the question window</source>
        <translation>Voorbeeld van het vraagvenster</translation>
    </message>
    <message>
        <source>A) is the right answer here; the game shuffles the three answers.</source>
        <translation>A) is hier het goede antwoord; het spel schudt de drie antwoorden.</translation>
    </message>
    <message>
        <source>The game does not read this line: it holds %1 questions, from the first %1 lines.</source>
        <translation>Het spel leest deze regel niet: het heeft plaats voor %1 vragen, uit de eerste %1 regels.</translation>
    </message>
    <message>
        <source>Select a question to see it as the game shows it.</source>
        <translation>Selecteer een vraag om die te zien zoals het spel hem toont.</translation>
    </message>
</context>
<context>
    <name>QuizPrintCommands</name>
    <message>
        <source>The answers will be printed in a new order.</source>
        <translation>De antwoorden worden in een nieuwe volgorde afgedrukt.</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Korvane-vrageneditor</translation>
    </message>
    <message>
        <source>Sheets of order %1 were already printed. Their key will not match a sheet of another order. Change the order?</source>
        <translation>Er zijn al bladen met volgorde %1 afgedrukt. Hun antwoordsleutel past niet bij een blad met een andere volgorde. De volgorde wijzigen?</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>There is nothing to print: no line has a question.</source>
        <translation>Er is niets af te drukken: geen enkele regel heeft een vraag.</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Af&amp;drukken…</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>Voor&amp;beeld</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporteren…</translation>
    </message>
    <message>
        <source>The quiz was not printed: the printer could not start.</source>
        <translation>De quiz is niet afgedrukt: de printer kon niet starten.</translation>
    </message>
    <message>
        <source>Print Preview — %1</source>
        <translation>Afdrukvoorbeeld — %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>PDF exporteren</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;All files (*)</source>
        <translation>PDF-documenten (*.pdf);;Alle bestanden (*)</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>%1 geëxporteerd</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2. Choose another folder or name, then export again.</source>
        <translation>“%1” kon niet worden geschreven: %2. Kies een andere map of naam en exporteer daarna opnieuw.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>de pagina&apos;s konden niet worden getekend</translation>
    </message>
</context>
<context>
    <name>QuizPrinter</name>
    <message>
        <source>Write the letter of the right answer in the box beside each question.</source>
        <translation>Schrijf de letter van het goede antwoord in het vakje naast elke vraag.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Naam</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Klas</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1 — pagina %2 van %3 — Volgorde %4 (controle %5)</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Antwoordsleutel: %1</translation>
    </message>
    <message>
        <source>%1, answer key — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1, antwoordsleutel — pagina %2 van %3 — Volgorde %4 (controle %5)</translation>
    </message>
</context>
<context>
    <name>QuizSheetDialog</name>
    <message>
        <source>&amp;All questions (%1)</source>
        <translation>A&amp;lle vragen (%1)</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>Vra&amp;gen</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>Tre&amp;kken</translation>
    </message>
    <message>
        <source>&amp;Compact: more questions on a page</source>
        <translation>&amp;Compact: meer vragen per pagina</translation>
    </message>
    <message>
        <source>Quiz Sheet</source>
        <translation>Vragenblad</translation>
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
        <translation>Vragen:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>tot</translation>
    </message>
    <message>
        <source>at random</source>
        <translation>willekeurig</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Opmaak:</translation>
    </message>
    <message>
        <source>Printed on every page of the sheet and its key. Type an earlier order&apos;s number to print its sheet again.</source>
        <translation>Wordt op elke pagina van het blad en de antwoordsleutel gedrukt. Typ het nummer van een eerdere volgorde om dat blad opnieuw af te drukken.</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>&amp;Volgorde:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pagina&apos;s:</translation>
    </message>
    <message>
        <source>%1 for the sheet, %2 for the key, on %3 paper</source>
        <translation>%1 voor het blad, %2 voor de antwoordsleutel, op %3-papier</translation>
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
        <translation>Lijst &amp;wissen</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>geen JSON (%1 bij byte %2)</translation>
    </message>
    <message>
        <source>not a recovery file of the question editor</source>
        <translation>geen herstelbestand van de vrageneditor</translation>
    </message>
    <message>
        <source>written by another version of the question editor</source>
        <translation>geschreven door een andere versie van de vrageneditor</translation>
    </message>
    <message>
        <source>the bank&apos;s name is damaged</source>
        <translation>de naam van de vragenbank is beschadigd</translation>
    </message>
    <message>
        <source>the time it was written is damaged</source>
        <translation>het tijdstip van schrijven is beschadigd</translation>
    </message>
    <message>
        <source>it holds no line</source>
        <translation>het bevat geen enkele regel</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>regel %1 is beschadigd</translation>
    </message>
    <message>
        <source>the text after the end of the data is damaged</source>
        <translation>de tekst na het einde van de gegevens is beschadigd</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>de map %1 kan niet worden aangemaakt</translation>
    </message>
    <message>
        <source>%1 is locked by another editor</source>
        <translation>%1 is vergrendeld door een andere editor</translation>
    </message>
    <message>
        <source>its lock %1 cannot be made (%2)</source>
        <translation>de vergrendeling %1 ervan kan niet worden aangemaakt (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>it could not be kept for recovery in %1 (%2), nor in %3 (%4)</source>
        <translation>ze konden niet voor herstel worden bewaard in %1 (%2), en ook niet in %3 (%4)</translation>
    </message>
    <message>
        <source>they could not be kept for recovery in %1 (%2)</source>
        <translation>ze konden niet voor herstel worden bewaard in %1 (%2)</translation>
    </message>
    <message>
        <source>, nor in %1 (%2)</source>
        <translation>, en ook niet in %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryOffers</name>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Niet-opgeslagen wijzigingen herstellen</translation>
    </message>
    <message>
        <source>an untitled bank</source>
        <translation>een naamloze vragenbank</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d MMMM yyyy &apos;om&apos; HH:mm</translation>
    </message>
    <message>
        <source>“%1” is open in another question editor, with unsaved changes.</source>
        <translation>“%1” is geopend in een andere vrageneditor, met niet-opgeslagen wijzigingen.</translation>
    </message>
    <message>
        <source>Bank Open Elsewhere</source>
        <translation>Vragenbank elders geopend</translation>
    </message>
    <message>
        <source>Whichever editor saves it last replaces what the other saved. Save or close it there first, then open it here again.</source>
        <translation>De editor die haar het laatst opslaat, vervangt wat de andere heeft opgeslagen. Sla haar daar eerst op of sluit haar, en open haar daarna hier opnieuw.</translation>
    </message>
    <message>
        <source>The recovery file %1 cannot be read: %2.</source>
        <translation>Het herstelbestand %1 kan niet worden gelezen: %2.</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 were kept on %2, when the editor stopped without saving them.</source>
        <translation>Niet-opgeslagen wijzigingen in %1 zijn bewaard op %2, toen de editor stopte zonder ze op te slaan.</translation>
    </message>
    <message>
        <source>Recover opens them as a new bank</source>
        <translation>Herstellen opent ze als een nieuwe vragenbank</translation>
    </message>
    <message>
        <source>Recover opens them as unsaved changes to %1</source>
        <translation>Herstellen opent ze als niet-opgeslagen wijzigingen in %1</translation>
    </message>
    <message>
        <source>; save them to keep them. Discard deletes them. Not Now keeps them for later.</source>
        <translation>; sla ze op om ze te houden. Verwerpen verwijdert ze. Niet nu bewaart ze voor later.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Herstellen</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Verwerpen</translation>
    </message>
    <message>
        <source>&amp;Not Now</source>
        <translation>&amp;Niet nu</translation>
    </message>
    <message>
        <source>Move Aside renames it %1, which the editor does not read at start. Not Now leaves it where it is.</source>
        <translation>Opzijzetten hernoemt het naar %1, dat de editor bij het starten niet leest. Niet nu laat het staan waar het staat.</translation>
    </message>
    <message>
        <source>Not Now leaves it where it is.</source>
        <translation>Niet nu laat het staan waar het staat.</translation>
    </message>
    <message>
        <source>&amp;Move Aside</source>
        <translation>&amp;Opzijzetten</translation>
    </message>
    <message>
        <source>Delete the unsaved changes to %1 kept on %2?</source>
        <translation>De niet-opgeslagen wijzigingen in %1, bewaard op %2, verwijderen?</translation>
    </message>
    <message>
        <source>Delete the recovery file %1?</source>
        <translation>Het herstelbestand %1 verwijderen?</translation>
    </message>
    <message>
        <source>They cannot be recovered afterwards.</source>
        <translation>Ze kunnen daarna niet meer worden hersteld.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Verwijderen</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Korvane-vrageneditor</translation>
    </message>
    <message>
        <source>Write, check and play question banks for Korvane.</source>
        <translation>Vragenbanken voor Korvane schrijven, controleren en spelen.</translation>
    </message>
    <message>
        <source>Speak this language (de: German) rather than the system&apos;s.</source>
        <translation>Deze taal spreken (nl: Nederlands) in plaats van die van het systeem.</translation>
    </message>
    <message>
        <source>The question bank (.tqz) to open.</source>
        <translation>De vragenbank (.tqz) die geopend moet worden.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>vragenbank</translation>
    </message>
    <message>
        <source>[bank]</source>
        <translation>[vragenbank]</translation>
    </message>
</context>
</TS>
