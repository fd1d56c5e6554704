<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="nl" sourcelanguage="en">
<context>
    <name>CommandLine</name>
    <message>
        <source>Usage: korvwin [BANK]
Starts Korvane, a quiz board game for two players on one computer.
The game reads its questions from the question bank BANK when it starts
and again at every new game. Without BANK it reads quarl3.tqz from the
folder it starts in, or, when there is none, that name in any case of
letters (QUARL3.TQZ). When the bank cannot be read, an error window says
so and its OK ends the game.
The banks that come with the game, in %1:
</source>
        <translation>Gebruik: korvwin [VRAGENBANK]
Start Korvane, een quizbordspel voor twee spelers op één computer.
Het spel leest zijn vragen uit de vragenbank VRAGENBANK als het start
en opnieuw bij elk nieuw spel. Zonder VRAGENBANK leest het quarl3.tqz
uit de map waarin het start, of, als die er niet is, die naam met
willekeurige hoofd- en kleine letters (QUARL3.TQZ). Als de vragenbank
niet gelezen kan worden, meldt een foutvenster dat en sluit OK daarin
het spel af.
De vragenbanken die bij het spel horen, in %1:
</translation>
    </message>
    <message>
        <source>--language CODE plays in that language (de: German) rather than the system&apos;s.
Qt&apos;s own options, such as -platform NAME, are accepted too.
</source>
        <translation>--language CODE speelt in die taal (nl: Nederlands) in plaats van
die van het systeem. Ook Qt&apos;s eigen opties, zoals -platform NAAM,
worden aanvaard.
</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>yellow star</source>
        <translation>gele ster</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>zeilboot</translation>
    </message>
    <message>
        <source>green frog</source>
        <translation>groene kikker</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>rood hart</translation>
    </message>
    <message>
        <source>purple crown</source>
        <translation>paarse kroon</translation>
    </message>
    <message>
        <source>key</source>
        <translation>sleutel</translation>
    </message>
    <message>
        <source>pink flower</source>
        <translation>roze bloem</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>teddybeer</translation>
    </message>
    <message>
        <source>Playing piece %1: %2</source>
        <translation>Pion %1: %2</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Typ je naam:</translation>
    </message>
    <message>
        <source> Player one, enter your name then press [Tab] or [Enter].</source>
        <translation> Speler 1, typ je naam en druk op [Tab] of [Enter].</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Speler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Speler 2</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Pion van speler 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Pion van speler 1</translation>
    </message>
    <message>
        <source>Playing Pieces</source>
        <translation>Pionnen</translation>
    </message>
    <message>
        <source>Korvane: a game of questions, corners and Love</source>
        <translation>Korvane: een spel met vragen, hoeken en Love</translation>
    </message>
    <message>
        <source>Spare box: now click a playing piece</source>
        <translation>Reservevak: klik nu op een pion</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Speler1</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Je naam</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Start spel</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Speler2</translation>
    </message>
    <message>
        <source>Player 1:  Enter your name.</source>
        <translation>Speler 1:  Typ je naam.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Je naam:</translation>
    </message>
    <message>
        <source> Select a playing piece by clicking on one.</source>
        <translation> Kies een pion door erop te klikken.</translation>
    </message>
    <message>
        <source>Click on a playing piece</source>
        <translation>Klik op een pion</translation>
    </message>
    <message>
        <source>Click on the &apos;Start Game&apos; button to play.</source>
        <translation>Klik op ‘Start spel’ om te spelen.</translation>
    </message>
    <message>
        <source>Player 2:  Enter your name.</source>
        <translation>Speler 2:  Typ je naam.</translation>
    </message>
    <message>
        <source>Player two, enter your name.</source>
        <translation>Speler 2, typ je naam.</translation>
    </message>
</context>
<context>
    <name>TfrmDialog</name>
    <message>
        <source>Do you really want to Quit?</source>
        <translation>Wil je echt Stoppen?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Waarschuwing</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Wil je echt stoppen?</translation>
    </message>
    <message>
        <source>Do you really want to start over?</source>
        <translation>Wil je echt opnieuw beginnen?</translation>
    </message>
