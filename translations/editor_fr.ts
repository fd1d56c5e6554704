<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr" sourcelanguage="en">
<context>
    <name>BankEditorWindow</name>
    <message>
        <source>Your changes are not protected: %1.</source>
        <translation>Tes modifications ne sont pas protégées&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Your changes are kept for recovery in %1, as the usual folder cannot take them.</source>
        <translation>Tes modifications sont conservées pour récupération dans %1, car le dossier habituel ne peut pas les recevoir.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Questions</translation>
    </message>
    <message>
        <source>One row per line of the bank: the question, the right answer and two wrong answers.</source>
        <translation>Une ligne du tableau par ligne de la banque&#xa0;: la question, la bonne réponse et deux mauvaises réponses.</translation>
    </message>
    <message>
        <source>Line count</source>
        <translation>Nombre de lignes</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nouveau</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Ouvrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Ouvrir un fichier &amp;récent</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Enregistrer</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Enregistrer &amp;sous…</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Importer un CSV…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>Exporter en &amp;CSV…</translation>
    </message>
    <message>
        <source>P&amp;lay This Bank</source>
        <translation>&amp;Jouer avec cette banque</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Quitter</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rétablir</translation>
    </message>
    <message>
        <source>Question Editor &amp;Guide</source>
        <translation>&amp;Guide de l&apos;éditeur de questions</translation>
    </message>
    <message>
        <source>&amp;About Korvane Question Editor</source>
        <translation>À &amp;propos de l&apos;éditeur de questions Korvane</translation>
    </message>
    <message>
        <source>Save the bank, then play it in Korvane</source>
        <translation>Enregistrer la banque, puis y jouer dans Korvane</translation>
    </message>
    <message>
        <source>&lt;b&gt;Korvane Question Editor %1&lt;/b&gt;&lt;p&gt;Write the questions for your own game of Korvane: a hundred of them, each with its right answer and two wrong ones. Every line is checked as you type, shown the way the game will show it, and one key plays the bank.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Éditeur de questions Korvane %1&lt;/b&gt;&lt;p&gt;Écris les cent questions de ta propre partie de Korvane, chacune avec sa bonne réponse et deux mauvaises. Chaque ligne est vérifiée pendant que tu tapes et montrée comme le jeu la montrera, et une seule touche lance la partie avec la banque.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The game is running.</source>
        <translation>Le jeu est en cours.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Fichier</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>É&amp;dition</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Problèmes</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>&amp;Aide</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Éditeur de questions Korvane</translation>
    </message>
    <message>
        <source>The field being edited cannot take its text as it stands, so nothing went on. Change the text, or press Esc to leave the field as it was.</source>
        <translation>Le champ en cours de modification ne peut pas recevoir son texte tel quel, donc rien n&apos;a été fait. Modifie le texte, ou appuie sur Échap pour laisser le champ comme il était.</translation>
    </message>
    <message>
        <source>%1: row %2, %3, holds “%4”, a character the game cannot show (it uses Windows-1252). Replace it, then try again.</source>
        <translation>%1&#xa0;: ligne %2, %3, contient «&#xa0;%4&#xa0;», un caractère que le jeu ne peut pas afficher (il utilise Windows-1252). Remplace-le, puis réessaie.</translation>
    </message>
    <message>
        <source>The bank was not saved</source>
        <translation>La banque n&apos;a pas été enregistrée</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Enregistré&#xa0;: %1</translation>
    </message>
    <message>
        <source>the new bank</source>
        <translation>la nouvelle banque</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Modifications non enregistrées</translation>
    </message>
    <message>
        <source>Save the changes to %1 first?</source>
        <translation>Enregistrer d&apos;abord les modifications de %1&#xa0;?</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>Les modifications non enregistrées seront perdues.</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Ne pas enregistrer</translation>
    </message>
    <message>
        <source>Save Bank As</source>
        <translation>Enregistrer la banque sous</translation>
    </message>
    <message>
        <source>Open Bank</source>
        <translation>Ouvrir une banque</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importer un CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Valeurs séparées par des virgules (*.csv);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>Rien n&apos;a été importé&#xa0;: %1.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exporter en CSV</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2.</translation>
    </message>
    <message>
        <source>“%1” was deleted or renamed by another program. Its questions stay open here, and Save writes the file again.</source>
        <translation>«&#xa0;%1&#xa0;» a été supprimé ou renommé par un autre programme. Ses questions restent ouvertes ici, et «&#xa0;Enregistrer&#xa0;» réécrit le fichier.</translation>
    </message>
    <message>
        <source>Changed on Disk</source>
        <translation>Modifié sur le disque</translation>
    </message>
    <message>
        <source>Another program changed “%1” since it was opened or saved here.</source>
        <translation>Un autre programme a modifié «&#xa0;%1&#xa0;» depuis qu&apos;il a été ouvert ou enregistré ici.</translation>
    </message>
    <message>
        <source>Reload it to see that version (Undo brings yours back), keep your version and save it over the other, or save yours as another file.</source>
        <translation>Recharge-le pour voir cette version («&#xa0;Annuler&#xa0;» du menu Édition ramène la tienne), garde ta version et enregistre-la par-dessus l&apos;autre, ou enregistre la tienne dans un autre fichier.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recharger</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Garder la mienne</translation>
    </message>
    <message>
        <source>Your version, which Reload replaces, is not protected: %1. Undo brings it back while the editor runs.</source>
        <translation>Ta version, que «&#xa0;Recharger&#xa0;» remplace, n&apos;est pas protégée&#xa0;: %1. «&#xa0;Annuler&#xa0;» du menu Édition la ramène tant que l&apos;éditeur est ouvert.</translation>
    </message>
    <message>
        <source>Reload %1 from disk</source>
        <translation>Recharger %1 depuis le disque</translation>
    </message>
    <message>
        <source>%1 Its questions stay open here as they were.</source>
        <translation>%1 Ses questions restent ouvertes ici telles qu&apos;elles étaient.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sans titre</translation>
    </message>
    <message>
        <source>%1[*] — Korvane Question Editor</source>
        <translation>%1[*] — Éditeur de questions Korvane</translation>
    </message>
    <message>
        <source>Game Running</source>
        <translation>Jeu en cours</translation>
    </message>
    <message>
        <source>The game started from this editor is still running. Closing the editor ends the game too.</source>
        <translation>Le jeu lancé depuis cet éditeur est toujours en cours. Fermer l&apos;éditeur termine aussi le jeu.</translation>
    </message>
    <message>
        <source>&amp;End Game and Close</source>
        <translation>&amp;Terminer le jeu et fermer</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Aperçu avant impression…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>I&amp;mprimer…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>Exporter en P&amp;DF…</translation>
    </message>
    <message>
        <source>New Answer Or&amp;der</source>
        <translation>Nou&amp;vel ordre des réponses</translation>
    </message>
    <message>
        <source>Show the question sheet and its answer key as they will print</source>
        <translation>Montrer la feuille de questions et son corrigé tels qu&apos;ils seront imprimés</translation>
    </message>
    <message>
        <source>Save the question sheet and its answer key as a PDF file</source>
        <translation>Enregistrer la feuille de questions et son corrigé dans un fichier PDF</translation>
    </message>
    <message>
        <source>Shuffle the answers of the next print anew</source>
        <translation>Mélanger à nouveau les réponses pour la prochaine impression</translation>
    </message>
    <message>
        <source>New from Starter &amp;Bank…</source>
        <translation>Nouveau à partir d&apos;une banque &amp;fournie…</translation>
    </message>
    <message>
        <source>Start a new bank holding the questions of a bank that comes with the game</source>
        <translation>Commencer une nouvelle banque avec les questions d&apos;une banque fournie avec le jeu</translation>
    </message>
    <message>
        <source>&amp;Top Up from Bank…</source>
        <translation>Com&amp;pléter depuis une banque…</translation>
    </message>
    <message>
        <source>Add questions from another bank, leaving out those this one already asks, up to 100</source>
        <translation>Ajouter des questions d&apos;une autre banque, sans celles que celle-ci pose déjà, jusqu&apos;à 100</translation>
    </message>
    <message>
        <source>Play &amp;Without Saving</source>
        <translation>Jouer sans enregis&amp;trer</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving its file as it is</source>
        <translation>Jouer avec la banque telle qu&apos;elle est, depuis une copie temporaire, sans toucher à son fichier</translation>
    </message>
    <message>
        <source>New from Starter Bank</source>
        <translation>Nouveau à partir d&apos;une banque fournie</translation>
    </message>
    <message>
        <source>Top Up from Bank</source>
        <translation>Compléter depuis une banque</translation>
    </message>
    <message>
        <source>Other File…</source>
        <translation>Autre fichier…</translation>
    </message>
    <message>
        <source>The banks that come with the game were not found. Install Korvane, then try again.</source>
        <translation>Les banques fournies avec le jeu sont introuvables. Installe Korvane, puis réessaie.</translation>
    </message>
    <message>
        <source>Take questions from:</source>
        <translation>Prendre les questions de&#xa0;:</translation>
    </message>
    <message>
        <source>Start from:</source>
        <translation>Partir de&#xa0;:</translation>
    </message>
    <message>
        <source>Added 1 question from %1</source>
        <translation>1 question ajoutée depuis %1</translation>
    </message>
    <message>
        <source>Added %1 questions from %2</source>
        <translation>%1 questions ajoutées depuis %2</translation>
    </message>
    <message>
        <source>, leaving out 1 already in this bank</source>
        <translation>, en laissant de côté 1 question déjà dans cette banque</translation>
    </message>
    <message>
        <source>, leaving out %1 already in this bank</source>
        <translation>, en laissant de côté %1 questions déjà dans cette banque</translation>
    </message>
    <message>
        <source>%1 more did not fit in the %2 slots.</source>
        <translation>%1 autres ne tenaient pas dans les %2 emplacements.</translation>
    </message>
    <message>
        <source>Nothing was added: the bank already fills all %1 slots the game reads.</source>
        <translation>Rien n&apos;a été ajouté&#xa0;: la banque remplit déjà les %1 emplacements que le jeu lit.</translation>
    </message>
    <message>
        <source>Nothing was added: every question in %1 is already in this bank, or it holds none.</source>
        <translation>Rien n&apos;a été ajouté&#xa0;: chaque question de %1 est déjà dans cette banque, ou %1 n&apos;en contient aucune.</translation>
    </message>
    <message>
        <source>Empty Slots</source>
        <translation>Emplacements vides</translation>
    </message>
    <message>
        <source>%1 of the %2 slots are empty.</source>
        <translation>%1 des %2 emplacements sont vides.</translation>
    </message>
    <message>
        <source>The game draws an empty slot as often as any other, so players will now and then get a question with nothing in it. Play anyway, or top the bank up from another first?</source>
        <translation>Le jeu tire un emplacement vide aussi souvent que les autres, donc les joueurs auront de temps en temps une question sans rien dedans. Jouer quand même, ou d&apos;abord compléter la banque depuis une autre&#xa0;?</translation>
    </message>
    <message>
        <source>&amp;Play Anyway</source>
        <translation>&amp;Jouer quand même</translation>
    </message>
    <message>
        <source>&amp;Top Up…</source>
        <translation>&amp;Compléter…</translation>
    </message>
    <message>
        <source>Cannot Save Here</source>
        <translation>Impossible d&apos;enregistrer ici</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving the file as it is and your changes unsaved here, or save it as another file.</source>
        <translation>Jouer avec la banque telle qu&apos;elle est, depuis une copie temporaire, en laissant le fichier tel quel et tes modifications non enregistrées ici, ou l&apos;enregistrer dans un autre fichier.</translation>
    </message>
    <message>
        <source>The bank was not played</source>
        <translation>La partie avec la banque n&apos;a pas été lancée</translation>
    </message>
    <message>
        <source>&amp;Next Problem</source>
        <translation>Problème &amp;suivant</translation>
    </message>
    <message>
        <source>&amp;Previous Problem</source>
        <translation>Problème &amp;précédent</translation>
    </message>
    <message>
        <source>&amp;Fix Selected Problem</source>
        <translation>&amp;Corriger le problème sélectionné</translation>
    </message>
    <message>
        <source>Fix All of This &amp;Kind</source>
        <translation>Corriger tous ceux de ce &amp;type</translation>
    </message>
    <message>
        <source>Fix &amp;All Problems</source>
        <translation>Corriger t&amp;ous les problèmes</translation>
    </message>
    <message>
        <source>&amp;Cut Field to Its Width</source>
        <translation>&amp;Raccourcir le champ à sa largeur</translation>
    </message>
    <message>
        <source>Cut the selected field to the width the game keeps, dropping the rest</source>
        <translation>Raccourcir le champ sélectionné à la largeur que le jeu garde, en supprimant le reste</translation>
    </message>
    <message>
        <source>Go to the next problem or warning in the bank</source>
        <translation>Aller au problème ou à l&apos;avertissement suivant dans la banque</translation>
    </message>
    <message>
        <source>Go to the previous problem or warning in the bank</source>
        <translation>Aller au problème ou à l&apos;avertissement précédent dans la banque</translation>
    </message>
    <message>
        <source>Fix every problem like the selected one, as one step to undo</source>
        <translation>Corriger tous les problèmes comme celui sélectionné, en une seule étape à annuler</translation>
    </message>
    <message>
        <source>Fix every problem Fix can mend, line ends first, as one step to undo</source>
        <translation>Corriger tous les problèmes que «&#xa0;Corriger&#xa0;» sait réparer, les fins de ligne d&apos;abord, en une seule étape à annuler</translation>
    </message>
    <message>
        <source>No problem or warning on a line to go to.</source>
        <translation>Aucun problème ni avertissement sur une ligne où aller.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Co&amp;uper</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>Co&amp;pier</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>C&amp;oller</translation>
    </message>
    <message>
        <source>Cl&amp;ear Cells</source>
        <translation>&amp;Effacer les cellules</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>&amp;Insérer une ligne</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Supprimer les lignes</translation>
    </message>
    <message>
        <source>Delete Rows Past &amp;100</source>
        <translation>Supprimer les lignes après &amp;100</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>Déplacer vers le &amp;haut</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Déplacer vers le &amp;bas</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Tout sélectionner</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>Re&amp;chercher…</translation>
    </message>
    <message>
        <source>Rep&amp;lace…</source>
        <translation>Remp&amp;lacer…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Rechercher le sui&amp;vant</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Rechercher le précé&amp;dent</translation>
    </message>
    <message>
        <source>&amp;Sort A to Z by This Column</source>
        <translation>Trier de A à Z selo&amp;n cette colonne</translation>
    </message>
    <message>
        <source>Sort &amp;Z to A by This Column</source>
        <translation>Trier de &amp;Z à A selon cette colonne</translation>
    </message>
    <message>
        <source>S&amp;huffle Rows</source>
        <translation>Mélan&amp;ger les lignes</translation>
    </message>
    <message>
        <source>Sort the rows by the current column; rows holding nothing stay at the end</source>
        <translation>Trier les lignes selon la colonne actuelle&#xa0;; les lignes vides restent à la fin</translation>
    </message>
    <message>
        <source>Keep only the first 100 rows, which the game reads</source>
        <translation>Ne garder que les 100 premières lignes, celles que le jeu lit</translation>
    </message>
    <message>
        <source>Put the rows in a random order; rows holding nothing stay at the end</source>
        <translation>Mettre les lignes dans un ordre au hasard&#xa0;; les lignes vides restent à la fin</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Couper</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>Le presse-papiers ne contient aucun texte à coller.</translation>
    </message>
    <message>
        <source>Delete line %1, %2</source>
        <translation>Supprimer la ligne %1, %2</translation>
    </message>
    <message>
        <source>Delete %1 lines from %2 on</source>
        <translation>Supprimer %1 lignes à partir de la ligne %2</translation>
    </message>
    <message>
        <source>Sort the rows by %1, A to Z</source>
        <translation>Trier les lignes selon %1, de A à Z</translation>
    </message>
    <message>
        <source>Sort the rows by %1, Z to A</source>
        <translation>Trier les lignes selon %1, de Z à A</translation>
    </message>
    <message>
        <source>Shuffle the rows</source>
        <translation>Mélanger les lignes</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Couper %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Effacer %1</translation>
    </message>
</context>
<context>
    <name>BankFileReader</name>
    <message>
        <source>a folder</source>
        <translation>un dossier</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>un tube</translation>
    </message>
    <message>
        <source>a device</source>
        <translation>un périphérique</translation>
    </message>
    <message>
        <source>a socket</source>
        <translation>un socket</translation>
    </message>
    <message>
        <source>not an ordinary file</source>
        <translation>ce n&apos;est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>«&#xa0;%1&#xa0;» ne peut pas être ouvert&#xa0;: %2.</translation>
    </message>
    <message>
        <source>it is a link to a file that no longer exists</source>
        <translation>c&apos;est un lien vers un fichier qui n&apos;existe plus</translation>
    </message>
    <message>
        <source>it is %1, not %2</source>
        <translation>c&apos;est %1, pas %2</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>il a changé pendant son ouverture</translation>
    </message>
    <message>
        <source>it grew past %1 while it was being read</source>
        <translation>il a dépassé %1 pendant sa lecture</translation>
    </message>
    <message>
        <source>a question bank file</source>
        <translation>une banque de questions</translation>
    </message>
    <message>
        <source>it holds %1, far more than a question bank of %2 lines</source>
        <translation>il contient %1, bien plus qu&apos;une banque de questions de %2 lignes</translation>
    </message>
    <message>
        <source>the bank would hold %1, more than the %2 the editor can open again</source>
        <translation>la banque contiendrait %1, plus que les %2 que l&apos;éditeur peut rouvrir</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>un fichier CSV</translation>
    </message>
    <message>
        <source>it holds %1, more than a CSV file of %2 rows</source>
        <translation>il contient %1, plus qu&apos;un fichier CSV de %2 lignes</translation>
    </message>
    <message>
        <source>a recovery file</source>
        <translation>un fichier de récupération</translation>
    </message>
    <message>
        <source>it holds %1, more than the unsaved changes to the largest bank the editor opens (%2 bytes) can</source>
        <translation>il contient %1, plus que ne peuvent en occuper les modifications non enregistrées de la plus grande banque que l&apos;éditeur ouvre (%2 octets)</translation>
    </message>
</context>
<context>
    <name>BankFileWriter</name>
    <message>
        <source>the file is read-only</source>
        <translation>le fichier est en lecture seule</translation>
    </message>
    <message>
        <source>%1; the bank is kept as %2</source>
        <translation>%1&#xa0;; la banque est conservée sous le nom %2</translation>
    </message>
</context>
<context>
    <name>BankTableModel</name>
    <message>
        <source>, removing %1 and %2 more</source>
        <translation>, en supprimant %1 et %2 autres</translation>
    </message>
    <message>
        <source>, removing %1</source>
        <translation>, en supprimant %1</translation>
    </message>
    <message>
        <source>Fix all: %1 and %2</source>
        <translation>Tout corriger&#xa0;: %1 et %2</translation>
    </message>
    <message>
        <source>The game&apos;s character set (Windows-1252) has no “%1”: replace it before saving.</source>
        <translation>Le jeu de caractères du jeu (Windows-1252) n&apos;a pas de «&#xa0;%1&#xa0;»&#xa0;: remplace-le avant d&apos;enregistrer.</translation>
    </message>
    <message>
        <source>The game reads only the first %1 lines: this one is never asked.</source>
        <translation>Le jeu ne lit que les %1 premières lignes&#xa0;: celle-ci n&apos;est jamais posée.</translation>
    </message>
    <message>
        <source>Not read: the game holds %1 questions.</source>
        <translation>Non lue&#xa0;: le jeu contient %1 questions.</translation>
    </message>
    <message>
        <source>The line is %1 characters: the game reads the first %2.</source>
        <translation>La ligne fait %1 caractères&#xa0;: le jeu lit les %2 premiers.</translation>
    </message>
    <message>
        <source>The game shows the first %1 characters.</source>
        <translation>Le jeu affiche les %1 premiers caractères.</translation>
    </message>
    <message>
        <source>Edit %1 on line %2</source>
        <translation>Modifier %1 à la ligne %2</translation>
    </message>
    <message>
        <source>Replace %1 with %2 on line %3</source>
        <translation>Remplacer %1 par %2 à la ligne %3</translation>
    </message>
    <message>
        <source>Replace %1 with %2 in %3 cells</source>
        <translation>Remplacer %1 par %2 dans %3 cellules</translation>
    </message>
    <message>
        <source>Top up with 1 question from %1</source>
        <translation>Compléter avec 1 question de %1</translation>
    </message>
    <message>
        <source>Top up with %1 questions from %2</source>
        <translation>Compléter avec %1 questions de %2</translation>
    </message>
</context>
<context>
    <name>CellClipboard</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 et %2 autres</translation>
    </message>
    <message>
        <source>Paste over %1</source>
        <translation>Coller sur %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Coller</translation>
    </message>
</context>
<context>
    <name>CharacterReplacements</name>
    <message>
        <source>Spell out the Greek letters %1</source>
        <translation>Écrire en toutes lettres les lettres grecques %1</translation>
    </message>
    <message>
        <source>Replace %1 with the quotes, dashes and spaces the game has</source>
        <translation>Remplacer %1 par les guillemets, tirets et espaces que le jeu connaît</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>The quote opened on line %1 is never closed, so every row after it would run into one field. Close it, then import again.</source>
        <translation>Le guillemet ouvert à la ligne %1 n&apos;est jamais fermé, donc toutes les lignes suivantes se retrouveraient dans un seul champ. Ferme-le, puis importe à nouveau.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rows, more than can be imported at once. Split it, then import each part.</source>
        <translation>Le fichier contient plus de %1 lignes, plus qu&apos;on ne peut en importer en une fois. Découpe-le, puis importe chaque partie.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import “%1”</source>
        <translation>Importer «&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Virgule</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Point-virgule</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulation</translation>
    </message>
    <message>
        <source>Vertical bar |</source>
        <translation>Barre verticale |</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Autre</translation>
    </message>
    <message>
        <source>UTF-16, little-endian</source>
        <translation>UTF-16, petit-boutiste</translation>
    </message>
    <message>
        <source>UTF-16, big-endian</source>
        <translation>UTF-16, gros-boutiste</translation>
    </message>
    <message>
        <source>Windows-1252 (Western European)</source>
        <translation>Windows-1252 (Europe occidentale)</translation>
    </message>
    <message>
        <source>The first row names the &amp;columns</source>
        <translation>La première ligne nomme les &amp;colonnes</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importer</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Séparateur&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>&amp;Encodage&#xa0;:</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Prendre&#xa0;:</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Toutes les lignes</translation>
    </message>
    <message>
        <source>Rows at random</source>
        <translation>Lignes au hasard</translation>
    </message>
    <message>
        <source>A range of rows</source>
        <translation>Une plage de lignes</translation>
    </message>
    <message>
        <source>How many rows</source>
        <translation>Nombre de lignes</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Première ligne</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Dernière ligne</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>Type the character that separates the fields.</source>
        <translation>Tape le caractère qui sépare les champs.</translation>
    </message>
    <message>
        <source>The file holds 1 row.</source>
        <translation>Le fichier contient 1 ligne.</translation>
    </message>
    <message>
        <source>The file holds %1 rows; the first %2 are shown.</source>
        <translation>Le fichier contient %1 lignes&#xa0;; les %2 premières sont affichées.</translation>
    </message>
    <message>
        <source>The file holds %1 rows.</source>
        <translation>Le fichier contient %1 lignes.</translation>
    </message>
    <message>
        <source>Row %1 has text past the fourth field, which does not come in: %2.</source>
        <translation>La ligne %1 a, après le quatrième champ, du texte qui n&apos;est pas importé&#xa0;: %2.</translation>
    </message>
</context>
<context>
    <name>EditorGuide</name>
    <message>
        <source>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;The basics&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Adding questions.&lt;/b&gt; Type in a cell to fill it; Enter keeps what you typed. Down on the last row, or Tab or Enter in its last cell, starts a new row, as in a spreadsheet. Insert Row (Ctrl+Return) puts a blank row below the current one, to insert a question between others.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Importing a spreadsheet.&lt;/b&gt; Save it as CSV, then choose File, Import CSV (Ctrl+Shift+I). The preview shows the rows as the bank will hold them and how many the file has; change the separator, encoding or header row if it guessed wrong. From a large file, Take picks a number of rows at random or a range of them. The rows come in below the current row, as one step to undo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Printing a worksheet.&lt;/b&gt; File, Print (Ctrl+P) prints the questions with their answers shuffled, and an answer key; Print Preview shows it first, and Export PDF saves it as a file. New Answer Order shuffles the answers anew for the next print.&lt;/p&gt;&lt;p&gt;&lt;b&gt;After a crash.&lt;/b&gt; The editor keeps unsaved changes aside as you work. When it stopped without saving them, it offers them at the next start: Recover opens them, Discard deletes them, and Not Now keeps them for later.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;Les bases&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Ajouter des questions.&lt;/b&gt; Tape dans une cellule pour la remplir&#xa0;; Entrée garde ce que tu as tapé. Flèche bas sur la dernière ligne, ou Tab ou Entrée dans sa dernière cellule, commence une nouvelle ligne, comme dans un tableur. «&#xa0;Insérer une ligne&#xa0;» (Ctrl+Entrée) ajoute une ligne vide sous la ligne actuelle, pour insérer une question entre deux autres.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Importer une feuille de calcul.&lt;/b&gt; Enregistre-la en CSV, puis choisis Fichier, «&#xa0;Importer un CSV&#xa0;» (Ctrl+Maj+I). L&apos;aperçu montre les lignes telles que la banque les contiendra et combien le fichier en a&#xa0;; change le séparateur, l&apos;encodage ou la ligne d&apos;en-tête s&apos;ils ont été mal devinés. Dans un gros fichier, «&#xa0;Prendre&#xa0;» choisit un nombre de lignes au hasard ou une plage de lignes. Les lignes arrivent sous la ligne actuelle, en une seule étape à annuler.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Imprimer une feuille de questions.&lt;/b&gt; Fichier, «&#xa0;Imprimer&#xa0;» (Ctrl+P) imprime les questions avec leurs réponses mélangées, et un corrigé&#xa0;; «&#xa0;Aperçu avant impression&#xa0;» les montre d&apos;abord, et «&#xa0;Exporter en PDF&#xa0;» les enregistre dans un fichier. «&#xa0;Nouvel ordre des réponses&#xa0;» mélange à nouveau les réponses pour la prochaine impression.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Après un plantage.&lt;/b&gt; L&apos;éditeur met de côté les modifications non enregistrées pendant que tu travailles. S&apos;il s&apos;est arrêté sans les enregistrer, il te les propose au démarrage suivant&#xa0;: «&#xa0;Récupérer&#xa0;» les ouvre, «&#xa0;Abandonner&#xa0;» les supprime, et «&#xa0;Plus tard&#xa0;» les garde pour plus tard.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Writing a bank&lt;/h2&gt;&lt;p&gt;Each row is one question: the question itself (the game shows up to 73 characters), the right answer and two wrong ones (up to 26 characters each). The counter in each cell shows how much of the width is used. The game asks the first 100 rows; rows past the 100th are greyed out and never asked. It shows the three answers in a random order, so the right one may stand anywhere.&lt;/p&gt;&lt;p&gt;A straight double quote cannot go in a field: the game uses it to end fields. Typed, pasted or replaced, it becomes an opening or closing typographic quote, and line breaks become spaces; Find still finds typographic quotes from a straight one. The game uses the Windows-1252 characters: one it lacks is marked red, and the bank is not saved until it is replaced. Fix offers a replacement where there is one.&lt;/p&gt;&lt;p&gt;Ctrl+F finds text in the fields and Ctrl+H replaces it; F3 and Shift+F3 find the next and previous cell. The Edit menu sorts the rows by the current column and shuffles them; rows holding nothing stay at the end. Every change can be undone.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Écrire une banque&lt;/h2&gt;&lt;p&gt;Chaque ligne est une question&#xa0;: la question elle-même (le jeu en affiche jusqu&apos;à 73 caractères), la bonne réponse et deux mauvaises (jusqu&apos;à 26 caractères chacune). Le compteur de chaque cellule montre quelle part de la largeur est utilisée. Le jeu pose les 100 premières lignes&#xa0;; les lignes après la 100e sont grisées et jamais posées. Il affiche les trois réponses dans un ordre au hasard, donc la bonne peut se trouver n&apos;importe où.&lt;/p&gt;&lt;p&gt;Un guillemet droit double ne peut pas aller dans un champ&#xa0;: le jeu s&apos;en sert pour terminer les champs. Tapé, collé ou remplacé, il devient un guillemet typographique ouvrant ou fermant, et les sauts de ligne deviennent des espaces&#xa0;; la recherche trouve quand même les guillemets typographiques à partir d&apos;un guillemet droit. Le jeu utilise les caractères de Windows-1252&#xa0;: un caractère qui n&apos;y est pas est marqué en rouge, et la banque n&apos;est pas enregistrée tant qu&apos;il n&apos;est pas remplacé. «&#xa0;Corriger&#xa0;» propose un remplacement quand il y en a un.&lt;/p&gt;&lt;p&gt;Ctrl+F cherche du texte dans les champs et Ctrl+H le remplace&#xa0;; F3 et Maj+F3 trouvent la cellule suivante et précédente. Le menu Édition trie les lignes selon la colonne actuelle et les mélange&#xa0;; les lignes vides restent à la fin. Chaque modification peut être annulée.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Problems and warnings&lt;/h2&gt;&lt;p&gt;The panel below the table lists what will not play as written, and warnings about questions that play but may not work once the answers are shuffled. Choose one, or press F8 and Shift+F8, to go to its field. Fix mends the chosen one; Fix All mends every one it can, line ends first, as one step to undo. Fix All never shortens what you wrote: Fix on a field too long selects what the game drops, for you to reword, and Cut Field to Its Width cuts it; Fix on a line over 140 characters opens its longest field to reword. Each row&apos;s header shows its line&apos;s length against 140. Check rows past 100 lists the findings on the rows the game never reads too; Edit, Delete Rows Past 100 keeps the first 100.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Problèmes et avertissements&lt;/h2&gt;&lt;p&gt;Le panneau sous le tableau liste ce qui ne sera pas joué tel qu&apos;écrit, et des avertissements sur des questions qui seront jouées mais risquent de ne pas marcher une fois les réponses mélangées. Choisis-en un, ou appuie sur F8 et Maj+F8, pour aller à son champ. «&#xa0;Corriger&#xa0;» répare celui choisi&#xa0;; «&#xa0;Tout corriger&#xa0;» répare tous ceux qu&apos;il peut, les fins de ligne d&apos;abord, en une seule étape à annuler. «&#xa0;Tout corriger&#xa0;» ne raccourcit jamais ce que tu as écrit&#xa0;: «&#xa0;Corriger&#xa0;» sur un champ trop long sélectionne ce que le jeu laisse tomber, pour que tu le reformules, et «&#xa0;Raccourcir le champ à sa largeur&#xa0;» le coupe&#xa0;; «&#xa0;Corriger&#xa0;» sur une ligne de plus de 140 caractères ouvre son champ le plus long pour le reformuler. L&apos;en-tête de chaque ligne montre sa longueur par rapport à 140. «&#xa0;Vérifier les lignes après 100&#xa0;» liste aussi ce qui est trouvé dans les lignes que le jeu ne lit jamais&#xa0;; Édition, «&#xa0;Supprimer les lignes après 100&#xa0;» garde les 100 premières.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Playing the bank&lt;/h2&gt;&lt;p&gt;F5 (File, Play This Bank) saves the bank, then starts the game with it. A bank named &lt;i&gt;quarl3.tqz&lt;/i&gt; is played in its own folder; any other is copied under that name into a temporary folder of its own, removed when the game ends. With fewer than 100 questions it asks first, as the game would draw the empty slots too.&lt;/p&gt;&lt;p&gt;To reach 100, File, Top Up from Bank adds questions from another bank, leaving out those this bank already asks; New from Starter Bank opens a copy of a bank that comes with the game. Play Without Saving (Shift+F5) tries the table as it stands from a temporary copy, for a bank that cannot be saved where it is.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Jouer avec la banque&lt;/h2&gt;&lt;p&gt;F5 (Fichier, «&#xa0;Jouer avec cette banque&#xa0;») enregistre la banque, puis lance le jeu avec elle. Une banque nommée &lt;i&gt;quarl3.tqz&lt;/i&gt; est jouée dans son propre dossier&#xa0;; toute autre est copiée sous ce nom dans un dossier temporaire à elle, supprimé quand le jeu se termine. Avec moins de 100 questions, l&apos;éditeur demande d&apos;abord, car le jeu tirerait aussi les emplacements vides.&lt;/p&gt;&lt;p&gt;Pour arriver à 100, Fichier, «&#xa0;Compléter depuis une banque&#xa0;» ajoute des questions d&apos;une autre banque, sans celles que cette banque pose déjà&#xa0;; «&#xa0;Nouveau à partir d&apos;une banque fournie&#xa0;» ouvre une copie d&apos;une banque fournie avec le jeu. «&#xa0;Jouer sans enregistrer&#xa0;» (Maj+F5) essaie le tableau tel qu&apos;il est depuis une copie temporaire, pour une banque qui ne peut pas être enregistrée là où elle est.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;The manual tells the whole story: type &lt;tt&gt;man 6 korvedit&lt;/tt&gt; in a terminal, or open &lt;a href=&quot;man:korvedit(6)&quot;&gt;the korvedit manual page&lt;/a&gt; where the desktop can show it.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Plus d&apos;infos&lt;/h2&gt;&lt;p&gt;Le manuel dit tout&#xa0;: tape &lt;tt&gt;man 6 korvedit&lt;/tt&gt; dans un terminal, ou ouvre &lt;a href=&quot;man:korvedit(6)&quot;&gt;la page de manuel de korvedit&lt;/a&gt; là où le bureau peut l&apos;afficher.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;This guide is the editor&apos;s manual here: start with &lt;a href=&quot;#basics&quot;&gt;the basics&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Plus d&apos;infos&lt;/h2&gt;&lt;p&gt;Ce guide sert ici de manuel de l&apos;éditeur&#xa0;: commence par &lt;a href=&quot;#basics&quot;&gt;les bases&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Question Editor Guide</source>
        <translation>Guide de l&apos;éditeur de questions</translation>
    </message>
</context>
<context>
    <name>FieldEdit</name>
    <message>
        <source>Line breaks and Ctrl-Z cannot go in a field: the game reads them as the end of the line or of the bank.</source>
        <translation>Les sauts de ligne et Ctrl-Z ne peuvent pas aller dans un champ&#xa0;: le jeu les lit comme la fin de la ligne ou de la banque.</translation>
    </message>
    <message>
        <source>Pasted double quotes became typographic ones, and line breaks spaces: the game reads a straight double quote as the end of the field.</source>
        <translation>Les guillemets doubles collés sont devenus typographiques, et les sauts de ligne des espaces&#xa0;: le jeu lit un guillemet droit double comme la fin du champ.</translation>
    </message>
    <message>
        <source>“%1” is not in the game&apos;s character set (Windows-1252): the bank cannot be saved until it is replaced.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;est pas dans le jeu de caractères du jeu (Windows-1252)&#xa0;: la banque ne peut pas être enregistrée tant qu&apos;il n&apos;est pas remplacé.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>its access list cannot be read (%1)</source>
        <translation>sa liste d&apos;accès ne peut pas être lue (%1)</translation>
    </message>
    <message>
        <source>its access list cannot be given to the new file (%1)</source>
        <translation>sa liste d&apos;accès ne peut pas être transmise au nouveau fichier (%1)</translation>
    </message>
    <message>
        <source>its attribute %1 cannot be given to the new file (%2)</source>
        <translation>son attribut %1 ne peut pas être transmis au nouveau fichier (%2)</translation>
    </message>
    <message>
        <source>its attributes cannot be read (%1)</source>
        <translation>ses attributs ne peuvent pas être lus (%1)</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>Rec&amp;hercher&#xa0;:</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Re&amp;mplacer par&#xa0;:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>R&amp;especter la casse</translation>
    </message>
    <message>
        <source>Nex&amp;t</source>
        <translation>&amp;Suivant</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>Pré&amp;cédent</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Remplacer</translation>
    </message>
    <message>
        <source>Replace A&amp;ll</source>
        <translation>Remplacer &amp;tout</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Close the find strip (Esc)</source>
        <translation>Fermer la barre de recherche (Échap)</translation>
    </message>
    <message>
        <source>%1 is not in the bank.</source>
        <translation>%1 n&apos;est pas dans la banque.</translation>
    </message>
    <message>
        <source>Replaced in 1 cell.</source>
        <translation>Remplacé dans 1 cellule.</translation>
    </message>
    <message>
        <source>Replaced in %1 cells.</source>
        <translation>Remplacé dans %1 cellules.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>The game is already running. Close it to play the bank again.</source>
        <translation>Le jeu est déjà en cours. Ferme-le pour rejouer avec la banque.</translation>
    </message>
    <message>
        <source>The game (%1) was found neither beside the editor nor on the PATH. Install Korvane, then try again.</source>
        <translation>Le jeu (%1) n&apos;a été trouvé ni à côté de l&apos;éditeur ni dans le PATH. Installe Korvane, puis réessaie.</translation>
    </message>
    <message>
        <source>The bank could not be copied for the game into a temporary folder.</source>
        <translation>La banque n&apos;a pas pu être copiée pour le jeu dans un dossier temporaire.</translation>
    </message>
    <message>
        <source>The game stopped unexpectedly.</source>
        <translation>Le jeu s&apos;est arrêté de façon inattendue.</translation>
    </message>
    <message>
        <source>The game could not be started: %1</source>
        <translation>Le jeu n&apos;a pas pu être lancé&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>LineCountSummary</name>
    <message>
        <source>1 line</source>
        <translation>1 ligne</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 lignes</translation>
    </message>
    <message>
        <source>%1 of %2: the game still draws from all %2 slots, so %3 of its questions come up blank, with empty answers</source>
        <translation>%1 sur %2&#xa0;: le jeu tire quand même parmi les %2 places, donc %3 questions sortent vides, sans réponses</translation>
    </message>
    <message>
        <source>%1: the game reads them all</source>
        <translation>%1&#xa0;: le jeu les lit toutes</translation>
    </message>
    <message>
        <source>%1: the game reads the first %2 and never shows the other %3</source>
        <translation>%1&#xa0;: le jeu lit les %2 premières et n&apos;affiche jamais les %3 autres</translation>
    </message>
</context>
<context>
    <name>ProblemPanel</name>
    <message>
        <source>Bank: %1</source>
        <translation>Banque&#xa0;: %1</translation>
    </message>
    <message>
        <source>Line %1, warning: %2</source>
        <translation>Ligne %1, avertissement&#xa0;: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Ligne %1&#xa0;: %2</translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>Pro&amp;blèmes</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problèmes</translation>
    </message>
    <message>
        <source>What the game would leave out, cut or show differently. Press Enter to go to the field.</source>
        <translation>Ce que le jeu laisserait de côté, couperait ou afficherait autrement. Appuie sur Entrée pour aller au champ.</translation>
    </message>
    <message>
        <source>Fi&amp;x</source>
        <translation>Corri&amp;ger</translation>
    </message>
    <message>
        <source>Fix the selected problem</source>
        <translation>Corriger le problème sélectionné</translation>
    </message>
    <message>
        <source>Fix the selected problem the way the game expects</source>
        <translation>Corriger le problème sélectionné comme le jeu l&apos;attend</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>Tout c&amp;orriger</translation>
    </message>
    <message>
        <source>Fix every problem that can be fixed</source>
        <translation>Corriger tous les problèmes qui peuvent l&apos;être</translation>
    </message>
    <message>
        <source>Fix every problem of every kind that Fix can mend, as one step to undo</source>
        <translation>Corriger tous les problèmes de tous les types que «&#xa0;Corriger&#xa0;» sait réparer, en une seule étape à annuler</translation>
    </message>
    <message>
        <source>Check rows past &amp;100</source>
        <translation>Vérifier les lignes après &amp;100</translation>
    </message>
    <message>
        <source>Also check the rows past 100, which the game never reads, before deleting rows brings them up: their problems, questions asked twice and answers alike</source>
        <translation>Vérifier aussi les lignes après 100, que le jeu ne lit jamais, avant que la suppression de lignes les fasse remonter&#xa0;: leurs problèmes, les questions posées deux fois et les réponses identiques</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Corriger</translation>
    </message>
    <message>
        <source>Fix can put this right in one step.</source>
        <translation>«&#xa0;Corriger&#xa0;» peut réparer cela en une seule étape.</translation>
    </message>
    <message>
        <source>The game plays this line, but the question may not work once the answers are shuffled.</source>
        <translation>Le jeu joue cette ligne, mais la question risque de ne pas marcher une fois les réponses mélangées.</translation>
    </message>
    <message>
        <source>1 finding on rows past %1</source>
        <translation>1 résultat dans les lignes après %1</translation>
    </message>
    <message>
        <source>%1 findings on rows past %2</source>
        <translation>%1 résultats dans les lignes après %2</translation>
    </message>
</context>
<context>
    <name>QuestionPreview</name>
    <message>
        <source>Preview of the question window</source>
        <translation>Aperçu de la fenêtre de question</translation>
    </message>
    <message>
        <source>A) is the right answer here; the game shuffles the three answers.</source>
        <translation>A) est ici la bonne réponse&#xa0;; le jeu mélange les trois réponses.</translation>
    </message>
    <message>
        <source>The game does not read this line: it holds %1 questions, from the first %1 lines.</source>
        <translation>Le jeu ne lit pas cette ligne&#xa0;: il contient %1 questions, celles des %1 premières lignes.</translation>
    </message>
    <message>
        <source>Select a question to see it as the game shows it.</source>
        <translation>Choisis une question pour la voir comme le jeu l&apos;affiche.</translation>
    </message>
