<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de" sourcelanguage="en">
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
        <translation>Aufruf: korvwin [FRAGENDATEI]
Startet Korvane, ein Quiz-Brettspiel für zwei Spieler an einem Computer.
Das Spiel liest seine Fragen aus der Fragendatei FRAGENDATEI, wenn es
startet, und bei jedem neuen Spiel wieder. Ohne FRAGENDATEI liest es
quarl3.tqz aus dem Ordner, in dem es startet, oder, wenn es dort keine
gibt, diesen Namen in beliebiger Groß- und Kleinschreibung (QUARL3.TQZ).
Wenn die Fragendatei nicht gelesen werden kann, sagt das ein
Fehlerfenster, und sein OK beendet das Spiel.
Die Fragendateien, die mit dem Spiel kommen, in %1:
</translation>
    </message>
    <message>
        <source>--language CODE plays in that language (de: German) rather than the system&apos;s.
Qt&apos;s own options, such as -platform NAME, are accepted too.
</source>
        <translation>--language CODE spielt in dieser Sprache (de: Deutsch) statt der des Systems.
Auch Qts eigene Optionen wie -platform NAME werden angenommen.
</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>yellow star</source>
        <translation>gelber Stern</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>Segelboot</translation>
    </message>
    <message>
        <source>green frog</source>
        <translation>grüner Frosch</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>rotes Herz</translation>
    </message>
    <message>
        <source>purple crown</source>
        <translation>lila Krone</translation>
    </message>
    <message>
        <source>key</source>
        <translation>Schlüssel</translation>
    </message>
    <message>
        <source>pink flower</source>
        <translation>rosa Blume</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>Teddybär</translation>
    </message>
    <message>
        <source>Playing piece %1: %2</source>
        <translation>Spielfigur %1: %2</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Bitte gib deinen Namen ein:</translation>
    </message>
    <message>
        <source> Player one, enter your name then press [Tab] or [Enter].</source>
        <translation> Spieler 1, gib deinen Namen ein und drücke [Tab] oder [Enter].</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Spieler 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Spieler 2</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Figur von Spieler 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Figur von Spieler 1</translation>
    </message>
    <message>
        <source>Playing Pieces</source>
        <translation>Spielfiguren</translation>
    </message>
    <message>
        <source>Korvane: a game of questions, corners and Love</source>
        <translation>Korvane: ein Spiel mit Fragen, Ecken und Love</translation>
    </message>
    <message>
        <source>Spare box: now click a playing piece</source>
        <translation>Zusatzfeld: Klicke jetzt eine Spielfigur an</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Spieler1</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Spiel starten</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Spieler2</translation>
    </message>
    <message>
        <source>Player 1:  Enter your name.</source>
        <translation>Spieler 1:  Gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Gib deinen Namen ein:</translation>
    </message>
    <message>
        <source> Select a playing piece by clicking on one.</source>
        <translation> Wähle eine Spielfigur, indem du sie anklickst.</translation>
    </message>
    <message>
        <source>Click on a playing piece</source>
        <translation>Klicke eine Spielfigur an</translation>
    </message>
    <message>
        <source>Click on the &apos;Start Game&apos; button to play.</source>
        <translation>Klicke auf „Spiel starten“, um zu spielen.</translation>
    </message>
    <message>
        <source>Player 2:  Enter your name.</source>
        <translation>Spieler 2:  Gib deinen Namen ein.</translation>
    </message>
    <message>
        <source>Player two, enter your name.</source>
        <translation>Spieler 2, gib deinen Namen ein.</translation>
    </message>
</context>
<context>
    <name>TfrmDialog</name>
    <message>
        <source>Do you really want to Quit?</source>
        <translation>Willst du wirklich Beenden?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Warnung</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Willst du wirklich beenden?</translation>
    </message>
    <message>
        <source>Do you really want to start over?</source>
        <translation>Willst du wirklich neu anfangen?</translation>
    </message>
