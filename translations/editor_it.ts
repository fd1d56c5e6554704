<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it" sourcelanguage="en">
<context>
    <name>BankEditorWindow</name>
    <message>
        <source>Your changes are not protected: %1.</source>
        <translation>Le tue modifiche non sono protette: %1.</translation>
    </message>
    <message>
        <source>Your changes are kept for recovery in %1, as the usual folder cannot take them.</source>
        <translation>Le tue modifiche sono conservate per il ripristino in %1, perché la cartella solita non può accoglierle.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Domande</translation>
    </message>
    <message>
        <source>One row per line of the bank: the question, the right answer and two wrong answers.</source>
        <translation>Una riga della tabella per ogni riga della raccolta: la domanda, la risposta giusta e due risposte sbagliate.</translation>
    </message>
    <message>
        <source>Line count</source>
        <translation>Numero di righe</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuovo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Apri…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Apri &amp;recenti</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Salva</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Salva &amp;come…</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Importa CSV…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>Es&amp;porta CSV…</translation>
    </message>
    <message>
        <source>P&amp;lay This Bank</source>
        <translation>&amp;Gioca con questa raccolta</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Esci</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annulla</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Ripeti</translation>
    </message>
    <message>
        <source>Question Editor &amp;Guide</source>
        <translation>&amp;Guida all&apos;editor di domande</translation>
    </message>
    <message>
        <source>&amp;About Korvane Question Editor</source>
        <translation>&amp;Informazioni sull&apos;editor di domande di Korvane</translation>
    </message>
    <message>
        <source>Save the bank, then play it in Korvane</source>
        <translation>Salva la raccolta, poi giocaci in Korvane</translation>
    </message>
    <message>
        <source>&lt;b&gt;Korvane Question Editor %1&lt;/b&gt;&lt;p&gt;Write the questions for your own game of Korvane: a hundred of them, each with its right answer and two wrong ones. Every line is checked as you type, shown the way the game will show it, and one key plays the bank.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Editor di domande di Korvane %1&lt;/b&gt;&lt;p&gt;Scrivi le domande per la tua partita di Korvane: cento domande, ognuna con la sua risposta giusta e due sbagliate. Ogni riga viene controllata mentre scrivi e mostrata come la mostrerà il gioco, e basta un tasto per giocare la raccolta.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The game is running.</source>
        <translation>Il gioco è in corso.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;File</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Modifica</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Problemi</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aiuto</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Editor di domande di Korvane</translation>
    </message>
    <message>
        <source>The field being edited cannot take its text as it stands, so nothing went on. Change the text, or press Esc to leave the field as it was.</source>
        <translation>Il campo che stai modificando non può accogliere il testo così com&apos;è, quindi non è successo nulla. Cambia il testo, oppure premi Esc per lasciare il campo com&apos;era.</translation>
    </message>
    <message>
        <source>%1: row %2, %3, holds “%4”, a character the game cannot show (it uses Windows-1252). Replace it, then try again.</source>
        <translation>%1: riga %2, %3, contiene “%4”, un carattere che il gioco non sa mostrare (usa Windows-1252). Sostituiscilo, poi riprova.</translation>
    </message>
    <message>
        <source>The bank was not saved</source>
        <translation>La raccolta non è stata salvata</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Salvato: %1</translation>
    </message>
    <message>
        <source>the new bank</source>
        <translation>la nuova raccolta</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifiche non salvate</translation>
    </message>
    <message>
        <source>Save the changes to %1 first?</source>
        <translation>Salvare prima le modifiche a %1?</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>Le modifiche non salvate andranno perse.</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Scarta</translation>
    </message>
    <message>
        <source>Save Bank As</source>
        <translation>Salva raccolta come</translation>
    </message>
    <message>
        <source>Open Bank</source>
        <translation>Apri raccolta</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importa CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Valori separati da virgola (*.csv);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Non è stato importato nulla: %1.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Esporta CSV</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2.</source>
        <translation>Impossibile scrivere “%1”: %2.</translation>
    </message>
    <message>
        <source>“%1” was deleted or renamed by another program. Its questions stay open here, and Save writes the file again.</source>
        <translation>“%1” è stato eliminato o rinominato da un altro programma. Le sue domande restano aperte qui, e “Salva” scrive di nuovo il file.</translation>
    </message>
    <message>
        <source>Changed on Disk</source>
        <translation>Modificato sul disco</translation>
    </message>
    <message>
        <source>Another program changed “%1” since it was opened or saved here.</source>
        <translation>Un altro programma ha modificato “%1” dopo che è stato aperto o salvato qui.</translation>
    </message>
    <message>
        <source>Reload it to see that version (Undo brings yours back), keep your version and save it over the other, or save yours as another file.</source>
        <translation>Ricaricalo per vedere quella versione (“Annulla” del menu Modifica riporta la tua), tieni la tua versione e salvala sopra l&apos;altra, oppure salva la tua come un altro file.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Ricarica</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Tieni la mia</translation>
    </message>
    <message>
        <source>Your version, which Reload replaces, is not protected: %1. Undo brings it back while the editor runs.</source>
        <translation>La tua versione, che “Ricarica” sostituisce, non è protetta: %1. “Annulla” la riporta indietro finché l&apos;editor è aperto.</translation>
    </message>
    <message>
        <source>Reload %1 from disk</source>
        <translation>Ricarica %1 dal disco</translation>
    </message>
    <message>
        <source>%1 Its questions stay open here as they were.</source>
        <translation>%1 Le sue domande restano aperte qui com&apos;erano.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Senza titolo</translation>
    </message>
    <message>
        <source>%1[*] — Korvane Question Editor</source>
        <translation>%1[*] — Editor di domande di Korvane</translation>
    </message>
    <message>
        <source>Game Running</source>
        <translation>Gioco in corso</translation>
    </message>
    <message>
        <source>The game started from this editor is still running. Closing the editor ends the game too.</source>
        <translation>Il gioco avviato da questo editor è ancora in corso. Chiudendo l&apos;editor si chiude anche il gioco.</translation>
    </message>
    <message>
        <source>&amp;End Game and Close</source>
        <translation>&amp;Termina il gioco e chiudi</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>Antepri&amp;ma di stampa…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>S&amp;tampa…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>Esporta P&amp;DF…</translation>
    </message>
    <message>
        <source>New Answer Or&amp;der</source>
        <translation>Nuovo &amp;ordine delle risposte</translation>
    </message>
    <message>
        <source>Show the question sheet and its answer key as they will print</source>
        <translation>Mostra il foglio delle domande e le sue soluzioni come verranno stampati</translation>
    </message>
    <message>
        <source>Save the question sheet and its answer key as a PDF file</source>
        <translation>Salva il foglio delle domande e le sue soluzioni come file PDF</translation>
    </message>
    <message>
        <source>Shuffle the answers of the next print anew</source>
        <translation>Mescola di nuovo le risposte per la prossima stampa</translation>
    </message>
    <message>
        <source>New from Starter &amp;Bank…</source>
        <translation>Nuova da raccolta di &amp;base…</translation>
    </message>
    <message>
        <source>Start a new bank holding the questions of a bank that comes with the game</source>
        <translation>Inizia una nuova raccolta con le domande di una raccolta fornita con il gioco</translation>
    </message>
    <message>
        <source>&amp;Top Up from Bank…</source>
        <translation>Completa da racco&amp;lta…</translation>
    </message>
    <message>
        <source>Add questions from another bank, leaving out those this one already asks, up to 100</source>
        <translation>Aggiungi domande da un&apos;altra raccolta, fino a 100, tralasciando quelle che questa chiede già</translation>
    </message>
    <message>
        <source>Play &amp;Without Saving</source>
        <translation>Gioca senza sal&amp;vare</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving its file as it is</source>
        <translation>Gioca la raccolta così com&apos;è da una copia temporanea, lasciando il suo file com&apos;è</translation>
    </message>
    <message>
        <source>New from Starter Bank</source>
        <translation>Nuova da raccolta di base</translation>
    </message>
    <message>
        <source>Top Up from Bank</source>
        <translation>Completa da raccolta</translation>
    </message>
    <message>
        <source>Other File…</source>
        <translation>Altro file…</translation>
    </message>
    <message>
        <source>The banks that come with the game were not found. Install Korvane, then try again.</source>
        <translation>Le raccolte fornite con il gioco non sono state trovate. Installa Korvane, poi riprova.</translation>
    </message>
    <message>
        <source>Take questions from:</source>
        <translation>Prendi le domande da:</translation>
    </message>
    <message>
        <source>Start from:</source>
        <translation>Parti da:</translation>
    </message>
    <message>
        <source>Added 1 question from %1</source>
        <translation>Aggiunta 1 domanda da %1</translation>
    </message>
    <message>
        <source>Added %1 questions from %2</source>
        <translation>Aggiunte %1 domande da %2</translation>
    </message>
    <message>
        <source>, leaving out 1 already in this bank</source>
        <translation>, tralasciandone 1 già presente in questa raccolta</translation>
    </message>
    <message>
        <source>, leaving out %1 already in this bank</source>
        <translation>, tralasciandone %1 già presenti in questa raccolta</translation>
    </message>
    <message>
        <source>%1 more did not fit in the %2 slots.</source>
        <translation>Altre %1 non sono entrate nei %2 posti.</translation>
    </message>
    <message>
        <source>Nothing was added: the bank already fills all %1 slots the game reads.</source>
        <translation>Non è stato aggiunto nulla: la raccolta riempie già tutti i %1 posti che il gioco legge.</translation>
    </message>
    <message>
        <source>Nothing was added: every question in %1 is already in this bank, or it holds none.</source>
        <translation>Non è stato aggiunto nulla: ogni domanda di %1 è già in questa raccolta, oppure %1 non ne contiene nessuna.</translation>
    </message>
    <message>
        <source>Empty Slots</source>
        <translation>Posti vuoti</translation>
    </message>
    <message>
        <source>%1 of the %2 slots are empty.</source>
        <translation>%1 dei %2 posti sono vuoti.</translation>
    </message>
    <message>
        <source>The game draws an empty slot as often as any other, so players will now and then get a question with nothing in it. Play anyway, or top the bank up from another first?</source>
        <translation>Il gioco estrae un posto vuoto tanto spesso quanto gli altri, quindi ogni tanto i giocatori riceveranno una domanda senza niente dentro. Giocare comunque, o prima completare la raccolta da un&apos;altra?</translation>
    </message>
    <message>
        <source>&amp;Play Anyway</source>
        <translation>&amp;Gioca comunque</translation>
    </message>
    <message>
        <source>&amp;Top Up…</source>
        <translation>&amp;Completa…</translation>
    </message>
    <message>
        <source>Cannot Save Here</source>
        <translation>Impossibile salvare qui</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving the file as it is and your changes unsaved here, or save it as another file.</source>
        <translation>Gioca la raccolta così com&apos;è da una copia temporanea, lasciando il file com&apos;è e le tue modifiche non salvate qui, oppure salvala come un altro file.</translation>
    </message>
    <message>
        <source>The bank was not played</source>
        <translation>La raccolta non è stata giocata</translation>
    </message>
    <message>
        <source>&amp;Next Problem</source>
        <translation>Problema &amp;successivo</translation>
    </message>
    <message>
        <source>&amp;Previous Problem</source>
        <translation>Problema p&amp;recedente</translation>
    </message>
    <message>
        <source>&amp;Fix Selected Problem</source>
        <translation>&amp;Correggi il problema selezionato</translation>
    </message>
    <message>
        <source>Fix All of This &amp;Kind</source>
        <translation>Correggi tutti di questo ti&amp;po</translation>
    </message>
    <message>
        <source>Fix &amp;All Problems</source>
        <translation>Correggi &amp;tutti i problemi</translation>
    </message>
    <message>
        <source>&amp;Cut Field to Its Width</source>
        <translation>&amp;Accorcia il campo alla sua larghezza</translation>
    </message>
    <message>
        <source>Cut the selected field to the width the game keeps, dropping the rest</source>
        <translation>Accorcia il campo selezionato alla larghezza che il gioco tiene, scartando il resto</translation>
    </message>
    <message>
        <source>Go to the next problem or warning in the bank</source>
        <translation>Vai al problema o avviso successivo nella raccolta</translation>
    </message>
    <message>
        <source>Go to the previous problem or warning in the bank</source>
        <translation>Vai al problema o avviso precedente nella raccolta</translation>
    </message>
    <message>
        <source>Fix every problem like the selected one, as one step to undo</source>
        <translation>Correggi ogni problema come quello selezionato, in un solo passo da annullare</translation>
    </message>
    <message>
        <source>Fix every problem Fix can mend, line ends first, as one step to undo</source>
        <translation>Correggi ogni problema che “Correggi” sa sistemare, prima i fine riga, in un solo passo da annullare</translation>
    </message>
    <message>
        <source>No problem or warning on a line to go to.</source>
        <translation>Nessun problema o avviso in una riga a cui andare.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Tag&amp;lia</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copia</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Incolla</translation>
    </message>
    <message>
        <source>Cl&amp;ear Cells</source>
        <translation>Svuota c&amp;elle</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>I&amp;nserisci riga</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>Eli&amp;mina righe</translation>
    </message>
    <message>
        <source>Delete Rows Past &amp;100</source>
        <translation>Elimina righe oltre &amp;100</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>Sposta &amp;su</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Sposta &amp;giù</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>Seleziona tutt&amp;o</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Trova…</translation>
    </message>
    <message>
        <source>Rep&amp;lace…</source>
        <translation>Sostit&amp;uisci…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Trova successi&amp;vo</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Trova &amp;precedente</translation>
    </message>
    <message>
        <source>&amp;Sort A to Z by This Column</source>
        <translation>Or&amp;dina dalla A alla Z per questa colonna</translation>
    </message>
    <message>
        <source>Sort &amp;Z to A by This Column</source>
        <translation>Ordina dalla &amp;Z alla A per questa colonna</translation>
    </message>
    <message>
        <source>S&amp;huffle Rows</source>
        <translation>Mescola rig&amp;he</translation>
    </message>
    <message>
        <source>Sort the rows by the current column; rows holding nothing stay at the end</source>
        <translation>Ordina le righe secondo la colonna attuale; le righe vuote restano in fondo</translation>
    </message>
    <message>
        <source>Keep only the first 100 rows, which the game reads</source>
        <translation>Tieni solo le prime 100 righe, quelle che il gioco legge</translation>
    </message>
    <message>
        <source>Put the rows in a random order; rows holding nothing stay at the end</source>
        <translation>Metti le righe in ordine casuale; le righe vuote restano in fondo</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Taglia</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Svuota</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Gli appunti non contengono testo da incollare.</translation>
    </message>
    <message>
        <source>Delete line %1, %2</source>
        <translation>Elimina la riga %1, %2</translation>
    </message>
    <message>
        <source>Delete %1 lines from %2 on</source>
        <translation>Elimina %1 righe a partire dalla %2</translation>
    </message>
    <message>
        <source>Sort the rows by %1, A to Z</source>
        <translation>Ordina le righe per %1, dalla A alla Z</translation>
    </message>
    <message>
        <source>Sort the rows by %1, Z to A</source>
        <translation>Ordina le righe per %1, dalla Z alla A</translation>
    </message>
    <message>
        <source>Shuffle the rows</source>
        <translation>Mescola le righe</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Taglia %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Svuota %1</translation>
    </message>
