<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BankField</name>
    <message>
        <source>Question</source>
        <translation>Question</translation>
    </message>
    <message>
        <source>the question</source>
        <translation>la question</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Bonne réponse</translation>
    </message>
    <message>
        <source>the right answer</source>
        <translation>la bonne réponse</translation>
    </message>
    <message>
        <source>Wrong answer 1</source>
        <translation>Mauvaise réponse 1</translation>
    </message>
    <message>
        <source>wrong answer 1</source>
        <translation>la mauvaise réponse 1</translation>
    </message>
    <message>
        <source>Wrong answer 2</source>
        <translation>Mauvaise réponse 2</translation>
    </message>
    <message>
        <source>wrong answer 2</source>
        <translation>la mauvaise réponse 2</translation>
    </message>
</context>
<context>
    <name>ProblemKinds</name>
    <message>
        <source>empty line: the slot stays empty</source>
        <translation>ligne vide&#xa0;: l&apos;emplacement reste vide</translation>
    </message>
    <message>
        <source>Empty line</source>
        <translation>Ligne vide</translation>
    </message>
    <message>
        <source>the line holds nothing, so its slot in the game stays empty.</source>
        <translation>la ligne ne contient rien, donc son emplacement dans le jeu reste vide.</translation>
    </message>
    <message>
        <source>%1 is %2 characters: the game keeps %3 and drops %4</source>
        <translation>%1&#xa0;: %2 caractères, le jeu en garde %3 et laisse tomber %4</translation>
    </message>
    <message>
        <source>Cut %2 from the end of the %3 on line %1</source>
        <translation>Retirer %2 de la fin de %3, ligne %1</translation>
    </message>
    <message>
        <source>Field too long</source>
        <translation>Champ trop long</translation>
    </message>
    <message>
        <source>the game cuts the question to 73 characters and an answer to 26; the message says what is dropped. Fix selects that part for you to reword; Cut Field to Its Width cuts it.</source>
        <translation>le jeu coupe la question à 73 caractères et une réponse à 26&#xa0;; le message dit ce que le jeu laisse tomber. «&#xa0;Corriger&#xa0;» sélectionne cette partie pour que tu la reformules&#xa0;; «&#xa0;Raccourcir le champ à sa largeur&#xa0;» la coupe.</translation>
    </message>
    <message>
        <source>the line is %1 characters: the game reads the first %2 and drops %3</source>
        <translation>la ligne fait %1 caractères&#xa0;: le jeu lit les %2 premiers et laisse tomber %3</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Ligne trop longue</translation>
    </message>
    <message>
        <source>the game reads only the first 140 characters of a line, whatever the fields hold.</source>
        <translation>le jeu ne lit que les 140 premiers caractères d&apos;une ligne, quel que soit le contenu des champs.</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes</source>
        <translation>seulement %1 des 4 guillemets droits</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters</source>
        <translation>seulement %1 des 4 guillemets droits dans les %2 premiers caractères</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes: %3 takes the rest of the line</source>
        <translation>seulement %1 des 4 guillemets droits&#xa0;: %3 prend le reste de la ligne</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters: %3 takes the rest of the line</source>
        <translation>seulement %1 des 4 guillemets droits dans les %2 premiers caractères&#xa0;: %3 prend le reste de la ligne</translation>
    </message>
    <message>
        <source>Missing double quotes</source>
        <translation>Guillemets manquants</translation>
    </message>
    <message>
        <source>a line needs four, one after each field; with fewer, fields run together or stay empty. With none at all, nothing loads from the line.</source>
        <translation>une ligne en a besoin de quatre, un après chaque champ&#xa0;; avec moins, des champs se mélangent ou restent vides. Sans aucun, rien n&apos;est chargé depuis la ligne.</translation>
    </message>
    <message>
        <source>no double quote: the game loads nothing from this line</source>
        <translation>aucun guillemet droit&#xa0;: le jeu ne charge rien depuis cette ligne</translation>
    </message>
    <message>
        <source>no double quote in the first %1 characters: the game loads nothing from this line</source>
        <translation>aucun guillemet droit dans les %1 premiers caractères&#xa0;: le jeu ne charge rien depuis cette ligne</translation>
    </message>
    <message>
        <source>text after the 4th double quote is not used: %1</source>
        <translation>le texte après le 4e guillemet n&apos;est pas utilisé&#xa0;: %1</translation>
    </message>
    <message>
        <source>Drop %2 after the fourth double quote on line %1</source>
        <translation>Supprimer %2 après le quatrième guillemet, ligne %1</translation>
    </message>
    <message>
        <source>Split line %1 at its line feeds</source>
        <translation>Scinder la ligne %1 à ses sauts de ligne</translation>
    </message>
    <message>
        <source>Move the question run on after line %1 to a line of its own</source>
        <translation>Mettre sur sa propre ligne la question au bout de la ligne %1</translation>
    </message>
    <message>
        <source>Mend the text after the fourth double quote on every line</source>
        <translation>Réparer le texte après le quatrième guillemet sur chaque ligne</translation>
    </message>
    <message>
        <source>mend the text after the fourth double quote</source>
        <translation>réparer le texte après le quatrième guillemet</translation>
    </message>
    <message>
        <source>Text after the fourth double quote</source>
        <translation>Texte après le quatrième guillemet</translation>
    </message>
    <message>
        <source>the game ignores it; often it is a further question that needs a line of its own.</source>
        <translation>le jeu l&apos;ignore&#xa0;; c&apos;est souvent une autre question qui a besoin de sa propre ligne.</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 est vide</translation>
    </message>
    <message>
        <source>%1 are empty</source>
        <translation>%1 sont vides</translation>
    </message>
    <message>
        <source>Empty fields</source>
        <translation>Champs vides</translation>
    </message>
    <message>
        <source>the game shows an empty question or answer box.</source>
        <translation>le jeu affiche une case de question ou de réponse vide.</translation>
    </message>
    <message>
        <source>lone line feed (LF) at character %2: the game reads it as an ordinary character, not a line end</source>
        <translation>saut de ligne (LF) seul au caractère %2&#xa0;: le jeu le lit comme un caractère ordinaire, pas comme une fin de ligne</translation>
    </message>
    <message>
        <source>%1 lone line feeds (LF), the first at character %2: the game reads them as ordinary characters, not line ends</source>
        <translation>%1 sauts de ligne (LF) seuls, le premier au caractère %2&#xa0;: le jeu les lit comme des caractères ordinaires, pas comme des fins de ligne</translation>
    </message>
    <message>
        <source>End line %1 at its line feeds</source>
        <translation>Terminer la ligne %1 à ses sauts de ligne</translation>
    </message>
    <message>
        <source>End every line at its line feeds</source>
        <translation>Terminer chaque ligne à ses sauts de ligne</translation>
    </message>
    <message>
        <source>end lines at their line feeds</source>
        <translation>terminer les lignes à leurs sauts de ligne</translation>
    </message>
    <message>
        <source>Line feed without carriage return</source>
        <translation>Saut de ligne sans retour chariot</translation>
    </message>
    <message>
        <source>the game does not end the line there but shows an odd character.</source>
        <translation>le jeu n&apos;y termine pas la ligne mais affiche un caractère bizarre.</translation>
    </message>
    <message>
        <source>%1 holds UTF-8 text the game shows as other characters: %2</source>
        <translation>%1 contient du texte UTF-8 que le jeu affiche avec d&apos;autres caractères&#xa0;: %2</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on line %1</source>
        <translation>Lire le texte UTF-8 de la ligne %1</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on every line</source>
        <translation>Lire le texte UTF-8 de chaque ligne</translation>
    </message>
    <message>
        <source>read the UTF-8 text</source>
        <translation>lire le texte UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 text</source>
        <translation>Texte UTF-8</translation>
    </message>
    <message>
        <source>the file was saved in another encoding; the game shows “ü” as “Ã¼”. Fix reads it as intended.</source>
        <translation>le fichier a été enregistré dans un autre encodage&#xa0;; le jeu affiche «&#xa0;é&#xa0;» comme «&#xa0;Ã©&#xa0;». «&#xa0;Corriger&#xa0;» le lit comme prévu.</translation>
    </message>
    <message>
        <source>%1 holds characters the game cannot show (Windows-1252 has none of them): %2</source>
        <translation>%1 contient des caractères que le jeu ne peut pas afficher (Windows-1252 n&apos;en a aucun)&#xa0;: %2</translation>
    </message>
    <message>
        <source>Characters the game cannot show</source>
        <translation>Caractères que le jeu ne peut pas afficher</translation>
    </message>
    <message>
        <source>typed or pasted characters Windows-1252 lacks; the bank is not saved until they are replaced.</source>
        <translation>caractères tapés ou collés qui manquent à Windows-1252&#xa0;; la banque n&apos;est pas enregistrée tant qu&apos;ils ne sont pas remplacés.</translation>
    </message>
    <message>
        <source>%1 holds bytes Windows-1252 does not define: %2</source>
        <translation>%1 contient des octets que Windows-1252 ne définit pas&#xa0;: %2</translation>
    </message>
    <message>
        <source>Undefined bytes and control characters</source>
        <translation>Octets non définis et caractères de contrôle</translation>
    </message>
    <message>
        <source>characters the game shows as nothing or as boxes.</source>
        <translation>caractères que le jeu affiche comme rien ou comme des carrés.</translation>
    </message>
    <message>
        <source>%1 holds control characters: %2</source>
        <translation>%1 contient des caractères de contrôle&#xa0;: %2</translation>
    </message>
    <message>
        <source>a Ctrl-Z in this line ends the data: the %1 bytes after it are not read</source>
        <translation>un Ctrl-Z dans cette ligne termine les données&#xa0;: les %1 octets qui suivent ne sont pas lus</translation>
    </message>
    <message>
        <source>a Ctrl-Z after this line ends the data: the %1 bytes after it are not read</source>
        <translation>un Ctrl-Z après cette ligne termine les données&#xa0;: les %1 octets qui suivent ne sont pas lus</translation>
    </message>
    <message>
        <source>Ctrl-Z</source>
        <translation>Ctrl-Z</translation>
    </message>
    <message>
        <source>the game stops reading the file there.</source>
        <translation>le jeu arrête de lire le fichier à cet endroit.</translation>
    </message>
    <message>
        <source>the checks count %1 lines where the game loads %2: please report this</source>
        <translation>les vérifications comptent %1 lignes là où le jeu en charge %2&#xa0;: merci de le signaler</translation>
    </message>
    <message>
        <source>Lines counted differently</source>
        <translation>Lignes comptées différemment</translation>
    </message>
    <message>
        <source>the checks and the game disagree on the number of lines: look at the line ends near it.</source>
        <translation>les vérifications et le jeu ne sont pas d&apos;accord sur le nombre de lignes&#xa0;: regarde les fins de ligne autour de cette ligne.</translation>
    </message>
    <message>
        <source>slot %1 stays empty: the game finds only %3 lines</source>
        <translation>l&apos;emplacement %1 reste vide&#xa0;: le jeu ne trouve que %3 lignes</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 line</source>
        <translation>les emplacements %1 à %2 restent vides&#xa0;: le jeu ne trouve que %3 ligne</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 lines</source>
        <translation>les emplacements %1 à %2 restent vides&#xa0;: le jeu ne trouve que %3 lignes</translation>
    </message>
    <message>
        <source>Slots empty</source>
        <translation>Emplacements vides</translation>
    </message>
    <message>
        <source>the bank has fewer than 100 questions; the game draws an empty slot like any other, as a blank question.</source>
        <translation>la banque a moins de 100 questions&#xa0;; le jeu tire un emplacement vide comme n&apos;importe quel autre, comme une question vide.</translation>
    </message>
    <message>
        <source>line %1 is not read: the game holds %3 entries</source>
        <translation>la ligne %1 n&apos;est pas lue&#xa0;: le jeu contient %3 entrées</translation>
    </message>
    <message>
        <source>lines %1 to %2 are not read: the game holds %3 entries</source>
        <translation>les lignes %1 à %2 ne sont pas lues&#xa0;: le jeu contient %3 entrées</translation>
    </message>
    <message>
        <source>Lines not read</source>
        <translation>Lignes non lues</translation>
    </message>
    <message>
        <source>lines after the 100th are never asked.</source>
        <translation>les lignes après la 100e ne sont jamais posées.</translation>
    </message>
    <message>
        <source>the same question as line %1 (case, spaces and punctuation aside)</source>
        <translation>la même question que la ligne %1 (sans tenir compte des majuscules, des espaces et de la ponctuation)</translation>
    </message>
    <message>
        <source>Duplicate question</source>
        <translation>Question en double</translation>
    </message>
    <message>
        <source>the same question stands on two lines, so it may be asked twice in one game.</source>
        <translation>la même question se trouve sur deux lignes, elle peut donc être posée deux fois dans une partie.</translation>
    </message>
    <message>
        <source>%1 are the same answer (case, spaces and punctuation aside)</source>
        <translation>%1 sont la même réponse (sans tenir compte des majuscules, des espaces et de la ponctuation)</translation>
    </message>
    <message>
        <source>Equal answers</source>
        <translation>Réponses identiques</translation>
    </message>
    <message>
        <source>two answers of one question read the same, so the player cannot tell them apart.</source>
        <translation>deux réponses d&apos;une question se lisent pareil, donc le joueur ne peut pas les distinguer.</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts them to %2 characters</source>
        <translation>%1 deviennent la même réponse une fois que le jeu les coupe à %2 caractères</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts the line to %3 characters</source>
        <translation>%1 deviennent la même réponse une fois que le jeu coupe la ligne à %3 caractères</translation>
    </message>
    <message>
        <source>Answers equal after the cut</source>
        <translation>Réponses identiques après la coupure</translation>
    </message>
    <message>
        <source>two answers differ only after their 26th character, or past the line&apos;s 140th, so the game, which shows neither, shows them the same.</source>
        <translation>deux réponses ne diffèrent qu&apos;après leur 26e caractère, ou au-delà du 140e de la ligne, donc le jeu, qui n&apos;affiche pas ces caractères, les affiche pareil.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 et %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>a byte order mark (EF BB BF) shows as %1</source>
        <translation>une marque d&apos;ordre des octets (EF BB BF) s&apos;affiche comme %1</translation>
    </message>
    <message>
        <source>%1 shows as %2</source>
        <translation>%1 s&apos;affiche comme %2</translation>
    </message>
    <message>
        <source>%1 (no character)</source>
        <translation>%1 (aucun caractère)</translation>
    </message>
</context>
</TS>
