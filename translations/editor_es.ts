<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BankEditorWindow</name>
    <message>
        <source>Your changes are not protected: %1.</source>
        <translation>Tus cambios no están protegidos: %1.</translation>
    </message>
    <message>
        <source>Your changes are kept for recovery in %1, as the usual folder cannot take them.</source>
        <translation>Tus cambios se guardan para recuperarlos en %1, porque la carpeta habitual no puede recibirlos.</translation>
    </message>
    <message>
        <source>Questions</source>
        <translation>Preguntas</translation>
    </message>
    <message>
        <source>One row per line of the bank: the question, the right answer and two wrong answers.</source>
        <translation>Una fila por cada línea del banco: la pregunta, la respuesta correcta y dos respuestas incorrectas.</translation>
    </message>
    <message>
        <source>Line count</source>
        <translation>Número de líneas</translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation>&amp;Nuevo</translation>
    </message>
    <message>
        <source>&amp;Open…</source>
        <translation>&amp;Abrir…</translation>
    </message>
    <message>
        <source>Open &amp;Recent</source>
        <translation>Abrir &amp;reciente</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>&amp;Guardar</translation>
    </message>
    <message>
        <source>Save &amp;As…</source>
        <translation>Guardar &amp;como…</translation>
    </message>
    <message>
        <source>&amp;Import CSV…</source>
        <translation>&amp;Importar CSV…</translation>
    </message>
    <message>
        <source>&amp;Export CSV…</source>
        <translation>&amp;Exportar CSV…</translation>
    </message>
    <message>
        <source>P&amp;lay This Bank</source>
        <translation>&amp;Jugar este banco</translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation>&amp;Salir</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>&amp;Rehacer</translation>
    </message>
    <message>
        <source>Question Editor &amp;Guide</source>
        <translation>&amp;Guía del editor de preguntas</translation>
    </message>
    <message>
        <source>&amp;About Korvane Question Editor</source>
        <translation>&amp;Acerca del editor de preguntas de Korvane</translation>
    </message>
    <message>
        <source>Save the bank, then play it in Korvane</source>
        <translation>Guardar el banco y luego jugarlo en Korvane</translation>
    </message>
    <message>
        <source>&lt;b&gt;Korvane Question Editor %1&lt;/b&gt;&lt;p&gt;Write the questions for your own game of Korvane: a hundred of them, each with its right answer and two wrong ones. Every line is checked as you type, shown the way the game will show it, and one key plays the bank.&lt;/p&gt;</source>
        <translation>&lt;b&gt;Editor de preguntas de Korvane %1&lt;/b&gt;&lt;p&gt;Escribe las preguntas para tu propia partida de Korvane: cien preguntas, cada una con su respuesta correcta y dos incorrectas. Cada línea se comprueba mientras escribes y se muestra tal como la mostrará el juego, y con una tecla juegas el banco.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>The game is running.</source>
        <translation>El juego está en marcha.</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>&amp;Archivo</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>&amp;Editar</translation>
    </message>
    <message>
        <source>&amp;Problems</source>
        <translation>&amp;Problemas</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>Ay&amp;uda</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Editor de preguntas de Korvane</translation>
    </message>
    <message>
        <source>The field being edited cannot take its text as it stands, so nothing went on. Change the text, or press Esc to leave the field as it was.</source>
        <translation>El campo que se está editando no admite el texto tal como está escrito, así que no se hizo nada. Cambia el texto o pulsa Esc para dejar el campo como estaba.</translation>
    </message>
    <message>
        <source>%1: row %2, %3, holds “%4”, a character the game cannot show (it uses Windows-1252). Replace it, then try again.</source>
        <translation>%1: la fila %2, %3, contiene «%4», un carácter que el juego no puede mostrar (usa Windows-1252). Sustitúyelo y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The bank was not saved</source>
        <translation>El banco no se guardó</translation>
    </message>
    <message>
        <source>Saved %1</source>
        <translation>Se guardó %1</translation>
    </message>
    <message>
        <source>the new bank</source>
        <translation>el banco nuevo</translation>
    </message>
    <message>
        <source>Unsaved Changes</source>
        <translation>Cambios sin guardar</translation>
    </message>
    <message>
        <source>Save the changes to %1 first?</source>
        <translation>¿Guardar primero los cambios en %1?</translation>
    </message>
    <message>
        <source>Changes not saved are lost.</source>
        <translation>Los cambios que no se guarden se perderán.</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>Save Bank As</source>
        <translation>Guardar banco como</translation>
    </message>
    <message>
        <source>Open Bank</source>
        <translation>Abrir banco</translation>
    </message>
    <message>
        <source>Import CSV</source>
        <translation>Importar CSV</translation>
    </message>
    <message>
        <source>Comma-separated values (*.csv);;All files (*)</source>
        <translation>Valores separados por comas (*.csv);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Nothing was imported: %1.</source>
        <translation>No se importó nada: %1.</translation>
    </message>
    <message>
        <source>Export CSV</source>
        <translation>Exportar CSV</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2.</source>
        <translation>No se pudo escribir «%1»: %2.</translation>
    </message>
    <message>
        <source>“%1” was deleted or renamed by another program. Its questions stay open here, and Save writes the file again.</source>
        <translation>Otro programa eliminó o renombró «%1». Sus preguntas siguen abiertas aquí, y «Guardar» vuelve a escribir el archivo.</translation>
    </message>
    <message>
        <source>Changed on Disk</source>
        <translation>Cambiado en el disco</translation>
    </message>
    <message>
        <source>Another program changed “%1” since it was opened or saved here.</source>
        <translation>Otro programa cambió «%1» desde que se abrió o se guardó aquí.</translation>
    </message>
    <message>
        <source>Reload it to see that version (Undo brings yours back), keep your version and save it over the other, or save yours as another file.</source>
        <translation>Recárgalo para ver esa versión («Deshacer» recupera la tuya), conserva tu versión y guárdala sobre la otra, o guarda la tuya como otro archivo.</translation>
    </message>
    <message>
        <source>&amp;Reload</source>
        <translation>&amp;Recargar</translation>
    </message>
    <message>
        <source>&amp;Keep Mine</source>
        <translation>&amp;Mantener la mía</translation>
    </message>
    <message>
        <source>Your version, which Reload replaces, is not protected: %1. Undo brings it back while the editor runs.</source>
        <translation>Tu versión, que «Recargar» sustituye, no está protegida: %1. «Deshacer» la recupera mientras el editor esté abierto.</translation>
    </message>
    <message>
        <source>Reload %1 from disk</source>
        <translation>Recargar %1 desde el disco</translation>
    </message>
    <message>
        <source>%1 Its questions stay open here as they were.</source>
        <translation>%1 Sus preguntas siguen abiertas aquí tal como estaban.</translation>
    </message>
    <message>
        <source>Untitled</source>
        <translation>Sin título</translation>
    </message>
    <message>
        <source>%1[*] — Korvane Question Editor</source>
        <translation>%1[*] — Editor de preguntas de Korvane</translation>
    </message>
    <message>
        <source>Game Running</source>
        <translation>Juego en marcha</translation>
    </message>
    <message>
        <source>The game started from this editor is still running. Closing the editor ends the game too.</source>
        <translation>El juego iniciado desde este editor sigue en marcha. Si cierras el editor, también termina el juego.</translation>
    </message>
    <message>
        <source>&amp;End Game and Close</source>
        <translation>&amp;Terminar el juego y cerrar</translation>
    </message>
    <message>
        <source>Print Pre&amp;view…</source>
        <translation>&amp;Vista previa de impresión…</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>Im&amp;primir…</translation>
    </message>
    <message>
        <source>E&amp;xport PDF…</source>
        <translation>Exportar PD&amp;F…</translation>
    </message>
    <message>
        <source>New Answer Or&amp;der</source>
        <translation>Nuevo &amp;orden de respuestas</translation>
    </message>
    <message>
        <source>Show the question sheet and its answer key as they will print</source>
        <translation>Mostrar la hoja de preguntas y su hoja de soluciones tal como se imprimirán</translation>
    </message>
    <message>
        <source>Save the question sheet and its answer key as a PDF file</source>
        <translation>Guardar la hoja de preguntas y su hoja de soluciones como archivo PDF</translation>
    </message>
    <message>
        <source>Shuffle the answers of the next print anew</source>
        <translation>Volver a mezclar las respuestas para la próxima impresión</translation>
    </message>
    <message>
        <source>New from Starter &amp;Bank…</source>
        <translation>Nuevo desde plan&amp;tilla…</translation>
    </message>
    <message>
        <source>Start a new bank holding the questions of a bank that comes with the game</source>
        <translation>Empezar un banco nuevo con las preguntas de un banco que viene con el juego</translation>
    </message>
    <message>
        <source>&amp;Top Up from Bank…</source>
        <translation>Co&amp;mpletar desde otro banco…</translation>
    </message>
    <message>
        <source>Add questions from another bank, leaving out those this one already asks, up to 100</source>
        <translation>Añadir preguntas de otro banco, sin las que este ya tiene, hasta llegar a 100</translation>
    </message>
    <message>
        <source>Play &amp;Without Saving</source>
        <translation>Jugar sin g&amp;uardar</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving its file as it is</source>
        <translation>Jugar el banco tal como está desde una copia temporal, sin tocar su archivo</translation>
    </message>
    <message>
        <source>New from Starter Bank</source>
        <translation>Nuevo desde plantilla</translation>
    </message>
    <message>
        <source>Top Up from Bank</source>
        <translation>Completar desde otro banco</translation>
    </message>
    <message>
        <source>Other File…</source>
        <translation>Otro archivo…</translation>
    </message>
    <message>
        <source>The banks that come with the game were not found. Install Korvane, then try again.</source>
        <translation>No se encontraron los bancos que vienen con el juego. Instala Korvane y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>Take questions from:</source>
        <translation>Tomar preguntas de:</translation>
    </message>
    <message>
        <source>Start from:</source>
        <translation>Empezar con:</translation>
    </message>
    <message>
        <source>Added 1 question from %1</source>
        <translation>Se añadió 1 pregunta de %1</translation>
    </message>
    <message>
        <source>Added %1 questions from %2</source>
        <translation>Se añadieron %1 preguntas de %2</translation>
    </message>
    <message>
        <source>, leaving out 1 already in this bank</source>
        <translation>, omitiendo 1 que ya estaba en este banco</translation>
    </message>
    <message>
        <source>, leaving out %1 already in this bank</source>
        <translation>, omitiendo %1 que ya estaban en este banco</translation>
    </message>
    <message>
        <source>%1 more did not fit in the %2 slots.</source>
        <translation>Otras %1 no cabían en los %2 huecos.</translation>
    </message>
    <message>
        <source>Nothing was added: the bank already fills all %1 slots the game reads.</source>
        <translation>No se añadió nada: el banco ya llena los %1 huecos que lee el juego.</translation>
    </message>
    <message>
        <source>Nothing was added: every question in %1 is already in this bank, or it holds none.</source>
        <translation>No se añadió nada: todas las preguntas de %1 ya están en este banco, o no tiene ninguna.</translation>
    </message>
    <message>
        <source>Empty Slots</source>
        <translation>Huecos vacíos</translation>
    </message>
    <message>
        <source>%1 of the %2 slots are empty.</source>
        <translation>%1 de los %2 huecos están vacíos.</translation>
    </message>
    <message>
        <source>The game draws an empty slot as often as any other, so players will now and then get a question with nothing in it. Play anyway, or top the bank up from another first?</source>
        <translation>El juego saca un hueco vacío con la misma frecuencia que cualquier otro, así que de vez en cuando los jugadores tendrán una pregunta sin nada escrito. ¿Jugar de todos modos, o completar antes el banco con otro?</translation>
    </message>
    <message>
        <source>&amp;Play Anyway</source>
        <translation>&amp;Jugar de todos modos</translation>
    </message>
    <message>
        <source>&amp;Top Up…</source>
        <translation>&amp;Completar…</translation>
    </message>
    <message>
        <source>Cannot Save Here</source>
        <translation>No se puede guardar aquí</translation>
    </message>
    <message>
        <source>Play the bank as it stands from a temporary copy, leaving the file as it is and your changes unsaved here, or save it as another file.</source>
        <translation>Juega el banco tal como está desde una copia temporal, sin tocar el archivo y dejando aquí tus cambios sin guardar, o guárdalo como otro archivo.</translation>
    </message>
    <message>
        <source>The bank was not played</source>
        <translation>El banco no se jugó</translation>
    </message>
    <message>
        <source>&amp;Next Problem</source>
        <translation>Problema &amp;siguiente</translation>
    </message>
    <message>
        <source>&amp;Previous Problem</source>
        <translation>Problema &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Fix Selected Problem</source>
        <translation>&amp;Corregir el problema seleccionado</translation>
    </message>
    <message>
        <source>Fix All of This &amp;Kind</source>
        <translation>Corregir todos los de este &amp;tipo</translation>
    </message>
    <message>
        <source>Fix &amp;All Problems</source>
        <translation>Corregir t&amp;odos los problemas</translation>
    </message>
    <message>
        <source>&amp;Cut Field to Its Width</source>
        <translation>&amp;Recortar campo a su ancho</translation>
    </message>
    <message>
        <source>Cut the selected field to the width the game keeps, dropping the rest</source>
        <translation>Recortar el campo seleccionado al ancho que conserva el juego, descartando el resto</translation>
    </message>
    <message>
        <source>Go to the next problem or warning in the bank</source>
        <translation>Ir al siguiente problema o aviso del banco</translation>
    </message>
    <message>
        <source>Go to the previous problem or warning in the bank</source>
        <translation>Ir al problema o aviso anterior del banco</translation>
    </message>
    <message>
        <source>Fix every problem like the selected one, as one step to undo</source>
        <translation>Corregir todos los problemas como el seleccionado, en un solo paso que se puede deshacer</translation>
    </message>
    <message>
        <source>Fix every problem Fix can mend, line ends first, as one step to undo</source>
        <translation>Corregir todos los problemas que «Corregir» puede arreglar, primero los finales de línea, en un solo paso que se puede deshacer</translation>
    </message>
    <message>
        <source>No problem or warning on a line to go to.</source>
        <translation>No hay ninguna línea con problemas o avisos a la que ir.</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>Cor&amp;tar</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>&amp;Copiar</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>&amp;Pegar</translation>
    </message>
    <message>
        <source>Cl&amp;ear Cells</source>
        <translation>&amp;Vaciar celdas</translation>
    </message>
    <message>
        <source>&amp;Insert Row</source>
        <translation>&amp;Insertar fila</translation>
    </message>
    <message>
        <source>&amp;Delete Rows</source>
        <translation>&amp;Eliminar filas</translation>
    </message>
    <message>
        <source>Delete Rows Past &amp;100</source>
        <translation>Eliminar filas después de la &amp;100</translation>
    </message>
    <message>
        <source>&amp;Move Up</source>
        <translation>&amp;Mover arriba</translation>
    </message>
    <message>
        <source>Move Do&amp;wn</source>
        <translation>Mover aba&amp;jo</translation>
    </message>
    <message>
        <source>Select &amp;All</source>
        <translation>&amp;Seleccionar todo</translation>
    </message>
    <message>
        <source>&amp;Find…</source>
        <translation>&amp;Buscar…</translation>
    </message>
    <message>
        <source>Rep&amp;lace…</source>
        <translation>Reemp&amp;lazar…</translation>
    </message>
    <message>
        <source>Find &amp;Next</source>
        <translation>Buscar si&amp;guiente</translation>
    </message>
    <message>
        <source>Find Pre&amp;vious</source>
        <translation>Buscar &amp;anterior</translation>
    </message>
    <message>
        <source>&amp;Sort A to Z by This Column</source>
        <translation>&amp;Ordenar de A a Z por esta columna</translation>
    </message>
    <message>
        <source>Sort &amp;Z to A by This Column</source>
        <translation>Ordenar de &amp;Z a A por esta columna</translation>
    </message>
    <message>
        <source>S&amp;huffle Rows</source>
        <translation>Mezclar &amp;filas</translation>
    </message>
    <message>
        <source>Sort the rows by the current column; rows holding nothing stay at the end</source>
        <translation>Ordenar las filas por la columna actual; las filas vacías quedan al final</translation>
    </message>
    <message>
        <source>Keep only the first 100 rows, which the game reads</source>
        <translation>Conservar solo las primeras 100 filas, que son las que lee el juego</translation>
    </message>
    <message>
        <source>Put the rows in a random order; rows holding nothing stay at the end</source>
        <translation>Poner las filas en orden aleatorio; las filas vacías quedan al final</translation>
    </message>
    <message>
        <source>Cut</source>
        <translation>Cortar</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>The clipboard holds no text to paste.</source>
        <translation>El portapapeles no contiene texto para pegar.</translation>
    </message>
    <message>
        <source>Delete line %1, %2</source>
        <translation>Eliminar la línea %1, %2</translation>
    </message>
    <message>
        <source>Delete %1 lines from %2 on</source>
        <translation>Eliminar %1 líneas a partir de la %2</translation>
    </message>
    <message>
        <source>Sort the rows by %1, A to Z</source>
        <translation>Ordenar las filas por %1, de A a Z</translation>
    </message>
    <message>
        <source>Sort the rows by %1, Z to A</source>
        <translation>Ordenar las filas por %1, de Z a A</translation>
    </message>
    <message>
        <source>Shuffle the rows</source>
        <translation>Mezclar las filas</translation>
    </message>
    <message>
        <source>Cut %1</source>
        <translation>Cortar %1</translation>
    </message>
    <message>
        <source>Clear %1</source>
        <translation>Vaciar %1</translation>
    </message>
