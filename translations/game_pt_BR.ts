<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
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
Inicia o Korvane, um jogo de tabuleiro de perguntas para dois jogadores
num mesmo computador. O jogo lê as perguntas do banco de perguntas
BANCO ao começar e de novo a cada nova partida. Sem BANCO, ele lê
quarl3.tqz da pasta onde começa ou, se não houver, esse nome escrito
em maiúsculas ou minúsculas (QUARL3.TQZ). Se o banco não puder ser
lido, uma janela de erro avisa e o OK dela fecha o jogo.
Os bancos que vêm com o jogo, em %1:
</translation>
    </message>
    <message>
        <source>--language CODE plays in that language (de: German) rather than the system&apos;s.
Qt&apos;s own options, such as -platform NAME, are accepted too.
</source>
        <translation>--language CÓDIGO joga nesse idioma (de: alemão) em vez do idioma do
sistema. As opções próprias do Qt, como -platform NOME, também são
aceitas.
</translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>yellow star</source>
        <translation>estrela amarela</translation>
    </message>
    <message>
        <source>sailboat</source>
        <translation>veleiro</translation>
    </message>
    <message>
        <source>green frog</source>
        <translation>sapo verde</translation>
    </message>
    <message>
        <source>red heart</source>
        <translation>coração vermelho</translation>
    </message>
    <message>
        <source>purple crown</source>
        <translation>coroa roxa</translation>
    </message>
    <message>
        <source>key</source>
        <translation>chave</translation>
    </message>
    <message>
        <source>pink flower</source>
        <translation>flor rosa</translation>
    </message>
    <message>
        <source>teddy bear</source>
        <translation>ursinho</translation>
    </message>
    <message>
        <source>Playing piece %1: %2</source>
        <translation>Peão %1: %2</translation>
    </message>
    <message>
        <source>Please enter your name:</source>
        <translation>Por favor, digite seu nome:</translation>
    </message>
    <message>
        <source> Player one, enter your name then press [Tab] or [Enter].</source>
        <translation> Jogador 1, digite seu nome e tecle [Tab] ou [Enter].</translation>
    </message>
    <message>
        <source>Player 1</source>
        <translation>Jogador 1</translation>
    </message>
    <message>
        <source>Player 2</source>
        <translation>Jogador 2</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Peão do jogador 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Peão do jogador 1</translation>
    </message>
    <message>
        <source>Playing Pieces</source>
        <translation>Peões</translation>
    </message>
    <message>
        <source>Korvane: a game of questions, corners and Love</source>
        <translation>Korvane: um jogo de perguntas, cantos e Love</translation>
    </message>
    <message>
        <source>Spare box: now click a playing piece</source>
        <translation>Espaço livre: agora clique num peão</translation>
    </message>
    <message>
        <source>Player1</source>
        <translation>Jogador1</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Seu nome</translation>
    </message>
    <message>
        <source>Start Game</source>
        <translation>Iniciar jogo</translation>
    </message>
    <message>
        <source>Player2</source>
        <translation>Jogador2</translation>
    </message>
    <message>
        <source>Player 1:  Enter your name.</source>
        <translation>Jogador 1:  Digite seu nome.</translation>
    </message>
    <message>
        <source>Enter your name:</source>
        <translation>Seu nome:</translation>
    </message>
    <message>
        <source> Select a playing piece by clicking on one.</source>
        <translation> Escolha um peão clicando nele.</translation>
    </message>
    <message>
        <source>Click on a playing piece</source>
        <translation>Clique num peão</translation>
    </message>
    <message>
        <source>Click on the &apos;Start Game&apos; button to play.</source>
        <translation>Clique em “Iniciar jogo” para jogar.</translation>
    </message>
    <message>
        <source>Player 2:  Enter your name.</source>
        <translation>Jogador 2:  Digite seu nome.</translation>
    </message>
    <message>
        <source>Player two, enter your name.</source>
        <translation>Jogador 2, digite seu nome.</translation>
    </message>
</context>
<context>
    <name>TfrmDialog</name>
    <message>
        <source>Do you really want to Quit?</source>
        <translation>Quer mesmo Sair?</translation>
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
        <translation>Quer mesmo sair?</translation>
    </message>
    <message>
        <source>Do you really want to start over?</source>
        <translation>Quer mesmo recomeçar?</translation>
    </message>