</context>
<context>
    <name>BankFileReader</name>
    <message>
        <source>a folder</source>
        <translation>una cartella</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>una pipe</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un dispositivo</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>non un file normale</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>Impossibile aprire “%1”: %2.</translation>
    </message>
    <message>
        <source>it is a link to a file that no longer exists</source>
        <translation>è un collegamento a un file che non esiste più</translation>
    </message>
    <message>
        <source>it is %1, not %2</source>
        <translation>è %1, non %2</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>è cambiato mentre veniva aperto</translation>
    </message>
    <message>
        <source>it grew past %1 while it was being read</source>
        <translation>è cresciuto oltre %1 mentre veniva letto</translation>
    </message>
    <message>
        <source>a question bank file</source>
        <translation>un file di raccolta di domande</translation>
    </message>
    <message>
        <source>it holds %1, far more than a question bank of %2 lines</source>
        <translation>contiene %1, molto più di una raccolta di domande di %2 righe</translation>
    </message>
    <message>
        <source>the bank would hold %1, more than the %2 the editor can open again</source>
        <translation>la raccolta conterrebbe %1, più dei %2 che l&apos;editor può riaprire</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>un file CSV</translation>
    </message>
    <message>
        <source>it holds %1, more than a CSV file of %2 rows</source>
        <translation>contiene %1, più di un file CSV di %2 righe</translation>
    </message>
    <message>
        <source>a recovery file</source>
        <translation>un file di ripristino</translation>
    </message>
    <message>
        <source>it holds %1, more than the unsaved changes to the largest bank the editor opens (%2 bytes) can</source>
        <translation>contiene %1, più di quanto possano occupare le modifiche non salvate alla raccolta più grande che l&apos;editor apre (%2 byte)</translation>
    </message>