</context>
<context>
    <name>BankFileReader</name>
    <message>
        <source>a folder</source>
        <translation>una carpeta</translation>
    </message>
    <message>
        <source>a pipe</source>
        <translation>una tubería</translation>
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
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>“%1” cannot be opened: %2.</source>
        <translation>No se puede abrir «%1»: %2.</translation>
    </message>
    <message>
        <source>it is a link to a file that no longer exists</source>
        <translation>es un enlace a un archivo que ya no existe</translation>
    </message>
    <message>
        <source>it is %1, not %2</source>
        <translation>es %1, no %2</translation>
    </message>
    <message>
        <source>it changed while it was being opened</source>
        <translation>cambió mientras se abría</translation>
    </message>
    <message>
        <source>it grew past %1 while it was being read</source>
        <translation>creció más allá de %1 mientras se leía</translation>
    </message>
    <message>
        <source>a question bank file</source>
        <translation>un archivo de banco de preguntas</translation>
    </message>
    <message>
        <source>it holds %1, far more than a question bank of %2 lines</source>
        <translation>contiene %1, mucho más que un banco de preguntas de %2 líneas</translation>
    </message>
    <message>
        <source>the bank would hold %1, more than the %2 the editor can open again</source>
        <translation>el banco contendría %1, más de los %2 que el editor puede volver a abrir</translation>
    </message>
    <message>
        <source>a CSV file</source>
        <translation>un archivo CSV</translation>
    </message>
    <message>
        <source>it holds %1, more than a CSV file of %2 rows</source>
        <translation>contiene %1, más que un archivo CSV de %2 filas</translation>
    </message>
    <message>
        <source>a recovery file</source>
        <translation>un archivo de recuperación</translation>
    </message>
    <message>
        <source>it holds %1, more than the unsaved changes to the largest bank the editor opens (%2 bytes) can</source>
        <translation>contiene %1, más de lo que pueden ocupar los cambios sin guardar del banco más grande que abre el editor (%2 bytes)</translation>
    </message>
