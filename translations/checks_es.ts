<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>BankField</name>
    <message>
        <source>Question</source>
        <translation>Pregunta</translation>
    </message>
    <message>
        <source>the question</source>
        <translation>la pregunta</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Respuesta correcta</translation>
    </message>
    <message>
        <source>the right answer</source>
        <translation>la respuesta correcta</translation>
    </message>
    <message>
        <source>Wrong answer 1</source>
        <translation>Respuesta incorrecta 1</translation>
    </message>
    <message>
        <source>wrong answer 1</source>
        <translation>respuesta incorrecta 1</translation>
    </message>
    <message>
        <source>Wrong answer 2</source>
        <translation>Respuesta incorrecta 2</translation>
    </message>
    <message>
        <source>wrong answer 2</source>
        <translation>respuesta incorrecta 2</translation>
    </message>
</context>
<context>
    <name>ProblemKinds</name>
    <message>
        <source>empty line: the slot stays empty</source>
        <translation>línea vacía: el hueco queda vacío</translation>
    </message>
    <message>
        <source>Empty line</source>
        <translation>Línea vacía</translation>
    </message>
    <message>
        <source>the line holds nothing, so its slot in the game stays empty.</source>
        <translation>la línea no contiene nada, así que su hueco en el juego queda vacío.</translation>
    </message>
    <message>
        <source>%1 is %2 characters: the game keeps %3 and drops %4</source>
        <translation>%1 tiene %2 caracteres: el juego conserva %3 y descarta %4</translation>
    </message>
    <message>
        <source>Cut %2 from the end of the %3 on line %1</source>
        <translation>Recortar %2 del final de %3 en la línea %1</translation>
    </message>
    <message>
        <source>Field too long</source>
        <translation>Campo demasiado largo</translation>
    </message>
    <message>
        <source>the game cuts the question to 73 characters and an answer to 26; the message says what is dropped. Fix selects that part for you to reword; Cut Field to Its Width cuts it.</source>
        <translation>el juego recorta la pregunta a 73 caracteres y cada respuesta a 26; el mensaje indica lo que se descarta. «Corregir» selecciona esa parte para que la reformules; «Recortar campo a su ancho» la recorta.</translation>
    </message>
    <message>
        <source>the line is %1 characters: the game reads the first %2 and drops %3</source>
        <translation>la línea tiene %1 caracteres: el juego lee los primeros %2 y descarta %3</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Línea demasiado larga</translation>
    </message>
    <message>
        <source>the game reads only the first 140 characters of a line, whatever the fields hold.</source>
        <translation>el juego solo lee los primeros 140 caracteres de una línea, contengan lo que contengan los campos.</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes</source>
        <translation>solo %1 de las 4 comillas dobles</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters</source>
        <translation>solo %1 de las 4 comillas dobles en los primeros %2 caracteres</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes: %3 takes the rest of the line</source>
        <translation>solo %1 de las 4 comillas dobles: %3 se queda con el resto de la línea</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters: %3 takes the rest of the line</source>
        <translation>solo %1 de las 4 comillas dobles en los primeros %2 caracteres: %3 se queda con el resto de la línea</translation>
    </message>
    <message>
        <source>Missing double quotes</source>
        <translation>Faltan comillas dobles</translation>
    </message>
    <message>
        <source>a line needs four, one after each field; with fewer, fields run together or stay empty. With none at all, nothing loads from the line.</source>
        <translation>una línea necesita cuatro, una después de cada campo; con menos, los campos se juntan o quedan vacíos. Sin ninguna, no se carga nada de la línea.</translation>
    </message>
    <message>
        <source>no double quote: the game loads nothing from this line</source>
        <translation>ninguna comilla doble: el juego no carga nada de esta línea</translation>
    </message>
    <message>
        <source>no double quote in the first %1 characters: the game loads nothing from this line</source>
        <translation>ninguna comilla doble en los primeros %1 caracteres: el juego no carga nada de esta línea</translation>
    </message>
    <message>
        <source>text after the 4th double quote is not used: %1</source>
        <translation>el texto después de la 4.ª comilla doble no se usa: %1</translation>
    </message>
    <message>
        <source>Drop %2 after the fourth double quote on line %1</source>
        <translation>Quitar %2 después de la cuarta comilla doble en la línea %1</translation>
    </message>
    <message>
        <source>Split line %1 at its line feeds</source>
        <translation>Dividir la línea %1 en sus saltos de línea</translation>
    </message>
    <message>
        <source>Move the question run on after line %1 to a line of its own</source>
        <translation>Pasar a una línea propia la pregunta unida tras la línea %1</translation>
    </message>
    <message>
        <source>Mend the text after the fourth double quote on every line</source>
        <translation>Arreglar el texto después de la cuarta comilla doble en todas las líneas</translation>
    </message>
    <message>
        <source>mend the text after the fourth double quote</source>
        <translation>arreglar el texto después de la cuarta comilla doble</translation>
    </message>
    <message>
        <source>Text after the fourth double quote</source>
        <translation>Texto después de la cuarta comilla doble</translation>
    </message>
    <message>
        <source>the game ignores it; often it is a further question that needs a line of its own.</source>
        <translation>el juego lo pasa por alto; a menudo es otra pregunta que necesita una línea propia.</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vacía</translation>
    </message>
    <message>
        <source>%1 are empty</source>
        <translation>%1 están vacías</translation>
    </message>
    <message>
        <source>Empty fields</source>
        <translation>Campos vacíos</translation>
    </message>
    <message>
        <source>the game shows an empty question or answer box.</source>
        <translation>el juego muestra un recuadro de pregunta o de respuesta vacío.</translation>
    </message>
    <message>
        <source>lone line feed (LF) at character %2: the game reads it as an ordinary character, not a line end</source>
        <translation>salto de línea (LF) suelto en el carácter %2: el juego lo lee como un carácter normal, no como fin de línea</translation>
    </message>
    <message>
        <source>%1 lone line feeds (LF), the first at character %2: the game reads them as ordinary characters, not line ends</source>
        <translation>%1 saltos de línea (LF) sueltos, el primero en el carácter %2: el juego los lee como caracteres normales, no como fines de línea</translation>
    </message>
    <message>
        <source>End line %1 at its line feeds</source>
        <translation>Terminar la línea %1 en sus saltos de línea</translation>
    </message>
    <message>
        <source>End every line at its line feeds</source>
        <translation>Terminar cada línea en sus saltos de línea</translation>
    </message>
    <message>
        <source>end lines at their line feeds</source>
        <translation>terminar las líneas en sus saltos de línea</translation>
    </message>
    <message>
        <source>Line feed without carriage return</source>
        <translation>Salto de línea sin retorno de carro</translation>
    </message>
    <message>
        <source>the game does not end the line there but shows an odd character.</source>
        <translation>el juego no termina ahí la línea, sino que muestra un carácter extraño.</translation>
    </message>
    <message>
        <source>%1 holds UTF-8 text the game shows as other characters: %2</source>
        <translation>%1 contiene texto UTF-8 que el juego muestra como otros caracteres: %2</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on line %1</source>
        <translation>Leer el texto UTF-8 de la línea %1</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on every line</source>
        <translation>Leer el texto UTF-8 de todas las líneas</translation>
    </message>
    <message>
        <source>read the UTF-8 text</source>
        <translation>leer el texto UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 text</source>
        <translation>Texto UTF-8</translation>
    </message>
    <message>
        <source>the file was saved in another encoding; the game shows “ü” as “Ã¼”. Fix reads it as intended.</source>
        <translation>el archivo se guardó con otra codificación; el juego muestra «ü» como «Ã¼». «Corregir» lo lee como se pretendía.</translation>
    </message>
    <message>
        <source>%1 holds characters the game cannot show (Windows-1252 has none of them): %2</source>
        <translation>%1 contiene caracteres que el juego no puede mostrar (Windows-1252 no tiene ninguno de ellos): %2</translation>
    </message>
    <message>
        <source>Characters the game cannot show</source>
        <translation>Caracteres que el juego no puede mostrar</translation>
    </message>
    <message>
        <source>typed or pasted characters Windows-1252 lacks; the bank is not saved until they are replaced.</source>
        <translation>caracteres escritos o pegados que Windows-1252 no tiene; el banco no se guarda hasta que se sustituyan.</translation>
    </message>
    <message>
        <source>%1 holds bytes Windows-1252 does not define: %2</source>
        <translation>%1 contiene bytes que Windows-1252 no define: %2</translation>
    </message>
    <message>
        <source>Undefined bytes and control characters</source>
        <translation>Bytes no definidos y caracteres de control</translation>
    </message>
    <message>
        <source>characters the game shows as nothing or as boxes.</source>
        <translation>caracteres que el juego muestra como nada o como cuadraditos.</translation>
    </message>
    <message>
        <source>%1 holds control characters: %2</source>
        <translation>%1 contiene caracteres de control: %2</translation>
    </message>
    <message>
        <source>a Ctrl-Z in this line ends the data: the %1 bytes after it are not read</source>
        <translation>un Ctrl-Z en esta línea termina los datos: los %1 bytes siguientes no se leen</translation>
    </message>
    <message>
        <source>a Ctrl-Z after this line ends the data: the %1 bytes after it are not read</source>
        <translation>un Ctrl-Z después de esta línea termina los datos: los %1 bytes siguientes no se leen</translation>
    </message>
    <message>
        <source>Ctrl-Z</source>
        <translation>Ctrl-Z</translation>
    </message>
    <message>
        <source>the game stops reading the file there.</source>
        <translation>el juego deja de leer el archivo ahí.</translation>
    </message>
    <message>
        <source>the checks count %1 lines where the game loads %2: please report this</source>
        <translation>las comprobaciones cuentan %1 líneas donde el juego carga %2: avísanos, por favor</translation>
    </message>
    <message>
        <source>Lines counted differently</source>
        <translation>Líneas contadas de forma distinta</translation>
    </message>
    <message>
        <source>the checks and the game disagree on the number of lines: look at the line ends near it.</source>
        <translation>las comprobaciones y el juego no coinciden en el número de líneas: revisa los finales de línea cercanos.</translation>
    </message>
    <message>
        <source>slot %1 stays empty: the game finds only %3 lines</source>
        <translation>el hueco %1 queda vacío: el juego solo encuentra %3 líneas</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 line</source>
        <translation>los huecos %1 a %2 quedan vacíos: el juego solo encuentra %3 línea</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 lines</source>
        <translation>los huecos %1 a %2 quedan vacíos: el juego solo encuentra %3 líneas</translation>
    </message>
    <message>
        <source>Slots empty</source>
        <translation>Huecos vacíos</translation>
    </message>
    <message>
        <source>the bank has fewer than 100 questions; the game draws an empty slot like any other, as a blank question.</source>
        <translation>el banco tiene menos de 100 preguntas; el juego saca un hueco vacío como cualquier otro, como una pregunta en blanco.</translation>
    </message>
    <message>
        <source>line %1 is not read: the game holds %3 entries</source>
        <translation>la línea %1 no se lee: el juego admite %3 entradas</translation>
    </message>
    <message>
        <source>lines %1 to %2 are not read: the game holds %3 entries</source>
        <translation>las líneas %1 a %2 no se leen: el juego admite %3 entradas</translation>
    </message>
    <message>
        <source>Lines not read</source>
        <translation>Líneas no leídas</translation>
    </message>
    <message>
        <source>lines after the 100th are never asked.</source>
        <translation>las líneas después de la 100 nunca se preguntan.</translation>
    </message>
    <message>
        <source>the same question as line %1 (case, spaces and punctuation aside)</source>
        <translation>la misma pregunta que en la línea %1 (sin contar mayúsculas, espacios ni signos de puntuación)</translation>
    </message>
    <message>
        <source>Duplicate question</source>
        <translation>Pregunta repetida</translation>
    </message>
    <message>
        <source>the same question stands on two lines, so it may be asked twice in one game.</source>
        <translation>la misma pregunta está en dos líneas, así que puede salir dos veces en una partida.</translation>
    </message>
    <message>
        <source>%1 are the same answer (case, spaces and punctuation aside)</source>
        <translation>%1 son la misma respuesta (sin contar mayúsculas, espacios ni signos de puntuación)</translation>
    </message>
    <message>
        <source>Equal answers</source>
        <translation>Respuestas iguales</translation>
    </message>
    <message>
        <source>two answers of one question read the same, so the player cannot tell them apart.</source>
        <translation>dos respuestas de una pregunta dicen lo mismo, así que el jugador no puede distinguirlas.</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts them to %2 characters</source>
        <translation>%1 se vuelven la misma respuesta cuando el juego las recorta a %2 caracteres</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts the line to %3 characters</source>
        <translation>%1 se vuelven la misma respuesta cuando el juego recorta la línea a %3 caracteres</translation>
    </message>
    <message>
        <source>Answers equal after the cut</source>
        <translation>Respuestas iguales tras el recorte</translation>
    </message>
    <message>
        <source>two answers differ only after their 26th character, or past the line&apos;s 140th, so the game, which shows neither, shows them the same.</source>
        <translation>dos respuestas solo se diferencian después de su carácter 26, o más allá del 140 de la línea, así que el juego, que no muestra esa parte, las muestra iguales.</translation>
    </message>
    <message>
        <source>%1 and %2</source>
        <translation>%1 y %2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>a byte order mark (EF BB BF) shows as %1</source>
        <translation>una marca de orden de bytes (EF BB BF) se muestra como %1</translation>
    </message>
    <message>
        <source>%1 shows as %2</source>
        <translation>%1 se muestra como %2</translation>
    </message>
    <message>
        <source>%1 (no character)</source>
        <translation>%1 (ningún carácter)</translation>
    </message>
</context>
</TS>
