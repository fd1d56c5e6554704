<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es" sourcelanguage="en">
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
        <translation>Uso: korvwin [BANCO]
Inicia Korvane, un juego de tablero con preguntas para dos jugadores en
un mismo ordenador. El juego lee sus preguntas del banco de preguntas
BANCO al empezar y otra vez en cada partida nueva. Sin BANCO lee
quarl3.tqz de la carpeta en la que empieza o, si no está, ese nombre en
cualquier mezcla de mayúsculas y minúsculas (QUARL3.TQZ). Si el banco no
se puede leer, una ventana de error lo dice y su botón OK cierra el juego.
Los bancos que vienen con el juego, en %1:
</translation>
    </message>
    <message>
        <source>--language CODE plays in that language (de: German) rather than the system&apos;s.
Qt&apos;s own options, such as -platform NAME, are accepted too.
</source>
        <translation>--language CÓDIGO juega en ese idioma (es: español) en lugar del del sistema.
También se aceptan las opciones propias de Qt, como -platform NOMBRE.
</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>yellow star</source>
        <translation>estrella amarilla</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>velero</translation>
    </message>
    <message>
        <source>green frog</source>
        <translation>rana verde</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>corazón rojo</translation>
    </message>
    <message>
        <source>purple crown</source>
        <translation>corona morada</translation>
    </message>
    <message>
        <source>key</source>
        <translation>llave</translation>
    </message>
    <message>
        <source>pink flower</source>
        <translation>flor rosa</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>osito de peluche</translation>
    </message>
    <message>
        <source>Playing piece %1: %2</source>
        <translation>Ficha %1: %2</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Tu nombre, por favor:</translation>
    </message>
    <message>
        <source> Player one, enter your name then press [Tab] or [Enter].</source>
        <translation> Jugador 1, escribe tu nombre y pulsa [Tab] o [Enter].</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jugador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jugador 2</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Ficha del jugador 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Ficha del jugador 1</translation>
    </message>
    <message>
        <source>Playing Pieces</source>
        <translation>Fichas</translation>
    </message>
    <message>
        <source>Korvane: a game of questions, corners and Love</source>
        <translation>Korvane: un juego de preguntas, esquinas y Love</translation>
    </message>
    <message>
        <source>Spare box: now click a playing piece</source>
        <translation>Hueco libre: ahora haz clic en una ficha</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Jugador1</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar juego</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jugador2</translation>
    </message>
    <message>
        <source>Player 1:  Enter your name.</source>
        <translation>Jugador 1:  Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Tu nombre:</translation>
    </message>
    <message>
        <source> Select a playing piece by clicking on one.</source>
        <translation> Elige una ficha haciendo clic en ella.</translation>
    </message>
    <message>
        <source>Click on a playing piece</source>
        <translation>Haz clic en una ficha</translation>
    </message>
    <message>
        <source>Click on the &apos;Start Game&apos; button to play.</source>
        <translation>Haz clic en «Iniciar juego» para jugar.</translation>
    </message>
    <message>
        <source>Player 2:  Enter your name.</source>
        <translation>Jugador 2:  Escribe tu nombre.</translation>
    </message>
    <message>
        <source>Player two, enter your name.</source>
        <translation>Jugador 2, escribe tu nombre.</translation>
    </message>
</context>
<context>
    <name>TfrmDialog</name>
    <message>
        <source>Do you really want to Quit?</source>
        <translation>¿De verdad quieres Salir?</translation>
    </message>
    <message>
        <source>Warning</source>
        <translation>Aviso</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Do you really want to quit?</source>
        <translation>¿De verdad quieres salir?</translation>
    </message>
    <message>
        <source>Do you really want to start over?</source>
        <translation>¿De verdad quieres reiniciar?</translation>
    </message>