</context>
<context>
    <name>TfrmEnd</name>
    <message>
        <source>Game board: click for About</source>
        <translation>Speelbord: klik voor ‘Over’</translation>
    </message>
    <message>
        <source>Thank you for playing!!!!</source>
        <translation>Dank voor het spel!!!!</translation>
    </message>
    <message>
        <source>You Win!!!</source>
        <translation>Gewonnen!!!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Goed gedaan!</translation>
    </message>
    <message>
        <source>Winner&apos;s piece</source>
        <translation>Winnende pion</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmHelp</name>
    <message>
        <source>Korvane Help</source>
        <translation>Korvane-help</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licentie</translation>
    </message>
    <message>
        <source>Licence terms</source>
        <translation>Licentieregels</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Zo speel je</translation>
    </message>
    <message>
        <source>The board&apos;s corners: L and O above, V and E below</source>
        <translation>De hoeken van het bord: L en O boven, V en E onder</translation>
    </message>
    <message>
        <source>Correctly answer a question from each corner square to win.  Each corner represents a different letter.  Spell the word &apos;Love&apos; to win!</source>
        <translation>Beantwoord op elk hoekvak een vraag goed.  Elke hoek heeft een andere letter.  Vorm het woord ‘Love’ om te winnen!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Uitleg</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handboek</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Die face %1</source>
        <translation>Dobbelsteenzijde %1</translation>
    </message>
    <message>
        <source>Korvane emblem</source>
        <translation>Korvane-logo</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Schrijf ons</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Postadres</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>TfrmPlayingField</name>
    <message>
        <source>Game board</source>
        <translation>Speelbord</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Pion van speler 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Pion van speler 1</translation>
    </message>
    <message>
        <source> Dice</source>
        <translation> Gooien</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Stoppen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>Other Software from Halvorn Computers</source>
        <translation>Andere software van Halvorn Computers</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Klik op de dobbelsteen om te gooien</translation>
    </message>
    <message>
        <source>Die showing %1</source>
        <translation>Gegooid: %1</translation>
    </message>
    <message>
        <source>Move forward to square %1</source>
        <translation>Vooruit naar vak %1</translation>
    </message>
    <message>
        <source>Move backward to square %1</source>
        <translation>Achteruit naar vak %1</translation>
    </message>
    <message>
        <source>  Click on the square where you want to move.  </source>
        <translation>  Klik op het vak waar je heen wilt.  </translation>
    </message>
    <message>
        <source>  Click on the right answer</source>
        <translation>  Klik op het goede antwoord</translation>
    </message>
    <message>
        <source>%1&apos;s Turn</source>
        <translation>Beurt: %1</translation>
    </message>
    <message>
        <source>%1&apos;s</source>
        <translation>%1</translation>
    </message>
</context>
<context>
    <name>TfrmProductInfo</name>
    <message>
        <source>Halvorn Software Catalog - Brovell</source>
        <translation>Halvorn-softwarecatalogus – Brovell</translation>
    </message>
    <message>
        <source>Halvorn Software Catalog - Quintarra</source>
        <translation>Halvorn-softwarecatalogus – Quintarra</translation>
    </message>
    <message>
        <source>Halvorn Software</source>
        <translation>Halvorn Software</translation>
    </message>
    <message>
        <source>Go To Next Page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige pagina</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Volgende pagina</translation>
    </message>
    <message>
        <source>About Brovell</source>
        <translation>Over Brovell</translation>
    </message>
    <message>
        <source>Brovell logo</source>
        <translation>Brovell-logo</translation>
    </message>
    <message>
        <source>Bullet</source>
        <translation>Opsommingsteken</translation>
    </message>
    <message>
        <source>Brovell on screen</source>
        <translation>Brovell op het scherm</translation>
    </message>
    <message>
        <source>Quintarra icon</source>
        <translation>Quintarra-icoon</translation>
    </message>
    <message>
        <source>About Quintarra</source>
        <translation>Over Quintarra</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Schrijf ons</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Brief</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Postadres</translation>
    </message>
    <message>
        <source>A computer sending love</source>
        <translation>Een computer die liefde stuurt</translation>
    </message>
    <message>
        <source>E-mail: korvane@halvorn.example</source>
        <translation>E-mail: korvane@halvorn.example</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Page %1 of 3</source>
        <translation>Blz. %1 van 3</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Letter %1 won</source>
        <translation>Letter %1 gewonnen</translation>
    </message>
    <message>
        <source>Letter %1 not won yet</source>
        <translation>Letter %1 nog niet gewonnen</translation>
    </message>
    <message>
        <source>Here comes the question.</source>
        <translation>Hier komt de vraag.</translation>
    </message>
    <message>
        <source>Piece of the player on turn</source>
        <translation>Pion van de speler die aan zet is</translation>
    </message>
    <message>
        <source>Player&apos;s</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>aan zet</translation>
    </message>
    <message>
        <source>Pieces:</source>
        <translation>Pionnen:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Verder</translation>
    </message>
    <message>
        <source>This question is for the square!</source>
        <translation>Deze vraag telt voor het vak!</translation>
    </message>
    <message>
        <source>This question is for the game!!!</source>
        <translation>Deze vraag beslist het spel!!!</translation>
    </message>
    <message>
        <source>Sorry, but that is incorrect!</source>
        <translation>Helaas, dat is fout!</translation>
    </message>
    <message>
        <source>Great Job, %1!</source>
        <translation>Goed gedaan, %1!</translation>
    </message>
    <message>
        <source> Good Job!!!  You get to roll again.</source>
        <translation> Goed zo!!!  Je mag nog een keer gooien.</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Klik op de dobbelsteen om te gooien</translation>
    </message>
</context>
<context>
    <name>Tfrmerror</name>
    <message>
        <source>Program Error</source>
        <translation>Programmafout</translation>
    </message>
    <message>
        <source>The File &apos;QUARL3.TQZ&apos; is not found!</source>
        <translation>Bestand ‘QUARL3.TQZ’ niet gevonden!</translation>
    </message>
    <message>
        <source>It needs to be in the same directory as</source>
        <translation>Het moet in dezelfde map staan als</translation>
    </message>
    <message>
        <source>the KORVWIN.EXE file.</source>
        <translation>KORVWIN.EXE.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
