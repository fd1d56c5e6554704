<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>tqzcheck</name>
    <message>
        <source>it is a folder</source>
        <translation>è una cartella</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>la lettura non è riuscita</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>non è un file normale</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2): the game would show &quot;The File &apos;QUARL3.TQZ&apos; is not found!&quot;
</source>
        <translation>%1: non si può leggere (%2): il gioco mostrerebbe «File “QUARL3.TQZ” non trovato!»
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
        <translation>Uso: tqzcheck FILE
Mostra, riga per riga, che cosa caricherà Korvane dalla raccolta di domande
FILE e ogni riga che non verrà giocata così come è scritta.
Sotto ogni riga: «riga N: …» è un problema, qualcosa che il gioco tralascia,
taglia o mostra come altri caratteri; «riga N: avviso: …» riguarda che cosa
dice la riga quando il gioco mescola le risposte: una domanda posta due
volte, o risposte che un giocatore non sa distinguere, intere o come il
gioco le taglia (a parte maiuscole, spazi e punteggiatura).
Il gioco legge la sua raccolta come quarl3.tqz dalla cartella in cui parte
o, se non c&apos;è, con quel nome scritto in maiuscole o minuscole qualsiasi
(QUARL3.TQZ).
Stato di uscita: 0 se non è stato trovato nulla, 1 se è stato trovato un
problema o un avviso, 2 se il file non si può leggere.
--language CODICE parla quella lingua (it: italiano, de: tedesco) invece
di quella del sistema.
</translation>
    </message>
    <message>
        <source>line %1: warning: %2
</source>
        <translation>riga %1: avviso: %2
</translation>
    </message>
    <message>
        <source>line %1: %2
</source>
        <translation>riga %1: %2
</translation>
    </message>
    <message>
        <source>%1 entry</source>
        <translation>%1 voce</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 voci</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problema</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemi</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 avviso</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avvisi</translation>
    </message>
</context>
</TS>
