<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
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
        <translation>Uso: korvwin [RACCOLTA]
Avvia Korvane, un gioco da tavolo a quiz per due giocatori su un solo
computer. Il gioco legge le sue domande dalla raccolta di domande
RACCOLTA all&apos;avvio e di nuovo a ogni nuova partita. Senza RACCOLTA legge
quarl3.tqz dalla cartella in cui parte oppure, se non c&apos;è, lo stesso
nome con maiuscole e minuscole qualsiasi (QUARL3.TQZ). Se la raccolta non
si può leggere, una finestra di errore lo dice e il suo OK chiude il gioco.
Le raccolte che vengono con il gioco, in %1:
</translation>
    </message>
    <message>
        <source>--language CODE plays in that language (de: German) rather than the system&apos;s.
Qt&apos;s own options, such as -platform NAME, are accepted too.
</source>
        <translation>--language CODICE gioca in quella lingua (it: italiano, de: tedesco) invece
di quella del sistema. Sono accettate anche le opzioni proprie di Qt,
come -platform NOME.
</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>yellow star</source>
        <translation>stella gialla</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>barca a vela</translation>
    </message>
    <message>
        <source>green frog</source>
        <translation>rana verde</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>cuore rosso</translation>
    </message>
    <message>
        <source>purple crown</source>
        <translation>corona viola</translation>
    </message>
    <message>
        <source>key</source>
        <translation>chiave</translation>
    </message>
    <message>
        <source>pink flower</source>
        <translation>fiore rosa</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>orsacchiotto</translation>
    </message>
    <message>
        <source>Playing piece %1: %2</source>
        <translation>Pedina %1: %2</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Scrivi il tuo nome:</translation>
    </message>
    <message>
        <source> Player one, enter your name then press [Tab] or [Enter].</source>
        <translation> Giocatore 1, scrivi il nome e premi [Tab] o [Invio].</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Giocatore 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Giocatore 2</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Pedina del giocatore 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Pedina del giocatore 1</translation>
    </message>
    <message>
        <source>Playing Pieces</source>
        <translation>Pedine</translation>
    </message>
    <message>
        <source>Korvane: a game of questions, corners and Love</source>
        <translation>Korvane: un gioco di domande, angoli e Love</translation>
    </message>
    <message>
        <source>Spare box: now click a playing piece</source>
        <translation>Casella di testo di riserva: ora clicca su una pedina</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Giocatore1</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Il tuo nome</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Inizia partita</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Giocatore2</translation>
    </message>
    <message>
        <source>Player 1:  Enter your name.</source>
        <translation>Giocatore 1:  Scrivi il nome.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Scrivi il tuo nome:</translation>
    </message>
    <message>
        <source> Select a playing piece by clicking on one.</source>
        <translation> Scegli una pedina cliccandoci sopra.</translation>
    </message>
    <message>
        <source>Click on a playing piece</source>
        <translation>Clicca su una pedina</translation>
    </message>
    <message>
        <source>Click on the &apos;Start Game&apos; button to play.</source>
        <translation>Clicca su “Inizia partita” per giocare.</translation>
    </message>
    <message>
        <source>Player 2:  Enter your name.</source>
        <translation>Giocatore 2:  Scrivi il nome.</translation>
    </message>
    <message>
        <source>Player two, enter your name.</source>
        <translation>Giocatore 2, scrivi il tuo nome.</translation>
    </message>
</context>
<context>
    <name>TfrmDialog</name>
    <message>
        <source>Do you really want to Quit?</source>
        <translation>Vuoi davvero Uscire?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Avviso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annulla</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Vuoi davvero uscire?</translation>
    </message>
    <message>
        <source>Do you really want to start over?</source>
        <translation>Vuoi davvero ricominciare?</translation>
    </message>