</context>
<context>
    <name>QuizPrintCommands</name>
    <message>
        <source>The answers will be printed in a new order.</source>
        <translation>Les réponses seront imprimées dans un nouvel ordre.</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Éditeur de questions Korvane</translation>
    </message>
    <message>
        <source>Sheets of order %1 were already printed. Their key will not match a sheet of another order. Change the order?</source>
        <translation>Des feuilles de l&apos;ordre %1 ont déjà été imprimées. Leur corrigé ne correspondra pas à une feuille d&apos;un autre ordre. Changer l&apos;ordre&#xa0;?</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Quiz</translation>
    </message>
    <message>
        <source>There is nothing to print: no line has a question.</source>
        <translation>Il n&apos;y a rien à imprimer&#xa0;: aucune ligne n&apos;a de question.</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimer…</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Aperçu</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xporter…</translation>
    </message>
    <message>
        <source>The quiz was not printed: the printer could not start.</source>
        <translation>Le quiz n&apos;a pas été imprimé&#xa0;: l&apos;imprimante n&apos;a pas pu démarrer.</translation>
    </message>
    <message>
        <source>Print Preview — %1</source>
        <translation>Aperçu avant impression — %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exporter en PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;All files (*)</source>
        <translation>Documents PDF (*.pdf);;Tous les fichiers (*)</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>Exporté&#xa0;: %1</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2. Choose another folder or name, then export again.</source>
        <translation>«&#xa0;%1&#xa0;» n&apos;a pas pu être écrit&#xa0;: %2. Choisis un autre dossier ou un autre nom, puis exporte à nouveau.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>les pages n&apos;ont pas pu être dessinées</translation>
    </message>