</context>
<context>
    <name>BankFileWriter</name>
    <message>
        <source>the file is read-only</source>
        <translation>el archivo es de solo lectura</translation>
    </message>
    <message>
        <source>%1; the bank is kept as %2</source>
        <translation>%1; el banco se conserva como %2</translation>
    </message>
</context>
<context>
    <name>BankTableModel</name>
    <message>
        <source>, removing %1 and %2 more</source>
        <translation>, quitando %1 y %2 más</translation>
    </message>
    <message>
        <source>, removing %1</source>
        <translation>, quitando %1</translation>
    </message>
    <message>
        <source>Fix all: %1 and %2</source>
        <translation>Corregir todo: %1 y %2</translation>
    </message>
    <message>
        <source>The game&apos;s character set (Windows-1252) has no “%1”: replace it before saving.</source>
        <translation>El conjunto de caracteres del juego (Windows-1252) no tiene «%1»: sustitúyelo antes de guardar.</translation>
    </message>
    <message>
        <source>The game reads only the first %1 lines: this one is never asked.</source>
        <translation>El juego solo lee las primeras %1 líneas: esta nunca se pregunta.</translation>
    </message>
    <message>
        <source>Not read: the game holds %1 questions.</source>
        <translation>No se lee: el juego admite %1 preguntas.</translation>
    </message>
    <message>
        <source>The line is %1 characters: the game reads the first %2.</source>
        <translation>La línea tiene %1 caracteres: el juego lee los primeros %2.</translation>
    </message>
    <message>
        <source>The game shows the first %1 characters.</source>
        <translation>El juego muestra los primeros %1 caracteres.</translation>
    </message>
    <message>
        <source>Edit %1 on line %2</source>
        <translation>Editar %1 en la línea %2</translation>
    </message>
    <message>
        <source>Replace %1 with %2 on line %3</source>
        <translation>Sustituir %1 por %2 en la línea %3</translation>
    </message>
    <message>
        <source>Replace %1 with %2 in %3 cells</source>
        <translation>Sustituir %1 por %2 en %3 celdas</translation>
    </message>
    <message>
        <source>Top up with 1 question from %1</source>
        <translation>Completar con 1 pregunta de %1</translation>
    </message>
    <message>
        <source>Top up with %1 questions from %2</source>
        <translation>Completar con %1 preguntas de %2</translation>
    </message>
