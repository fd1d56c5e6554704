<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>BankField</name>
    <message>
        <source>Question</source>
        <translation>Vraag</translation>
    </message>
    <message>
        <source>the question</source>
        <translation>de vraag</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Goed antwoord</translation>
    </message>
    <message>
        <source>the right answer</source>
        <translation>het goede antwoord</translation>
    </message>
    <message>
        <source>Wrong answer 1</source>
        <translation>Fout antwoord 1</translation>
    </message>
    <message>
        <source>wrong answer 1</source>
        <translation>fout antwoord 1</translation>
    </message>
    <message>
        <source>Wrong answer 2</source>
        <translation>Fout antwoord 2</translation>
    </message>
    <message>
        <source>wrong answer 2</source>
        <translation>fout antwoord 2</translation>
    </message>
</context>
<context>
    <name>ProblemKinds</name>
    <message>
        <source>empty line: the slot stays empty</source>
        <translation>lege regel: de plek blijft leeg</translation>
    </message>
    <message>
        <source>Empty line</source>
        <translation>Lege regel</translation>
    </message>
    <message>
        <source>the line holds nothing, so its slot in the game stays empty.</source>
        <translation>de regel bevat niets, dus zijn plek in het spel blijft leeg.</translation>
    </message>
    <message>
        <source>%1 is %2 characters: the game keeps %3 and drops %4</source>
        <translation>%1 heeft %2 tekens: het spel houdt %3 en laat %4 weg</translation>
    </message>
    <message>
        <source>Cut %2 from the end of the %3 on line %1</source>
        <translation>%2 aan het eind van %3 op regel %1 afknippen</translation>
    </message>
    <message>
        <source>Field too long</source>
        <translation>Veld te lang</translation>
    </message>
    <message>
        <source>the game cuts the question to 73 characters and an answer to 26; the message says what is dropped. Fix selects that part for you to reword; Cut Field to Its Width cuts it.</source>
        <translation>het spel kort de vraag in tot 73 tekens en een antwoord tot 26; de melding zegt wat wegvalt. Oplossen selecteert dat deel zodat je het anders kunt formuleren; Veld inkorten tot zijn breedte knipt het af.</translation>
    </message>
    <message>
        <source>the line is %1 characters: the game reads the first %2 and drops %3</source>
        <translation>de regel heeft %1 tekens: het spel leest de eerste %2 en laat %3 weg</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Regel te lang</translation>
    </message>
    <message>
        <source>the game reads only the first 140 characters of a line, whatever the fields hold.</source>
        <translation>het spel leest alleen de eerste 140 tekens van een regel, wat er ook in de velden staat.</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes</source>
        <translation>maar %1 van de 4 dubbele aanhalingstekens</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters</source>
        <translation>maar %1 van de 4 dubbele aanhalingstekens in de eerste %2 tekens</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes: %3 takes the rest of the line</source>
        <translation>maar %1 van de 4 dubbele aanhalingstekens: %3 krijgt de rest van de regel</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters: %3 takes the rest of the line</source>
        <translation>maar %1 van de 4 dubbele aanhalingstekens in de eerste %2 tekens: %3 krijgt de rest van de regel</translation>
    </message>
    <message>
        <source>Missing double quotes</source>
        <translation>Ontbrekende dubbele aanhalingstekens</translation>
    </message>
    <message>
        <source>a line needs four, one after each field; with fewer, fields run together or stay empty. With none at all, nothing loads from the line.</source>
        <translation>een regel heeft er vier nodig, één na elk veld; met minder lopen velden in elkaar over of blijven ze leeg. Helemaal zonder aanhalingstekens wordt er niets uit de regel geladen.</translation>
    </message>
    <message>
        <source>no double quote: the game loads nothing from this line</source>
        <translation>geen dubbel aanhalingsteken: het spel laadt niets uit deze regel</translation>
    </message>
    <message>
        <source>no double quote in the first %1 characters: the game loads nothing from this line</source>
        <translation>geen dubbel aanhalingsteken in de eerste %1 tekens: het spel laadt niets uit deze regel</translation>
    </message>
    <message>
        <source>text after the 4th double quote is not used: %1</source>
        <translation>tekst na het 4e dubbele aanhalingsteken wordt niet gebruikt: %1</translation>
    </message>
    <message>
        <source>Drop %2 after the fourth double quote on line %1</source>
        <translation>%2 na het vierde dubbele aanhalingsteken op regel %1 verwijderen</translation>
    </message>
    <message>
        <source>Split line %1 at its line feeds</source>
        <translation>Regel %1 splitsen bij zijn regelinvoertekens</translation>
    </message>
    <message>
        <source>Move the question run on after line %1 to a line of its own</source>
        <translation>De na regel %1 doorlopende vraag naar een eigen regel verplaatsen</translation>
    </message>
    <message>
        <source>Mend the text after the fourth double quote on every line</source>
        <translation>De tekst na het vierde dubbele aanhalingsteken op elke regel corrigeren</translation>
    </message>
    <message>
        <source>mend the text after the fourth double quote</source>
        <translation>de tekst na het vierde dubbele aanhalingsteken corrigeren</translation>
    </message>
    <message>
        <source>Text after the fourth double quote</source>
        <translation>Tekst na het vierde dubbele aanhalingsteken</translation>
    </message>
    <message>
        <source>the game ignores it; often it is a further question that needs a line of its own.</source>
        <translation>het spel negeert die; vaak is het nog een vraag die een eigen regel nodig heeft.</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 is leeg</translation>
    </message>
    <message>
        <source>%1 are empty</source>
        <translation>%1 zijn leeg</translation>
    </message>
    <message>
        <source>Empty fields</source>
        <translation>Lege velden</translation>
    </message>
    <message>
        <source>the game shows an empty question or answer box.</source>
        <translation>het spel toont een leeg vraag- of antwoordvak.</translation>
    </message>
    <message>
        <source>lone line feed (LF) at character %2: the game reads it as an ordinary character, not a line end</source>
        <translation>losse regelinvoer (LF) bij teken %2: het spel leest die als gewoon teken, niet als regeleinde</translation>
    </message>
    <message>
        <source>%1 lone line feeds (LF), the first at character %2: the game reads them as ordinary characters, not line ends</source>
        <translation>%1 losse regelinvoertekens (LF), de eerste bij teken %2: het spel leest ze als gewone tekens, niet als regeleinden</translation>
    </message>
    <message>
        <source>End line %1 at its line feeds</source>
        <translation>Regel %1 beëindigen bij zijn regelinvoertekens</translation>
    </message>
    <message>
        <source>End every line at its line feeds</source>
        <translation>Elke regel beëindigen bij zijn regelinvoertekens</translation>
    </message>
    <message>
        <source>end lines at their line feeds</source>
        <translation>regels beëindigen bij hun regelinvoertekens</translation>
    </message>
    <message>
        <source>Line feed without carriage return</source>
        <translation>Regelinvoer zonder wagenterugloop</translation>
    </message>
    <message>
        <source>the game does not end the line there but shows an odd character.</source>
        <translation>het spel beëindigt de regel daar niet, maar toont een vreemd teken.</translation>
    </message>
    <message>
        <source>%1 holds UTF-8 text the game shows as other characters: %2</source>
        <translation>%1 bevat UTF-8-tekst die het spel als andere tekens toont: %2</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on line %1</source>
        <translation>De UTF-8-tekst op regel %1 goed inlezen</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on every line</source>
        <translation>De UTF-8-tekst op elke regel goed inlezen</translation>
    </message>
    <message>
        <source>read the UTF-8 text</source>
        <translation>de UTF-8-tekst goed inlezen</translation>
    </message>
    <message>
        <source>UTF-8 text</source>
        <translation>UTF-8-tekst</translation>
    </message>
    <message>
        <source>the file was saved in another encoding; the game shows “ü” as “Ã¼”. Fix reads it as intended.</source>
        <translation>het bestand is in een andere codering opgeslagen; het spel toont “ü” als “Ã¼”. Oplossen leest het zoals het bedoeld was.</translation>
    </message>
    <message>
        <source>%1 holds characters the game cannot show (Windows-1252 has none of them): %2</source>
        <translation>%1 bevat tekens die het spel niet kan tonen (Windows-1252 kent ze niet): %2</translation>
    </message>
    <message>
        <source>Characters the game cannot show</source>
        <translation>Tekens die het spel niet kan tonen</translation>
    </message>
    <message>
        <source>typed or pasted characters Windows-1252 lacks; the bank is not saved until they are replaced.</source>
        <translation>getypte of geplakte tekens die Windows-1252 niet heeft; de vragenbank wordt pas opgeslagen als ze vervangen zijn.</translation>
    </message>
    <message>
        <source>%1 holds bytes Windows-1252 does not define: %2</source>
        <translation>%1 bevat bytes die Windows-1252 niet definieert: %2</translation>
    </message>
    <message>
        <source>Undefined bytes and control characters</source>
        <translation>Ongedefinieerde bytes en stuurtekens</translation>
    </message>
    <message>
        <source>characters the game shows as nothing or as boxes.</source>
        <translation>tekens die het spel als niets of als vakjes toont.</translation>
    </message>
    <message>
        <source>%1 holds control characters: %2</source>
        <translation>%1 bevat stuurtekens: %2</translation>
    </message>
    <message>
        <source>a Ctrl-Z in this line ends the data: the %1 bytes after it are not read</source>
        <translation>een Ctrl-Z op deze regel beëindigt de gegevens: de %1 bytes erna worden niet gelezen</translation>
    </message>
    <message>
        <source>a Ctrl-Z after this line ends the data: the %1 bytes after it are not read</source>
        <translation>een Ctrl-Z na deze regel beëindigt de gegevens: de %1 bytes erna worden niet gelezen</translation>
    </message>
    <message>
        <source>Ctrl-Z</source>
        <translation>Ctrl-Z</translation>
    </message>
    <message>
        <source>the game stops reading the file there.</source>
        <translation>het spel stopt daar met het lezen van het bestand.</translation>
    </message>
    <message>
        <source>the checks count %1 lines where the game loads %2: please report this</source>
        <translation>de controles tellen %1 regels waar het spel er %2 laadt: meld dit alsjeblieft</translation>
    </message>
    <message>
        <source>Lines counted differently</source>
        <translation>Regels anders geteld</translation>
    </message>
    <message>
        <source>the checks and the game disagree on the number of lines: look at the line ends near it.</source>
        <translation>de controles en het spel tellen een ander aantal regels: bekijk de regeleinden in de buurt.</translation>
    </message>
    <message>
        <source>slot %1 stays empty: the game finds only %3 lines</source>
        <translation>plek %1 blijft leeg: het spel vindt maar %3 regels</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 line</source>
        <translation>plekken %1 tot en met %2 blijven leeg: het spel vindt maar %3 regel</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 lines</source>
        <translation>plekken %1 tot en met %2 blijven leeg: het spel vindt maar %3 regels</translation>
    </message>
    <message>
        <source>Slots empty</source>
        <translation>Lege plekken</translation>
    </message>
    <message>
        <source>the bank has fewer than 100 questions; the game draws an empty slot like any other, as a blank question.</source>
        <translation>de vragenbank heeft minder dan 100 vragen; het spel trekt een lege plek net als elke andere, als lege vraag.</translation>
    </message>
    <message>
        <source>line %1 is not read: the game holds %3 entries</source>
        <translation>regel %1 wordt niet gelezen: het spel heeft plaats voor %3 vragen</translation>
    </message>
    <message>
        <source>lines %1 to %2 are not read: the game holds %3 entries</source>
        <translation>regels %1 tot en met %2 worden niet gelezen: het spel heeft plaats voor %3 vragen</translation>
    </message>
    <message>
        <source>Lines not read</source>
        <translation>Regels niet gelezen</translation>
    </message>
    <message>
        <source>lines after the 100th are never asked.</source>
        <translation>regels na de 100e worden nooit gevraagd.</translation>
    </message>
    <message>
        <source>the same question as line %1 (case, spaces and punctuation aside)</source>
        <translation>dezelfde vraag als op regel %1 (hoofdletters, spaties en leestekens niet meegerekend)</translation>
    </message>
    <message>
        <source>Duplicate question</source>
        <translation>Dubbele vraag</translation>
    </message>
    <message>
        <source>the same question stands on two lines, so it may be asked twice in one game.</source>
        <translation>dezelfde vraag staat op twee regels, dus kan ze in één spel twee keer gesteld worden.</translation>
    </message>
    <message>
        <source>%1 are the same answer (case, spaces and punctuation aside)</source>
        <translation>%1 zijn hetzelfde antwoord (hoofdletters, spaties en leestekens niet meegerekend)</translation>
    </message>
    <message>
        <source>Equal answers</source>
        <translation>Gelijke antwoorden</translation>
    </message>
    <message>
        <source>two answers of one question read the same, so the player cannot tell them apart.</source>
        <translation>twee antwoorden bij één vraag luiden hetzelfde, dus kan de speler ze niet uit elkaar houden.</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts them to %2 characters</source>
        <translation>%1 worden hetzelfde antwoord zodra het spel ze inkort tot %2 tekens</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts the line to %3 characters</source>
        <translation>%1 worden hetzelfde antwoord zodra het spel de regel inkort tot %3 tekens</translation>
    </message>
    <message>
        <source>Answers equal after the cut</source>
        <translation>Antwoorden gelijk na inkorten</translation>
    </message>
    <message>
        <source>two answers differ only after their 26th character, or past the line&apos;s 140th, so the game, which shows neither, shows them the same.</source>
        <translation>twee antwoorden verschillen pas na hun 26e teken, of voorbij het 140e teken van de regel; het spel toont geen van die delen en toont de antwoorden dus als gelijk.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 en %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>a byte order mark (EF BB BF) shows as %1</source>
        <translation>een byte-order-mark (EF BB BF) verschijnt als %1</translation>
    </message>
    <message>
        <source>%1 shows as %2</source>
        <translation>%1 verschijnt als %2</translation>
    </message>
    <message>
        <source>%1 (no character)</source>
        <translation>%1 (geen teken)</translation>
    </message>
</context>
</TS>