</context>
<context>
    <name>QuizPrinter</name>
    <message>
        <source>Write the letter of the right answer in the box beside each question.</source>
        <translation>Écris la lettre de la bonne réponse dans la case à côté de chaque question.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nom</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Classe</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1 — page %2 sur %3 — Ordre %4 (code %5)</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Corrigé&#xa0;: %1</translation>
    </message>
    <message>
        <source>%1, answer key — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1, corrigé — page %2 sur %3 — Ordre %4 (code %5)</translation>
    </message>
</context>
<context>
    <name>QuizSheetDialog</name>
    <message>
        <source>&amp;All questions (%1)</source>
        <translation>T&amp;outes les questions (%1)</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>&amp;Questions</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>Ti&amp;rer</translation>
    </message>
    <message>
        <source>&amp;Compact: more questions on a page</source>
        <translation>&amp;Compact&#xa0;: plus de questions par page</translation>
    </message>
    <message>
        <source>Quiz Sheet</source>
        <translation>Feuille de quiz</translation>
    </message>
    <message>
        <source>&amp;Paper…</source>
        <translation>&amp;Papier…</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Titre&#xa0;:</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Questions&#xa0;:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>à</translation>
    </message>
    <message>
        <source>at random</source>
        <translation>au hasard</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Mise en page&#xa0;:</translation>
    </message>
    <message>
        <source>Printed on every page of the sheet and its key. Type an earlier order&apos;s number to print its sheet again.</source>
        <translation>Imprimé sur chaque page de la feuille et de son corrigé. Tape le numéro d&apos;un ordre précédent pour réimprimer sa feuille.</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>Or&amp;dre&#xa0;:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Pages&#xa0;:</translation>
    </message>
    <message>
        <source>%1 for the sheet, %2 for the key, on %3 paper</source>
        <translation>%1 pour la feuille, %2 pour le corrigé, sur papier %3</translation>
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
        <translation>&amp;Effacer la liste</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>pas du JSON (%1 à l&apos;octet %2)</translation>
    </message>
    <message>
        <source>not a recovery file of the question editor</source>
        <translation>ce n&apos;est pas un fichier de récupération de l&apos;éditeur de questions</translation>
    </message>
    <message>
        <source>written by another version of the question editor</source>
        <translation>écrit par une autre version de l&apos;éditeur de questions</translation>
    </message>
    <message>
        <source>the bank&apos;s name is damaged</source>
        <translation>le nom de la banque est abîmé</translation>
    </message>
    <message>
        <source>the time it was written is damaged</source>
        <translation>l&apos;heure d&apos;écriture est abîmée</translation>
    </message>
    <message>
        <source>it holds no line</source>
        <translation>il ne contient aucune ligne</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>la ligne %1 est abîmée</translation>
    </message>
    <message>
        <source>the text after the end of the data is damaged</source>
        <translation>le texte après la fin des données est abîmé</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>le dossier %1 ne peut pas être créé</translation>
    </message>
    <message>
        <source>%1 is locked by another editor</source>
        <translation>%1 est verrouillé par un autre éditeur</translation>
    </message>
    <message>
        <source>its lock %1 cannot be made (%2)</source>
        <translation>son verrou %1 ne peut pas être créé (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>it could not be kept for recovery in %1 (%2), nor in %3 (%4)</source>
        <translation>elle n&apos;a pas pu être conservée pour récupération dans %1 (%2), ni dans %3 (%4)</translation>
    </message>
    <message>
        <source>they could not be kept for recovery in %1 (%2)</source>
        <translation>elles n&apos;ont pas pu être conservées pour récupération dans %1 (%2)</translation>
    </message>
    <message>
        <source>, nor in %1 (%2)</source>
        <translation>, ni dans %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryOffers</name>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Récupérer les modifications non enregistrées</translation>
    </message>
    <message>
        <source>an untitled bank</source>
        <translation>une banque sans titre</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«&#xa0;%1&#xa0;»</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d MMMM yyyy &apos;à&apos; HH:mm</translation>
    </message>
    <message>
        <source>“%1” is open in another question editor, with unsaved changes.</source>
        <translation>«&#xa0;%1&#xa0;» est ouvert dans un autre éditeur de questions, avec des modifications non enregistrées.</translation>
    </message>
    <message>
        <source>Bank Open Elsewhere</source>
        <translation>Banque ouverte ailleurs</translation>
    </message>
    <message>
        <source>Whichever editor saves it last replaces what the other saved. Save or close it there first, then open it here again.</source>
        <translation>L&apos;éditeur qui l&apos;enregistre en dernier remplace ce que l&apos;autre a enregistré. Enregistre-la ou ferme-la d&apos;abord là-bas, puis rouvre-la ici.</translation>
    </message>
    <message>
        <source>The recovery file %1 cannot be read: %2.</source>
        <translation>Le fichier de récupération %1 ne peut pas être lu&#xa0;: %2.</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 were kept on %2, when the editor stopped without saving them.</source>
        <translation>Des modifications non enregistrées de %1 ont été conservées le %2, quand l&apos;éditeur s&apos;est arrêté sans les enregistrer.</translation>
    </message>
    <message>
        <source>Recover opens them as a new bank</source>
        <translation>«&#xa0;Récupérer&#xa0;» les ouvre comme une nouvelle banque</translation>
    </message>
    <message>
        <source>Recover opens them as unsaved changes to %1</source>
        <translation>«&#xa0;Récupérer&#xa0;» les ouvre comme des modifications non enregistrées de %1</translation>
    </message>
    <message>
        <source>; save them to keep them. Discard deletes them. Not Now keeps them for later.</source>
        <translation>&#xa0;; enregistre-les pour les garder. «&#xa0;Abandonner&#xa0;» les supprime. «&#xa0;Plus tard&#xa0;» les garde pour plus tard.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Récupérer</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Abandonner</translation>
    </message>
    <message>
        <source>&amp;Not Now</source>
        <translation>&amp;Plus tard</translation>
    </message>
    <message>
        <source>Move Aside renames it %1, which the editor does not read at start. Not Now leaves it where it is.</source>
        <translation>«&#xa0;Mettre de côté&#xa0;» le renomme en %1, que l&apos;éditeur ne lit pas au démarrage. «&#xa0;Plus tard&#xa0;» le laisse où il est.</translation>
    </message>
    <message>
        <source>Not Now leaves it where it is.</source>
        <translation>«&#xa0;Plus tard&#xa0;» le laisse où il est.</translation>
    </message>
    <message>
        <source>&amp;Move Aside</source>
        <translation>&amp;Mettre de côté</translation>
    </message>
    <message>
        <source>Delete the unsaved changes to %1 kept on %2?</source>
        <translation>Supprimer les modifications non enregistrées de %1 conservées le %2&#xa0;?</translation>
    </message>
    <message>
        <source>Delete the recovery file %1?</source>
        <translation>Supprimer le fichier de récupération %1&#xa0;?</translation>
    </message>
    <message>
        <source>They cannot be recovered afterwards.</source>
        <translation>Elles ne pourront plus être récupérées ensuite.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Supprimer</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Éditeur de questions Korvane</translation>
    </message>
    <message>
        <source>Write, check and play question banks for Korvane.</source>
        <translation>Écrire et vérifier des banques de questions pour Korvane, et jouer avec.</translation>
    </message>
    <message>
        <source>Speak this language (de: German) rather than the system&apos;s.</source>
        <translation>Parler cette langue (par exemple fr&#xa0;: français, de&#xa0;: allemand) plutôt que celle du système.</translation>
    </message>
    <message>
        <source>The question bank (.tqz) to open.</source>
        <translation>La banque de questions (.tqz) à ouvrir.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>code</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>banque</translation>
    </message>
    <message>
        <source>[bank]</source>
        <translation>[banque]</translation>
    </message>
</context>
</TS>
