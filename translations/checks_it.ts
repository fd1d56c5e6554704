<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BankField</name>
    <message>
        <source>Question</source>
        <translation>Domanda</translation>
    </message>
    <message>
        <source>the question</source>
        <translation>la domanda</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Risposta giusta</translation>
    </message>
    <message>
        <source>the right answer</source>
        <translation>la risposta giusta</translation>
    </message>
    <message>
        <source>Wrong answer 1</source>
        <translation>Risposta sbagliata 1</translation>
    </message>
    <message>
        <source>wrong answer 1</source>
        <translation>la risposta sbagliata 1</translation>
    </message>
    <message>
        <source>Wrong answer 2</source>
        <translation>Risposta sbagliata 2</translation>
    </message>
    <message>
        <source>wrong answer 2</source>
        <translation>la risposta sbagliata 2</translation>
    </message>
</context>
<context>
    <name>ProblemKinds</name>
    <message>
        <source>empty line: the slot stays empty</source>
        <translation>riga vuota: il posto resta vuoto</translation>
    </message>
    <message>
        <source>Empty line</source>
        <translation>Riga vuota</translation>
    </message>
    <message>
        <source>the line holds nothing, so its slot in the game stays empty.</source>
        <translation>La riga non contiene nulla, quindi il suo posto nel gioco resta vuoto.</translation>
    </message>
    <message>
        <source>%1 is %2 characters: the game keeps %3 and drops %4</source>
        <translation>%1 ha %2 caratteri: il gioco ne tiene %3 e scarta %4</translation>
    </message>
    <message>
        <source>Cut %2 from the end of the %3 on line %1</source>
        <translation>Riga %1, %3: togli %2 dalla fine</translation>
    </message>
    <message>
        <source>Field too long</source>
        <translation>Campo troppo lungo</translation>
    </message>
    <message>
        <source>the game cuts the question to 73 characters and an answer to 26; the message says what is dropped. Fix selects that part for you to reword; Cut Field to Its Width cuts it.</source>
        <translation>Il gioco accorcia la domanda a 73 caratteri e una risposta a 26; il messaggio dice che cosa viene scartato. “Correggi” seleziona quella parte perché tu la riformuli; “Accorcia il campo alla sua larghezza” la taglia.</translation>
    </message>
    <message>
        <source>the line is %1 characters: the game reads the first %2 and drops %3</source>
        <translation>la riga ha %1 caratteri: il gioco legge i primi %2 e scarta %3</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Riga troppo lunga</translation>
    </message>
    <message>
        <source>the game reads only the first 140 characters of a line, whatever the fields hold.</source>
        <translation>Il gioco legge solo i primi 140 caratteri di una riga, qualunque cosa contengano i campi.</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes</source>
        <translation>solo %1 delle 4 virgolette doppie</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters</source>
        <translation>solo %1 delle 4 virgolette doppie nei primi %2 caratteri</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes: %3 takes the rest of the line</source>
        <translation>solo %1 delle 4 virgolette doppie: %3 prende il resto della riga</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters: %3 takes the rest of the line</source>
        <translation>solo %1 delle 4 virgolette doppie nei primi %2 caratteri: %3 prende il resto della riga</translation>
    </message>
    <message>
        <source>Missing double quotes</source>
        <translation>Virgolette doppie mancanti</translation>
    </message>
    <message>
        <source>a line needs four, one after each field; with fewer, fields run together or stay empty. With none at all, nothing loads from the line.</source>
        <translation>Una riga ne richiede quattro, una dopo ogni campo; con meno, i campi si fondono o restano vuoti. Senza nessuna, dalla riga non viene caricato nulla.</translation>
    </message>
    <message>
        <source>no double quote: the game loads nothing from this line</source>
        <translation>nessuna virgoletta doppia: il gioco non carica nulla da questa riga</translation>
    </message>
    <message>
        <source>no double quote in the first %1 characters: the game loads nothing from this line</source>
        <translation>nessuna virgoletta doppia nei primi %1 caratteri: il gioco non carica nulla da questa riga</translation>
    </message>
    <message>
        <source>text after the 4th double quote is not used: %1</source>
        <translation>il testo dopo la 4ª virgoletta doppia non viene usato: %1</translation>
    </message>
    <message>
        <source>Drop %2 after the fourth double quote on line %1</source>
        <translation>Rimuovi %2 dopo la quarta virgoletta doppia alla riga %1</translation>
    </message>
    <message>
        <source>Split line %1 at its line feeds</source>
        <translation>Dividi la riga %1 ai suoi avanzamenti riga</translation>
    </message>
    <message>
        <source>Move the question run on after line %1 to a line of its own</source>
        <translation>Sposta su una riga a sé la domanda attaccata dopo la riga %1</translation>
    </message>
    <message>
        <source>Mend the text after the fourth double quote on every line</source>
        <translation>Sistema il testo dopo la quarta virgoletta doppia in ogni riga</translation>
    </message>
    <message>
        <source>mend the text after the fourth double quote</source>
        <translation>sistema il testo dopo la quarta virgoletta doppia</translation>
    </message>
    <message>
        <source>Text after the fourth double quote</source>
        <translation>Testo dopo la quarta virgoletta doppia</translation>
    </message>
    <message>
        <source>the game ignores it; often it is a further question that needs a line of its own.</source>
        <translation>Il gioco lo ignora; spesso è un&apos;altra domanda che ha bisogno di una riga a sé.</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 è vuota</translation>
    </message>
    <message>
        <source>%1 are empty</source>
        <translation>%1 sono vuote</translation>
    </message>
    <message>
        <source>Empty fields</source>
        <translation>Campi vuoti</translation>
    </message>
    <message>
        <source>the game shows an empty question or answer box.</source>
        <translation>Il gioco mostra una casella di domanda o di risposta vuota.</translation>
    </message>
    <message>
        <source>lone line feed (LF) at character %2: the game reads it as an ordinary character, not a line end</source>
        <translation>avanzamento riga (LF) isolato al carattere %2: il gioco lo legge come un carattere normale, non come fine riga</translation>
    </message>
    <message>
        <source>%1 lone line feeds (LF), the first at character %2: the game reads them as ordinary characters, not line ends</source>
        <translation>%1 avanzamenti riga (LF) isolati, il primo al carattere %2: il gioco li legge come caratteri normali, non come fine riga</translation>
    </message>
    <message>
        <source>End line %1 at its line feeds</source>
        <translation>Termina la riga %1 ai suoi avanzamenti riga</translation>
    </message>
    <message>
        <source>End every line at its line feeds</source>
        <translation>Termina ogni riga ai suoi avanzamenti riga</translation>
    </message>
    <message>
        <source>end lines at their line feeds</source>
        <translation>termina le righe ai loro avanzamenti riga</translation>
    </message>
    <message>
        <source>Line feed without carriage return</source>
        <translation>Avanzamento riga senza ritorno a capo</translation>
    </message>
    <message>
        <source>the game does not end the line there but shows an odd character.</source>
        <translation>Il gioco non termina lì la riga, ma mostra un carattere strano.</translation>
    </message>
    <message>
        <source>%1 holds UTF-8 text the game shows as other characters: %2</source>
        <translation>%1 contiene testo UTF-8 che il gioco mostra come altri caratteri: %2</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on line %1</source>
        <translation>Leggi il testo UTF-8 alla riga %1</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on every line</source>
        <translation>Leggi il testo UTF-8 in ogni riga</translation>
    </message>
    <message>
        <source>read the UTF-8 text</source>
        <translation>leggi il testo UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 text</source>
        <translation>Testo UTF-8</translation>
    </message>
    <message>
        <source>the file was saved in another encoding; the game shows “ü” as “Ã¼”. Fix reads it as intended.</source>
        <translation>Il file è stato salvato in un&apos;altra codifica; il gioco mostra “ü” come “Ã¼”. “Correggi” lo legge come previsto.</translation>
    </message>
    <message>
        <source>%1 holds characters the game cannot show (Windows-1252 has none of them): %2</source>
        <translation>%1 contiene caratteri che il gioco non sa mostrare (Windows-1252 non ne ha nessuno): %2</translation>
    </message>
    <message>
        <source>Characters the game cannot show</source>
        <translation>Caratteri che il gioco non sa mostrare</translation>
    </message>
    <message>
        <source>typed or pasted characters Windows-1252 lacks; the bank is not saved until they are replaced.</source>
        <translation>Caratteri digitati o incollati che mancano in Windows-1252; la raccolta non viene salvata finché non sono sostituiti.</translation>
    </message>
    <message>
        <source>%1 holds bytes Windows-1252 does not define: %2</source>
        <translation>%1 contiene byte che Windows-1252 non definisce: %2</translation>
    </message>
    <message>
        <source>Undefined bytes and control characters</source>
        <translation>Byte non definiti e caratteri di controllo</translation>
    </message>
    <message>
        <source>characters the game shows as nothing or as boxes.</source>
        <translation>Caratteri che il gioco non mostra affatto o mostra come quadratini.</translation>
    </message>
    <message>
        <source>%1 holds control characters: %2</source>
        <translation>%1 contiene caratteri di controllo: %2</translation>
    </message>
    <message>
        <source>a Ctrl-Z in this line ends the data: the %1 bytes after it are not read</source>
        <translation>un Ctrl-Z in questa riga termina i dati: i %1 byte che seguono non vengono letti</translation>
    </message>
    <message>
        <source>a Ctrl-Z after this line ends the data: the %1 bytes after it are not read</source>
        <translation>un Ctrl-Z dopo questa riga termina i dati: i %1 byte che seguono non vengono letti</translation>
    </message>
    <message>
        <source>Ctrl-Z</source>
        <translation>Ctrl-Z</translation>
    </message>
    <message>
        <source>the game stops reading the file there.</source>
        <translation>Il gioco smette di leggere il file in quel punto.</translation>
    </message>
    <message>
        <source>the checks count %1 lines where the game loads %2: please report this</source>
        <translation>i controlli contano %1 righe, mentre il gioco ne carica %2: per favore segnalalo</translation>
    </message>
    <message>
        <source>Lines counted differently</source>
        <translation>Righe contate in modo diverso</translation>
    </message>
    <message>
        <source>the checks and the game disagree on the number of lines: look at the line ends near it.</source>
        <translation>I controlli e il gioco non concordano sul numero di righe: guarda i fine riga lì vicino.</translation>
    </message>
    <message>
        <source>slot %1 stays empty: the game finds only %3 lines</source>
        <translation>il posto %1 resta vuoto: il gioco trova solo %3 righe</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 line</source>
        <translation>i posti da %1 a %2 restano vuoti: il gioco trova solo %3 riga</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 lines</source>
        <translation>i posti da %1 a %2 restano vuoti: il gioco trova solo %3 righe</translation>
    </message>
    <message>
        <source>Slots empty</source>
        <translation>Posti vuoti</translation>
    </message>
    <message>
        <source>the bank has fewer than 100 questions; the game draws an empty slot like any other, as a blank question.</source>
        <translation>La raccolta ha meno di 100 domande; il gioco estrae un posto vuoto come qualsiasi altro, come una domanda vuota.</translation>
    </message>
    <message>
        <source>line %1 is not read: the game holds %3 entries</source>
        <translation>la riga %1 non viene letta: il gioco contiene %3 voci</translation>
    </message>
    <message>
        <source>lines %1 to %2 are not read: the game holds %3 entries</source>
        <translation>le righe da %1 a %2 non vengono lette: il gioco contiene %3 voci</translation>
    </message>
    <message>
        <source>Lines not read</source>
        <translation>Righe non lette</translation>
    </message>
    <message>
        <source>lines after the 100th are never asked.</source>
        <translation>Le righe dopo la centesima non vengono mai chieste.</translation>
    </message>
    <message>
        <source>the same question as line %1 (case, spaces and punctuation aside)</source>
        <translation>la stessa domanda della riga %1 (a parte maiuscole, spazi e punteggiatura)</translation>
    </message>
    <message>
        <source>Duplicate question</source>
        <translation>Domanda doppia</translation>
    </message>
    <message>
        <source>the same question stands on two lines, so it may be asked twice in one game.</source>
        <translation>La stessa domanda si trova su due righe, quindi può essere posta due volte nella stessa partita.</translation>
    </message>
    <message>
        <source>%1 are the same answer (case, spaces and punctuation aside)</source>
        <translation>%1 sono la stessa risposta (a parte maiuscole, spazi e punteggiatura)</translation>
    </message>
    <message>
        <source>Equal answers</source>
        <translation>Risposte uguali</translation>
    </message>
    <message>
        <source>two answers of one question read the same, so the player cannot tell them apart.</source>
        <translation>Due risposte della stessa domanda si leggono uguali, quindi il giocatore non le può distinguere.</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts them to %2 characters</source>
        <translation>%1 diventano la stessa risposta quando il gioco le accorcia a %2 caratteri</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts the line to %3 characters</source>
        <translation>%1 diventano la stessa risposta quando il gioco accorcia la riga a %3 caratteri</translation>
    </message>
    <message>
        <source>Answers equal after the cut</source>
        <translation>Risposte uguali dopo il taglio</translation>
    </message>
    <message>
        <source>two answers differ only after their 26th character, or past the line&apos;s 140th, so the game, which shows neither, shows them the same.</source>
        <translation>Due risposte differiscono solo dopo il loro 26° carattere, o oltre il 140° della riga: il gioco non mostra quei caratteri, quindi le mostra uguali.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 e %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>a byte order mark (EF BB BF) shows as %1</source>
        <translation>un segno di ordine dei byte (EF BB BF) appare come %1</translation>
    </message>
    <message>
        <source>%1 shows as %2</source>
        <translation>%1 appare come %2</translation>
    </message>
    <message>
        <source>%1 (no character)</source>
        <translation>%1 (nessun carattere)</translation>
    </message>
</context>
</TS>