</context>
<context>
    <name>CellClipboard</name>
    <message>
        <source>%1 and %2 more</source>
        <translation>%1 y %2 más</translation>
    </message>
    <message>
        <source>Paste over %1</source>
        <translation>Pegar sobre %1</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>Pegar</translation>
    </message>
</context>
<context>
    <name>CharacterReplacements</name>
    <message>
        <source>Spell out the Greek letters %1</source>
        <translation>Escribir el nombre de las letras griegas %1</translation>
    </message>
    <message>
        <source>Replace %1 with the quotes, dashes and spaces the game has</source>
        <translation>Sustituir %1 por las comillas, guiones y espacios que tiene el juego</translation>
    </message>
</context>
<context>
    <name>CsvFormat</name>
    <message>
        <source>The quote opened on line %1 is never closed, so every row after it would run into one field. Close it, then import again.</source>
        <translation>Las comillas abiertas en la línea %1 nunca se cierran, así que todas las filas siguientes irían a parar a un solo campo. Ciérralas y vuelve a importar.</translation>
    </message>
    <message>
        <source>The file holds more than %1 rows, more than can be imported at once. Split it, then import each part.</source>
        <translation>El archivo contiene más de %1 filas, más de las que se pueden importar de una vez. Divídelo e importa cada parte.</translation>
    </message>
</context>
<context>
    <name>CsvImportDialog</name>
    <message>
        <source>Import “%1”</source>
        <translation>Importar «%1»</translation>
    </message>
    <message>
        <source>Comma</source>
        <translation>Coma</translation>
    </message>
    <message>
        <source>Semicolon</source>
        <translation>Punto y coma</translation>
    </message>
    <message>
        <source>Tab</source>
        <translation>Tabulador</translation>
    </message>
    <message>
        <source>Vertical bar |</source>
        <translation>Barra vertical |</translation>
    </message>
    <message>
        <source>Other</source>
        <translation>Otro</translation>
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
        <translation>Windows-1252 (Europa occidental)</translation>
    </message>
    <message>
        <source>The first row names the &amp;columns</source>
        <translation>La primera fila da nombre a las &amp;columnas</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>&amp;Importar</translation>
    </message>
    <message>
        <source>&amp;Separator:</source>
        <translation>&amp;Separador:</translation>
    </message>
    <message>
        <source>&amp;Encoding:</source>
        <translation>C&amp;odificación:</translation>
    </message>
    <message>
        <source>&amp;Take:</source>
        <translation>&amp;Tomar:</translation>
    </message>
    <message>
        <source>All rows</source>
        <translation>Todas las filas</translation>
    </message>
    <message>
        <source>Rows at random</source>
        <translation>Filas al azar</translation>
    </message>
    <message>
        <source>A range of rows</source>
        <translation>Un rango de filas</translation>
    </message>
    <message>
        <source>How many rows</source>
        <translation>Cuántas filas</translation>
    </message>
    <message>
        <source>First row</source>
        <translation>Primera fila</translation>
    </message>
    <message>
        <source>Last row</source>
        <translation>Última fila</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>Type the character that separates the fields.</source>
        <translation>Escribe el carácter que separa los campos.</translation>
    </message>
    <message>
        <source>The file holds 1 row.</source>
        <translation>El archivo contiene 1 fila.</translation>
    </message>
    <message>
        <source>The file holds %1 rows; the first %2 are shown.</source>
        <translation>El archivo contiene %1 filas; se muestran las primeras %2.</translation>
    </message>
    <message>
        <source>The file holds %1 rows.</source>
        <translation>El archivo contiene %1 filas.</translation>
    </message>
    <message>
        <source>Row %1 has text past the fourth field, which does not come in: %2.</source>
        <translation>La fila %1 tiene texto después del cuarto campo, que no se importa: %2.</translation>
    </message>