</context>
<context>
    <name>BankFileWriter</name>
    <message>
        <source>the file is read-only</source>
        <translation>il file è di sola lettura</translation>
    </message>
    <message>
        <source>%1; the bank is kept as %2</source>
        <translation>%1; la raccolta è conservata come %2</translation>
    </message>
</context>
<context>
    <name>BankTableModel</name>
    <message>
        <source>, removing %1 and %2 more</source>
        <translation>, rimuovendo %1 e altri %2</translation>
    </message>
    <message>
        <source>, removing %1</source>
        <translation>, rimuovendo %1</translation>
    </message>
    <message>
        <source>Fix all: %1 and %2</source>
        <translation>Correggi tutto: %1 e %2</translation>
    </message>
    <message>
        <source>The game&apos;s character set (Windows-1252) has no “%1”: replace it before saving.</source>
        <translation>Il set di caratteri del gioco (Windows-1252) non ha “%1”: sostituiscilo prima di salvare.</translation>
    </message>
    <message>
        <source>The game reads only the first %1 lines: this one is never asked.</source>
        <translation>Il gioco legge solo le prime %1 righe: questa non viene mai chiesta.</translation>
    </message>
    <message>
        <source>Not read: the game holds %1 questions.</source>
        <translation>Non letta: il gioco contiene %1 domande.</translation>
    </message>
    <message>
        <source>The line is %1 characters: the game reads the first %2.</source>
        <translation>La riga ha %1 caratteri: il gioco legge i primi %2.</translation>
    </message>
    <message>
        <source>The game shows the first %1 characters.</source>
        <translation>Il gioco mostra i primi %1 caratteri.</translation>
    </message>
    <message>
        <source>Edit %1 on line %2</source>
        <translation>Modifica %1 alla riga %2</translation>
    </message>
    <message>
        <source>Replace %1 with %2 on line %3</source>
        <translation>Sostituisci %1 con %2 alla riga %3</translation>
    </message>
    <message>
        <source>Replace %1 with %2 in %3 cells</source>
        <translation>Sostituisci %1 con %2 in %3 celle</translation>
    </message>
    <message>
        <source>Top up with 1 question from %1</source>
        <translation>Completa con 1 domanda da %1</translation>
    </message>
    <message>
        <source>Top up with %1 questions from %2</source>
        <translation>Completa con %1 domande da %2</translation>
    </message>
