<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
<context>
    <name>tqzcheck</name>
    <message>
        <source>it is a folder</source>
        <translation>es una carpeta</translation>
    </message>
    <message>
        <source>reading it failed</source>
        <translation>no se pudo leer</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>%1: cannot be read (%2): the game would show &quot;The File &apos;QUARL3.TQZ&apos; is not found!&quot;
</source>
        <translation>%1: no se puede leer (%2): el juego mostraría «¡Falta el archivo “QUARL3.TQZ”!»
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
        <translation>Uso: tqzcheck ARCHIVO
Muestra, línea por línea, lo que Korvane cargará del banco de preguntas
ARCHIVO y cada línea que no se jugará tal como está escrita.
Bajo cada línea: «línea N: ...» es un problema, algo que el juego omite,
recorta o muestra como otros caracteres; «línea N: aviso: ...» trata de
lo que dice la línea una vez que el juego mezcla las respuestas: una
pregunta que sale dos veces, o respuestas que un jugador no puede
distinguir, enteras o tal como el juego las recorta (sin contar
mayúsculas, espacios ni signos de puntuación).
El juego lee su banco como quarl3.tqz de la carpeta en la que se inicia,
o, si no lo hay, con ese nombre en cualquier mezcla de mayúsculas y
minúsculas (QUARL3.TQZ).
Estado de salida: 0 si no se encontró nada, 1 si se encontró un problema
o un aviso, 2 si no se puede leer el archivo.
--language CÓDIGO habla ese idioma (es: español) en lugar del del sistema.
</translation>
    </message>
    <message>
        <source>line %1: warning: %2
</source>
        <translation>línea %1: aviso: %2
</translation>
    </message>
    <message>
        <source>line %1: %2
</source>
        <translation>línea %1: %2
</translation>
    </message>
    <message>
        <source>%1 entry</source>
        <translation>%1 entrada</translation>
    </message>
    <message>
        <source>%1 entries</source>
        <translation>%1 entradas</translation>
    </message>
    <message>
        <source>%1 problem</source>
        <translation>%1 problema</translation>
    </message>
    <message>
        <source>%1 problems</source>
        <translation>%1 problemas</translation>
    </message>
    <message>
        <source>%1 warning</source>
        <translation>%1 aviso</translation>
    </message>
    <message>
        <source>%1 warnings</source>
        <translation>%1 avisos</translation>
    </message>
</context>
</TS>