</context>
<context>
    <name>EditorGuide</name>
    <message>
        <source>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;The basics&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Adding questions.&lt;/b&gt; Type in a cell to fill it; Enter keeps what you typed. Down on the last row, or Tab or Enter in its last cell, starts a new row, as in a spreadsheet. Insert Row (Ctrl+Return) puts a blank row below the current one, to insert a question between others.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Importing a spreadsheet.&lt;/b&gt; Save it as CSV, then choose File, Import CSV (Ctrl+Shift+I). The preview shows the rows as the bank will hold them and how many the file has; change the separator, encoding or header row if it guessed wrong. From a large file, Take picks a number of rows at random or a range of them. The rows come in below the current row, as one step to undo.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Printing a worksheet.&lt;/b&gt; File, Print (Ctrl+P) prints the questions with their answers shuffled, and an answer key; Print Preview shows it first, and Export PDF saves it as a file. New Answer Order shuffles the answers anew for the next print.&lt;/p&gt;&lt;p&gt;&lt;b&gt;After a crash.&lt;/b&gt; The editor keeps unsaved changes aside as you work. When it stopped without saving them, it offers them at the next start: Recover opens them, Discard deletes them, and Not Now keeps them for later.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;&lt;a name=&quot;basics&quot;&gt;&lt;/a&gt;Lo básico&lt;/h2&gt;&lt;p&gt;&lt;b&gt;Añadir preguntas.&lt;/b&gt; Escribe en una celda para rellenarla; Enter conserva lo que escribiste. Flecha abajo en la última fila, o Tab o Enter en su última celda, empieza una fila nueva, como en una hoja de cálculo. «Insertar fila» (Ctrl+Enter) pone una fila en blanco debajo de la actual, para meter una pregunta entre otras.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Importar una hoja de cálculo.&lt;/b&gt; Guárdala como CSV y elige Archivo, «Importar CSV» (Ctrl+Mayús+I). La vista previa muestra las filas tal como las tendrá el banco y cuántas tiene el archivo; cambia el separador, la codificación o la fila de encabezado si no acertó. De un archivo grande, «Tomar» elige un número de filas al azar o un rango de ellas. Las filas entran debajo de la fila actual, en un solo paso que se puede deshacer.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Imprimir una hoja de ejercicios.&lt;/b&gt; Archivo, «Imprimir» (Ctrl+P) imprime las preguntas con sus respuestas mezcladas, y una hoja de soluciones; «Vista previa de impresión» la muestra antes, y «Exportar PDF» la guarda como archivo. «Nuevo orden de respuestas» vuelve a mezclar las respuestas para la próxima impresión.&lt;/p&gt;&lt;p&gt;&lt;b&gt;Después de un cierre inesperado.&lt;/b&gt; El editor conserva aparte los cambios sin guardar mientras trabajas. Si se cerró sin guardarlos, los ofrece al iniciarse la próxima vez: «Recuperar» los abre, «Descartar» los elimina y «Ahora no» los conserva para más tarde.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Writing a bank&lt;/h2&gt;&lt;p&gt;Each row is one question: the question itself (the game shows up to 73 characters), the right answer and two wrong ones (up to 26 characters each). The counter in each cell shows how much of the width is used. The game asks the first 100 rows; rows past the 100th are greyed out and never asked. It shows the three answers in a random order, so the right one may stand anywhere.&lt;/p&gt;&lt;p&gt;A straight double quote cannot go in a field: the game uses it to end fields. Typed, pasted or replaced, it becomes an opening or closing typographic quote, and line breaks become spaces; Find still finds typographic quotes from a straight one. The game uses the Windows-1252 characters: one it lacks is marked red, and the bank is not saved until it is replaced. Fix offers a replacement where there is one.&lt;/p&gt;&lt;p&gt;Ctrl+F finds text in the fields and Ctrl+H replaces it; F3 and Shift+F3 find the next and previous cell. The Edit menu sorts the rows by the current column and shuffles them; rows holding nothing stay at the end. Every change can be undone.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Escribir un banco&lt;/h2&gt;&lt;p&gt;Cada fila es una pregunta: la pregunta en sí (el juego muestra hasta 73 caracteres), la respuesta correcta y dos incorrectas (hasta 26 caracteres cada una). El contador de cada celda muestra cuánto del ancho está ocupado. El juego pregunta las primeras 100 filas; las filas después de la 100 aparecen en gris y nunca se preguntan. Muestra las tres respuestas en orden aleatorio, así que la correcta puede estar en cualquier sitio.&lt;/p&gt;&lt;p&gt;Una comilla doble recta no puede ir en un campo: el juego la usa para terminar los campos. Al escribirla, pegarla o sustituirla, se convierte en una comilla tipográfica de apertura o de cierre, y los saltos de línea se convierten en espacios; la búsqueda sigue encontrando las comillas tipográficas a partir de una recta. El juego usa los caracteres de Windows-1252: uno que no esté ahí se marca en rojo, y el banco no se guarda hasta que se sustituya. «Corregir» ofrece un sustituto cuando lo hay.&lt;/p&gt;&lt;p&gt;Ctrl+F busca texto en los campos y Ctrl+H lo sustituye; F3 y Mayús+F3 buscan la celda siguiente y la anterior. El menú «Editar» ordena las filas por la columna actual y las mezcla; las filas vacías quedan al final. Todos los cambios se pueden deshacer.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Problems and warnings&lt;/h2&gt;&lt;p&gt;The panel below the table lists what will not play as written, and warnings about questions that play but may not work once the answers are shuffled. Choose one, or press F8 and Shift+F8, to go to its field. Fix mends the chosen one; Fix All mends every one it can, line ends first, as one step to undo. Fix All never shortens what you wrote: Fix on a field too long selects what the game drops, for you to reword, and Cut Field to Its Width cuts it; Fix on a line over 140 characters opens its longest field to reword. Each row&apos;s header shows its line&apos;s length against 140. Check rows past 100 lists the findings on the rows the game never reads too; Edit, Delete Rows Past 100 keeps the first 100.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Problemas y avisos&lt;/h2&gt;&lt;p&gt;El panel bajo la tabla muestra lo que no se jugará tal como está escrito, y avisos sobre preguntas que se juegan pero que quizá no funcionen una vez mezcladas las respuestas. Elige uno, o pulsa F8 y Mayús+F8, para ir a su campo. «Corregir» arregla el elegido; «Corregir todo» arregla todos los que puede, primero los finales de línea, en un solo paso que se puede deshacer. «Corregir todo» nunca acorta lo que escribiste: «Corregir» en un campo demasiado largo selecciona lo que el juego descarta, para que lo reformules, y «Recortar campo a su ancho» lo recorta; «Corregir» en una línea de más de 140 caracteres abre su campo más largo para reformularlo. La cabecera de cada fila muestra la longitud de su línea frente a 140. «Revisar filas tras la 100» muestra también lo encontrado en las filas que el juego nunca lee; Editar, «Eliminar filas después de la 100» conserva las primeras 100.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;Playing the bank&lt;/h2&gt;&lt;p&gt;F5 (File, Play This Bank) saves the bank, then starts the game with it. A bank named &lt;i&gt;quarl3.tqz&lt;/i&gt; is played in its own folder; any other is copied under that name into a temporary folder of its own, removed when the game ends. With fewer than 100 questions it asks first, as the game would draw the empty slots too.&lt;/p&gt;&lt;p&gt;To reach 100, File, Top Up from Bank adds questions from another bank, leaving out those this bank already asks; New from Starter Bank opens a copy of a bank that comes with the game. Play Without Saving (Shift+F5) tries the table as it stands from a temporary copy, for a bank that cannot be saved where it is.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Jugar el banco&lt;/h2&gt;&lt;p&gt;F5 (Archivo, «Jugar este banco») guarda el banco y luego inicia el juego con él. Un banco llamado &lt;i&gt;quarl3.tqz&lt;/i&gt; se juega en su propia carpeta; cualquier otro se copia con ese nombre en una carpeta temporal propia, que se elimina cuando termina el juego. Con menos de 100 preguntas, el editor pide confirmación antes, ya que el juego sacaría también los huecos vacíos.&lt;/p&gt;&lt;p&gt;Para llegar a 100, Archivo, «Completar desde otro banco» añade preguntas de otro banco, sin las que este banco ya tiene; «Nuevo desde plantilla» abre una copia de un banco que viene con el juego. «Jugar sin guardar» (Mayús+F5) prueba la tabla tal como está desde una copia temporal, para un banco que no se puede guardar donde está.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;The manual tells the whole story: type &lt;tt&gt;man 6 korvedit&lt;/tt&gt; in a terminal, or open &lt;a href=&quot;man:korvedit(6)&quot;&gt;the korvedit manual page&lt;/a&gt; where the desktop can show it.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Más&lt;/h2&gt;&lt;p&gt;El manual lo cuenta todo: escribe &lt;tt&gt;man 6 korvedit&lt;/tt&gt; en una terminal, o abre &lt;a href=&quot;man:korvedit(6)&quot;&gt;la página de manual de korvedit&lt;/a&gt; donde el escritorio pueda mostrarla.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>&lt;h2&gt;More&lt;/h2&gt;&lt;p&gt;This guide is the editor&apos;s manual here: start with &lt;a href=&quot;#basics&quot;&gt;the basics&lt;/a&gt;.&lt;/p&gt;</source>
        <translation>&lt;h2&gt;Más&lt;/h2&gt;&lt;p&gt;Aquí, esta guía hace de manual del editor: empieza por &lt;a href=&quot;#basics&quot;&gt;lo básico&lt;/a&gt;.&lt;/p&gt;</translation>
    </message>
    <message>
        <source>Question Editor Guide</source>
        <translation>Guía del editor de preguntas</translation>
    </message>
