<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>tqzcheck</name>
    <message>
        <source>it is a folder</source>
        <translation>c&apos;est un dossier</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>la lecture a échoué</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2): the game would show &quot;The File &apos;QUARL3.TQZ&apos; is not found!&quot;
</source>
        <translation>%1&#xa0;: illisible (%2)&#xa0;: le jeu afficherait «&#xa0;Fichier QUARL3.TQZ introuvable&#xa0;!&#xa0;»
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
        <translation>Utilisation&#xa0;: tqzcheck FICHIER
Montre, ligne par ligne, ce que Korvane chargera depuis la banque de questions
FICHIER, et chaque ligne qui ne sera pas jouée telle qu&apos;elle est écrite.
Sous chaque ligne&#xa0;: «&#xa0;ligne N&#xa0;: ...&#xa0;» est un problème, quelque chose que le jeu
laisse de côté, coupe ou affiche avec d&apos;autres caractères&#xa0;; «&#xa0;ligne N&#xa0;:
avertissement&#xa0;: ...&#xa0;» concerne ce que dit la ligne une fois que le jeu mélange
les réponses&#xa0;: une question posée deux fois, ou des réponses qu&apos;un joueur ne
peut pas distinguer, entières ou telles que le jeu les coupe (sans tenir
compte des majuscules, des espaces et de la ponctuation).
Le jeu lit sa banque sous le nom quarl3.tqz dans le dossier où il démarre,
ou, s&apos;il n&apos;y en a pas, sous ce nom écrit en majuscules ou minuscules
quelconques (QUARL3.TQZ).
Code de sortie&#xa0;: 0 si rien n&apos;a été trouvé, 1 si un problème ou un
avertissement a été trouvé, 2 si le fichier ne peut pas être lu.
--language CODE parle cette langue (fr&#xa0;: français, de&#xa0;: allemand) plutôt
que celle du système.
</translation>
    </message>
    <message>
        <source>line %1: warning: %2
</source>
        <translation>ligne %1&#xa0;: avertissement&#xa0;: %2
</translation>
    </message>
    <message>
        <source>line %1: %2
</source>
        <translation>ligne %1&#xa0;: %2
</translation>
    </message>
    <message>
        <source>%1 entry</source>
        <translation>%1 entrée</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 entrées</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problème</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problèmes</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 avertissement</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avertissements</translation>
    </message>
</context>
</TS>