</context>
<context>
    <name>TfrmEnd</name>
    <message>
        <source>Game board: click for About</source>
        <translation>Tabuleiro (clique: Sobre)</translation>
    </message>
    <message>
        <source>Thank you for playing!!!!</source>
        <translation>Obrigado por jogar!!!!</translation>
    </message>
    <message>
        <source>You Win!!!</source>
        <translation>Vitória!!!</translation>
    </message>
    <message>
        <source>Great Job!</source>
        <translation>Muito bem!</translation>
    </message>
    <message>
        <source>Winner&apos;s piece</source>
        <translation>Peão do vencedor</translation>
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
        <translation>Ajuda do Korvane</translation>
    </message>
    <message>
        <source>License</source>
        <translation>Licença</translation>
    </message>
    <message>
        <source>Licence terms</source>
        <translation>Termos da licença</translation>
    </message>
    <message>
        <source>Playing the Game</source>
        <translation>Como jogar</translation>
    </message>
    <message>
        <source>The board&apos;s corners: L and O above, V and E below</source>
        <translation>Os cantos do tabuleiro: L e O em cima, V e E embaixo</translation>
    </message>
    <message>
        <source>Correctly answer a question from each corner square to win.  Each corner represents a different letter.  Spell the word &apos;Love&apos; to win!</source>
        <translation>Acerte uma pergunta em cada casa de canto.  Cada canto representa uma letra diferente.  Forme a palavra “Love” para vencer!</translation>
    </message>
    <message>
        <source>Instructions</source>
        <translation>Instruções</translation>
    </message>
    <message>
        <source>Manual</source>
        <translation>Manual</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Sobre</translation>
    </message>
    <message>
        <source>Die face %1</source>
        <translation>Face %1 do dado</translation>
    </message>
    <message>
        <source>Korvane emblem</source>
        <translation>Emblema Korvane</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Escreva-nos</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Endereço postal</translation>
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
        <translation>Tabuleiro</translation>
    </message>
    <message>
        <source>Player 2&apos;s piece</source>
        <translation>Peão do jogador 2</translation>
    </message>
    <message>
        <source>Player 1&apos;s piece</source>
        <translation>Peão do jogador 1</translation>
    </message>
    <message>
        <source> Dice</source>
        <translation> Dado</translation>
    </message>
    <message>
        <source>Start Over</source>
        <translation>Recomeçar</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Sair</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ajuda</translation>
    </message>
    <message>
        <source>Other Software from Halvorn Computers</source>
        <translation>Outros programas da Halvorn Computers</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Clique no dado para lançá-lo</translation>
    </message>
    <message>
        <source>Die showing %1</source>
        <translation>Dado mostrando %1</translation>
    </message>
    <message>
        <source>Move forward to square %1</source>
        <translation>Avançar à casa %1</translation>
    </message>
    <message>
        <source>Move backward to square %1</source>
        <translation>Voltar à casa %1</translation>
    </message>
    <message>
        <source>  Click on the square where you want to move.  </source>
        <translation>  Clique na casa para onde quer ir.  </translation>
    </message>
    <message>
        <source>  Click on the right answer</source>
        <translation>  Clique na resposta certa</translation>
    </message>
    <message>
        <source>%1&apos;s Turn</source>
        <translation>Vez de %1</translation>
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
        <translation>Catálogo de programas Halvorn – Brovell</translation>
    </message>
    <message>
        <source>Halvorn Software Catalog - Quintarra</source>
        <translation>Catálogo de programas Halvorn – Quintarra</translation>
    </message>
    <message>
        <source>Halvorn Software</source>
        <translation>Halvorn Software</translation>
    </message>
    <message>
        <source>Go To Next Page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>Página anterior</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>Próxima página</translation>
    </message>
    <message>
        <source>About Brovell</source>
        <translation>Sobre Brovell</translation>
    </message>
    <message>
        <source>Brovell logo</source>
        <translation>Logo do Brovell</translation>
    </message>
    <message>
        <source>Bullet</source>
        <translation>Marcador de lista</translation>
    </message>
    <message>
        <source>Brovell on screen</source>
        <translation>Brovell na tela</translation>
    </message>
    <message>
        <source>Quintarra icon</source>
        <translation>Ícone Quintarra</translation>
    </message>
    <message>
        <source>About Quintarra</source>
        <translation>Sobre Quintarra</translation>
    </message>
    <message>
        <source>Write to us</source>
        <translation>Escreva-nos</translation>
    </message>
    <message>
        <source>Letter</source>
        <translation>Carta</translation>
    </message>
    <message>
        <source>Postal address</source>
        <translation>Endereço postal</translation>
    </message>
    <message>
        <source>A computer sending love</source>
        <translation>Um computador enviando amor</translation>
    </message>
    <message>
        <source>E-mail: korvane@halvorn.example</source>
        <translation>E-mail: korvane@halvorn.example</translation>
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
        <translation>Letra %1 conquistada</translation>
    </message>
    <message>
        <source>Letter %1 not won yet</source>
        <translation>Letra %1 ainda não conquistada</translation>
    </message>
    <message>
        <source>Here comes the question.</source>
        <translation>Aí vem a pergunta.</translation>
    </message>
    <message>
        <source>Piece of the player on turn</source>
        <translation>Peão do jogador da vez</translation>
    </message>
    <message>
        <source>Player&apos;s</source>
        <translation>Jogador</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>da vez</translation>
    </message>
    <message>
        <source>Pieces:</source>
        <translation>Peões:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>This question is for the square!</source>
        <translation>Esta pergunta vale a casa!</translation>
    </message>
    <message>
        <source>This question is for the game!!!</source>
        <translation>Esta pergunta vale o jogo!!!</translation>
    </message>
    <message>
        <source>Sorry, but that is incorrect!</source>
        <translation>Que pena, está errado!</translation>
    </message>
    <message>
        <source>Great Job, %1!</source>
        <translation>Muito bem, %1!</translation>
    </message>
    <message>
        <source> Good Job!!!  You get to roll again.</source>
        <translation> Muito bem!!!  Você joga o dado de novo.</translation>
    </message>
    <message>
        <source>  Click on the Dice to Roll</source>
        <translation>  Clique no dado para lançá-lo</translation>
    </message>
</context>
<context>
    <name>Tfrmerror</name>
    <message>
        <source>Program Error</source>
        <translation>Erro do programa</translation>
    </message>
    <message>
        <source>The File &apos;QUARL3.TQZ&apos; is not found!</source>
        <translation>Arquivo &apos;QUARL3.TQZ&apos; não encontrado!</translation>
    </message>
    <message>
        <source>It needs to be in the same directory as</source>
        <translation>Ele precisa estar na mesma pasta que</translation>
    </message>
    <message>
        <source>the KORVWIN.EXE file.</source>
        <translation>o arquivo KORVWIN.EXE.</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