</context>
<context>
    <name>TfrmEnd</name>
    <message>
        <source>Game board: click for About</source>
        <translation>Tablero: haz clic para ver «Info»</translation>
    </message>
    <message>
        <source>Thank you for playing!!!!</source>
        <translation>¡¡¡¡Gracias por jugar!!!!</translation>
    </message>
    <message>
        <source>You Win!!!</source>
        <translation>¡¡¡Victoria!!!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>¡Muy bien!</translation>
    </message>
    <message>
        <source>Winner&apos;s piece</source>
        <translation>Ficha del ganador</translation>
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
        <translation>Ayuda de Korvane</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licencia</translation>
    </message>
    <message>
        <source>Licence terms</source>
        <translation>Términos de uso</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Cómo se juega</translation>
    </message>
    <message>
        <source>The board&apos;s corners: L and O above, V and E below</source>
        <translation>Las esquinas del tablero: L y O arriba, V y E abajo</translation>
    </message>
    <message>
        <source>Correctly answer a question from each corner square to win.  Each corner represents a different letter.  Spell the word &apos;Love&apos; to win!</source>
        <translation>Acierta una pregunta en cada casilla de esquina.  Cada esquina es una letra distinta.  ¡Forma la palabra «Love» para ganar!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Reglas</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Die face %1</source>
        <translation>Cara %1 del dado</translation>
    </message>
    <message>
        <source>Korvane emblem</source>
        <translation>Emblema de Korvane</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Escríbenos</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Correo postal</translation>
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
        <translation>Tablero</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Ficha del jugador 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Ficha del jugador 1</translation>
    </message>
    <message>
        <source> Dice</source>
        <translation> Dado</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Reiniciar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Other Software from Halvorn Computers</source>
        <translation>Otros programas de Halvorn Computers</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Haz clic en el dado para tirar</translation>
    </message>
    <message>
        <source>Die showing %1</source>
        <translation>El dado muestra %1</translation>
    </message>
    <message>
        <source>Move forward to square %1</source>
        <translation>Avanzar a la casilla %1</translation>
    </message>
    <message>
        <source>Move backward to square %1</source>
        <translation>Retroceder a la casilla %1</translation>
    </message>
    <message>
        <source>  Click on the square where you want to move.  </source>
        <translation>  Haz clic en la casilla a la que quieres ir.  </translation>
    </message>
    <message>
        <source>  Click on the right answer</source>
        <translation>  Elige la respuesta correcta</translation>
    </message>
    <message>
        <source>%1&apos;s Turn</source>
        <translation>Turno de %1</translation>
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
        <translation>Catálogo de software de Halvorn - Brovell</translation>
    </message>
    <message>
        <source>Halvorn Software Catalog - Quintarra</source>
        <translation>Catálogo de software de Halvorn - Quintarra</translation>
    </message>
    <message>
        <source>Halvorn Software</source>
        <translation>Halvorn Software</translation>
    </message>
    <message>
        <source>Go To Next Page</source>
        <translation>Ir a la página siguiente</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Página siguiente</translation>
    </message>
    <message>
        <source>About Brovell</source>
        <translation>Sobre Brovell</translation>
    </message>
    <message>
        <source>Brovell logo</source>
        <translation>Logo de Brovell</translation>
    </message>
    <message>
        <source>Bullet</source>
        <translation>Punto de lista</translation>
    </message>
    <message>
        <source>Brovell on screen</source>
        <translation>Brovell en pantalla</translation>
    </message>
    <message>
        <source>Quintarra icon</source>
        <translation>Icono de Quintarra</translation>
    </message>
    <message>
        <source>About Quintarra</source>
        <translation>Sobre Quintarra</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Escríbenos</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Correo postal</translation>
    </message>
    <message>
        <source>A computer sending love</source>
        <translation>Un ordenador que envía amor</translation>
    </message>
    <message>
        <source>E-mail: korvane@halvorn.example</source>
        <translation>Correo: korvane@halvorn.example</translation>
    </message>
    <message>
        <source>&amp;Ok</source>
        <translation>&amp;OK</translation>
    </message>
    <message>
        <source>Page %1 of 3</source>
        <translation>Página %1 de 3</translation>
    </message>
</context>
<context>
    <name>TfrmQuestion</name>
    <message>
        <source>Letter %1 won</source>
        <translation>Letra %1 ganada</translation>
    </message>
    <message>
        <source>Letter %1 not won yet</source>
        <translation>Letra %1 aún no ganada</translation>
    </message>
    <message>
        <source>Here comes the question.</source>
        <translation>Aquí viene la pregunta.</translation>
    </message>
    <message>
        <source>Piece of the player on turn</source>
        <translation>Ficha del jugador que tiene el turno</translation>
    </message>
    <message>
        <source>Player&apos;s</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>juega</translation>
    </message>
    <message>
        <source>Pieces:</source>
        <translation>Fichas:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Seguir</translation>
    </message>
    <message>
        <source>This question is for the square!</source>
        <translation>¡Esta pregunta vale la casilla!</translation>
    </message>
    <message>
        <source>This question is for the game!!!</source>
        <translation>¡¡¡Esta pregunta decide el juego!!!</translation>
    </message>
    <message>
        <source>Sorry, but that is incorrect!</source>
        <translation>¡Vaya, es incorrecto!</translation>
    </message>
    <message>
        <source>Great Job, %1!</source>
        <translation>¡Muy bien, %1!</translation>
    </message>
    <message>
        <source> Good Job!!!  You get to roll again.</source>
        <translation> ¡¡¡Bien hecho!!!  Vuelves a tirar el dado.</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Haz clic en el dado para tirar</translation>
    </message>
</context>
<context>
    <name>Tfrmerror</name>
    <message>
        <source>Program Error</source>
        <translation>Error del programa</translation>
    </message>
    <message>
        <source>The File &apos;QUARL3.TQZ&apos; is not found!</source>
        <translation>¡Falta el archivo «QUARL3.TQZ»!</translation>
    </message>
    <message>
        <source>It needs to be in the same directory as</source>
        <translation>Debe estar en la misma carpeta que</translation>
    </message>
    <message>
        <source>the KORVWIN.EXE file.</source>
        <translation>el archivo KORVWIN.EXE.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