</context>
<context>
    <name>TfrmEnd</name>
    <message>
        <source>Game board: click for About</source>
        <translation>Spielbrett: klicken für „Über“</translation>
    </message>
    <message>
        <source>Thank you for playing!!!!</source>
        <translation>Danke fürs Spielen!!!!</translation>
    </message>
    <message>
        <source>You Win!!!</source>
        <translation>Gewonnen!!!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Bravo!</translation>
    </message>
    <message>
        <source>Winner&apos;s piece</source>
        <translation>Figur des Siegers</translation>
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
        <translation>Korvane-Hilfe</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Lizenz</translation>
    </message>
    <message>
        <source>Licence terms</source>
        <translation>Lizenzbedingungen</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>So wird gespielt</translation>
    </message>
    <message>
        <source>The board&apos;s corners: L and O above, V and E below</source>
        <translation>Die Ecken des Spielbretts: L und O oben, V und E unten</translation>
    </message>
    <message>
        <source>Correctly answer a question from each corner square to win.  Each corner represents a different letter.  Spell the word &apos;Love&apos; to win!</source>
        <translation>Beantworte auf jedem Eckfeld eine Frage richtig.  Jede Ecke hat einen anderen Buchstaben.  Bilde das Wort „Love“, um zu gewinnen!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Anleitung</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Handbuch</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Die face %1</source>
        <translation>Würfelseite %1</translation>
    </message>
    <message>
        <source>Korvane emblem</source>
        <translation>Korvane-Emblem</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Schreib uns</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Postanschrift</translation>
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
        <translation>Spielbrett</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Figur von Spieler 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Figur von Spieler 1</translation>
    </message>
    <message>
        <source> Dice</source>
        <translation> Würfeln</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Other Software from Halvorn Computers</source>
        <translation>Weitere Software von Halvorn Computers</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Klicke auf den Würfel, um zu würfeln</translation>
    </message>
    <message>
        <source>Die showing %1</source>
        <translation>Der Würfel zeigt %1</translation>
    </message>
    <message>
        <source>Move forward to square %1</source>
        <translation>Vorwärts auf Feld %1</translation>
    </message>
    <message>
        <source>Move backward to square %1</source>
        <translation>Rückwärts auf Feld %1</translation>
    </message>
    <message>
        <source>  Click on the square where you want to move.  </source>
        <translation>  Klicke auf das Feld, auf das du ziehen willst.  </translation>
    </message>
    <message>
        <source>  Click on the right answer</source>
        <translation>  Klicke auf die richtige Antwort</translation>
    </message>
    <message>
        <source>%1&apos;s Turn</source>
        <translation>%1 am Zug</translation>
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
        <translation>Halvorn-Softwarekatalog – Brovell</translation>
    </message>
    <message>
        <source>Halvorn Software Catalog - Quintarra</source>
        <translation>Halvorn-Softwarekatalog – Quintarra</translation>
    </message>
    <message>
        <source>Halvorn Software</source>
        <translation>Halvorn Software</translation>
    </message>
    <message>
        <source>Go To Next Page</source>
        <translation>Zur nächsten Seite</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Vorige Seite</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Nächste Seite</translation>
    </message>
    <message>
        <source>About Brovell</source>
        <translation>Über Brovell</translation>
    </message>
    <message>
        <source>Brovell logo</source>
        <translation>Brovell-Logo</translation>
    </message>
    <message>
        <source>Bullet</source>
        <translation>Aufzählungspunkt</translation>
    </message>
    <message>
        <source>Brovell on screen</source>
        <translation>Brovell auf dem Bildschirm</translation>
    </message>
    <message>
        <source>Quintarra icon</source>
        <translation>Quintarra-Symbol</translation>
    </message>
    <message>
        <source>About Quintarra</source>
        <translation>Über Quintarra</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Schreib uns</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Brief</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Postanschrift</translation>
    </message>
    <message>
        <source>A computer sending love</source>
        <translation>Ein Computer, der Liebe schickt</translation>
    </message>
    <message>
        <source>E-mail: korvane@halvorn.example</source>
        <translation>E-Mail: korvane@halvorn.example</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Page %1 of 3</source>
        <translation>Seite %1 von 3</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Letter %1 won</source>
        <translation>Buchstabe %1 gewonnen</translation>
    </message>
    <message>
        <source>Letter %1 not won yet</source>
        <translation>Buchstabe %1 noch nicht gewonnen</translation>
    </message>
    <message>
        <source>Here comes the question.</source>
        <translation>Hier kommt die Frage.</translation>
    </message>
    <message>
        <source>Piece of the player on turn</source>
        <translation>Figur des Spielers, der am Zug ist</translation>
    </message>
    <message>
        <source>Player&apos;s</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>am Zug</translation>
    </message>
    <message>
        <source>Pieces:</source>
        <translation>Figuren:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>This question is for the square!</source>
        <translation>Diese Frage gilt für das Eckfeld!</translation>
    </message>
    <message>
        <source>This question is for the game!!!</source>
        <translation>Diese Frage entscheidet das Spiel!!!</translation>
    </message>
    <message>
        <source>Sorry, but that is incorrect!</source>
        <translation>Leider ist das falsch!</translation>
    </message>
    <message>
        <source>Great Job, %1!</source>
        <translation>Bravo, %1!</translation>
    </message>
    <message>
        <source> Good Job!!!  You get to roll again.</source>
        <translation> Gut gemacht!!!  Du darfst noch einmal würfeln.</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Klicke auf den Würfel, um zu würfeln</translation>
    </message>
</context>
<context>
    <name>Tfrmerror</name>
    <message>
        <source>Program Error</source>
        <translation>Programmfehler</translation>
    </message>
    <message>
        <source>The File &apos;QUARL3.TQZ&apos; is not found!</source>
        <translation>Datei „QUARL3.TQZ“ nicht gefunden!</translation>
    </message>
    <message>
        <source>It needs to be in the same directory as</source>
        <translation>Sie muss im selben Ordner liegen wie</translation>
    </message>
    <message>
        <source>the KORVWIN.EXE file.</source>
        <translation>die Datei KORVWIN.EXE.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
