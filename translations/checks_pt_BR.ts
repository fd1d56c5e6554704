<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pt_BR" sourcelanguage="en">
<context>
    <name>BankField</name>
    <message>
        <source>Question</source>
        <translation>Pergunta</translation>
    </message>
    <message>
        <source>the question</source>
        <translation>a pergunta</translation>
    </message>
    <message>
        <source>Right answer</source>
        <translation>Resposta certa</translation>
    </message>
    <message>
        <source>the right answer</source>
        <translation>a resposta certa</translation>
    </message>
    <message>
        <source>Wrong answer 1</source>
        <translation>Resposta errada 1</translation>
    </message>
    <message>
        <source>wrong answer 1</source>
        <translation>resposta errada 1</translation>
    </message>
    <message>
        <source>Wrong answer 2</source>
        <translation>Resposta errada 2</translation>
    </message>
    <message>
        <source>wrong answer 2</source>
        <translation>resposta errada 2</translation>
    </message>
</context>
<context>
    <name>ProblemKinds</name>
    <message>
        <source>empty line: the slot stays empty</source>
        <translation>linha vazia: a posição fica vazia</translation>
    </message>
    <message>
        <source>Empty line</source>
        <translation>Linha vazia</translation>
    </message>
    <message>
        <source>the line holds nothing, so its slot in the game stays empty.</source>
        <translation>a linha não tem nada, então sua posição no jogo fica vazia.</translation>
    </message>
    <message>
        <source>%1 is %2 characters: the game keeps %3 and drops %4</source>
        <translation>%1 tem %2 caracteres: o jogo mantém %3 e descarta %4</translation>
    </message>
    <message>
        <source>Cut %2 from the end of the %3 on line %1</source>
        <translation>Cortar %2 do fim do campo %3 na linha %1</translation>
    </message>
    <message>
        <source>Field too long</source>
        <translation>Campo longo demais</translation>
    </message>
    <message>
        <source>the game cuts the question to 73 characters and an answer to 26; the message says what is dropped. Fix selects that part for you to reword; Cut Field to Its Width cuts it.</source>
        <translation>o jogo corta a pergunta em 73 caracteres e uma resposta em 26; a mensagem diz o que é descartado. Corrigir seleciona essa parte para você reescrever; Cortar campo na largura a corta.</translation>
    </message>
    <message>
        <source>the line is %1 characters: the game reads the first %2 and drops %3</source>
        <translation>a linha tem %1 caracteres: o jogo lê os primeiros %2 e descarta %3</translation>
    </message>
    <message>
        <source>Line too long</source>
        <translation>Linha longa demais</translation>
    </message>
    <message>
        <source>the game reads only the first 140 characters of a line, whatever the fields hold.</source>
        <translation>o jogo lê só os primeiros 140 caracteres de uma linha, seja o que for que os campos contenham.</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes</source>
        <translation>só %1 das 4 aspas duplas</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters</source>
        <translation>só %1 das 4 aspas duplas nos primeiros %2 caracteres</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes: %3 takes the rest of the line</source>
        <translation>só %1 das 4 aspas duplas: %3 fica com o resto da linha</translation>
    </message>
    <message>
        <source>only %1 of the 4 double quotes in the first %2 characters: %3 takes the rest of the line</source>
        <translation>só %1 das 4 aspas duplas nos primeiros %2 caracteres: %3 fica com o resto da linha</translation>
    </message>
    <message>
        <source>Missing double quotes</source>
        <translation>Faltam aspas duplas</translation>
    </message>
    <message>
        <source>a line needs four, one after each field; with fewer, fields run together or stay empty. With none at all, nothing loads from the line.</source>
        <translation>uma linha precisa de quatro, uma após cada campo; com menos, os campos se misturam ou ficam vazios. Sem nenhuma, nada é carregado da linha.</translation>
    </message>
    <message>
        <source>no double quote: the game loads nothing from this line</source>
        <translation>nenhuma aspa dupla: o jogo não carrega nada desta linha</translation>
    </message>
    <message>
        <source>no double quote in the first %1 characters: the game loads nothing from this line</source>
        <translation>nenhuma aspa dupla nos primeiros %1 caracteres: o jogo não carrega nada desta linha</translation>
    </message>
    <message>
        <source>text after the 4th double quote is not used: %1</source>
        <translation>o texto após a 4ª aspa dupla não é usado: %1</translation>
    </message>
    <message>
        <source>Drop %2 after the fourth double quote on line %1</source>
        <translation>Remover %2 após a quarta aspa dupla na linha %1</translation>
    </message>
    <message>
        <source>Split line %1 at its line feeds</source>
        <translation>Dividir a linha %1 nos seus avanços de linha</translation>
    </message>
    <message>
        <source>Move the question run on after line %1 to a line of its own</source>
        <translation>Mover a pergunta emendada após a linha %1 para uma linha própria</translation>
    </message>
    <message>
        <source>Mend the text after the fourth double quote on every line</source>
        <translation>Consertar o texto após a quarta aspa dupla em todas as linhas</translation>
    </message>
    <message>
        <source>mend the text after the fourth double quote</source>
        <translation>consertar o texto após a quarta aspa dupla</translation>
    </message>
    <message>
        <source>Text after the fourth double quote</source>
        <translation>Texto após a quarta aspa dupla</translation>
    </message>
    <message>
        <source>the game ignores it; often it is a further question that needs a line of its own.</source>
        <translation>o jogo o ignora; muitas vezes é mais uma pergunta que precisa de uma linha própria.</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 está vazia</translation>
    </message>
    <message>
        <source>%1 are empty</source>
        <translation>%1 estão vazias</translation>
    </message>
    <message>
        <source>Empty fields</source>
        <translation>Campos vazios</translation>
    </message>
    <message>
        <source>the game shows an empty question or answer box.</source>
        <translation>o jogo mostra uma caixa de pergunta ou de resposta vazia.</translation>
    </message>
    <message>
        <source>lone line feed (LF) at character %2: the game reads it as an ordinary character, not a line end</source>
        <translation>avanço de linha (LF) sozinho no caractere %2: o jogo o lê como um caractere comum, não como fim de linha</translation>
    </message>
    <message>
        <source>%1 lone line feeds (LF), the first at character %2: the game reads them as ordinary characters, not line ends</source>
        <translation>%1 avanços de linha (LF) sozinhos, o primeiro no caractere %2: o jogo os lê como caracteres comuns, não como fins de linha</translation>
    </message>
    <message>
        <source>End line %1 at its line feeds</source>
        <translation>Terminar a linha %1 nos seus avanços de linha</translation>
    </message>
    <message>
        <source>End every line at its line feeds</source>
        <translation>Terminar todas as linhas nos seus avanços de linha</translation>
    </message>
    <message>
        <source>end lines at their line feeds</source>
        <translation>terminar as linhas nos seus avanços de linha</translation>
    </message>
    <message>
        <source>Line feed without carriage return</source>
        <translation>Avanço de linha sem retorno de carro</translation>
    </message>
    <message>
        <source>the game does not end the line there but shows an odd character.</source>
        <translation>o jogo não termina a linha ali, mas mostra um caractere estranho.</translation>
    </message>
    <message>
        <source>%1 holds UTF-8 text the game shows as other characters: %2</source>
        <translation>%1 contém texto UTF-8 que o jogo mostra como outros caracteres: %2</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on line %1</source>
        <translation>Ler o texto UTF-8 na linha %1</translation>
    </message>
    <message>
        <source>Read the UTF-8 text on every line</source>
        <translation>Ler o texto UTF-8 em todas as linhas</translation>
    </message>
    <message>
        <source>read the UTF-8 text</source>
        <translation>ler o texto UTF-8</translation>
    </message>
    <message>
        <source>UTF-8 text</source>
        <translation>Texto UTF-8</translation>
    </message>
    <message>
        <source>the file was saved in another encoding; the game shows “ü” as “Ã¼”. Fix reads it as intended.</source>
        <translation>o arquivo foi salvo em outra codificação; o jogo mostra “ü” como “Ã¼”. Corrigir o lê como era a intenção.</translation>
    </message>
    <message>
        <source>%1 holds characters the game cannot show (Windows-1252 has none of them): %2</source>
        <translation>%1 contém caracteres que o jogo não consegue mostrar (o Windows-1252 não tem nenhum deles): %2</translation>
    </message>
    <message>
        <source>Characters the game cannot show</source>
        <translation>Caracteres que o jogo não consegue mostrar</translation>
    </message>
    <message>
        <source>typed or pasted characters Windows-1252 lacks; the bank is not saved until they are replaced.</source>
        <translation>caracteres digitados ou colados que faltam no Windows-1252; o banco só é salvo depois que forem substituídos.</translation>
    </message>
    <message>
        <source>%1 holds bytes Windows-1252 does not define: %2</source>
        <translation>%1 contém bytes que o Windows-1252 não define: %2</translation>
    </message>
    <message>
        <source>Undefined bytes and control characters</source>
        <translation>Bytes indefinidos e caracteres de controle</translation>
    </message>
    <message>
        <source>characters the game shows as nothing or as boxes.</source>
        <translation>caracteres que o jogo mostra como nada ou como quadradinhos.</translation>
    </message>
    <message>
        <source>%1 holds control characters: %2</source>
        <translation>%1 contém caracteres de controle: %2</translation>
    </message>
    <message>
        <source>a Ctrl-Z in this line ends the data: the %1 bytes after it are not read</source>
        <translation>um Ctrl-Z nesta linha termina os dados: os %1 bytes depois dele não são lidos</translation>
    </message>
    <message>
        <source>a Ctrl-Z after this line ends the data: the %1 bytes after it are not read</source>
        <translation>um Ctrl-Z após esta linha termina os dados: os %1 bytes depois dele não são lidos</translation>
    </message>
    <message>
        <source>Ctrl-Z</source>
        <translation>Ctrl-Z</translation>
    </message>
    <message>
        <source>the game stops reading the file there.</source>
        <translation>o jogo para de ler o arquivo ali.</translation>
    </message>
    <message>
        <source>the checks count %1 lines where the game loads %2: please report this</source>
        <translation>as verificações contam %1 linhas onde o jogo carrega %2: por favor, informe isso</translation>
    </message>
    <message>
        <source>Lines counted differently</source>
        <translation>Linhas contadas de outro jeito</translation>
    </message>
    <message>
        <source>the checks and the game disagree on the number of lines: look at the line ends near it.</source>
        <translation>as verificações e o jogo discordam sobre o número de linhas: veja os fins de linha ali perto.</translation>
    </message>
    <message>
        <source>slot %1 stays empty: the game finds only %3 lines</source>
        <translation>a posição %1 fica vazia: o jogo só encontra %3 linhas</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 line</source>
        <translation>as posições %1 a %2 ficam vazias: o jogo só encontra %3 linha</translation>
    </message>
    <message>
        <source>slots %1 to %2 stay empty: the game finds only %3 lines</source>
        <translation>as posições %1 a %2 ficam vazias: o jogo só encontra %3 linhas</translation>
    </message>
    <message>
        <source>Slots empty</source>
        <translation>Posições vazias</translation>
    </message>
    <message>
        <source>the bank has fewer than 100 questions; the game draws an empty slot like any other, as a blank question.</source>
        <translation>o banco tem menos de 100 perguntas; o jogo sorteia uma posição vazia como qualquer outra, como uma pergunta em branco.</translation>
    </message>
    <message>
        <source>line %1 is not read: the game holds %3 entries</source>
        <translation>a linha %1 não é lida: o jogo comporta %3 entradas</translation>
    </message>
    <message>
        <source>lines %1 to %2 are not read: the game holds %3 entries</source>
        <translation>as linhas %1 a %2 não são lidas: o jogo comporta %3 entradas</translation>
    </message>
    <message>
        <source>Lines not read</source>
        <translation>Linhas não lidas</translation>
    </message>
    <message>
        <source>lines after the 100th are never asked.</source>
        <translation>as linhas após a 100ª nunca são perguntadas.</translation>
    </message>
    <message>
        <source>the same question as line %1 (case, spaces and punctuation aside)</source>
        <translation>a mesma pergunta da linha %1 (sem contar maiúsculas, espaços e pontuação)</translation>
    </message>
    <message>
        <source>Duplicate question</source>
        <translation>Pergunta repetida</translation>
    </message>
    <message>
        <source>the same question stands on two lines, so it may be asked twice in one game.</source>
        <translation>a mesma pergunta está em duas linhas, então pode ser feita duas vezes num jogo.</translation>
    </message>
    <message>
        <source>%1 are the same answer (case, spaces and punctuation aside)</source>
        <translation>%1 são a mesma resposta (sem contar maiúsculas, espaços e pontuação)</translation>
    </message>
    <message>
        <source>Equal answers</source>
        <translation>Respostas iguais</translation>
    </message>
    <message>
        <source>two answers of one question read the same, so the player cannot tell them apart.</source>
        <translation>duas respostas de uma pergunta se leem do mesmo jeito, então o jogador não consegue distingui-las.</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts them to %2 characters</source>
        <translation>%1 viram a mesma resposta quando o jogo as corta em %2 caracteres</translation>
    </message>
    <message>
        <source>%1 become the same answer once the game cuts the line to %3 characters</source>
        <translation>%1 viram a mesma resposta quando o jogo corta a linha em %3 caracteres</translation>
    </message>
    <message>
        <source>Answers equal after the cut</source>
        <translation>Respostas iguais após o corte</translation>
    </message>
    <message>
        <source>two answers differ only after their 26th character, or past the line&apos;s 140th, so the game, which shows neither, shows them the same.</source>
        <translation>duas respostas só diferem após o 26º caractere delas, ou após o 140º da linha, partes que o jogo não mostra, então ele as mostra iguais.</translation>
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
        <translation>uma marca de ordem de bytes (EF BB BF) aparece como %1</translation>
    </message>
    <message>
        <source>%1 shows as %2</source>
        <translation>%1 aparece como %2</translation>
    </message>
    <message>
        <source>%1 (no character)</source>
        <translation>%1 (nenhum caractere)</translation>
    </message>
</context>
</TS>