</context>
<context>
    <name>FieldEdit</name>
    <message>
        <source>Line breaks and Ctrl-Z cannot go in a field: the game reads them as the end of the line or of the bank.</source>
        <translation>Los saltos de línea y Ctrl-Z no pueden ir en un campo: el juego los lee como fin de la línea o del banco.</translation>
    </message>
    <message>
        <source>Pasted double quotes became typographic ones, and line breaks spaces: the game reads a straight double quote as the end of the field.</source>
        <translation>Las comillas dobles pegadas se convirtieron en tipográficas, y los saltos de línea en espacios: el juego lee una comilla doble recta como el fin del campo.</translation>
    </message>
    <message>
        <source>“%1” is not in the game&apos;s character set (Windows-1252): the bank cannot be saved until it is replaced.</source>
        <translation>«%1» no está en el conjunto de caracteres del juego (Windows-1252): el banco no se puede guardar hasta que se sustituya.</translation>
    </message>
</context>
<context>
    <name>FileAccess</name>
    <message>
        <source>its access list cannot be read (%1)</source>
        <translation>no se puede leer su lista de acceso (%1)</translation>
    </message>
    <message>
        <source>its access list cannot be given to the new file (%1)</source>
        <translation>no se puede pasar su lista de acceso al archivo nuevo (%1)</translation>
    </message>
    <message>
        <source>its attribute %1 cannot be given to the new file (%2)</source>
        <translation>no se puede pasar su atributo %1 al archivo nuevo (%2)</translation>
    </message>
    <message>
        <source>its attributes cannot be read (%1)</source>
        <translation>no se pueden leer sus atributos (%1)</translation>
    </message>
</context>
<context>
    <name>FindBar</name>
    <message>
        <source>Fi&amp;nd:</source>
        <translation>&amp;Buscar:</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>Reemplazar co&amp;n:</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>&amp;Distinguir mayúsculas</translation>
    </message>
    <message>
        <source>Nex&amp;t</source>
        <translation>&amp;Siguiente</translation>
    </message>
    <message>
        <source>Pre&amp;vious</source>
        <translation>Anter&amp;ior</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>&amp;Reemplazar</translation>
    </message>
    <message>
        <source>Replace A&amp;ll</source>
        <translation>Reemplazar &amp;todo</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Close the find strip (Esc)</source>
        <translation>Cerrar la barra de búsqueda (Esc)</translation>
    </message>
    <message>
        <source>%1 is not in the bank.</source>
        <translation>%1 no está en el banco.</translation>
    </message>
    <message>
        <source>Replaced in 1 cell.</source>
        <translation>Reemplazado en 1 celda.</translation>
    </message>
    <message>
        <source>Replaced in %1 cells.</source>
        <translation>Reemplazado en %1 celdas.</translation>
    </message>
</context>
<context>
    <name>GameLauncher</name>
    <message>
        <source>The game is already running. Close it to play the bank again.</source>
        <translation>El juego ya está en marcha. Ciérralo para volver a jugar el banco.</translation>
    </message>
    <message>
        <source>The game (%1) was found neither beside the editor nor on the PATH. Install Korvane, then try again.</source>
        <translation>El juego (%1) no se encontró ni junto al editor ni en el PATH. Instala Korvane y vuelve a intentarlo.</translation>
    </message>
    <message>
        <source>The bank could not be copied for the game into a temporary folder.</source>
        <translation>No se pudo copiar el banco para el juego en una carpeta temporal.</translation>
    </message>
    <message>
        <source>The game stopped unexpectedly.</source>
        <translation>El juego se cerró inesperadamente.</translation>
    </message>
    <message>
        <source>The game could not be started: %1</source>
        <translation>No se pudo iniciar el juego: %1</translation>
    </message>
</context>
<context>
    <name>LineCountSummary</name>
    <message>
        <source>1 line</source>
        <translation>1 línea</translation>
    </message>
    <message>
        <source>%1 lines</source>
        <translation>%1 líneas</translation>
    </message>
    <message>
        <source>%1 of %2: the game still draws from all %2 slots, so %3 of its questions come up blank, with empty answers</source>
        <translation>%1 de %2: el juego sigue sacando de los %2 huecos, así que %3 de sus preguntas salen en blanco, con respuestas vacías</translation>
    </message>
    <message>
        <source>%1: the game reads them all</source>
        <translation>%1: el juego las lee todas</translation>
    </message>
    <message>
        <source>%1: the game reads the first %2 and never shows the other %3</source>
        <translation>%1: el juego lee las primeras %2 y nunca muestra las otras %3</translation>
    </message>