</context>
<context>
    <name>CellClipboard</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 e altri %2</translation>
    </message>
    <message>
        <source>Paste over %1</source>
        <translation>Incolla su %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Incolla</translation>
    </message>
</context>
<context>
    <name>CharacterReplacements</name>
    <message>
        <source>Spell out the Greek letters %1</source>
        <translation>Scrivi per esteso le lettere greche %1</translation>
    </message>
    <message>
        <source>Replace %1 with the quotes, dashes and spaces the game has</source>
        <translation>Sostituisci %1 con le virgolette, i trattini e gli spazi che il gioco conosce</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>The quote opened on line %1 is never closed, so every row after it would run into one field. Close it, then import again.</source>
        <translation>Le virgolette aperte alla riga %1 non vengono mai chiuse, quindi ogni riga successiva finirebbe in un solo campo. Chiudile, poi importa di nuovo.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rows, more than can be imported at once. Split it, then import each part.</source>
        <translation>Il file contiene più di %1 righe, più di quante se ne possano importare in una volta. Dividilo, poi importa ogni parte.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import “%1”</source>
        <translation>Importa “%1”</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgola</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto e virgola</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulazione</translation>
    </message>
    <message>
        <source>Vertical bar |</source>
        <translation>Barra verticale |</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Altro</translation>
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
        <translation>Windows-1252 (Europa occidentale)</translation>
    </message>
    <message>
        <source>The first row names the &amp;columns</source>
        <translation>La prima riga contiene i nomi delle &amp;colonne</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importa</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separatore:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>C&amp;odifica:</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Prendi:</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Tutte le righe</translation>
    </message>
    <message>
        <source>Rows at random</source>
        <translation>Righe a caso</translation>
    </message>
    <message>
        <source>A range of rows</source>
        <translation>Un intervallo di righe</translation>
    </message>
    <message>
        <source>How many rows</source>
        <translation>Quante righe</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Prima riga</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Ultima riga</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Type the character that separates the fields.</source>
        <translation>Scrivi il carattere che separa i campi.</translation>
    </message>
    <message>
        <source>The file holds 1 row.</source>
        <translation>Il file contiene 1 riga.</translation>
    </message>
    <message>
        <source>The file holds %1 rows; the first %2 are shown.</source>
        <translation>Il file contiene %1 righe; sono mostrate le prime %2.</translation>
    </message>
    <message>
        <source>The file holds %1 rows.</source>
        <translation>Il file contiene %1 righe.</translation>
    </message>
    <message>
        <source>Row %1 has text past the fourth field, which does not come in: %2.</source>
        <translation>La riga %1 ha del testo dopo il quarto campo, che non viene importato: %2.</translation>
    </message>
