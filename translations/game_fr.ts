<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
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
        <translation>Utilisation&#xa0;: korvwin [BANQUE]
Lance Korvane, un jeu de plateau et de questions pour deux joueurs sur un
seul ordinateur. Le jeu lit ses questions dans la banque de questions
BANQUE au démarrage, puis à chaque nouvelle partie. Sans BANQUE, il lit
quarl3.tqz dans le dossier où il démarre ou, s&apos;il n&apos;y est pas, ce nom
écrit avec n&apos;importe quelle casse (QUARL3.TQZ). Si la banque ne peut
pas être lue, une fenêtre d&apos;erreur le dit et son bouton OK ferme le jeu.
Les banques fournies avec le jeu, dans %1&#xa0;:
</translation>
    </message>
    <message>
        <source>--language CODE plays in that language (de: German) rather than the system&apos;s.
Qt&apos;s own options, such as -platform NAME, are accepted too.
</source>
        <translation>--language CODE joue dans cette langue (fr&#xa0;: français, de&#xa0;: allemand)
plutôt que celle du système. Les options propres à Qt, comme
-platform NOM, sont aussi acceptées.
</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>yellow star</source>
        <translation>étoile jaune</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>voilier</translation>
    </message>
    <message>
        <source>green frog</source>
        <translation>grenouille verte</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>cœur rouge</translation>
    </message>
    <message>
        <source>purple crown</source>
        <translation>couronne violette</translation>
    </message>
    <message>
        <source>key</source>
        <translation>clé</translation>
    </message>
    <message>
        <source>pink flower</source>
        <translation>fleur rose</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>nounours</translation>
    </message>
    <message>
        <source>Playing piece %1: %2</source>
        <translation>Pion %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Merci d&apos;écrire ton nom&#xa0;:</translation>
    </message>
    <message>
        <source> Player one, enter your name then press [Tab] or [Enter].</source>
        <translation> Joueur 1, écris ton nom puis [Tab] ou [Entrée].</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Joueur 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Joueur 2</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Pion du joueur 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Pion du joueur 1</translation>
    </message>
    <message>
        <source>Playing Pieces</source>
        <translation>Pions</translation>
    </message>
    <message>
        <source>Korvane: a game of questions, corners and Love</source>
        <translation>Korvane&#xa0;: un jeu de questions, de coins et de Love</translation>
    </message>
    <message>
        <source>Spare box: now click a playing piece</source>
        <translation>Case libre&#xa0;: clique maintenant sur un pion</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Joueur1</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Ton nom</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Joueur2</translation>
    </message>
    <message>
        <source>Player 1:  Enter your name.</source>
        <translation>Joueur 1&#xa0;:  écris ton nom.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Ton nom&#xa0;:</translation>
    </message>
    <message>
        <source> Select a playing piece by clicking on one.</source>
        <translation> Choisis un pion en cliquant dessus.</translation>
    </message>
    <message>
        <source>Click on a playing piece</source>
        <translation>Clique sur un pion</translation>
    </message>
    <message>
        <source>Click on the &apos;Start Game&apos; button to play.</source>
        <translation>Clique sur «&#xa0;Commencer&#xa0;» pour jouer.</translation>
    </message>
    <message>
        <source>Player 2:  Enter your name.</source>
        <translation>Joueur 2&#xa0;:  écris ton nom.</translation>
    </message>
    <message>
        <source>Player two, enter your name.</source>
        <translation>Joueur 2, écris ton nom.</translation>
    </message>
</context>
<context>
    <name>TfrmDialog</name>
    <message>
        <source>Do you really want to Quit?</source>
        <translation>Veux-tu vraiment Quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Attention</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>Veux-tu vraiment quitter&#xa0;?</translation>
    </message>
    <message>
        <source>Do you really want to start over?</source>
        <translation>Veux-tu vraiment recommencer&#xa0;?</translation>
    </message>
</context>
<context>
    <name>TfrmEnd</name>
    <message>
        <source>Game board: click for About</source>
        <translation>Plateau&#xa0;: clique pour «&#xa0;À propos&#xa0;»</translation>
    </message>
    <message>
        <source>Thank you for playing!!!!</source>
        <translation>Merci d&apos;avoir joué&#xa0;!!!!</translation>
    </message>
    <message>
        <source>You Win!!!</source>
        <translation>Gagné&#xa0;!!!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Bravo&#xa0;!</translation>
    </message>
    <message>
        <source>Winner&apos;s piece</source>
        <translation>Pion du gagnant</translation>
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
        <translation>Aide de Korvane</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licence</translation>
    </message>
    <message>
        <source>Licence terms</source>
        <translation>Termes de licence</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Comment jouer</translation>
    </message>
    <message>
        <source>The board&apos;s corners: L and O above, V and E below</source>
        <translation>Les coins du plateau&#xa0;: L et O en haut, V et E en bas</translation>
    </message>
    <message>
        <source>Correctly answer a question from each corner square to win.  Each corner represents a different letter.  Spell the word &apos;Love&apos; to win!</source>
        <translation>Réponds bien à une question à chaque coin.  Chaque coin a une lettre différente.  Forme le mot «&#xa0;Love&#xa0;» pour gagner&#xa0;!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Règles</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manuel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Die face %1</source>
        <translation>Face du dé %1</translation>
    </message>
    <message>
        <source>Korvane emblem</source>
        <translation>Emblème de Korvane</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Écris-nous</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Adresse postale</translation>
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
        <translation>Plateau de jeu</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Pion du joueur 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Pion du joueur 1</translation>
    </message>
    <message>
        <source> Dice</source>
        <translation> Dé</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Aide</translation>
    </message>
    <message>
        <source>Other Software from Halvorn Computers</source>
        <translation>Autres logiciels de Halvorn Computers</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Clique sur le dé pour le lancer</translation>
    </message>
    <message>
        <source>Die showing %1</source>
        <translation>Le dé montre %1</translation>
    </message>
    <message>
        <source>Move forward to square %1</source>
        <translation>Avancer à la case %1</translation>
    </message>
    <message>
        <source>Move backward to square %1</source>
        <translation>Reculer à la case %1</translation>
    </message>
    <message>
        <source>  Click on the square where you want to move.  </source>
        <translation>  Clique sur la case où tu veux aller.  </translation>
    </message>
    <message>
        <source>  Click on the right answer</source>
        <translation>  Clique sur la bonne réponse</translation>
    </message>
    <message>
        <source>%1&apos;s Turn</source>
        <translation>Tour de %1</translation>
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
        <translation>Catalogue Halvorn Software – Brovell</translation>
    </message>
    <message>
        <source>Halvorn Software Catalog - Quintarra</source>
        <translation>Catalogue Halvorn Software – Quintarra</translation>
    </message>
    <message>
        <source>Halvorn Software</source>
        <translation>Halvorn Software</translation>
    </message>
    <message>
        <source>Go To Next Page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Page précédente</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Page suivante</translation>
    </message>
    <message>
        <source>About Brovell</source>
        <translation>Brovell en bref</translation>
    </message>
    <message>
        <source>Brovell logo</source>
        <translation>Logo de Brovell</translation>
    </message>
    <message>
        <source>Bullet</source>
        <translation>Puce</translation>
    </message>
    <message>
        <source>Brovell on screen</source>
        <translation>Brovell à l&apos;écran</translation>
    </message>
    <message>
        <source>Quintarra icon</source>
        <translation>Icône de Quintarra</translation>
    </message>
    <message>
        <source>About Quintarra</source>
        <translation>Quintarra en bref</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Écris-nous</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Lettre</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Adresse postale</translation>
    </message>
    <message>
        <source>A computer sending love</source>
        <translation>Un ordinateur qui envoie de l&apos;amour</translation>
    </message>
    <message>
        <source>E-mail: korvane@halvorn.example</source>
        <translation>Mail&#xa0;: korvane@halvorn.example</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Page %1 of 3</source>
        <translation>Page %1 sur 3</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Letter %1 won</source>
        <translation>Lettre %1 gagnée</translation>
    </message>
    <message>
        <source>Letter %1 not won yet</source>
        <translation>Lettre %1 pas encore gagnée</translation>
    </message>
    <message>
        <source>Here comes the question.</source>
        <translation>Voici la question.</translation>
    </message>
    <message>
        <source>Piece of the player on turn</source>
        <translation>Pion du joueur dont c&apos;est le tour</translation>
    </message>
    <message>
        <source>Player&apos;s</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>à toi</translation>
    </message>
    <message>
        <source>Pieces:</source>
        <translation>Pions&#xa0;:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Suite</translation>
    </message>
    <message>
        <source>This question is for the square!</source>
        <translation>Cette question vaut la case&#xa0;!</translation>
    </message>
    <message>
        <source>This question is for the game!!!</source>
        <translation>Cette question vaut la partie&#xa0;!!!</translation>
    </message>
    <message>
        <source>Sorry, but that is incorrect!</source>
        <translation>Désolé, c&apos;est faux&#xa0;!</translation>
    </message>
    <message>
        <source>Great Job, %1!</source>
        <translation>Bravo, %1&#xa0;!</translation>
    </message>
    <message>
        <source> Good Job!!!  You get to roll again.</source>
        <translation> Bien joué&#xa0;!!!  Tu peux relancer le dé.</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Clique sur le dé pour le lancer</translation>
    </message>
</context>
<context>
    <name>Tfrmerror</name>
    <message>
        <source>Program Error</source>
        <translation>Erreur du programme</translation>
    </message>
    <message>
        <source>The File &apos;QUARL3.TQZ&apos; is not found!</source>
        <translation>Fichier QUARL3.TQZ introuvable&#xa0;!</translation>
    </message>
    <message>
        <source>It needs to be in the same directory as</source>
        <translation>Il doit être dans le même dossier que</translation>
    </message>
    <message>
        <source>the KORVWIN.EXE file.</source>
        <translation>le fichier KORVWIN.EXE.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