</context>
<context>
    <name>ProblemPanel</name>
    <message>
        <source>Bank: %1</source>
        <translation>Banco: %1</translation>
    </message>
    <message>
        <source>Line %1, warning: %2</source>
        <translation>Línea %1, aviso: %2</translation>
    </message>
    <message>
        <source>Line %1: %2</source>
        <translation>Línea %1: %2</translation>
    </message>
    <message>
        <source>Pro&amp;blems</source>
        <translation>Proble&amp;mas</translation>
    </message>
    <message>
        <source>Problems</source>
        <translation>Problemas</translation>
    </message>
    <message>
        <source>What the game would leave out, cut or show differently. Press Enter to go to the field.</source>
        <translation>Lo que el juego omitiría, recortaría o mostraría de otra forma. Pulsa Enter para ir al campo.</translation>
    </message>
    <message>
        <source>Fi&amp;x</source>
        <translation>&amp;Corregir</translation>
    </message>
    <message>
        <source>Fix the selected problem</source>
        <translation>Corregir el problema seleccionado</translation>
    </message>
    <message>
        <source>Fix the selected problem the way the game expects</source>
        <translation>Corregir el problema seleccionado como lo espera el juego</translation>
    </message>
    <message>
        <source>Fix &amp;All</source>
        <translation>Corregir t&amp;odo</translation>
    </message>
    <message>
        <source>Fix every problem that can be fixed</source>
        <translation>Corregir todos los problemas que se pueden corregir</translation>
    </message>
    <message>
        <source>Fix every problem of every kind that Fix can mend, as one step to undo</source>
        <translation>Corregir todos los problemas de todo tipo que «Corregir» puede arreglar, en un solo paso que se puede deshacer</translation>
    </message>
    <message>
        <source>Check rows past &amp;100</source>
        <translation>Revisar filas tras la &amp;100</translation>
    </message>
    <message>
        <source>Also check the rows past 100, which the game never reads, before deleting rows brings them up: their problems, questions asked twice and answers alike</source>
        <translation>Revisar también las filas después de la 100, que el juego nunca lee, antes de que suban al eliminar filas: sus problemas, preguntas repetidas y respuestas iguales</translation>
    </message>
    <message>
        <source>Fix</source>
        <translation>Corregir</translation>
    </message>
    <message>
        <source>Fix can put this right in one step.</source>
        <translation>«Corregir» puede arreglar esto en un solo paso.</translation>
    </message>
    <message>
        <source>The game plays this line, but the question may not work once the answers are shuffled.</source>
        <translation>El juego usa esta línea, pero puede que la pregunta no funcione una vez mezcladas las respuestas.</translation>
    </message>
    <message>
        <source>1 finding on rows past %1</source>
        <translation>1 hallazgo en filas después de la %1</translation>
    </message>
    <message>
        <source>%1 findings on rows past %2</source>
        <translation>%1 hallazgos en filas después de la %2</translation>
    </message>
</context>
<context>
    <name>QuestionPreview</name>
    <message>
        <source>Preview of the question window</source>
        <translation>Vista previa de la ventana de pregunta</translation>
    </message>
    <message>
        <source>A) is the right answer here; the game shuffles the three answers.</source>
        <translation>A) es aquí la respuesta correcta; el juego mezcla las tres respuestas.</translation>
    </message>
    <message>
        <source>The game does not read this line: it holds %1 questions, from the first %1 lines.</source>
        <translation>El juego no lee esta línea: admite %1 preguntas, de las primeras %1 líneas.</translation>
    </message>
    <message>
        <source>Select a question to see it as the game shows it.</source>
        <translation>Selecciona una pregunta para verla como la muestra el juego.</translation>
    </message>
</context>
<context>
    <name>QuizPrintCommands</name>
    <message>
        <source>The answers will be printed in a new order.</source>
        <translation>Las respuestas se imprimirán en un orden nuevo.</translation>
    </message>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Editor de preguntas de Korvane</translation>
    </message>
    <message>
        <source>Sheets of order %1 were already printed. Their key will not match a sheet of another order. Change the order?</source>
        <translation>Ya se imprimieron hojas del orden %1. Las soluciones de esas hojas no coincidirán con una hoja de otro orden. ¿Cambiar el orden?</translation>
    </message>
    <message>
        <source>Quiz</source>
        <translation>Cuestionario</translation>
    </message>
    <message>
        <source>There is nothing to print: no line has a question.</source>
        <translation>No hay nada que imprimir: ninguna línea tiene pregunta.</translation>
    </message>
    <message>
        <source>&amp;Print…</source>
        <translation>&amp;Imprimir…</translation>
    </message>
    <message>
        <source>Pre&amp;view</source>
        <translation>&amp;Vista previa</translation>
    </message>
    <message>
        <source>E&amp;xport…</source>
        <translation>E&amp;xportar…</translation>
    </message>
    <message>
        <source>The quiz was not printed: the printer could not start.</source>
        <translation>El cuestionario no se imprimió: la impresora no pudo empezar.</translation>
    </message>
    <message>
        <source>Print Preview — %1</source>
        <translation>Vista previa de impresión — %1</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>Exportar PDF</translation>
    </message>
    <message>
        <source>PDF documents (*.pdf);;All files (*)</source>
        <translation>Documentos PDF (*.pdf);;Todos los archivos (*)</translation>
    </message>
    <message>
        <source>Exported %1</source>
        <translation>Se exportó %1</translation>
    </message>
    <message>
        <source>“%1” could not be written: %2. Choose another folder or name, then export again.</source>
        <translation>No se pudo escribir «%1»: %2. Elige otra carpeta u otro nombre y vuelve a exportar.</translation>
    </message>
    <message>
        <source>the pages could not be drawn</source>
        <translation>no se pudieron dibujar las páginas</translation>
    </message>
</context>
<context>
    <name>QuizPrinter</name>
    <message>
        <source>Write the letter of the right answer in the box beside each question.</source>
        <translation>Escribe la letra de la respuesta correcta en la casilla junto a cada pregunta.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>Nombre</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>Clase</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>%1 — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1 — página %2 de %3 — Orden %4 (control %5)</translation>
    </message>
    <message>
        <source>Answer key: %1</source>
        <translation>Soluciones: %1</translation>
    </message>
    <message>
        <source>%1, answer key — page %2 of %3 — Order %4 (check %5)</source>
        <translation>%1, soluciones — página %2 de %3 — Orden %4 (control %5)</translation>
    </message>
</context>
<context>
    <name>QuizSheetDialog</name>
    <message>
        <source>&amp;All questions (%1)</source>
        <translation>T&amp;odas las preguntas (%1)</translation>
    </message>
    <message>
        <source>&amp;Questions</source>
        <translation>&amp;Preguntas</translation>
    </message>
    <message>
        <source>&amp;Draw</source>
        <translation>&amp;Sortear</translation>
    </message>
    <message>
        <source>&amp;Compact: more questions on a page</source>
        <translation>&amp;Compacto: más preguntas por página</translation>
    </message>
    <message>
        <source>Quiz Sheet</source>
        <translation>Hoja de preguntas</translation>
    </message>
    <message>
        <source>&amp;Paper…</source>
        <translation>P&amp;apel…</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>&amp;Título:</translation>
    </message>
    <message>
        <source>Questions:</source>
        <translation>Preguntas:</translation>
    </message>
    <message>
        <source>to</source>
        <translation>a</translation>
    </message>
    <message>
        <source>at random</source>
        <translation>al azar</translation>
    </message>
    <message>
        <source>Layout:</source>
        <translation>Diseño:</translation>
    </message>
    <message>
        <source>Printed on every page of the sheet and its key. Type an earlier order&apos;s number to print its sheet again.</source>
        <translation>Se imprime en cada página de la hoja y de sus soluciones. Escribe el número de un orden anterior para volver a imprimir su hoja.</translation>
    </message>
    <message>
        <source>&amp;Order:</source>
        <translation>O&amp;rden:</translation>
    </message>
    <message>
        <source>Pages:</source>
        <translation>Páginas:</translation>
    </message>
    <message>
        <source>%1 for the sheet, %2 for the key, on %3 paper</source>
        <translation>%1 para la hoja, %2 para las soluciones, en papel %3</translation>
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
        <translation>&amp;Vaciar lista</translation>
    </message>