</context>
<context>
    <name>EditorGuide</name>
    <message>
        <source>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;The basics&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Adding questions.&lt;/b&gt; Type in a cell to fill it; Enter keeps what you typed. Down on the last row, or Tab or Enter in its last cell, starts a new row, as in a spreadsheet. Insert Row (Ctrl+Return) puts a blank row below the current one, to insert a question between others.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Importing a spreadsheet.&lt;/b&gt; Save it as CSV, then choose File, Import CSV (Ctrl+Shift+I). The preview shows the rows as the bank will hold them and how many the file has; change the separator, encoding or header row if it guessed wrong. From a large file, Take picks a number of rows at random or a range of them. The rows come in below the current row, as one step to undo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Printing a worksheet.&lt;/b&gt; File, Print (Ctrl+P) prints the questions with their answers shuffled, and an answer key; Print Preview shows it first, and Export PDF saves it as a file. New Answer Order shuffles the answers anew for the next print.&lt;/p&gt;&lt;p&gt;&lt;b&gt;After a crash.&lt;/b&gt; The editor keeps unsaved changes aside as you work. When it stopped without saving them, it offers them at the next start: Recover opens them, Discard deletes them, and Not Now keeps them for later.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;Le basi&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Aggiungere domande.&lt;/b&gt; Scrivi in una cella per riempirla; Invio conferma ciò che hai scritto. Freccia giù sull&apos;ultima riga, oppure Tab o Invio nella sua ultima cella, inizia una nuova riga, come in un foglio di calcolo. “Inserisci riga” (Ctrl+Invio) mette una riga vuota sotto quella attuale, per inserire una domanda tra le altre.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Importare un foglio di calcolo.&lt;/b&gt; Salvalo come CSV, poi scegli File, Importa CSV (Ctrl+Maiusc+I). L&apos;anteprima mostra le righe come le conterrà la raccolta e quante ne ha il file; cambia separatore, codifica o riga d&apos;intestazione se ha indovinato male. Da un file grande, “Prendi” sceglie un certo numero di righe a caso o un intervallo di righe. Le righe arrivano sotto la riga attuale, in un solo passo da annullare.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Stampare una scheda.&lt;/b&gt; File, Stampa (Ctrl+P) stampa le domande con le risposte mescolate, e le soluzioni; “Anteprima di stampa” le mostra prima, ed “Esporta PDF” le salva come file. “Nuovo ordine delle risposte” mescola di nuovo le risposte per la prossima stampa.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Dopo un arresto improvviso.&lt;/b&gt; Mentre lavori, l&apos;editor mette da parte le modifiche non salvate. Se si è chiuso senza salvarle, te le propone all&apos;avvio successivo: “Ripristina” le apre, “Scarta” le elimina e “Non ora” le tiene per dopo.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Writing a bank&lt;/h2&gt;&lt;p&gt;Each row is one question: the question itself (the game shows up to 73 characters), the right answer and two wrong ones (up to 26 characters each). The counter in each cell shows how much of the width is used. The game asks the first 100 rows; rows past the 100th are greyed out and never asked. It shows the three answers in a random order, so the right one may stand anywhere.&lt;/p&gt;&lt;p&gt;A straight double quote cannot go in a field: the game uses it to end fields. Typed, pasted or replaced, it becomes an opening or closing typographic quote, and line breaks become spaces; Find still finds typographic quotes from a straight one. The game uses the Windows-1252 characters: one it lacks is marked red, and the bank is not saved until it is replaced. Fix offers a replacement where there is one.&lt;/p&gt;&lt;p&gt;Ctrl+F finds text in the fields and Ctrl+H replaces it; F3 and Shift+F3 find the next and previous cell. The Edit menu sorts the rows by the current column and shuffles them; rows holding nothing stay at the end. Every change can be undone.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Scrivere una raccolta&lt;/h2&gt;&lt;p&gt;Ogni riga è una domanda: la domanda stessa (il gioco ne mostra fino a 73 caratteri), la risposta giusta e due sbagliate (fino a 26 caratteri ciascuna). Il contatore in ogni cella mostra quanta parte della larghezza è usata. Il gioco chiede le prime 100 righe; le righe dopo la centesima sono in grigio e non vengono mai chieste. Mostra le tre risposte in ordine casuale, quindi quella giusta può stare in qualsiasi posizione.&lt;/p&gt;&lt;p&gt;Le virgolette doppie dritte non possono stare in un campo: il gioco le usa per chiudere i campi. Digitate, incollate o sostituite, diventano virgolette tipografiche di apertura o di chiusura, e gli a capo diventano spazi; “Trova” trova le virgolette tipografiche anche partendo da quelle dritte. Il gioco usa i caratteri di Windows-1252: un carattere che manca viene segnato in rosso, e la raccolta non viene salvata finché non è sostituito. “Correggi” propone un sostituto quando c&apos;è.&lt;/p&gt;&lt;p&gt;Ctrl+F trova il testo nei campi e Ctrl+H lo sostituisce; F3 e Maiusc+F3 trovano la cella successiva e quella precedente. Il menu Modifica ordina le righe secondo la colonna attuale e le mescola; le righe vuote restano in fondo. Ogni modifica si può annullare.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Problems and warnings&lt;/h2&gt;&lt;p&gt;The panel below the table lists what will not play as written, and warnings about questions that play but may not work once the answers are shuffled. Choose one, or press F8 and Shift+F8, to go to its field. Fix mends the chosen one; Fix All mends every one it can, line ends first, as one step to undo. Fix All never shortens what you wrote: Fix on a field too long selects what the game drops, for you to reword, and Cut Field to Its Width cuts it; Fix on a line over 140 characters opens its longest field to reword. Each row&apos;s header shows its line&apos;s length against 140. Check rows past 100 lists the findings on the rows the game never reads too; Edit, Delete Rows Past 100 keeps the first 100.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Problemi e avvisi&lt;/h2&gt;&lt;p&gt;Il pannello sotto la tabella elenca ciò che non verrà giocato così come è scritto, e gli avvisi sulle domande che si giocano ma potrebbero non funzionare una volta mescolate le risposte. Scegline uno, oppure premi F8 e Maiusc+F8, per andare al suo campo. “Correggi” sistema quello scelto; “Correggi tutti” sistema tutti quelli che può, prima i fine riga, in un solo passo da annullare. “Correggi tutti” non accorcia mai ciò che hai scritto: “Correggi” su un campo troppo lungo seleziona ciò che il gioco scarta, perché tu lo riformuli, e “Accorcia il campo alla sua larghezza” lo taglia; “Correggi” su una riga di oltre 140 caratteri apre il suo campo più lungo da riformulare. L&apos;intestazione di ogni riga mostra la sua lunghezza rispetto a 140. “Controlla le righe oltre 100” elenca anche le segnalazioni sulle righe che il gioco non legge mai; Modifica, “Elimina righe oltre 100” tiene le prime 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Playing the bank&lt;/h2&gt;&lt;p&gt;F5 (File, Play This Bank) saves the bank, then starts the game with it. A bank named &lt;i&gt;quarl3.tqz&lt;/i&gt; is played in its own folder; any other is copied under that name into a temporary folder of its own, removed when the game ends. With fewer than 100 questions it asks first, as the game would draw the empty slots too.&lt;/p&gt;&lt;p&gt;To reach 100, File, Top Up from Bank adds questions from another bank, leaving out those this bank already asks; New from Starter Bank opens a copy of a bank that comes with the game. Play Without Saving (Shift+F5) tries the table as it stands from a temporary copy, for a bank that cannot be saved where it is.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Giocare la raccolta&lt;/h2&gt;&lt;p&gt;F5 (File, Gioca con questa raccolta) salva la raccolta, poi avvia il gioco con essa. Una raccolta di nome &lt;i&gt;quarl3.tqz&lt;/i&gt; viene giocata nella sua cartella; ogni altra viene copiata con quel nome in una sua cartella temporanea, che viene rimossa quando il gioco finisce. Con meno di 100 domande, l&apos;editor chiede prima, perché il gioco estrarrebbe anche i posti vuoti.&lt;/p&gt;&lt;p&gt;Per arrivare a 100, File, “Completa da raccolta” aggiunge domande da un&apos;altra raccolta, tralasciando quelle che questa raccolta chiede già; “Nuova da raccolta di base” apre una copia di una raccolta fornita con il gioco. “Gioca senza salvare” (Maiusc+F5) prova la tabella così com&apos;è da una copia temporanea, per una raccolta che non si può salvare dove si trova.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;The manual tells the whole story: type &lt;tt&gt;man 6 korvedit&lt;/tt&gt; in a terminal, or open &lt;a href=&quot;man:korvedit(6)&quot;&gt;the korvedit manual page&lt;/a&gt; where the desktop can show it.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Altro&lt;/h2&gt;&lt;p&gt;Il manuale racconta tutto: scrivi &lt;tt&gt;man 6 korvedit&lt;/tt&gt; in un terminale, oppure apri &lt;a href=&quot;man:korvedit(6)&quot;&gt;la pagina di manuale di korvedit&lt;/a&gt; dove il desktop può mostrarla.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;This guide is the editor&apos;s manual here: start with &lt;a href=&quot;#basics&quot;&gt;the basics&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Altro&lt;/h2&gt;&lt;p&gt;Qui questa guida fa da manuale dell&apos;editor: inizia da &lt;a href=&quot;#basics&quot;&gt;le basi&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Question Editor Guide</source>
        <translation>Guida all&apos;editor di domande</translation>
    </message>