</context>
<context>
    <name>TfrmEnd</name>
    <message>
        <source>Game board: click for About</source>
        <translation>Tabellone: clicca per le informazioni</translation>
    </message>
    <message>
        <source>Thank you for playing!!!!</source>
        <translation>Grazie per la partita!!!!</translation>
    </message>
    <message>
        <source>You Win!!!</source>
        <translation>Hai vinto!!!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Ottimo lavoro!</translation>
    </message>
    <message>
        <source>Winner&apos;s piece</source>
        <translation>Pedina del vincitore</translation>
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
        <translation>Guida di Korvane</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licenza</translation>
    </message>
    <message>
        <source>Licence terms</source>
        <translation>Termini di licenza</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Come si gioca</translation>
    </message>
    <message>
        <source>The board&apos;s corners: L and O above, V and E below</source>
        <translation>Gli angoli del tabellone: L e O in alto, V ed E in basso</translation>
    </message>
    <message>
        <source>Correctly answer a question from each corner square to win.  Each corner represents a different letter.  Spell the word &apos;Love&apos; to win!</source>
        <translation>Rispondi bene a una domanda su ogni casella d&apos;angolo.  Ogni angolo ha una lettera diversa.  Componi la parola “Love” per vincere!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Istruzioni</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuale</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Die face %1</source>
        <translation>Faccia del dado %1</translation>
    </message>
    <message>
        <source>Korvane emblem</source>
        <translation>Emblema di Korvane</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Scrivici</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Indirizzo postale</translation>
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
        <translation>Tabellone</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Pedina del giocatore 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Pedina del giocatore 1</translation>
    </message>
    <message>
        <source> Dice</source>
        <translation> Dado</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Ricomincia</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aiuto</translation>
    </message>
    <message>
        <source>Other Software from Halvorn Computers</source>
        <translation>Altri programmi di Halvorn Computers</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Clicca sul dado per tirarlo</translation>
    </message>
    <message>
        <source>Die showing %1</source>
        <translation>Il dado mostra %1</translation>
    </message>
    <message>
        <source>Move forward to square %1</source>
        <translation>Avanti alla casella %1</translation>
    </message>
    <message>
        <source>Move backward to square %1</source>
        <translation>Indietro alla casella %1</translation>
    </message>
    <message>
        <source>  Click on the square where you want to move.  </source>
        <translation>  Clicca sulla casella dove vuoi andare.  </translation>
    </message>
    <message>
        <source>  Click on the right answer</source>
        <translation>  Clicca sulla risposta giusta</translation>
    </message>
    <message>
        <source>%1&apos;s Turn</source>
        <translation>Turno di %1</translation>
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
        <translation>Catalogo software Halvorn – Brovell</translation>
    </message>
    <message>
        <source>Halvorn Software Catalog - Quintarra</source>
        <translation>Catalogo software Halvorn – Quintarra</translation>
    </message>
    <message>
        <source>Halvorn Software</source>
        <translation>Halvorn Software</translation>
    </message>
    <message>
        <source>Go To Next Page</source>
        <translation>Pagina seguente</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Pagina precedente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Pagina seguente</translation>
    </message>
    <message>
        <source>About Brovell</source>
        <translation>Cos&apos;è Brovell</translation>
    </message>
    <message>
        <source>Brovell logo</source>
        <translation>Logo di Brovell</translation>
    </message>
    <message>
        <source>Bullet</source>
        <translation>Punto elenco</translation>
    </message>
    <message>
        <source>Brovell on screen</source>
        <translation>Brovell sullo schermo</translation>
    </message>
    <message>
        <source>Quintarra icon</source>
        <translation>Icona di Quintarra</translation>
    </message>
    <message>
        <source>About Quintarra</source>
        <translation>Cos&apos;è Quintarra</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Scrivici</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettera</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Indirizzo postale</translation>
    </message>
    <message>
        <source>A computer sending love</source>
        <translation>Un computer che manda amore</translation>
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
        <translation>Pagina %1 di 3</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Letter %1 won</source>
        <translation>Lettera %1 vinta</translation>
    </message>
    <message>
        <source>Letter %1 not won yet</source>
        <translation>Lettera %1 non ancora vinta</translation>
    </message>
    <message>
        <source>Here comes the question.</source>
        <translation>Ecco la domanda.</translation>
    </message>
    <message>
        <source>Piece of the player on turn</source>
        <translation>Pedina del giocatore di turno</translation>
    </message>
    <message>
        <source>Player&apos;s</source>
        <translation>Giocatore</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>di turno</translation>
    </message>
    <message>
        <source>Pieces:</source>
        <translation>Pedine:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continua</translation>
    </message>
    <message>
        <source>This question is for the square!</source>
        <translation>Questa domanda vale la casella!</translation>
    </message>
    <message>
        <source>This question is for the game!!!</source>
        <translation>Questa domanda vale la partita!!!</translation>
    </message>
    <message>
        <source>Sorry, but that is incorrect!</source>
        <translation>Peccato, è sbagliato!</translation>
    </message>
    <message>
        <source>Great Job, %1!</source>
        <translation>Forte, %1!</translation>
    </message>
    <message>
        <source> Good Job!!!  You get to roll again.</source>
        <translation> Ben fatto!!!  Puoi tirare ancora.</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Clicca sul dado per tirarlo</translation>
    </message>
</context>
<context>
    <name>Tfrmerror</name>
    <message>
        <source>Program Error</source>
        <translation>Errore del programma</translation>
    </message>
    <message>
        <source>The File &apos;QUARL3.TQZ&apos; is not found!</source>
        <translation>File “QUARL3.TQZ” non trovato!</translation>
    </message>
    <message>
        <source>It needs to be in the same directory as</source>
        <translation>Va messo nella stessa cartella del</translation>
    </message>
    <message>
        <source>the KORVWIN.EXE file.</source>
        <translation>file KORVWIN.EXE.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