</context>
<context>
    <name>RecoveryFile</name>
    <message>
        <source>not JSON (%1 at byte %2)</source>
        <translation>no es JSON (%1 en el byte %2)</translation>
    </message>
    <message>
        <source>not a recovery file of the question editor</source>
        <translation>no es un archivo de recuperación del editor de preguntas</translation>
    </message>
    <message>
        <source>written by another version of the question editor</source>
        <translation>escrito por otra versión del editor de preguntas</translation>
    </message>
    <message>
        <source>the bank&apos;s name is damaged</source>
        <translation>el nombre del banco está dañado</translation>
    </message>
    <message>
        <source>the time it was written is damaged</source>
        <translation>la hora en que se escribió está dañada</translation>
    </message>
    <message>
        <source>it holds no line</source>
        <translation>no contiene ninguna línea</translation>
    </message>
    <message>
        <source>line %1 is damaged</source>
        <translation>la línea %1 está dañada</translation>
    </message>
    <message>
        <source>the text after the end of the data is damaged</source>
        <translation>el texto después del final de los datos está dañado</translation>
    </message>
</context>
<context>
    <name>RecoveryFolder</name>
    <message>
        <source>the folder %1 cannot be made</source>
        <translation>no se puede crear la carpeta %1</translation>
    </message>
    <message>
        <source>%1 is locked by another editor</source>
        <translation>otro editor ha bloqueado %1</translation>
    </message>
    <message>
        <source>its lock %1 cannot be made (%2)</source>
        <translation>no se puede crear su bloqueo %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryKeeper</name>
    <message>
        <source>it could not be kept for recovery in %1 (%2), nor in %3 (%4)</source>
        <translation>no se pudo guardar para su recuperación ni en %1 (%2) ni en %3 (%4)</translation>
    </message>
    <message>
        <source>they could not be kept for recovery in %1 (%2)</source>
        <translation>no se pudieron guardar para su recuperación en %1 (%2)</translation>
    </message>
    <message>
        <source>, nor in %1 (%2)</source>
        <translation>, ni en %1 (%2)</translation>
    </message>
</context>
<context>
    <name>RecoveryOffers</name>
    <message>
        <source>Recover Unsaved Changes</source>
        <translation>Recuperar cambios sin guardar</translation>
    </message>
    <message>
        <source>an untitled bank</source>
        <translation>un banco sin título</translation>
    </message>
    <message>
        <source>“%1”</source>
        <translation>«%1»</translation>
    </message>
    <message>
        <source>d MMMM yyyy &apos;at&apos; HH:mm</source>
        <translation>d &apos;de&apos; MMMM &apos;de&apos; yyyy &apos;a las&apos; HH:mm</translation>
    </message>
    <message>
        <source>“%1” is open in another question editor, with unsaved changes.</source>
        <translation>«%1» está abierto en otro editor de preguntas, con cambios sin guardar.</translation>
    </message>
    <message>
        <source>Bank Open Elsewhere</source>
        <translation>Banco abierto en otro sitio</translation>
    </message>
    <message>
        <source>Whichever editor saves it last replaces what the other saved. Save or close it there first, then open it here again.</source>
        <translation>El editor que lo guarde el último sustituye lo que guardó el otro. Guárdalo o ciérralo primero allí y luego vuelve a abrirlo aquí.</translation>
    </message>
    <message>
        <source>The recovery file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de recuperación %1: %2.</translation>
    </message>
    <message>
        <source>Unsaved changes to %1 were kept on %2, when the editor stopped without saving them.</source>
        <translation>Los cambios sin guardar en %1 se conservaron el %2, cuando el editor se cerró sin guardarlos.</translation>
    </message>
    <message>
        <source>Recover opens them as a new bank</source>
        <translation>«Recuperar» los abre como un banco nuevo</translation>
    </message>
    <message>
        <source>Recover opens them as unsaved changes to %1</source>
        <translation>«Recuperar» los abre como cambios sin guardar en %1</translation>
    </message>
    <message>
        <source>; save them to keep them. Discard deletes them. Not Now keeps them for later.</source>
        <translation>; guárdalos para conservarlos. «Descartar» los elimina. «Ahora no» los conserva para más tarde.</translation>
    </message>
    <message>
        <source>&amp;Recover</source>
        <translation>&amp;Recuperar</translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation>&amp;Descartar</translation>
    </message>
    <message>
        <source>&amp;Not Now</source>
        <translation>&amp;Ahora no</translation>
    </message>
    <message>
        <source>Move Aside renames it %1, which the editor does not read at start. Not Now leaves it where it is.</source>
        <translation>«Apartar» le pone el nombre %1, que el editor no lee al iniciarse. «Ahora no» lo deja donde está.</translation>
    </message>
    <message>
        <source>Not Now leaves it where it is.</source>
        <translation>«Ahora no» lo deja donde está.</translation>
    </message>
    <message>
        <source>&amp;Move Aside</source>
        <translation>A&amp;partar</translation>
    </message>
    <message>
        <source>Delete the unsaved changes to %1 kept on %2?</source>
        <translation>¿Eliminar los cambios sin guardar en %1 conservados el %2?</translation>
    </message>
    <message>
        <source>Delete the recovery file %1?</source>
        <translation>¿Eliminar el archivo de recuperación %1?</translation>
    </message>
    <message>
        <source>They cannot be recovered afterwards.</source>
        <translation>Después no se podrán recuperar.</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>&amp;Eliminar</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <source>Korvane Question Editor</source>
        <translation>Editor de preguntas de Korvane</translation>
    </message>
    <message>
        <source>Write, check and play question banks for Korvane.</source>
        <translation>Escribe, comprueba y juega bancos de preguntas para Korvane.</translation>
    </message>
    <message>
        <source>Speak this language (de: German) rather than the system&apos;s.</source>
        <translation>Hablar este idioma (es: español) en lugar del del sistema.</translation>
    </message>
    <message>
        <source>The question bank (.tqz) to open.</source>
        <translation>El banco de preguntas (.tqz) que se va a abrir.</translation>
    </message>
    <message>
        <source>code</source>
        <translation>código</translation>
    </message>
    <message>
        <source>bank</source>
        <translation>banco</translation>
    </message>
    <message>
        <source>[bank]</source>
        <translation>[banco]</translation>
    </message>
</context>
</TS>