</context>
<context>
    <name>FieldEdit</name>
    <message>
        <source>Line breaks and Ctrl-Z cannot go in a field: the game reads them as the end of the line or of the bank.</source>
        <translation>Gli a capo e Ctrl-Z non possono stare in un campo: il gioco li legge come la fine della riga o della raccolta.</translation>
    </message>
    <message>
        <source>Pasted double quotes became typographic ones, and line breaks spaces: the game reads a straight double quote as the end of the field.</source>
        <translation>Le virgolette doppie incollate sono diventate tipografiche, e gli a capo spazi: il gioco legge una virgoletta doppia dritta come la fine del campo.</translation>
    </message>
    <message>
        <source>“%1” is not in the game&apos;s character set (Windows-1252): the bank cannot be saved until it is replaced.</source>
        <translation>“%1” non è nel set di caratteri del gioco (Windows-1252): la raccolta non si può salvare finché non viene sostituito.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>its access list cannot be read (%1)</source>
        <translation>il suo elenco di accesso non si può leggere (%1)</translation>
    </message>
    <message>
        <source>its access list cannot be given to the new file (%1)</source>
        <translation>il suo elenco di accesso non si può trasferire al nuovo file (%1)</translation>
    </message>
    <message>
        <source>its attribute %1 cannot be given to the new file (%2)</source>
        <translation>il suo attributo %1 non si può trasferire al nuovo file (%2)</translation>
    </message>
    <message>
        <source>its attributes cannot be read (%1)</source>
        <translation>i suoi attributi non si possono leggere (%1)</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Tro&amp;va:</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Sostituisci &amp;con:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>Ma&amp;iuscole/minuscole</translation>
    </message>
    <message>
        <source>Nex&amp;t</source>
        <translation>Succ&amp;essivo</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>Prece&amp;dente</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>Sos&amp;tituisci</translation>
    </message>
    <message>
        <source>Replace A&amp;ll</source>
        <translation>Sostituisci tutt&amp;o</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Chiudi</translation>
    </message>
    <message>
        <source>Close the find strip (Esc)</source>
        <translation>Chiudi la barra di ricerca (Esc)</translation>
    </message>
    <message>
        <source>%1 is not in the bank.</source>
        <translation>%1 non è nella raccolta.</translation>
    </message>
    <message>
        <source>Replaced in 1 cell.</source>
        <translation>Sostituito in 1 cella.</translation>
    </message>
    <message>
        <source>Replaced in %1 cells.</source>
        <translation>Sostituito in %1 celle.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>The game is already running. Close it to play the bank again.</source>
        <translation>Il gioco è già in corso. Chiudilo per giocare di nuovo la raccolta.</translation>
    </message>
    <message>
        <source>The game (%1) was found neither beside the editor nor on the PATH. Install Korvane, then try again.</source>
        <translation>Il gioco (%1) non è stato trovato né accanto all&apos;editor né nel PATH. Installa Korvane, poi riprova.</translation>
    </message>
    <message>
        <source>The bank could not be copied for the game into a temporary folder.</source>
        <translation>Non è stato possibile copiare la raccolta per il gioco in una cartella temporanea.</translation>
    </message>
    <message>
        <source>The game stopped unexpectedly.</source>
        <translation>Il gioco si è chiuso inaspettatamente.</translation>
    </message>
    <message>
        <source>The game could not be started: %1</source>
        <translation>Impossibile avviare il gioco: %1</translation>
    </message>
</context>
<context>
    <name>LineCountSummary</name>
    <message>
        <source>1 line</source>
        <translation>1 riga</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 righe</translation>
    </message>
    <message>
        <source>%1 of %2: the game still draws from all %2 slots, so %3 of its questions come up blank, with empty answers</source>
        <translation>%1 di %2: il gioco estrae comunque da tutti i %2 posti, quindi %3 delle sue domande escono vuote, con risposte vuote</translation>
    </message>
    <message>
        <source>%1: the game reads them all</source>
        <translation>%1: il gioco le legge tutte</translation>
    </message>
    <message>
        <source>%1: the game reads the first %2 and never shows the other %3</source>
        <translation>%1: il gioco legge le prime %2 e non mostra mai le altre %3</translation>
    </message>
</context>
<context>
    <name>ProblemPanel</name>
    <message>
        <source>Bank: %1</source>
        <translation>Raccolta: %1</translation>
    </message>
    <message>
        <source>Line %1, warning: %2</source>
        <translation>Riga %1, avviso: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Riga %1: %2</translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>Pro&amp;blemi</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemi</translation>
    </message>
    <message>
        <source>What the game would leave out, cut or show differently. Press Enter to go to the field.</source>
        <translation>Ciò che il gioco tralascerebbe, taglierebbe o mostrerebbe in modo diverso. Premi Invio per andare al campo.</translation>
    </message>
    <message>
        <source>Fi&amp;x</source>
        <translation>Co&amp;rreggi</translation>
    </message>
    <message>
        <source>Fix the selected problem</source>
        <translation>Correggi il problema selezionato</translation>
    </message>
    <message>
        <source>Fix the selected problem the way the game expects</source>
        <translation>Correggi il problema selezionato nel modo che il gioco si aspetta</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>Correggi t&amp;utti</translation>
    </message>
    <message>
        <source>Fix every problem that can be fixed</source>
        <translation>Correggi ogni problema che si può correggere</translation>
    </message>
    <message>
        <source>Fix every problem of every kind that Fix can mend, as one step to undo</source>
        <translation>Correggi ogni problema di ogni tipo che “Correggi” sa sistemare, in un solo passo da annullare</translation>
    </message>
    <message>
        <source>Check rows past &amp;100</source>
        <translation>Controlla le righe oltre &amp;100</translation>
    </message>
    <message>
        <source>Also check the rows past 100, which the game never reads, before deleting rows brings them up: their problems, questions asked twice and answers alike</source>
        <translation>Controlla anche le righe oltre la centesima, che il gioco non legge mai, prima che l&apos;eliminazione di righe le porti avanti: i loro problemi, le domande poste due volte e le risposte uguali</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Correggi</translation>
    </message>
    <message>
        <source>Fix can put this right in one step.</source>
        <translation>“Correggi” può sistemarlo in un solo passo.</translation>
    </message>
    <message>
        <source>The game plays this line, but the question may not work once the answers are shuffled.</source>
        <translation>Il gioco usa questa riga, ma la domanda potrebbe non funzionare una volta mescolate le risposte.</translation>
    </message>
    <message>
        <source>1 finding on rows past %1</source>
        <translation>1 segnalazione sulle righe oltre la %1</translation>
    </message>
    <message>
        <source>%1 findings on rows past %2</source>
        <translation>%1 segnalazioni sulle righe oltre la %2</translation>
    </message>
</context>
<context>
    <name>QuestionPreview</name>
    <message>
        <source>Preview of the question window</source>
        <translation>Anteprima della finestra della domanda</translation>
    </message>
    <message>
        <source>A) is the right answer here; the game shuffles the three answers.</source>
        <translation>Qui A) è la risposta giusta; il gioco mescola le tre risposte.</translation>
    </message>
    <message>
        <source>The game does not read this line: it holds %1 questions, from the first %1 lines.</source>
        <translation>Il gioco non legge questa riga: contiene %1 domande, dalle prime %1 righe.</translation>
    </message>
    <message>
        <source>Select a question to see it as the game shows it.</source>
        <translation>Seleziona una domanda per vederla come la mostra il gioco.</translation>
    </message>
</context>
<context>
    <name>QuizPrintCommands</name>
    <message>
        <source>The answers will be printed in a new order.</source>
        <translation>Le risposte verranno stampate in un nuovo ordine.</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Editor di domande di Korvane</translation>
    </message>
    <message>
        <source>Sheets of order %1 were already printed. Their key will not match a sheet of another order. Change the order?</source>
        <translation>Sono già state stampate schede dell&apos;ordine %1. Le loro soluzioni non corrisponderanno a una scheda di un altro ordine. Cambiare l&apos;ordine?</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>There is nothing to print: no line has a question.</source>
        <translation>Non c&apos;è nulla da stampare: nessuna riga ha una domanda.</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Stampa…</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Anteprima</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>&amp;Esporta…</translation>
    </message>
    <message>
        <source>The quiz was not printed: the printer could not start.</source>
        <translation>Il quiz non è stato stampato: non è stato possibile avviare la stampante.</translation>
    </message>
    <message>
        <source>Print Preview — %1</source>
        <translation>Anteprima di stampa — %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Esporta PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;All files (*)</source>
        <translation>Documenti PDF (*.pdf);;Tutti i file (*)</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>Esportato: %1</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2. Choose another folder or name, then export again.</source>
        <translation>Impossibile scrivere “%1”: %2. Scegli un&apos;altra cartella o un altro nome, poi esporta di nuovo.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>non è stato possibile disegnare le pagine</translation>
    </message>
</context>
<context>
    <name>QuizPrinter</name>
    <message>
        <source>Write the letter of the right answer in the box beside each question.</source>
        <translation>Scrivi la lettera della risposta giusta nella casella accanto a ogni domanda.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nome</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Data</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1 — pagina %2 di %3 — Ordine %4 (controllo %5)</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Soluzioni: %1</translation>
    </message>
    <message>
        <source>%1, answer key — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1, soluzioni — pagina %2 di %3 — Ordine %4 (controllo %5)</translation>
    </message>
</context>
<context>
    <name>QuizSheetDialog</name>
    <message>
        <source>&amp;All questions (%1)</source>
        <translation>T&amp;utte le domande (%1)</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>&amp;Domande</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Estrai</translation>
    </message>
    <message>
        <source>&amp;Compact: more questions on a page</source>
        <translation>&amp;Compatto: più domande per pagina</translation>
    </message>
    <message>
        <source>Quiz Sheet</source>
        <translation>Scheda del quiz</translation>
    </message>
    <message>
        <source>&amp;Paper…</source>
        <translation>Ca&amp;rta…</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titolo:</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Domande:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>at random</source>
        <translation>a caso</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Impaginazione:</translation>
    </message>
    <message>
        <source>Printed on every page of the sheet and its key. Type an earlier order&apos;s number to print its sheet again.</source>
        <translation>Stampato su ogni pagina della scheda e delle sue soluzioni. Scrivi il numero di un ordine precedente per stampare di nuovo la sua scheda.</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>&amp;Ordine:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pagine:</translation>
    </message>
    <message>
        <source>%1 for the sheet, %2 for the key, on %3 paper</source>
        <translation>%1 per la scheda, %2 per le soluzioni, su carta %3</translation>
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
        <translation>&amp;Svuota l&apos;elenco</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>non è JSON (%1 al byte %2)</translation>
    </message>
    <message>
        <source>not a recovery file of the question editor</source>
        <translation>non è un file di ripristino dell&apos;editor di domande</translation>
    </message>
    <message>
        <source>written by another version of the question editor</source>
        <translation>scritto da un&apos;altra versione dell&apos;editor di domande</translation>
    </message>
    <message>
        <source>the bank&apos;s name is damaged</source>
        <translation>il nome della raccolta è danneggiato</translation>
    </message>
    <message>
        <source>the time it was written is damaged</source>
        <translation>l&apos;ora in cui è stato scritto è danneggiata</translation>
    </message>
    <message>
        <source>it holds no line</source>
        <translation>non contiene nessuna riga</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>la riga %1 è danneggiata</translation>
    </message>
    <message>
        <source>the text after the end of the data is damaged</source>
        <translation>il testo dopo la fine dei dati è danneggiato</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>impossibile creare la cartella %1</translation>
    </message>
    <message>
        <source>%1 is locked by another editor</source>
        <translation>%1 è bloccato da un altro editor</translation>
    </message>
    <message>
        <source>its lock %1 cannot be made (%2)</source>
        <translation>impossibile creare il suo blocco %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>it could not be kept for recovery in %1 (%2), nor in %3 (%4)</source>
        <translation>non è stato possibile conservarle per il ripristino né in %1 (%2) né in %3 (%4)</translation>
    </message>
    <message>
        <source>they could not be kept for recovery in %1 (%2)</source>
        <translation>non è stato possibile conservarle per il ripristino in %1 (%2)</translation>
    </message>
    <message>
        <source>, nor in %1 (%2)</source>
        <translation>, né in %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryOffers</name>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Ripristina le modifiche non salvate</translation>
    </message>
    <message>
        <source>an untitled bank</source>
        <translation>una raccolta senza titolo</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>“%1”</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d MMMM yyyy &apos;alle&apos; HH:mm</translation>
    </message>
    <message>
        <source>“%1” is open in another question editor, with unsaved changes.</source>
        <translation>“%1” è aperta in un altro editor di domande, con modifiche non salvate.</translation>
    </message>
    <message>
        <source>Bank Open Elsewhere</source>
        <translation>Raccolta aperta altrove</translation>
    </message>
    <message>
        <source>Whichever editor saves it last replaces what the other saved. Save or close it there first, then open it here again.</source>
        <translation>L&apos;editor che la salva per ultimo sostituisce ciò che ha salvato l&apos;altro. Salvala o chiudila prima là, poi aprila di nuovo qui.</translation>
    </message>
    <message>
        <source>The recovery file %1 cannot be read: %2.</source>
        <translation>Il file di ripristino %1 non si può leggere: %2.</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 were kept on %2, when the editor stopped without saving them.</source>
        <translation>Le modifiche non salvate a %1 sono state conservate il %2, quando l&apos;editor si è chiuso senza salvarle.</translation>
    </message>
    <message>
        <source>Recover opens them as a new bank</source>
        <translation>“Ripristina” le apre come una nuova raccolta</translation>
    </message>
    <message>
        <source>Recover opens them as unsaved changes to %1</source>
        <translation>“Ripristina” le apre come modifiche non salvate a %1</translation>
    </message>
    <message>
        <source>; save them to keep them. Discard deletes them. Not Now keeps them for later.</source>
        <translation>; salvale per conservarle. “Scarta” le elimina. “Non ora” le tiene per dopo.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Ripristina</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Scarta</translation>
    </message>
    <message>
        <source>&amp;Not Now</source>
        <translation>&amp;Non ora</translation>
    </message>
    <message>
        <source>Move Aside renames it %1, which the editor does not read at start. Not Now leaves it where it is.</source>
        <translation>“Metti da parte” lo rinomina in %1, che l&apos;editor non legge all&apos;avvio. “Non ora” lo lascia dov&apos;è.</translation>
    </message>
    <message>
        <source>Not Now leaves it where it is.</source>
        <translation>“Non ora” lo lascia dov&apos;è.</translation>
    </message>
    <message>
        <source>&amp;Move Aside</source>
        <translation>&amp;Metti da parte</translation>
    </message>
    <message>
        <source>Delete the unsaved changes to %1 kept on %2?</source>
        <translation>Eliminare le modifiche non salvate a %1 conservate il %2?</translation>
    </message>
    <message>
        <source>Delete the recovery file %1?</source>
        <translation>Eliminare il file di ripristino %1?</translation>
    </message>
    <message>
        <source>They cannot be recovered afterwards.</source>
        <translation>Non si potranno più ripristinare.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Elimina</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Editor di domande di Korvane</translation>
    </message>
    <message>
        <source>Write, check and play question banks for Korvane.</source>
        <translation>Scrivi, controlla e gioca raccolte di domande per Korvane.</translation>
    </message>
    <message>
        <source>Speak this language (de: German) rather than the system&apos;s.</source>
        <translation>Parla questa lingua (it: italiano, de: tedesco) invece di quella del sistema.</translation>
    </message>
    <message>
        <source>The question bank (.tqz) to open.</source>
        <translation>La raccolta di domande (.tqz) da aprire.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>codice</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>raccolta</translation>
    </message>
    <message>
        <source>[bank]</source>
        <translation>[raccolta]</translation>
    </message>
</context>
</TS>
